#!/usr/bin/env bash
# Builds every test with clang's AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan/ and runs them (all but the slow ones, which ./test runs).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
CC=clang CXX=clang++ BUILD_TYPE=Debug scripts/build.sh build-asan \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
echo "==> Running the tests under the sanitizers"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -LE slow
