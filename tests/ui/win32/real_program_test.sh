#!/usr/bin/env bash
# The real speechviewer.exe under Wine, started from a folder of its own and
# driven from a second process (window_robot.exe) and through the display
# with real keys: its imports, manifest, version and icon; the layout at 96
# and 144 DPI; Tab and Enter; Get, read through the list box messages and
# through the accessibility interface; Find, F3 and Shift+F3; the list's
# menu and the clipboard; message boxes, one for a very long path; a file
# another process holds; a long Get clicked again and again, centred over
# the window and closed under way; the program started with a path and with
# wrong arguments; Save list as a name Windows would not keep; editing an
# entry, saving, undoing and closing with changes unsaved; and that
# nothing was written beside it, beside the files, or to the registry.
# Writes the screenshots BUILD_DIR/screenshot.png, screenshot-find.png,
# screenshot-find-no-room.png, screenshot-menu.png, screenshot-progress.png,
# screenshot-edit-entry.png, screenshot-edited.png, screenshot-differences.png and
# screenshot-find-all.png. Runs in the Wine session of the CTest fixture.
# Usage: real_program_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
cd "$2"
. tests/ui/win32/wine_session.sh
. "$build/wine-session"
bin=$build/bin
work=$(mktemp -d)
# This test sets the prefix's DPI itself: wine_run.sh sets it afresh after.
trap 'rm -rf "$work" "$build/wine-dpi"' EXIT

. "tests/support/checks.sh"

values() { sed -n "s/^$1: //p" "$work/robot.txt" | tr -d '\r'; }
value() { values "$1" | head -n1; }
robot() { : > "$work/robot.txt"; wine "$bin/window_robot.exe" "$(winepath -w "$work/robot.txt")" "$@" >/dev/null 2>&1 || true; }
# Asks the robot ARGS until it reads KEY as EXPECTED, for up to ten seconds:
# keys through the display reach the window a moment later.
until_robot() {  # until_robot KEY EXPECTED ARGS...
  local key=$1 expected=$2
  shift 2
  for _ in $(seq 50); do
    robot "$@"
    [ "$(values "$key" | tail -n1)" == "$expected" ] && return 0
    sleep 0.2
  done
}
# Waits until a window with this title is shown, or is gone.
window_up() { xdotool search --sync --onlyvisible --name "$1" >/dev/null; }
window_gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0; sleep 0.2; done; }

dlls=$(x86_64-w64-mingw32-objdump -p "$bin/speechviewer.exe" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
others=$(for dll in $dlls; do
  case $dll in KERNEL32.DLL|USER32.DLL|GDI32.DLL|COMCTL32.DLL|COMDLG32.DLL|OLEACC.DLL|OLEAUT32.DLL|OLE32.DLL|SHELL32.DLL|SHLWAPI.DLL|ADVAPI32.DLL|MSVCRT.DLL) ;; *) echo "$dll" ;; esac
done)
check "speechviewer.exe imports only system DLLs ($dlls)" "" "$others"
robot resources "$(winepath -w "$bin/speechviewer.exe")"
check "it carries a manifest for common controls 6" yes "$(value 'manifest common controls 6')"
check "the manifest asks for per-monitor DPI awareness" yes "$(value 'manifest per-monitor DPI')"
check "the manifest leaves the ANSI code page to the system" none "$(value 'manifest active code page')"
check "it carries an icon" yes "$(value icon)"
check "its version resource names it" "Speech file viewer $(sed -n 's/^project(speechviewer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)" \
  "$(value product) $(value version)"
check "and its licence" "Copyright (c) 2026 the speech file viewer authors; MIT licence." "$(value copyright)"

