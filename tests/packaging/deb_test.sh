#!/usr/bin/env bash
# Builds the Debian package and checks it with lintian and AppStream's
# validator, installs it on this machine with apt-get as a user would,
# checks what it put in place (the programs, the licence and changelog, the
# desktop entry and its AppStream metadata, the speech file's MIME type, the
# icons, the man pages) and that the viewer starts from its desktop entry,
# then removes the package again. Needs root, as apt-get does.
# Usage: tests/packaging/deb_test.sh   (it builds the preset linux, in build/)
set -euo pipefail
cd "$(dirname "$0")/../.."
build=build
# shared-mime-info updates the MIME database when the package is installed
# and removed; xdg-utils' xdg-mime answers as a desktop would, through
# libfile-mimeinfo-perl's mimetype outside a desktop session.
scripts/install-deps.sh test dpkg-dev desktop-file-utils man-db mandoc lintian appstream shared-mime-info \
  xdg-utils libfile-mimeinfo-perl
scripts/build.sh linux

echo "==> Making the package"
rm -f "$build"/speechviewer_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/speechviewer_*.deb)
desktop_entry=/usr/share/applications/org.example.speechviewer.desktop
metainfo=/usr/share/metainfo/org.example.speechviewer.metainfo.xml

work=$(mktemp -d)
pids=()
. scripts/virtual-display.sh
installed=false
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  if $installed; then apt-get remove -y -qq speechviewer >/dev/null 2>&1 || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

passed=0 failed=0
check() {  # check DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@" >"$work/out" 2>&1; then
    passed=$((passed + 1))
    echo "PASS: $what"
  else
    failed=$((failed + 1))
    echo "FAIL: $what"
    sed 's/^/    /' "$work/out"
  fi
}

# Debian's own checker, on the package as built: no error and no warning.
# Its informational notes (the build's hardening flags, the .comment section
# strip leaves in) do not fail the test.
check "lintian finds no error or warning" lintian --fail-on error,warning "$deb"
check "it recommends fonts for the double-byte code pages' texts" sh -c \
  "dpkg-deb -f '$deb' Recommends | grep -q 'fonts-noto-cjk | fonts-wqy-microhei'"
# AppStream's validator on the package's files as a tree: the metainfo, and
# that its launchable names the desktop entry the package installs. With
# --strict, a warning or a note fails; only pedantic remarks would pass.
mkdir "$work/tree"
dpkg -x "$deb" "$work/tree"
check "appstreamcli validate-tree finds nothing" appstreamcli validate-tree --no-net --strict "$work/tree"

echo "==> Installing $deb"
export DEBIAN_FRONTEND=noninteractive
installed=true
apt-get install -y -qq "./$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }

check "the package is installed" dpkg-query -W speechviewer
check "speechviewer --help" sh -c '/usr/bin/speechviewer --help | grep -q "^usage: speechviewer"'
check "speechviewer --version" sh -c '/usr/bin/speechviewer --version | grep -qx "speechviewer [0-9.]*"'
check "speechlist lists the example" sh -c \
  '/usr/bin/speechlist examples/speech.mul | head -n 1 | grep -qx "ID: 0 Text: hail"'
check "speechlist --format csv" sh -c \
  '/usr/bin/speechlist --format csv examples/speech.mul | head -n 1 | grep -q "^offset,id,id_hex,length,text"'
check "speechpack makes the example again from its json" sh -c \
  '/usr/bin/speechlist --all --format json examples/speech.mul | /usr/bin/speechpack --format json | cmp - examples/speech.mul'
