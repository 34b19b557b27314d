#!/usr/bin/env bash
# Builds every test with clang's AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs them (all but the slow ones, which ./test runs).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh sanitizers
echo "==> Running the tests under the sanitizers"
ctest --preset sanitizers -j "$(nproc)"
