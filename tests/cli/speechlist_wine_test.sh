#!/usr/bin/env bash
# speechlist.exe under Wine, in the ANSI code page that the test's locale
# gives it (SPEECH_EXPECTED_CODE_PAGE): a text through the system's code
# page, an error's message and status, a path of non-ASCII letters, bare
# newlines, --encoding, /?, and a reader that goes away.
# Usage: speechlist_wine_test.sh SPEECHLIST_EXE EXPECTED_LINE
set -euo pipefail
exe=$1 expected=$2
code_page=${SPEECH_EXPECTED_CODE_PAGE:-1252}
run=$(dirname "$0")/../ui/win32/wine_run.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. "$(dirname "$0")/../support/checks.sh"
speechlist() { "$run" "$exe" "$@"; }

# ID 0x2A, 3 text bytes C0 E9 80; then a record with a bad length at offset 7.
printf '\x00\x2a\x00\x03\xc0\xe9\x80\x00\x01\x80\x00' >"$work/speech.mul"
mkdir -p "$work/Données Ж"
printf '\x00\x07\x00\x02ok' >"$work/Données Ж/spéech.mul"

status=0
speechlist "$work/speech.mul" >"$work/out.txt" 2>"$work/err.txt" || status=$?
check "speechlist converts through $code_page" "$expected" "$(tr -d '\r' <"$work/out.txt")"
check "speechlist exits 1 at the bad record" 1 "$status"
check "the message names the offset" yes \
  "$(grep -q 'The entry at byte 7 gives a text length of 0x8000' "$work/err.txt" && echo yes || echo no)"
check "a path with non-ASCII letters lists" "ID: 7 Text: ok" "$(speechlist "$work/Données Ж/spéech.mul" 2>&1 | tr -d '\r')"
check "lines end in a bare newline" "$(printf 'ID: 7 Text: ok\n' | od -An -tx1)" \
  "$(speechlist "$work/Données Ж/spéech.mul" | od -An -tx1)"

# --encoding: a text in each of three encodings.
python3 - "$work/encodings.mul" <<'PY'
import struct, sys
texts = ["こんにちは".encode("cp932") + b"\x82", "Привет".encode("cp1251"), "héllo ✓".encode("utf-8")]
open(sys.argv[1], "wb").write(b"".join(struct.pack(">HH", i, len(t)) + t for i, t in enumerate(texts)))
PY
listed() { speechlist "${@:2}" "$work/encodings.mul" 2>&1 | tr -d '\r' | sed -n "$1p"; }
check "--encoding 932, a lead byte cut off at the end shown as its sign" "ID: 0 Text: こんにちは‹82›" \
  "$(listed 1 --encoding 932)"
check "--encoding 932 --format json, U+FFFD for that byte, and the text's bytes" \
  '{"offset":0,"id":0,"id_hex":"0","length":11,"text":"こんにちは�","bytes":"82B182F182C982BF82CD82"}' \
  "$(listed 1 --encoding cp932 --format json)"
check "--encoding windows-1251" "ID: 1 Text: Привет" "$(listed 2 --encoding windows-1251)"
check "--encoding utf-8" "ID: 2 Text: héllo ✓" "$(listed 3 --encoding UTF-8)"
if [ "$code_page" = 1251 ]; then
  check "--encoding ansi is the system's code page" "ID: 1 Text: Привет" "$(listed 2 --encoding ansi)"
fi
status=0
speechlist --encoding 1259 "$work/encodings.mul" >"$work/out.txt" 2>"$work/err.txt" || status=$?
check "an unknown encoding is a usage error that names it" "2 yes" \
  "$status $(grep -q "unknown encoding '1259'" "$work/err.txt" && echo yes || echo no)"

# /? asks for the usage, as it does of the viewer.
status=0
speechlist '/?' >"$work/out.txt" 2>"$work/err.txt" || status=$?
check "/? prints the usage and exits 0" "0|usage: speechlist [--format lines|csv|json] [--all] [--encoding NAME] [--] PATH|       speechlist --help | /? | --version" \
  "$status|$(head -n 2 "$work/out.txt" | tr -d '\r' | paste -sd'|')"

# A reader that went away, before the first write or after a few bytes: a
# broken pipe, worded as on Linux. Wine is started with the pipe itself as
# its output, which no one here reads to its end.
. "$(cd "$(dirname "$exe")/.." && pwd)/wine-session"
python3 - "$exe" "$work" >"$work/pipes.txt" <<'PY'
import os, struct, subprocess, sys
exe, work = sys.argv[1:]
big = os.path.join(work, "big.mul")
with open(big, "wb") as f:
    f.write(b"".join(struct.pack(">HH", i % 65536, 5) + b"hello" for i in range(300000)))
for when in ("before the first write", "after 100 bytes"):
    reader, writer = os.pipe()
    if when.startswith("before"):
        os.close(reader)
    with open(os.path.join(work, "pipe-err.txt"), "wb") as err:
        run = subprocess.Popen(["wine", exe, big], stdin=subprocess.DEVNULL, stdout=writer, stderr=err)
    os.close(writer)
    if not when.startswith("before"):
        os.read(reader, 100)
        os.close(reader)
    status = run.wait()
    said = open(os.path.join(work, "pipe-err.txt"), "rb").read().decode().strip()
    print(f"{when}: {status} {said}")
PY
for when in "before the first write" "after 100 bytes"; do
  check "a reader gone $when: a broken pipe, status 1" \
    "$when: 1 speechlist: Cannot write to standard output: Broken pipe." "$(grep "^$when:" "$work/pipes.txt")"
done

checks_done
