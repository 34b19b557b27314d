#!/usr/bin/env bash
# Starts the viewer in a real window on a virtual X display, types the path of
# a speech file, clicks Get and takes a screenshot of the screen.
# Usage: xvfb_smoke.sh VIEWER SPEECH_FILE SCREENSHOT
set -euo pipefail
viewer=$1 speech_file=$2 screenshot=$3
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool (run scripts/install-deps.sh)"; exit 1; }
done

# shellcheck disable=SC2016
xvfb-run -a -s "-screen 0 420x480x24" bash -c '
  set -euo pipefail
  viewer=$1 speech_file=$2 screenshot=$3
  "$viewer" & pid=$!
  wid=""
  for _ in $(seq 100); do
    wid=$(xdotool search --name "^Speech.mul by Quorrin$" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && break
    sleep 0.1
  done
  if [ -z "$wid" ]; then echo "FAIL: the window did not appear"; kill "$pid"; exit 1; fi
  echo "window $wid: $(xdotool getwindowgeometry "$wid" | tr "\n" " ")"
  sleep 0.5
  xdotool mousemove --window "$wid" 150 345 click 1     # into the path field
  xdotool key ctrl+a
  xdotool type --delay 2 "$speech_file"
  xdotool mousemove --window "$wid" 150 392 click 1     # the Get button
  sleep 1
  if ! kill -0 "$pid" 2>/dev/null; then echo "FAIL: the viewer ended after Get"; exit 1; fi
  import -window root "$screenshot"
  kill "$pid"
  wait "$pid" || true
  echo "screenshot: $screenshot"
' smoke "$viewer" "$speech_file" "$screenshot"
