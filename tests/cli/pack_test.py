#!/usr/bin/env python3
"""speechpack against Python's own writers and codecs, and the round trip
through speechlist. Usage: pack_test.py SPEECHLIST SPEECHPACK

- Files written by Python's csv module (excel dialect with and without a
  byte-order mark, ';' and tab separators) and json module (ASCII-escaped or
  not, keys shuffled, extra keys, spaces) pack to the bytes expected.
- In every encoding, a file of every byte and byte pair (and of bytes that
  do not convert: lead bytes alone, bytes that are not UTF-8) goes through
  speechlist --all --format json and speechpack back to the same bytes; so
  does it through csv, but for the texts that hold U+FFFD and the pairs
  whose character converts back to another pair.
- Every character Python's codecs encode packs to Python's bytes, but where
  Windows converts back otherwise: 932's second copies of its extension
  characters (lead bytes 0xED and 0xEE), whose characters Windows gives the
  first copies' pairs (0xFA to 0xFC), as the system's conversion shows under
  Wine (test-windows); four box-drawing characters of 950, which Windows
  gives the pairs at 0xF9 (Python those at 0xA2); and 950's pairs of lead
  bytes 0xC6 to 0xC8, which Windows maps into the private use area.
"""
import csv
import io
import json
import os
import random
import struct
import subprocess
import sys
import tempfile

from code_pages import CODE_PAGES, LEAD_BYTES, check, finish

SPEECHLIST, SPEECHPACK = sys.argv[1], sys.argv[2]


def speech_file(records):
    return b"".join(struct.pack(">HH", speech_id, len(data)) + data for speech_id, data in records)


def entries(data):
    out, at = [], 0
    while at < len(data):
        speech_id, length = struct.unpack(">HH", data[at:at + 4])
        out.append((speech_id, data[at + 4:at + 4 + length]))
        at += 4 + length
    return out


def pack(folder, name, content, *args):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        f.write(content)
    out = os.path.join(folder, "packed.mul")
    result = subprocess.run([SPEECHPACK, *args, "-o", out, path], capture_output=True)
    if result.returncode != 0:
        return None, result.stderr.decode("utf-8", "replace")
    with open(out, "rb") as f:
        return f.read(), ""


def check_python_writers(folder):
    records = [(0x2A, "hail"), (0x8001, "comma, \"quotes\"; and\ttab"), (0, ""), (0xFFFF, "caf\u00e9 \u20ac"),
               (7, "line\r\nbreaks\nhere\r"), (0x100, " blanks and \u0000 zero ")]
    expected = speech_file([(i, t.encode("cp1252")) for i, t in records])
    header = ["offset", "id", "id_hex", "length", "text"]

    def rows():
        offset = 0
        for speech_id, text in records:
            length = len(text.encode("cp1252"))
            yield [offset, speech_id, f"{speech_id:X}", length, text]
            offset += 4 + length

    for name, encoding, options in (("excel", "utf-8", {}), ("excel with BOM", "utf-8-sig", {}),
                                    ("';' dialect", "utf-8-sig", {"delimiter": ";"}),
                                    ("tabs, every field quoted", "utf-8", {"dialect": "excel-tab",
                                                                           "quoting": csv.QUOTE_ALL}),
                                    ("LF line ends", "utf-8", {"lineterminator": "\n"})):
        text = io.StringIO(newline="")
        writer = csv.writer(text, **options)
        writer.writerow(header)
        writer.writerows(rows())
        packed, err = pack(folder, "list.csv", text.getvalue().encode(encoding), "--encoding", "1252")
        check(f"csv {name}", packed == expected, err)
    # Columns in another order, and only those needed.
    text = io.StringIO(newline="")
    writer = csv.writer(text)
    writer.writerow(["text", "id_hex"])
    writer.writerows([[t, f"{i:x}"] for i, t in records])
    check("csv text,id_hex", pack(folder, "list.csv", text.getvalue().encode(), "--encoding", "1252")[0] == expected)

    # By hand: a blank line, a separator at the end of the header's columns,
    # doubled quotes, and no line end after the last row.
    handmade = b'id;text;\r\n1;"say ""hail""";x\r\n\r\n2;;\n3;"a;b\r\nc";'
    check("csv by hand", pack(folder, "h.csv", handmade, "--encoding", "1252")[0] ==
          speech_file([(1, b'say "hail"'), (2, b""), (3, b"a;b\r\nc")]), "")
    shuffled = random.Random(25)
    for name, ascii_only in (("ASCII-escaped", True), ("not escaped", False)):
        lines = []
        for row in rows():
            item = dict(zip(header, row))
            item["note"] = {"extra": [1, 2, None]}
            keys = list(item)
            shuffled.shuffle(keys)
            lines.append(json.dumps({k: item[k] for k in keys}, ensure_ascii=ascii_only))
        packed, err = pack(folder, "list.jsonl", ("\n".join(lines) + "\n").encode(), "--encoding", "1252")
        check(f"json {name}", packed == expected, err)
    check("json surrogate pair", pack(folder, "l.json", b'{"id":1,"text":"\\ud83d\\ude00"}\n', "--encoding",
                                      "utf-8")[0] == speech_file([(1, "\U0001F600".encode())]))