# Clean means silent: desktop-file-validate and mandoc fail only on some of
# what they report, but their warnings, hints and style notes are worth
# fixing too.
silent() {  # silent COMMAND...: passes when COMMAND succeeds and prints nothing
  local out
  out=$("$@" 2>&1) && [ -z "$out" ] || { echo "$out"; return 1; }
}
version=$(sed -n 's/^project(speechviewer VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
doc=/usr/share/doc/speechviewer
check "the changelog's latest entry is version $version" sh -c \
  'zcat "$1/changelog.gz" | head -n 1 | grep -q "^speechviewer ($2) "' sh "$doc" "$version"
# The copyright file holds LICENSE's holder and text word for word, in
# Debian's format: the text indented by a space, a blank line as " .".
same_licence() {
  grep -qx "Copyright: $(sed -n 's/^Copyright (c) //p' LICENSE)" "$doc/copyright" &&
    diff <(sed -n '/^ Permission/,$p' "$doc/copyright" | sed 's/^ //; s/^\.$//') <(sed -n '/^Permission/,$p' LICENSE)
}
check "the copyright file holds LICENSE" same_licence
check "appstreamcli validate finds nothing in the installed metainfo" \
  appstreamcli validate --no-net --strict "$metainfo"
check "the metainfo's latest release is version $version" sh -c \
  'grep -m 1 "<release " "$1" | grep -q "version=\"$2\""' sh "$metainfo" "$version"
check "the desktop entry is valid, without a warning or hint" silent desktop-file-validate "$desktop_entry"

# What the file manager makes of speech files, asked through xdg-mime: a
# file named speech.mul, in any case, is a speech file and the viewer's
# entry opens it; another .mul file is not one. Empty XDG folders keep this
# machine's user settings out of the answers.
mime_type=application/x-speech-file
mkdir -p "$work/files" "$work/xdg-config" "$work/xdg-data"
for name in speech.mul SPEECH.MUL other.mul; do cp examples/speech.mul "$work/files/$name"; done
xdg_mime() { XDG_CONFIG_HOME="$work/xdg-config" XDG_DATA_HOME="$work/xdg-data" xdg-mime "$@"; }
prints() {  # prints EXPECTED COMMAND...: passes when COMMAND succeeds and prints just EXPECTED
  local expected=$1 out
  shift
  out=$("$@" 2>&1) && [ "$out" = "$expected" ] || { echo "expected: $expected"; echo "printed:  $out"; return 1; }
}
not_speech_file() {  # not_speech_file FILE: passes when xdg-mime gives FILE another type
  local type
  type=$(xdg_mime query filetype "$1") || return 1
  echo "$1: $type"
  [ "$type" != "$mime_type" ]
}
for name in speech.mul SPEECH.MUL; do
  check "xdg-mime: $name has the type $mime_type" prints "$mime_type" xdg_mime query filetype "$work/files/$name"
done
check "xdg-mime: other.mul has another type" not_speech_file "$work/files/other.mul"
check "xdg-mime: the viewer's desktop entry opens $mime_type" \
  prints "${desktop_entry##*/}" xdg_mime query default "$mime_type"
for icon in scalable/apps/speechviewer.svg 16x16/apps/speechviewer.png 48x48/apps/speechviewer.png \
            256x256/apps/speechviewer.png; do
  check "icon $icon" test -s "/usr/share/icons/hicolor/$icon"
done
check "speechdiff compares the example with itself" sh -c '/usr/bin/speechdiff examples/speech.mul examples/speech.mul'
check "man speechlist" sh -c 'MANWIDTH=80 man speechlist 2>/dev/null | grep -q "speechlist - list the entries of a speech file"'
check "man speechdiff" sh -c 'MANWIDTH=80 man speechdiff 2>/dev/null | grep -q "speechdiff - compare two speech files entry by entry"'
check "man speechpack" sh -c 'MANWIDTH=80 man speechpack 2>/dev/null | grep -q "speechpack - make a speech file from a list"'
check "man speechviewer" sh -c 'MANWIDTH=80 man speechviewer 2>/dev/null | grep -q "speechviewer - view the entries"'
# One page a call: mandoc reads only the first of several compressed pages.
for page in speechlist speechdiff speechpack speechviewer; do
  check "mandoc -Tlint finds nothing in man $page" silent mandoc -Tlint "/usr/share/man/man1/$page.1.gz"
done

# The desktop menu starts what the entry's Exec line says, with the file
# for %f: the window must come up with the file listed in it.
start_from_menu() {
  command=$(sed -n 's/^Exec=//p' "$desktop_entry")
  command=${command//%f/$PWD/examples/speech.mul}
  start_virtual_display 640x480 || return 1
  [ "${command%% *}" = speechviewer ] || { echo "Exec is not speechviewer: $command"; return 1; }
  PATH=/usr/bin $command 2>"$work/viewer.log" &
  pids+=($!)
  wait_for_viewer_window || return 1
  sleep 1
  # The list's area holds the example's lines: dark text on the white list.
  import -window "$wid" "$work/window.png"
  dark=$(convert "$work/window.png" -crop 293x299+10+26 +repage -colorspace gray -threshold 55% -negate \
         -format '%[fx:mean]' info:)
  echo "share of dark pixels in the list: $dark"
  awk -v d="$dark" 'BEGIN { exit !(d > 0.02) }'
}
check "the viewer starts from its desktop entry with a file listed" start_from_menu

echo "==> Removing the package"
apt-get remove -y -qq speechviewer >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
installed=false
check "the package is removed" sh -c '! dpkg-query -W -f="\${Status}" speechviewer 2>/dev/null | grep -q "install ok installed"'
gone() { for file in "$@"; do if test -e "$file"; then echo "still there: $file"; return 1; fi; done; }
check "its files are gone" gone /usr/bin/speechviewer /usr/bin/speechlist /usr/bin/speechdiff /usr/bin/speechpack "$desktop_entry" "$metainfo" "$doc" \
  /usr/share/mime/packages/org.example.speechviewer.xml
check "xdg-mime: speech.mul no longer has the type $mime_type" not_speech_file "$work/files/speech.mul"

echo "packaging: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
