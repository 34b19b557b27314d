#!/usr/bin/env bash
# Makes docs/screenshot.png, the README's picture of the window: the real
# viewer, started with examples/speech.mul, on a virtual X display.
# Usage: scripts/make-screenshot.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/install-deps.sh test
scripts/build.sh "$build" --target speechviewer

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n 1 "$work/display")"

# The path as a user of the clone would give it, so that the picture shows
# no folder of this machine.
"$build/bin/speechviewer" examples/speech.mul 2>"$work/viewer.log" &
pids+=($!)
wid=""
for _ in $(seq 300); do
  wid=$(xdotool search --name "^Speech.mul by Quorrin$" 2>/dev/null | head -n 1 || true)
  [ -n "$wid" ] && break
  sleep 0.1
done
[ -n "$wid" ] || { echo "the window did not appear"; cat "$work/viewer.log"; exit 1; }
sleep 1
# A thin frame, as the window has on a desktop; no dates in the file, so
# that the same window makes the same picture.
import -window "$wid" "$work/window.png"
convert "$work/window.png" -bordercolor '#7a7a7a' -border 1 -strip -define png:exclude-chunks=date,time \
  docs/screenshot.png
echo "==> Wrote docs/screenshot.png"
