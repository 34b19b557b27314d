#!/usr/bin/env bash
# Configures and builds a CMake preset (CMakePresets.json), saying what it
# does and showing the compiler's own output, errors included.
# Usage: scripts/build.sh PRESET [--target TARGET ...]
set -euo pipefail
cd "$(dirname "$0")/.."
preset=$1
shift
dir=$(sed -n "/\"name\": \"$preset\"/,/binaryDir/s/.*\"binaryDir\": \"\${sourceDir}\/\([^\"]*\)\".*/\1/p" CMakePresets.json | head -n 1)
[ -n "$dir" ] || dir=build-$preset
mkdir -p "$dir"
echo "==> Configuring $dir/ (cmake --preset $preset)"
if ! cmake --preset "$preset" >"$dir/configure.log" 2>&1; then
  cat "$dir/configure.log" >&2
  echo "Configuring failed; the messages above say why." >&2
  exit 1
fi
echo "==> Building${*:+ ${*//--target /}} in $dir/ (cmake --build --preset $preset)"
if ! cmake --build --preset "$preset" "$@"; then
  echo "The build failed; the compiler's messages above say why." >&2
  exit 1
fi