def units(code_page):
    """Every byte alone, then every pair of a lead byte."""
    leads = LEAD_BYTES.get(code_page, [])
    return [bytes([b]) for b in range(256)] + [bytes([lead, second]) for lead in leads for second in range(256)]


def listing(folder, path, fmt, encoding):
    result = subprocess.run([SPEECHLIST, "--all", "--format", fmt, "--encoding", encoding, path], capture_output=True)
    check(f"speechlist {fmt} {encoding}", result.returncode == 0, result.stderr)
    return result.stdout


def round_trip(folder, encoding, records, fmt):
    path = os.path.join(folder, "speech.mul")
    original = speech_file(records)
    with open(path, "wb") as f:
        f.write(original)
    listed = listing(folder, path, fmt, encoding)
    packed, err = pack(folder, "list." + ("csv" if fmt == "csv" else "json"), listed, "--encoding", encoding)
    return original, packed, err


def check_round_trips(folder):
    hostile = [b"", b"\x00\r\n\x1b[2J\x7f\x80\x9f\xa0\xff", b"a\xc3", b"\xed\xa0\x80", b"\xf0\x9f\x98",
               b"\x82", b"\x82 ", b"\x81\x7f\x82\x0a", bytes(range(256)), b"x" * 32767]
    for code_page in [*CODE_PAGES, "utf-8"]:
        encoding = str(code_page)
        all_units = units(code_page) if code_page != "utf-8" else [bytes([b]) for b in range(256)]
        records = [(i & 0xFFFF, data) for i, data in enumerate(all_units + hostile)]
        original, packed, err = round_trip(folder, encoding, records, "json")
        check(f"json round trip {encoding}", packed == original, err or "the bytes differ")
        # Through csv: the texts that convert back to their bytes.
        path = os.path.join(folder, "speech.mul")
        lines = listing(folder, path, "json", encoding).decode().splitlines()
        keep = [records[i] for i, line in enumerate(lines) if "bytes" not in json.loads(line)]
        original, packed, err = round_trip(folder, encoding, keep, "csv")
        check(f"csv round trip {encoding}", packed == original, err or "the bytes differ")
        if code_page in LEAD_BYTES or code_page == "utf-8":
            check(f"json gives bytes {encoding}", len(keep) < len(records), "no text with its bytes")


def check_against_pythons_codecs(folder):
    for code_page in CODE_PAGES:
        characters = []
        for data in units(code_page):
            if code_page == 950 and 0xC6 <= data[0] <= 0xC8:
                continue  # Windows gives these pairs code points of the private use area
            try:
                text = data.decode(f"cp{code_page}")
            except UnicodeDecodeError:
                continue
            if len(text) == 1 and text not in characters:
                characters.append(text)
        lines = "".join(json.dumps({"id": i, "text": c}) + "\n" for i, c in enumerate(characters))
        packed, err = pack(folder, "chars.json", lines.encode(), "--encoding", str(code_page))
        check(f"cp{code_page} characters", packed is not None, err)
        if packed is None:
            continue
        differences = {}
        for (speech_id, data), c in zip(entries(packed), characters):
            python = c.encode(f"cp{code_page}")
            if data == python:
                continue
            kind = ("a second copy of an extension character" if code_page == 932 and python[0] in (0xED, 0xEE)
                    else "box drawing at 0xF9" if code_page == 950 and data[0] == 0xF9 and data.decode("cp950") == c
                    else "other")
            if kind == "a second copy of an extension character":
                check(f"cp{code_page}", 0xFA <= data[0] <= 0xFC and data.decode("cp932") == c, f"{c!r}: {data.hex()}")
            differences[kind] = differences.get(kind, 0) + 1
            if kind == "other":
                check(f"cp{code_page}", False, f"U+{ord(c):04X}: {data.hex()}, Python {python.hex()}")
        print(f"cp{code_page}: {len(characters)} characters, as Python's but {differences or 'none'}")


with tempfile.TemporaryDirectory() as folder:
    check_python_writers(folder)
    check_round_trips(folder)
    check_against_pythons_codecs(folder)

finish()
