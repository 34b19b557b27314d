#!/usr/bin/env bash
# CTest's emulator for the Windows build: runs PROGRAM [ARGS...] under Wine,
# in the build's own prefix, on the virtual display the wine_session fixture
# started (wine_fixture.sh), at the DPI SPEECH_WINE_DPI asks for (96 unless
# set). The program's output goes through files, never straight into the
# pipe CTest reads: Wine's server and services could hold a pipe open.
# Usage: wine_run.sh PROGRAM [ARGS...]   (PROGRAM in BUILD_DIR/bin)
set -euo pipefail
program=$1
build=$(cd "$(dirname "$program")/.." && pwd)
if [ ! -r "$build/wine-session" ]; then
  echo "wine_run.sh: no Wine session for $build is running; run the tests with ctest (./test-windows), which starts one" >&2
  exit 1
fi
. "$build/wine-session"
dpi=${SPEECH_WINE_DPI:-96}
if [ "$(cat "$build/wine-dpi" 2>/dev/null || true)" != "$dpi" ]; then
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  echo "$dpi" >"$build/wine-dpi"
fi
out=$(mktemp)
err=$(mktemp)
status=0
wine "$@" >"$out" 2>"$err" </dev/null || status=$?
cat "$out"
cat "$err" >&2
rm -f "$out" "$err"
exit "$status"
