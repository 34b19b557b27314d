#!/usr/bin/env python3
"""Lists every byte and every byte pair of every code page with speechlist,
exactly (json) and shown (lines), and compares each with Python's own codecs,
a decoder independent of the program's tables; then checks that the system's
default encoding follows the locale. Usage: code_page_test.py SPEECHLIST

Where Windows differs from Python's codecs, the program follows Windows
(test-windows compares its tables with the system's conversion):
  - a byte Python leaves undefined is, as Windows gives it, the C1 control of
    its value (0x80 to 0x9F) or a code point of the private use area, shown
    as its sign (as is a byte Python too maps there, 0xA0 of 932 say);
    0xCA of 1255 is U+05BA, and 0x80 of 936 the euro sign;
  - a pair Python leaves undefined may be a user-defined character, which
    Windows maps into the private use area;
  - 950's pairs of lead bytes 0xC6 to 0xC8 are in the private use area.
"""
import json
import os
import struct
import subprocess
import sys
import tempfile

from code_pages import CODE_PAGES, LEAD_BYTES, check, finish

SPEECHLIST = sys.argv[1]
def check(name, condition, detail=""):
    if not condition and len(failures) < 40:
        failures.append(f"{name}: {detail}")


def sign(byte):
    return f"\u2039{byte:02X}\u203a"


def shown(text):
    out = []
    for c in text:
        o = ord(c)
        out.append(chr(0x2400 + o) if o < 0x20 else "\u2421" if o == 0x7F else sign(o) if 0x80 <= o <= 0x9F else c)
    return "".join(out)


def private_use(text):
    return len(text) == 1 and 0xE000 <= ord(text) <= 0xF8FF


def decoded(code_page, data):
    """Python's decoding as one character, or None."""
    try:
        text = data.decode(f"cp{code_page}")
    except UnicodeDecodeError:
        return None
    return text if len(text) == 1 else None


def listing(folder, code_page, texts, env=None):
    """(exact texts, shown texts) of speechlist for one entry per text."""
    path = os.path.join(folder, f"{code_page}.mul")
    with open(path, "wb") as f:
        for i, data in enumerate(texts):
            f.write(struct.pack(">HH", i & 0xFFFF, len(data)) + data)
    outputs = []
    for fmt in ("json", "lines"):
        result = subprocess.run([SPEECHLIST, "--encoding", str(code_page), "--format", fmt, path], capture_output=True,
                                env=env)
        check(f"{code_page} {fmt}", result.returncode == 0, result.stderr)
        lines = result.stdout.decode("utf-8").split("\n")[:-1]
        outputs.append([json.loads(line)["text"] if fmt == "json" else line.split(" Text: ", 1)[1] for line in lines])
    check(f"{code_page}", len(outputs[0]) == len(outputs[1]) == len(texts), "entries missing")
    return outputs


def check_code_page(folder, code_page):
    leads = set(LEAD_BYTES.get(code_page, []))
    pairs = [bytes([lead, second]) for lead in sorted(leads) for second in range(256)]
    exact, seen = listing(folder, code_page, [bytes([b]) for b in range(256)] + pairs)
    name = f"cp{code_page}"
    for b in range(256):
        python, ours, shown_ours = decoded(code_page, bytes([b])), exact[b], seen[b]
        if b in leads:
            check(name, (ours, shown_ours) == ("\ufffd", sign(b)), f"lead byte {b:02X} alone: {ours!r} {shown_ours!r}")
        elif python is not None:
            expected = sign(b) if private_use(python) else shown(python)
            check(name, (ours, shown_ours) == (python, expected), f"byte {b:02X}: {ours!r} {shown_ours!r}")
        else:
            windows = {(1255, 0xCA): "\u05ba", (936, 0x80): "\u20ac"}.get((code_page, b))
            windows = ours == windows if windows else ours == chr(b) if 0x80 <= b <= 0x9F else private_use(ours)
            check(name, windows, f"undefined byte {b:02X}: {ours!r}")
            check(name, shown_ours == (sign(b) if private_use(ours) else shown(ours)), f"byte {b:02X}: {shown_ours!r}")
    counts = {"as Python": 0, "user-defined": 0, "undefined": 0, "950 0xC6-0xC8": 0}
    for i, data in enumerate(pairs, start=256):
        python, ours, shown_ours = decoded(code_page, data), exact[i], seen[i]
        lead, second = data
        if code_page == 950 and 0xC6 <= lead <= 0xC8 and python is not None and private_use(ours):
            counts["950 0xC6-0xC8"] += 1
            check(name, shown_ours == ours, f"pair {data.hex()}: {shown_ours!r}")
        elif python is not None:
            counts["as Python"] += 1
            check(name, (ours, shown_ours) == (python, shown(python)), f"pair {data.hex()}: {ours!r} {shown_ours!r}")
        elif private_use(ours):
            counts["user-defined"] += 1
            check(name, shown_ours == ours, f"pair {data.hex()}: {shown_ours!r}")
        else:
            # The lead byte stands alone; the second byte is read on its own.
            counts["undefined"] += 1
            check(name, ours == "\ufffd" + exact[second], f"pair {data.hex()}: {ours!r}")
            check(name, shown_ours == sign(lead) + seen[second], f"pair {data.hex()}: {shown_ours!r}")
    if pairs:
        print(f"{name}: " + ", ".join(f"{count} {kind}" for kind, count in counts.items()))


def check_default_follows_the_locale(folder):
    path = os.path.join(folder, "privet.mul")
    data = "Привет".encode("cp1251")
    with open(path, "wb") as f:
        f.write(struct.pack(">HH", 1, len(data)) + data)
    cyrillic, greek, western = (data.decode(f"cp{n}") for n in (1251, 1253, 1252))
    bare = {k: v for k, v in os.environ.items() if k not in ("LC_ALL", "LC_CTYPE", "LANG")}
    for env, args, expected in (
            ({"LANG": "ru_RU.UTF-8"}, [], cyrillic),
            ({"LANG": "ru_RU.UTF-8", "LC_CTYPE": "el_GR.UTF-8"}, [], greek),
            ({"LANG": "el_GR.UTF-8", "LC_CTYPE": "", "LC_ALL": "ru_RU"}, [], cyrillic),
            ({"LANG": "de_DE.UTF-8"}, [], western),
            ({}, [], western),
            ({"LANG": "el_GR.UTF-8"}, ["--encoding", "windows-1251"], cyrillic),
            ({"LANG": "ru_RU.UTF-8"}, ["--encoding=ANSI"], cyrillic)):
        result = subprocess.run([SPEECHLIST, *args, path], capture_output=True, env={**bare, **env})
        check(f"default encoding with {env} {args}", result.stdout.decode("utf-8") == f"ID: 1 Text: {expected}\n",
              result.stdout.decode("utf-8", "replace") + result.stderr.decode("utf-8", "replace"))


with tempfile.TemporaryDirectory() as folder:
    for code_page in CODE_PAGES:
        check_code_page(folder, code_page)
    check_default_follows_the_locale(folder)

finish()