# The viewer runs from a folder of its own, and reads files from another:
# both must stay as they were.
app="$work/app" files="$work/files"
mkdir -p "$app" "$files"
cp "$bin/speechviewer.exe" "$app/"
python3 - "$files/lines.mul" <<'PY'
import struct, sys
def entry(i, text): return struct.pack(">HH", i, len(text)) + text
data = entry(0x2A, b"hail") + entry(0x100, b"") + entry(0x8001, b"ok")
data += entry(0x1B, b"a\x00b\tc\nd\re\x1bf\x7fg\x81h end")
data += entry(7, "caf\xe9 \x80".encode("latin-1")) + entry(9, b"long " + b"m" * 300 + b" END")
data += b"".join(entry(0x100 + i, b"entry %d" % i) for i in range(40))
open(sys.argv[1], "wb").write(data)
PY
printf '\x00\x01\x00\x03one\x00\x02\x80\x00' > "$files/bad.mul"
# Two versions of a file, for Compare with: row 1 changed, "farewell"
# removed before row 3, row 4 added.
python3 - "$files/old.mul" "$files/new.mul" <<'PY'
import struct, sys
def entries(pairs): return b"".join(struct.pack(">HH", i, len(t)) + t for i, t in pairs)
common = [(5, b"guards"), (7, b"buy")]
open(sys.argv[1], "wb").write(entries([(1, b"hail"), (2, b"hello"), (3, b"bank"), (4, b"farewell")] + common))
open(sys.argv[2], "wb").write(entries([(1, b"hail"), (2, b"hello there"), (3, b"bank"), (5, b"guards"),
                                       (0x10, b"quest"), (7, b"buy")]))
PY
cp "$files/lines.mul" "$files/held.mul"
listing() { (cd "$1" && find . -printf '%p %s %T@\n' | sort); }
app_before=$(listing "$app")
files_before=$(listing "$files")
wine reg export 'HKCU\Software' "$(winepath -w "$work/registry-before.reg")" >/dev/null 2>&1 || true

wine_set_dpi 96
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" >/dev/null 2>&1 &
robot wait
check "the window comes up with a client area of 313 x 401 at 96 DPI" "313 x 401" "$(value client)"
check "its caption" "Speech.mul by Quorrin" "$(value caption)"
check "the controls' places" "8 8 294 x 13|8 24 297 x 303|8 336 297 x 19|8 384 297 x 17" \
  "$(value 'place Label1')|$(value 'place lstWords')|$(value 'place txtPath')|$(value 'place cmdGet')"
check "the texts" "Speech ID - SpeechText|c:\\program files\\kestrel haven\\speech.mul|Get" \
  "$(value 'text Label1')|$(value 'text txtPath')|$(value 'text cmdGet')"
check "the list starts empty, with the focus" "0 lstWords" "$(value lines) $(value focus)"
frame=$(value frame)

# Real keys through the display.
focus_after() { xdotool key "$1"; until_robot focus "$2" focus; value focus; }
check "Tab, Tab, Tab, Shift+Tab move the focus in tab order" "txtPath cmdGet lstWords cmdGet" \
  "$(focus_after Tab txtPath) $(focus_after Tab cmdGet) $(focus_after Tab lstWords) $(focus_after shift+Tab cmdGet)"

robot set "$(winepath -w "$files/lines.mul")"
xdotool key Return
until_robot lines 45 lines
check "Enter on the focused Get button clicks it" 45 "$(value lines)"

robot get "$(winepath -w "$files/lines.mul")"
check "Get lists the file, control characters shown" \
  "45|ID: 2A Text: hail|ID: 8001 Text: ok|ID: 1B Text: a␀b␉c␊d␍e␛f␡g‹81›h end|ID: 7 Text: café €" \
  "$(value lines)|$(values line | head -4 | paste -sd'|')"
check "no message box after a good Get" "" "$(value message)"
robot accessible
check "assistive technology in another process reads the list and its lines" \
  "45|33 Speech ID - SpeechText|34 ID: 2A Text: hail|34 ID: 8001 Text: ok" \
  "$(value 'accessible lines')|$(value 'accessible 0')|$(value 'accessible 1')|$(value 'accessible 2')"
sleep 0.5  # the list's last paint, for the picture
import -window root -crop "$frame" +repage "$build/screenshot.png"
echo "screenshot: $build/screenshot.png"

