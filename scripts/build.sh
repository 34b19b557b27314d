#!/usr/bin/env bash
# Configures and builds the project, saying what it does and showing the
# compiler's own output, errors included.
# Usage: scripts/build.sh BUILD_DIR [CMAKE_OPTION ...] [--target TARGET ...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1
shift
options=() targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = --target ]; then targets+=(--target "$2"); shift 2; else options+=("$1"); shift; fi
done
mkdir -p "$dir"
echo "==> Configuring $dir/"
if ! cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" ${options[@]+"${options[@]}"} \
     >"$dir/configure.log" 2>&1; then
  cat "$dir/configure.log" >&2
  echo "Configuring failed; the messages above say why." >&2
  exit 1
fi
echo "==> Building${targets:+ ${targets[*]//--target /}} in $dir/"
if ! cmake --build "$dir" ${targets[@]+"${targets[@]}"}; then
  echo "The build failed; the compiler's messages above say why." >&2
  exit 1
fi
