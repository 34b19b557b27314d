#!/usr/bin/env bash
# speechpack.exe under Wine, in the ANSI code page that the test's locale
# gives it (SPEECH_EXPECTED_CODE_PAGE): the round trip through
# speechlist.exe's json and csv in the system's code page and in 932, a
# character the code page lacks, OUT that is the input, and paths of
# non-ASCII letters.
# Usage: speechpack_wine_test.sh SPEECHLIST_EXE SPEECHPACK_EXE
set -euo pipefail
speechlist_exe=$1 speechpack_exe=$2
code_page=${SPEECH_EXPECTED_CODE_PAGE:-1252}
run=$(dirname "$0")/../ui/win32/wine_run.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

. "$(dirname "$0")/../support/checks.sh"
speechlist() { "$run" "$speechlist_exe" "$@"; }
speechpack() { "$run" "$speechpack_exe" "$@"; }

# Every byte alone in the system's code page, a lead byte without its pair
# and a pair whose character Windows converts back to another pair (932's
# 0xED40, which goes back to 0xFA5C), and an entry without text.
python3 - "$work" <<'PY'
import struct, sys
def speech(texts):
    return b"".join(struct.pack(">HH", i, len(t)) + t for i, t in enumerate(texts))
open(sys.argv[1] + "/bytes.mul", "wb").write(speech([bytes([b]) for b in range(256)] + [b"", b"end"]))
open(sys.argv[1] + "/932.mul", "wb").write(speech(["こんにちは".encode("cp932") + b"\x82", b"\xed\x40", b"ok"]))
PY
mkdir -p "$work/Données Ж"

round_trip() {  # round_trip FILE FORMAT [OPTION...]: the file listed and packed again
  local file=$1 format=$2
  shift 2
  speechlist --all --format "$format" "$@" "$work/$file" >"$work/list.$format" 2>"$work/err.txt" || true
  rm -f "$work/Données Ж/copy.mul"
  speechpack "$@" -o "$work/Données Ж/copy.mul" "$work/list.$format" 2>"$work/err.txt" || true
  cmp -s "$work/$file" "$work/Données Ж/copy.mul" && echo same || { cat "$work/err.txt" >&2; echo different; }
}
check "every byte of $code_page through json" same "$(round_trip bytes.mul json)"
if [ "$code_page" != 932 ]; then  # 932's lead bytes alone give U+FFFD, which csv cannot carry
  check "every byte of $code_page through csv" same "$(round_trip bytes.mul csv)"
fi
check "932 through json, bytes that do not convert back included" same "$(round_trip 932.mul json --encoding 932)"

printf 'id,text\r\n1,hail\r\n2,\xd0\xb6\r\n' >"$work/list.csv"
printf 'old' >"$work/out.mul"
status=0
speechpack --encoding 1252 -o "$work/out.mul" "$work/list.csv" >/dev/null 2>"$work/err.txt" || status=$?
check "a character 1252 lacks: status 1" 1 "$status"
check "its message names the row" yes \
  "$(grep -q "line 3, row 2: 'ж' (U+0436) has no bytes in Western European (1252)" "$work/err.txt" && echo yes || echo no)"
check "OUT stays as it was" old "$(cat "$work/out.mul")"
status=0
speechpack -o "$work/list.csv" "$work/list.csv" >/dev/null 2>"$work/err.txt" || status=$?
check "OUT that is the input is refused" "1 yes" \
  "$status $(grep -q "is the input file itself" "$work/err.txt" && echo yes || echo no)"
check "--help" "usage: speechpack [--encoding NAME] [--format csv|json] [-o OUT] [--] [INPUT]" \
  "$(speechpack --help | head -n 1 | tr -d '\r')"

checks_done
