#!/usr/bin/env python3
"""Checks the case folding that Find without Match case compares letters by
against Python's str.casefold, which follows Unicode's full case folding and
is independent of the program's table: every character of the 14 code pages,
read through the program's own conversion tables, and every character of
Unicode (UTF-8). Where Python folds a character to one, the program folds it
to the same; where Python folds it to more (U+00DF to "ss"), the program
keeps one character whose folding is the same ("ẞ" to "ß", "ß" as it is).
Every letter that Python's codec gives for a code page must be among the
program's characters (but those of 950's pairs after the lead bytes 0xC6 to
0xC8, which Windows, and so the program, maps into the private use area). Then checks that the table in the tree is what
scripts/make-case-folding.py makes from Unicode's data.
Usage: case_folding_test.py PRINT_CASE_FOLDING SOURCE_DIR
"""
import collections
import subprocess
import sys

PRINTER, SOURCE_DIR = sys.argv[1], sys.argv[2]
UTF8 = 65001
failures = []


def check(name, condition, detail):
    if not condition and len(failures) < 40:
        failures.append(f"{name}: {detail}")


def expected_folding(c):
    """What the program should fold c to, or None where any one character
    whose full folding is c's own will do."""
    full = c.casefold()
    return full if len(full) == 1 else None


def check_folding(name, c, folded):
    expected = expected_folding(c)
    if expected is not None:
        check(name, folded == expected, f"U+{ord(c):04X} folds to U+{ord(folded):04X}, not U+{ord(expected):04X}")
    else:
        check(name, folded.casefold() == c.casefold(),
              f"U+{ord(c):04X} folds to U+{ord(folded):04X}, whose full folding is not {c.casefold()!r}")


def python_letters(code_page):
    """The letters (characters with a case folding of their own) that
    Python's codec gives for a code page, for each byte and byte pair."""
    letters = set()
    for lead in range(256):
        if code_page == 950 and 0xC6 <= lead <= 0xC8:
            continue
        for data in [bytes([lead])] + [bytes([lead, second]) for second in range(256)]:
            try:
                text = data.decode(f"cp{code_page}")
            except UnicodeDecodeError:
                continue
            if len(text) == 1 and text.casefold() != text:
                letters.add(text)
    return letters


output = subprocess.run([PRINTER], capture_output=True, text=True, check=True).stdout
characters = collections.defaultdict(dict)
for line in output.splitlines():
    code_page, c, folded = line.split()
    characters[int(code_page)][chr(int(c, 16))] = chr(int(folded, 16))

code_pages = sorted(cp for cp in characters if cp != UTF8)
check("code pages", code_pages == [874, 932, 936, 949, 950, *range(1250, 1259)], code_pages)
for code_page in code_pages:
    name = f"cp{code_page}"
    for c, folded in characters[code_page].items():
        check_folding(name, c, folded)
    missing = python_letters(code_page) - characters[code_page].keys()
    check(name, not missing, f"letters missing: {' '.join(sorted(missing))}")
    folding = sum(1 for c, f in characters[code_page].items() if f != c)
    print(f"{name}: {len(characters[code_page])} characters, {folding} of them folding")

unicode = characters[UTF8]
for code in range(0x110000):
    if 0xD800 <= code <= 0xDFFF:
        continue
    c = chr(code)
    check_folding("UTF-8", c, unicode.get(c, c))
print(f"UTF-8: {len(unicode)} characters folding")

made = subprocess.run([sys.executable, f"{SOURCE_DIR}/scripts/make-case-folding.py", "--check"], capture_output=True,
                      text=True)
check("the table", made.returncode == 0, made.stdout + made.stderr)

for failure in failures:
    print("FAIL:", failure)
print(f"{'ok' if not failures else len(failures)} ({len(failures)} failures)")
sys.exit(1 if failures else 0)
