#!/usr/bin/env bash
# Edits a speech file in the real window on a virtual X display, as a user
# does it with the keys: F2 on a line, a Cyrillic text typed (in 1251), Enter, Ctrl+S,
# and speechlist then lists the new text from the file; Ctrl+Z brings the old
# line back (saved again, the file is as it was); with changes not saved,
# closing the window asks, and Cancel keeps it open. Writes a screenshot of
# the Edit entry window.
# Usage: xvfb_editing.sh VIEWER SPEECHLIST SCREENSHOT
set -euo pipefail
viewer=$1 speechlist=$2 screenshot=$3
for tool in Xvfb xdotool import setxkbmap; do
  command -v "$tool" >/dev/null || { echo "missing $tool (run scripts/install-deps.sh)"; exit 1; }
done

. "$(dirname "$0")/../../scripts/virtual-display.sh"
begin_display_session
start_virtual_display 640x520 || { echo FAIL; exit 1; }

file="$work/speech.mul"
python3 - "$file" <<'PY'
import struct, sys
entries = [(0x2A, "hail".encode()), (0x100, b""), (0x8001, "ok".encode())]
with open(sys.argv[1], "wb") as f:
    for i, text in entries:
        f.write(struct.pack(">HH", i, len(text)) + text)
PY
cp "$file" "$work/original.mul"

fail() { echo "FAIL: $*"; cat "$work/viewer.log"; exit 1; }
listed() { "$speechlist" --encoding 1251 "$file"; }
# Waits for a window whose name is $1; sets found.
wait_for_window() {
  found=""
  for _ in $(seq 100); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$found" ] && return 0
    sleep 0.1
  done
  return 1
}
count_windows() { xdotool search --name "$1" 2>/dev/null | wc -l; }

"$viewer" --encoding 1251 "$file" 2>"$work/viewer.log" &
viewer_pid=$!
pids+=("$viewer_pid")
wait_for_viewer_window "$viewer_pid" || { echo FAIL; exit 1; }
sleep 1
xdotool mousemove --window "$wid" 60 34 click 1   # the first line
sleep 0.3

xdotool key F2
wait_for_window "^Edit entry$" || fail "F2 opened no Edit entry window"
# On a Russian keyboard layout, so that each letter has a key of its own:
# a character without one xdotool maps to a spare key first, and the window
# can take the key before it has the new mapping, losing the character.
setxkbmap ru
sleep 0.5
xdotool type --delay 30 "Привет"
setxkbmap us
sleep 0.3
sleep 0.5
import -window root "$screenshot"
echo "screenshot: $screenshot"
xdotool key Return
sleep 0.5
[ "$(count_windows "^Edit entry$")" -eq 0 ] || fail "Enter left the Edit entry window open"
xdotool key ctrl+s
sleep 1
listed | tee "$work/after-edit.txt"
grep -qx "ID: 2A Text: Привет" "$work/after-edit.txt" || fail "the saved file does not hold the new text"
grep -qx "ID: 8001 Text: ok" "$work/after-edit.txt" || fail "the saved file lost the other line"

xdotool key ctrl+z
sleep 0.3
xdotool key ctrl+s
sleep 1
cmp "$file" "$work/original.mul" || fail "after Ctrl+Z and Ctrl+S the file is not the one read, byte for byte"
echo "Ctrl+Z and Ctrl+S: the file is the one read again, the entry without text included"

# A change not saved: closing asks, and Cancel keeps the window.
xdotool key ctrl+y
sleep 0.3
"$(dirname "$0")/close_window.py" "$wid"
for _ in $(seq 50); do
  [ "$(count_windows "^Speech.mul by Quorrin$")" -ge 2 ] && break
  sleep 0.1
done
[ "$(count_windows "^Speech.mul by Quorrin$")" -ge 2 ] || fail "closing with unsaved changes asked nothing"
import -window root "${screenshot%.png}-unsaved.png"
xdotool key Escape   # Cancel
sleep 0.5
kill -0 "$viewer_pid" 2>/dev/null || fail "Cancel did not keep the window open"
[ "$(count_windows "^Speech.mul by Quorrin$")" -eq 1 ] || fail "the question stayed open after Cancel"
cmp "$file" "$work/original.mul" || fail "closing and Cancel wrote the file"
echo "closing with unsaved changes asked, and Cancel kept the window open"
