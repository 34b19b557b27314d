#!/usr/bin/env bash
# Starts the viewer in a real window on a virtual X display, types the path of
# a speech file, clicks Get, checks that the list then shows lines of text
# where it was empty before, and takes a screenshot of the screen; then lists
# a file larger than a tight limit on its memory allows, and checks that the
# window still paints, says so and goes on.
# Usage: xvfb_smoke.sh VIEWER SPEECH_FILE SCREENSHOT
set -euo pipefail
viewer=$1 speech_file=$2 screenshot=$3
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "missing $tool (run scripts/install-deps.sh)"; exit 1; }
done

. "$(dirname "$0")/../../scripts/virtual-display.sh"
begin_display_session
start_virtual_display 420x480 || { echo FAIL; exit 1; }

"$viewer" 2>"$work/viewer.log" &
viewer_pid=$!
pids+=("$viewer_pid")
wait_for_viewer_window "$viewer_pid" || { echo FAIL; exit 1; }
echo "window $wid: $(xdotool getwindowgeometry "$wid" | tr "\n" " ")"
sleep 0.5
# The rows of the list's area that hold dark pixels, as bands of text lines.
text_lines() {
  import -window "$wid" "$work/window.png"
  convert "$work/window.png" -crop 293x299+10+26 +repage -colorspace gray -threshold 55% -negate \
    -scale '1x299!' -compress none pgm:- | tail -n +4 | tr -s ' \n' '\n' | grep -v '^$' |
    awk '{ dark = $1 > 0 } dark && !before { bands++ } { before = dark } END { print bands + 0 }'
}

xdotool mousemove --window "$wid" 150 345 click 1   # into the path field
xdotool key ctrl+a
xdotool type --delay 2 "$speech_file"
sleep 0.3
xdotool key Escape   # closes the field's completion list, which would take the next click
before=$(text_lines)
xdotool mousemove --window "$wid" 150 392 click 1   # the Get button
sleep 1
if ! kill -0 "$viewer_pid" 2>/dev/null; then
  echo "FAIL: the viewer ended after Get"
  cat "$work/viewer.log"
  exit 1
fi
after=$(text_lines)
import -window root "$screenshot"
echo "screenshot: $screenshot"
echo "lines of text in the list: $before before Get, $after after"
# The example holds 42 lines with text; a full list shows 18 of them.
if [ "$before" -ne 0 ] || [ "$after" -lt 15 ]; then
  echo "FAIL: the list does not show the example's lines"
  exit 1
fi

kill "$viewer_pid" 2>/dev/null || true
wait "$viewer_pid" 2>/dev/null || true

# Starts the viewer as COMMAND... says, and waits until it shows a second
# window beside the main one (a Get's progress, or a message); sets
# started_pid.
start_until_second_window() {
  "$@" 2>"$work/viewer.log" &
  started_pid=$!
  pids+=("$started_pid")
  wait_for_viewer_window "$started_pid" || { echo FAIL; exit 1; }
  for _ in $(seq 100); do
    [ "$(xdotool search --name "^Speech.mul by Quorrin$" 2>/dev/null | wc -l)" -ge 2 ] && break
    sleep 0.1
  done
}

# Closed as a window manager closes it, during a long Get: the Get stops, the
# program ends at once and holds the file no more.
truncate -s 4G "$work/long.mul"
start_until_second_window "$viewer" "$work/long.mul"
long_pid=$started_pid
main=$(for w in $(xdotool search --name "^Speech.mul by Quorrin$"); do
  if xdotool getwindowgeometry "$w" | grep -q "Geometry: 313x401"; then echo "$w"; fi
done | head -n 1)
import -window root "${screenshot%.png}-progress.png"
"$(dirname "$0")/close_window.py" "$main"
for _ in $(seq 30); do kill -0 "$long_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$long_pid" 2>/dev/null; then
  echo "FAIL: closed during a Get, the viewer still runs 3 seconds later"
  exit 1
fi
echo "closed during a Get: the viewer ended at once"

# Under a tight limit on its address space, with a file of more than it can
# hold: the window paints, says what happened, and goes on answering.
if grep -q __asan_init "$viewer"; then
  echo "the memory limit is left out: the address sanitizer needs more address space than it leaves"
  exit 0
fi
big="$work/big.mul"
python3 - "$big" <<'PY'
import struct, sys
# 20,000 entries of 32,767 zero bytes, from the holes of a sparse file: 655 MB.
with open(sys.argv[1], "wb") as f:
    for i in range(20000):
        f.seek(i * (4 + 32767)); f.write(struct.pack(">HH", 7, 32767))
    f.truncate(20000 * (4 + 32767))
PY
# 200 MiB: a little more than the window maps before its first Get, and far
# from room for the file's 655 MB.
limit=$((200 << 20))
start_until_second_window prlimit --as="$limit" "$viewer" "$big"
limited_pid=$started_pid
windows=$(xdotool search --name "^Speech.mul by Quorrin$" 2>/dev/null | wc -l)
brightness() { import -window "$1" "$work/shot.png" && convert "$work/shot.png" -colorspace gray -format '%[fx:int(mean*100)]' info:; }
painted=$(brightness "$wid")
echo "under a limit of $((limit >> 20)) MiB: $windows windows, the main one $painted% bright"
if [ "$windows" -lt 2 ] || [ "$painted" -lt 20 ]; then
  echo "FAIL: under a memory limit the window does not paint or say what happened"
  cat "$work/viewer.log"
  exit 1
fi
xdotool key Return   # closes the message
sleep 0.5
if ! kill -0 "$limited_pid" 2>/dev/null || [ "$(brightness "$wid")" -lt 20 ]; then
  echo "FAIL: after the message the window does not go on"
  exit 1
fi
import -window root "${screenshot%.png}-memory-limit.png"
