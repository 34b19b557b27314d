#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture of the window: the real
# viewer, started with examples/speech.mul, on a virtual X display.
# Usage: scripts/make-screenshot.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build=build
scripts/install-deps.sh test
scripts/build.sh linux --target speechviewer

. scripts/virtual-display.sh
begin_display_session
start_virtual_display 640x480

# The path as a user of the clone would give it, so that the picture shows
# no folder of this machine.
"$build/bin/speechviewer" examples/speech.mul 2>"$work/viewer.log" &
pids+=($!)
wait_for_viewer_window
sleep 1
# A thin frame, as the window has on a desktop; no dates in the file, so
# that the same window makes the same picture.
import -window "$wid" "$work/window.png"
convert "$work/window.png" -bordercolor '#7a7a7a' -border 1 -strip -define png:exclude-chunks=date,time \
  docs/screenshot.png
echo "==> Wrote docs/screenshot.png"
