#!/usr/bin/env python3
"""Reads speechlist's csv and json output with Python's own csv and json
readers and compares every field with what the file holds, decoded here on
its own. Usage: export_test.py SPEECHLIST"""
import csv
import io
import json
import os
import struct
import subprocess
import sys
import tempfile

SPEECHLIST = sys.argv[1]
failures = []


def cp1252(data):
    """Windows-1252 as Windows converts it: the five undefined bytes become
    the code points of the same value."""
    return "".join(bytes([b]).decode("cp1252") if b not in (0x81, 0x8D, 0x8F, 0x90, 0x9D) else chr(b) for b in data)


def entries(records):
    """(offset, id, length, text) of each record, the way the file holds it."""
    out, offset = [], 0
    for speech_id, data in records:
        out.append((offset, speech_id, len(data), cp1252(data)))
        offset += 4 + len(data)
    return out


def write_file(folder, name, records):
    path = os.path.join(folder, name)
    with open(path, "wb") as f:
        for speech_id, data in records:
            f.write(struct.pack(">HH", speech_id, len(data)) + data)
    return path


def run(*args):
    return subprocess.run([SPEECHLIST, *args], capture_output=True)


def check(name, condition, detail=""):
    if not condition:
        failures.append(f"{name}: {detail}")


def compare(name, expected, rows):
    check(name, len(rows) == len(expected), f"{len(rows)} rows, {len(expected)} expected")
    for (offset, speech_id, length, text), row in zip(expected, rows):
        got = (int(row["offset"]), int(row["id"]), row["id_hex"], int(row["length"]), row["text"])
        want = (offset, speech_id, f"{speech_id:X}", length, text)
        check(name, got == want, f"{got!r:.200} != {want!r:.200}")


every_byte = bytes(range(256))
records = [
    (0x002A, b"hail"),
    (0x8001, b"comma, and \"quotes\" and ,\"\" mixed"),
    (0x0000, b""),
    (0xFFFF, every_byte),
    (0x1234, b"line\r\nbreaks\rand\nmore\n"),
    (0x0100, b""),
    (0x7FFF, b"\x00leading zero and trailing blanks  "),
    (0x0009, bytes((i * 37) % 256 for i in range(32767))),
    (0x000A, b"x" * 32767),
    (0x000B, b"last"),
]
with_text = [e for e in entries(records) if e[2] > 0]

with tempfile.TemporaryDirectory() as folder:
    path = write_file(folder, "speech.mul", records)
    for all_entries in (False, True):
        expected = entries(records) if all_entries else with_text
        flags = ["--all"] if all_entries else []
        name = "csv" + (" --all" if all_entries else "")
        result = run("--format", "csv", *flags, path)
        check(name, result.returncode == 0, result.stderr)
        text = result.stdout.decode("utf-8")
        check(name, text.startswith("offset,id,id_hex,length,text\r\n"), repr(text[:40]))
        check(name, text.endswith("\r\n"), "no CRLF at the end")
        compare(name, expected, list(csv.DictReader(io.StringIO(text, newline=""))))

        name = "json" + (" --all" if all_entries else "")
        result = run("--format", "json", *flags, path)
        check(name, result.returncode == 0, result.stderr)
        lines = result.stdout.decode("utf-8").split("\n")
        check(name, lines[-1] == "", "the output does not end in a line feed")
        rows = [json.loads(line) for line in lines[:-1]]
        check(name, all(isinstance(r["id"], int) and 0 <= r["id"] <= 65535 for r in rows), "id out of range")
        check(name, all(list(r) == ["offset", "id", "id_hex", "length", "text"] for r in rows), "keys")
        check(name, not any(c < 0x20 or c == 0x7F for c in result.stdout.replace(b"\n", b"")),
              "a control character reached the output")
        compare(name, expected, rows)

    # U+2028 and U+2029 are valid in JSON, but end a line for readers that
    # split on every Unicode line end (Python's str.splitlines among them):
    # escaped, each entry is one line for them too.
    separators = [(1, "line\u2028sep".encode()), (2, "para\u2029sep \u2028\u2029".encode()), (3, b"plain")]
    utf8 = write_file(folder, "separators.mul", separators)
    result = run("--format", "json", "--encoding", "utf-8", utf8)
    check("json separators", result.returncode == 0, result.stderr)
    check("json separators", b"\xe2\x80\xa8" not in result.stdout and b"\xe2\x80\xa9" not in result.stdout,
          "U+2028 or U+2029 unescaped")
    lines = result.stdout.decode("utf-8").splitlines()
    check("json separators", len(lines) == len(separators), f"{len(lines)} lines for {len(separators)} entries")
    texts = [json.loads(line)["text"] for line in lines] if len(lines) == len(separators) else []
    check("json separators", texts == [t.decode() for _, t in separators], repr(texts))

    # An error mid-file: the entries before it as whole rows, then the message.
    bad = write_file(folder, "bad.mul", records[:2] + [(5, b"")])
    with open(bad, "ab") as f:
        f.write(b"\x00\x07\x80\x00")
    for fmt in ("csv", "json"):
        result = run("--format", fmt, bad)
        check(f"{fmt} error", result.returncode == 1, result.returncode)
        check(f"{fmt} error", b"0x8000" in result.stderr, result.stderr)
        out = result.stdout.decode("utf-8")
        rows = (list(csv.DictReader(io.StringIO(out, newline=""))) if fmt == "csv"
                else [json.loads(line) for line in out.splitlines()])
        compare(f"{fmt} error", entries(records[:2]), rows)

    # Usage.
    for args, part in ((["--format", "xml", path], b"unknown format 'xml'"), (["--format"], b"--format needs"),
                       (["--all", path], b"--all goes with")):
        result = run(*args)
        check(" ".join(args[:2]), result.returncode == 2 and part in result.stderr, result.stderr)

for failure in failures:
    print("FAIL:", failure)
print(f"{'ok' if not failures else len(failures)} ({len(failures)} failures)")
sys.exit(1 if failures else 0)
