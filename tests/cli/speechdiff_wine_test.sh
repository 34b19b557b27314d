#!/usr/bin/env bash
# speechdiff.exe under Wine: the same files, a diff in the system's code
# page with paths of non-ASCII letters, --encoding, csv's line ends, and a
# file that cannot be read, each with diff's exit status.
# Usage: speechdiff_wine_test.sh SPEECHDIFF_EXE
set -euo pipefail
exe=$1
run=$(dirname "$0")/../ui/win32/wine_run.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. "$(dirname "$0")/../support/checks.sh"
speechdiff() { "$run" "$exe" "$@"; }
status_of() { local status=0; speechdiff "$@" >"$work/out" 2>"$work/err" || status=$?; echo "$status"; }

mkdir -p "$work/Données Ж"
old="$work/Données Ж/old.mul" new="$work/Données Ж/new.mul"
# hail, then ok; the new file changes ok to the text 41 42 (AB) and adds
# ID 0x2A with the one byte 0xE9 after it.
printf '\x00\x01\x00\x04hail\x00\x02\x00\x02ok' >"$old"
printf '\x00\x01\x00\x04hail\x00\x02\x00\x02AB\x00\x2a\x00\x01\xe9' >"$new"

check "the same file: status 0 and nothing printed" "0 " "$(status_of "$old" "$old") $(cat "$work/out")"
check "different files: status 1" 1 "$(status_of -U0 "$old" "$new")"
check "the diff names both files and shows the changed and added lines" \
  "$(printf -- '--- %s\n+++ %s\n@@ -2 +2,2 @@ old byte 8, new byte 8\n-ID: 2 Text: ok\n+ID: 2 Text: AB\n+ID: 2A Text: é' \
    "$old" "$new")" \
  "$(cat "$work/out")"
check "lines end in a bare newline" 0 "$(grep -c $'\r' "$work/out" || true)"
status_of --encoding 1251 -U0 "$old" "$new" >/dev/null || true
check "--encoding 1251" "+ID: 2A Text: й" "$(tail -n 1 "$work/out")"
status_of --format csv "$old" "$new" >/dev/null || true
check "csv rows end in CRLF" 3 "$(grep -c $'\r$' "$work/out")"
printf '\x00\x01\x00\x09hail' >"$work/cut.mul"
check "a file cut short: status 2" 2 "$(status_of "$old" "$work/cut.mul")"
check "its message names it and where it is cut" yes \
  "$(grep -q 'cut.mul": The entry at byte 0 is cut short' "$work/err" && echo yes || echo no)"

checks_done