# Find, the list's menu and the clipboard, with real keys.
xdotool key ctrl+f
window_up '^Find$'
xdotool type "entry 3"
xdotool key Return
until_robot current "8 ID: 103 Text: entry 3" current
check "Ctrl+F, a text and Enter in the find window: the first line that holds it" "8 ID: 103 Text: entry 3" "$(value current)"
sleep 0.3  # the found line's paint, for the picture
import -window root -crop "$(sed 's/^\([0-9]*\)x/800x/' <<<"$frame")" +repage "$build/screenshot-find.png"
xdotool key Escape
window_gone '^Find$'
xdotool key F3
until_robot current "35 ID: 11E Text: entry 30" current
check "F3 finds the next, scrolled into view" "35 ID: 11E Text: entry 30|yes" "$(value current)|$(value 'in view')"
xdotool key shift+F3
until_robot current "8 ID: 103 Text: entry 3" current
xdotool key shift+F3
until_robot current "44 ID: 127 Text: entry 39" current
check "Shift+F3 the previous, coming round past the first" "44 ID: 127 Text: entry 39|yes" "$(value current)|$(value 'in view')"
xdotool key ctrl+f
window_up '^Find$'
xdotool key ctrl+a
xdotool type zzz
xdotool key Return
robot message
check "no line found: a message box over the find window" 'No line holds "zzz".|Find' "$(value message)|$(value 'message owner')"
xdotool key Escape
window_gone '^Find$'
xdotool key Tab
until_robot focus lstWords focus
check "closing the find window gives the focus back, and Tab moves it on to the list" lstWords "$(value focus)"
xdotool key Menu
sleep 0.5  # the menu has no title to wait for; and its paint, for the picture
import -window root -crop "$frame" +repage "$build/screenshot-menu.png"
xdotool key c
until_robot clipboard "ID: 127 Text: entry 39" clipboard
check "the Menu key opens the list's menu, and its Copy copies the current line" "ID: 127 Text: entry 39" "$(values clipboard)"
xdotool key shift+F10
sleep 0.5  # likewise
xdotool key a
until_robot 'clipboard ends in CRLF' yes clipboard
check "Shift+F10 opens it too, and Copy all lines copies every line, each ending in CRLF" \
  "45|ID: 2A Text: hail|ID: 127 Text: entry 39|yes" \
  "$(values clipboard | wc -l)|$(values clipboard | head -n1)|$(values clipboard | tail -n1)|$(value 'clipboard ends in CRLF')"
echo "screenshots: $build/screenshot-find.png, $build/screenshot-menu.png"

robot get "$(winepath -w "$files/bad.mul")"
check "an error mid-file: a message box titled with the caption" "Speech.mul by Quorrin" "$(value 'message title')"
check "it says where and what, in plain words" yes \
  "$(value message | grep -q 'The entry at byte 7 gives a text length of 0x8000, more than the 32,767 bytes an entry can hold. (Overflow, runtime error 6)' && echo yes || echo no)"
check "the line before the error stays" "1 ID: 1 Text: one" "$(value lines) $(value line)"

: >"$work/hold.txt"
wine "$bin/window_robot.exe" "$(winepath -w "$work/hold.txt")" hold "$(winepath -w "$files/held.mul")" 4000 >/dev/null 2>&1 &
holder=$!
for _ in $(seq 50); do grep -q '^holding: yes' "$work/hold.txt" && break; sleep 0.1; done
robot get "$(winepath -w "$files/held.mul")"
check "a file another process holds without sharing is in use" yes \
  "$(value message | grep -q 'The file is in use: another program has it open' && echo yes || echo no)"
check "the list is then empty" 0 "$(value lines)"
wait "$holder" || true

robot get "$(winepath -w "$files/lines.mul")"
check "the window goes on" 45 "$(value lines)"

# A path of 30,000 characters: the message names it shortened, and its box
# fits on the screen.
robot get "C:\\$(printf 'd%.0s' $(seq 29985))\\speech.mul"
check "a very long path is shortened in the message" yes \
  "$(value message | grep -q '…d*\\speech.mul" (shortened from 29,999 characters): ' && echo yes || echo no)"
