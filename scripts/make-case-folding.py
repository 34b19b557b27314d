#!/usr/bin/env python3
"""Writes src/ui/common/case_folding_table.h, the simple case folding that Find
without Match case compares letters by, from Unicode's CaseFolding.txt
(Debian's package unicode-data, /usr/share/unicode/CaseFolding.txt).

Usage: scripts/make-case-folding.py [--check] [CASEFOLDING.TXT]
  --check   writes nothing: says whether the file in the tree is what this
            script makes from CASEFOLDING.TXT (status 1 when it is not)

Only the mappings of status C (common) and S (simple) are taken: each folds
one character to one, which a comparison character by character can use.
Those of status F (full: one character to two or three, such as U+00DF to
"ss") and T (the Turkic dotted and dotless i) are left out; find_line.cpp
says how those letters match instead.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "src" / "ui" / "common" / "case_folding_table.h"
DEFAULT_SOURCE = "/usr/share/unicode/CaseFolding.txt"
WIDTH = 120


def simple_folding(text):
    """The (character, folded) pairs of status C and S, ascending, and the
    file's own name with its version."""
    version = re.search(r"^# (CaseFolding-[0-9.]+\.txt)", text, re.M)
    if not version:
        sys.exit("make-case-folding: this is not Unicode's CaseFolding.txt (its first line names it)")
    pairs = []
    for line in text.splitlines():
        fields = [f.strip() for f in line.split("#", 1)[0].split(";")]
        if len(fields) >= 3 and fields[1] in ("C", "S"):
            pairs.append((int(fields[0], 16), int(fields[2], 16)))
    return sorted(pairs), version.group(1)


def header(pairs, version):
    rows = [""]
    for c, f in pairs:
        item = f"{{0x{c:04X}, 0x{f:04X}}},"
        if rows[-1] and len(rows[-1]) + 1 + len(item) > WIDTH:
            rows.append("")
        rows[-1] += (" " if rows[-1] else "    ") + item
    return "\n".join([
        f"// Unicode's simple case folding, from {version}: each character that",
        "// folds, with the one character it folds to (the mappings of status C and S).",
        "// Made by scripts/make-case-folding.py from Debian's unicode-data",
        "// (/usr/share/unicode/CaseFolding.txt); not to be edited.",
        "#pragma once",
        "",
        "#include <array>",
        "",
        "namespace ui::generated {",
        "",
        "struct CaseFolding {",
        "  char32_t from, to;",
        "};",
        "",
        "// clang-format off",
        f"inline constexpr std::array<CaseFolding, {len(pairs)}> kCaseFolding = {{{{",
        *rows,
        "}};",
        "// clang-format on",
        "",
        "}  // namespace ui::generated",
        "",
    ])


def main():
    args = sys.argv[1:]
    check = "--check" in args
    args = [a for a in args if a != "--check"]
    source = pathlib.Path(args[0] if args else DEFAULT_SOURCE)
    if not source.exists():
        sys.exit(f"make-case-folding: there is no {source} (Debian's package unicode-data installs it)")
    made = header(*simple_folding(source.read_text(encoding="utf-8")))
    if check:
        if not OUTPUT.exists() or OUTPUT.read_text(encoding="utf-8") != made:
            print(f"{OUTPUT.relative_to(ROOT)} is not what scripts/make-case-folding.py makes from {source}")
            return 1
        return 0
    OUTPUT.write_text(made, encoding="utf-8")
    print(f"wrote {OUTPUT.relative_to(ROOT)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