check "and its box fits on the screen" yes "$([ "$(value 'message width')" -le 1280 ] && echo yes || echo no)"

# A long Get (a file of 4 GiB, mostly holes), clicked again and again as a
# robot or assistive technology may: one Get runs, and the window answers.
truncate -s 4G "$work/long.mul"
long=$(winepath -w "$work/long.mul")
robot clicks "$long" 4
check "four clicks on Get during a long Get: one progress window, and the window answers" "1|yes" \
  "$(value 'progress windows')|$(value answers)"
check "the Get then stops when asked, and says so" yes \
  "$(value message | grep -q 'long.mul": The listing was stopped at byte' && echo yes || echo no)"
robot close
check "closing the window ends the program" yes "$(value ended)"

# Started with a path, as "Open with" and a file dropped on the program do.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" "$(winepath -w "$files/lines.mul")" >/dev/null 2>&1 &
robot listed
check "started with a path, it lists the file once shown" "45|ID: 2A Text: hail|" \
  "$(value lines)|$(value line)|$(value message)"
robot close
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" -- "$(winepath -w "$files/bad.mul")" >/dev/null 2>&1 &
robot listed
check "an error in that file comes up over the shown window" "Speech.mul by Quorrin|1" \
  "$(value 'message owner')|$(value lines)"
robot close

# Compare with... from the list's menu, then F7 and Shift+F7 with real keys
# and from the Differences window, and Find all.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" "$(winepath -w "$files/new.mul")" >/dev/null 2>&1 &
robot listed
robot compare "$(winepath -w "$files/old.mul")"
check "Compare with...: the Differences window beside the list, its count" \
  "Differences|no|Compared with old.mul: 1 removed, 1 added, 1 changed." \
  "$(value differences)|$(value 'differences hide the list')|$(value 'differences count')"
check "its rows, read through the list's own messages" \
  "3|Changed: ID: 2 Text: hello → ID: 2 Text: hello there|Removed: ID: 4 Text: farewell|Added: ID: 10 Text: quest" \
  "$(value 'differences rows')|$(values 'differences row' | paste -sd'|')"
check "it opens at the first difference, selected in the list" "0|1 ID: 2 Text: hello there" \
  "$(value 'differences current')|$(value current)"
xdotool key F7
until_robot current "3 ID: 5 Text: guards" current
check "F7 in the main window: the next difference (the removed entry stood before row 3)" "3 ID: 5 Text: guards" \
  "$(value current)"
robot f7 differences
check "F7 in the Differences window: the next" "2|4 ID: 10 Text: quest" "$(value 'differences current')|$(value current)"
robot f7 differences
check "and at the last it says so" "2|There is no difference after this one." \
  "$(value 'differences current')|$(value 'differences says')"
xdotool key shift+F7
until_robot current "3 ID: 5 Text: guards" current
check "Shift+F7: the previous" "3 ID: 5 Text: guards" "$(value current)"
robot choose differences 0
check "choosing a difference selects its line" "1 ID: 2 Text: hello there" "$(value current)"
sleep 0.3  # the paint, for the picture
import -window root -crop 800x420+0+0 +repage "$build/screenshot-differences.png"
robot findall "a"
check "Find all: the count and every line that holds the text" \
  "3 lines hold \"a\".|3|ID: 1 Text: hail|ID: 3 Text: bank|ID: 5 Text: guards" \
  "$(value 'found count')|$(value 'found rows')|$(values 'found row' | paste -sd'|')"
robot choose find 2
check "choosing a line found selects it" "3 ID: 5 Text: guards" "$(value current)"
sleep 0.3
import -window root -crop 800x620+0+0 +repage "$build/screenshot-find-all.png"
echo "screenshots: $build/screenshot-differences.png, $build/screenshot-find-all.png"
robot close

# speechviewer.exe --compare OLD NEW, as a version-control system's difftool starts it.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" --compare "$(winepath -w "$files/old.mul")" \
  "$(winepath -w "$files/new.mul")" >/dev/null 2>&1 &
robot differences
check "--compare OLD NEW lists NEW with the Differences window against OLD" \
  "Compared with old.mul: 1 removed, 1 added, 1 changed.|1 ID: 2 Text: hello there" \
  "$(value 'differences count')|$(value current)"
robot close

# Save list as the speech file's name with a dot after it, which Windows
# would not keep, and Yes when the dialog asks to replace it: refused in
# plain words, twice, with no new file made and the speech file as it was.
saving="$work/saving"
mkdir -p "$saving"
cp "$files/lines.mul" "$saving/small.mul"
saving_before=$(listing "$saving")
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" "$(winepath -w "$saving/small.mul")" >/dev/null 2>&1 &
robot listed
for attempt in first second; do
  robot save "$(winepath -w "$saving/small.mul")."
  check "Save list as \"small.mul.\", the $attempt time, is refused in plain words" \
    '"small.mul." ends in a dot, which Windows drops from a name.' \
    "$(value message | grep -o '"small.mul." ends in a dot, which Windows drops from a name.' || value message)"
done
check "no file was made, and the speech file is as it was" "$saving_before|same" \
  "$(listing "$saving")|$(cmp -s "$files/lines.mul" "$saving/small.mul" && echo same || echo changed)"
robot close

# The progress of a Get the start path began stays centred over the main
# window, wherever the system puts that window meanwhile.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" "$long" >/dev/null 2>&1 &
ROBOT_KEEP_PROGRESS_MS=1500 robot progress 400 300 &
placing=$!
for _ in $(seq 300); do grep -q '^progress on screen' "$work/robot.txt" 2>/dev/null && break; sleep 0.1; done
import -window root "$build/screenshot-progress.png"
wait "$placing"
check "the first progress window is centred over the main window, on the screen" "yes|yes" \
  "$(value 'progress centred')|$(value 'progress on screen')"
robot close

# Closed as the task manager's End task closes it, during a long Get: the
# Get stops, the program ends at once, and the file is held no more.
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" >/dev/null 2>&1 &
robot wait
robot closing "$long"
check "closed during a long Get, the program ends within a second or so, the file closed" "yes|yes|no" \
  "$(value ended)|$([ "$(value 'ended within' | cut -d' ' -f1)" -le 2000 ] && echo yes || echo no)|$(value 'file held')"

# Editing as a user does, with real keys: F2 on the first line, a text
# typed into the Edit entry window (a character 1251 cannot hold refused and
# named, then a Cyrillic text), Enter and Ctrl+S; speechlist.exe then lists
# the saved file with the new text. Ctrl+Z brings the old line back, and
# closing with that change unsaved asks first: Cancel keeps the window, Don't
# Save closes it and leaves the file as saved.
editing="$work/editing"
mkdir -p "$editing"
cp "$files/lines.mul" "$editing/speech.mul"
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" --encoding 1251 "$(winepath -w "$editing/speech.mul")" >/dev/null 2>&1 &
robot listed
xdotool key Down
until_robot current "0 ID: 2A Text: hail" current
xdotool key F2
window_up '^Edit entry$'
robot entry
check "F2 opens Edit entry with the entry's ID, its text and the bytes it takes, over the window and on the screen" \
  "Edit entry|2A|hail|4 of 32,767 bytes||on|yes" \
  "$(value 'entry title')|$(value 'entry id')|$(value 'entry text')|$(value 'entry bytes')|$(value 'entry problem')|$(value 'entry ok')|$(value 'entry on screen')"
robot type "Grüße"
check "a character the encoding cannot hold is named, and OK takes nothing" "yes|off" \
  "$(value 'entry problem' | grep -q 'ü' && echo yes || echo no)|$(value 'entry ok')"
robot type "Привет, мир"
check "a Cyrillic text typed: its bytes in 1251, counted as typed" "Привет, мир|11 of 32,767 bytes||on" \
  "$(value 'entry text')|$(value 'entry bytes')|$(value 'entry problem')|$(value 'entry ok')"
sleep 0.3  # the dialog's paint, for the picture
import -window root -crop "$(value 'entry and window')" +repage "$build/screenshot-edit-entry.png"
echo "screenshot: $build/screenshot-edit-entry.png"
around=$(value 'entry and window')
xdotool key Return
window_gone '^Edit entry$'
xdotool key Down
sleep 0.3  # the changed line's paint, no longer selected, for the picture
import -window root -crop "$around" +repage "$build/screenshot-edited.png"
robot lines
check "Enter takes it: the line shows the new text" "45|ID: 2A Text: Привет, мир" "$(value lines)|$(value line)"
xdotool key ctrl+s
listing_of() { wine "$bin/speechlist.exe" --encoding 1251 "$(winepath -w "$1")" >"$work/listed.txt" 2>/dev/null || true; head -n1 "$work/listed.txt" | tr -d '\r'; }
for _ in $(seq 50); do [ "$(listing_of "$editing/speech.mul")" == "ID: 2A Text: Привет, мир" ] && break; sleep 0.2; done
check "Ctrl+S saves over the file: speechlist lists the new text" "ID: 2A Text: Привет, мир" "$(listing_of "$editing/speech.mul")"
xdotool key ctrl+z
until_robot line "ID: 2A Text: hail" lines
check "Ctrl+Z brings the old line back" "45|ID: 2A Text: hail" "$(value lines)|$(value line)"
robot ask cancel
check "closing with the undo unsaved asks, with Save, Don't Save and Cancel; Cancel keeps the window" \
  "Save the changes to speech.mul?|Save|Don't Save|Cancel|no" \
  "$(value question)|$(value 'question buttons')|$(value ended)"
robot lines
check "and its lines" "45|ID: 2A Text: hail" "$(value lines)|$(value line)"
robot ask dontsave
check "Don't Save closes it, the file as saved" "yes|ID: 2A Text: Привет, мир" "$(value ended)|$(listing_of "$editing/speech.mul")"

# A wrong command line, and --version: a message box, no window, and the
# exit status.
for setting in "2 --frob" "0 --version"; do
  read -r status argument <<<"$setting"
  LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" "$argument" >/dev/null 2>&1 &
  pid=$!
  robot starting
  shown="$(value 'message title')|$(value window)"
  if [ "$(value message)" == none ]; then robot close; fi
  actual=0
  wait "$pid" || actual=$?
  check "speechviewer.exe $argument: a message box and no window, then exit status $status" \
    "Speech.mul by Quorrin|none|$status" "$shown|$actual"
done
check "nothing was written beside the program" "$app_before" "$(listing "$app")"
check "nothing was written beside the files it read" "$files_before" "$(listing "$files")"
wine reg export 'HKCU\Software' "$(winepath -w "$work/registry-after.reg")" >/dev/null 2>&1 || true
check "no registry key was written" "" "$(diff "$work/registry-before.reg" "$work/registry-after.reg" | grep '^[<>] \[' || true)"

# The manifest's DPI awareness, for real: the same program at 144 DPI.
wine_set_dpi 144
LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 wine "$app/speechviewer.exe" >/dev/null 2>&1 &
robot wait
check "at 144 DPI the client area is 470 x 602" "470 x 602" "$(value client)"
check "and the list 446 x 455" "12 36 446 x 455" "$(value 'place lstWords')"
# In the middle of the screen the find window has no room beside the main
# window: it goes where it hides none of the list.
robot move 400 100
xdotool key ctrl+f
window_up '^Find$'
robot find place
sleep 0.3  # its paint, for the picture
import -window root "$build/screenshot-find-no-room.png"
check "with no room beside the window, the find window hides none of the list, on the screen" "no|yes" \
  "$(value 'find hides the list')|$(value 'find on screen')"
xdotool key Escape
window_gone '^Find$'
robot close
wine_set_dpi 96

checks_done
