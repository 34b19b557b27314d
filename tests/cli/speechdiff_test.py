#!/usr/bin/env python3
"""Runs speechdiff as a user would: its unified diff against the standard
diff -u of the two files' speechlist listings, where the two must agree;
its csv and json read back with Python's own readers; its exit statuses,
messages and usage. Usage: speechdiff_test.py SPEECHDIFF SPEECHLIST"""
import csv
import io
import json
import os
import random
import re
import struct
import subprocess
import sys
import tempfile

SPEECHDIFF, SPEECHLIST = sys.argv[1], sys.argv[2]
failures = []


def check(name, condition, detail=""):
    if not condition:
        failures.append(f"{name}: {detail}")


def write_file(path, records):
    with open(path, "wb") as f:
        for speech_id, data in records:
            f.write(struct.pack(">HH", speech_id, len(data)) + data)
    return path


def offsets(records):
    out, at = [], 0
    for _, data in records:
        out.append(at)
        at += 4 + len(data)
    return out + [at]


def run(program, *args, stdout=subprocess.PIPE):
    return subprocess.run([program, *map(str, args)], stdout=stdout, stderr=subprocess.PIPE)


WORDS = [b"hail", b"bank", b"buy", b"sell", b"guards", b"caf\xe9", b"inn", b"gold", b"name", b"news"]


def texts(rng, count):
    """Entries that all differ, so that a diff has one best alignment."""
    return [(i, b" ".join(rng.choice(WORDS) for _ in range(1 + rng.randrange(3))) + b" %d" % i) for i in range(count)]


def edited(rng, records, edits):
    """The records with texts changed, entries inserted and removed, none moved."""
    out = list(records)
    for n in range(edits):
        at = rng.randrange(len(out))
        kind = n % 3
        if kind == 0:
            out[at] = (out[at][0], out[at][1] + b" (changed)")
        elif kind == 1:
            out.insert(at, (0x7000 + n, b"inserted %d" % n))
        else:
            del out[at]
    return out


def hunks(diff_text):
    """The hunks of a unified diff, without the file headers and without what
    follows a hunk header's closing @@."""
    lines = diff_text.split("\n")
    body = [re.sub(r"^(@@ [^@]* @@).*", r"\1", line) for line in lines[2:]]
    return "\n".join(body)


with tempfile.TemporaryDirectory() as folder:
    old_path, new_path = os.path.join(folder, "old.mul"), os.path.join(folder, "new.mul")

    # Against diff -u of the two listings: the same hunks, line for line.
    rng = random.Random(5)
    for case in range(12):
        old = texts(rng, 10 + case * 20)
        new = edited(rng, old, 1 + case % 6)
        write_file(old_path, old)
        write_file(new_path, new)
        listings = []
        for path in (old_path, new_path):
            listing = path + ".txt"
            with open(listing, "wb") as f:
                subprocess.run([SPEECHLIST, path], stdout=f, check=True)
            listings.append(listing)
        for context in (3, 0, 1, 10):
            name = f"case {case} -U{context}"
            standard = subprocess.run(["diff", f"-U{context}", *listings], capture_output=True)
            ours = run(SPEECHDIFF, f"-U{context}", old_path, new_path)
            check(name, ours.returncode == standard.returncode == 1, (ours.returncode, ours.stderr))
            check(name, hunks(ours.stdout.decode()) == hunks(standard.stdout.decode()),
                  f"\n{ours.stdout.decode()[:2000]}\n--- diff -u gave ---\n{standard.stdout.decode()[:2000]}")
            # Each hunk header gives the byte offsets of its first entries.
            old_at, new_at = offsets(old), offsets(new)
            for header in re.findall(rb"^@@ -(\d+)(?:,(\d+))? \+(\d+)(?:,(\d+))? @@ old byte (\d+), new byte (\d+)$",
                                     ours.stdout, re.M):
                first_old = int(header[0]) - (0 if header[1] == b"0" else 1)
                first_new = int(header[2]) - (0 if header[3] == b"0" else 1)
                check(name + " offsets", (int(header[4]), int(header[5])) == (old_at[first_old], new_at[first_new]),
                      header)

    # The headers name both files; an entry without text shows with an empty text.
    write_file(old_path, [(1, b"hail"), (2, b"")])
    write_file(new_path, [(1, b"hail"), (3, b""), (4, b"line\nbreak")])
    result = run(SPEECHDIFF, old_path, new_path)
    check("headers and entries without text", result.stdout.decode() ==
          f"--- {old_path}\n+++ {new_path}\n@@ -1,2 +1,3 @@ old byte 0, new byte 0\n ID: 1 Text: hail\n"
          "-ID: 2 Text: \n+ID: 3 Text: \n+ID: 4 Text: line\u240abreak\n", result.stdout)
    result = run(SPEECHDIFF, "--encoding", "932", "-U", "0", old_path, new_path)
    check("--encoding", result.returncode == 1, result.stderr)

    # csv and json: one row per difference, each entry as speechlist gives it.
    old = [(1, b"hail"), (2, b"comma, \"quote\"\r\nnew line"), (3, b"gone"), (4, b"")]
    new = [(1, b"hail"), (2, b"caf\xe9 \x01"), (9, b"new"), (4, b"")]
    write_file(old_path, old)
    write_file(new_path, new)
    listed = {}
    for path in (old_path, new_path):
        rows = run(SPEECHLIST, "--format", "json", "--all", path).stdout.decode().splitlines()
        listed[path] = {json.loads(row)["offset"]: json.loads(row) for row in rows}
    old_at, new_at = offsets(old), offsets(new)
    expected = [("changed", old_at[1], new_at[1]), ("removed", old_at[2], None), ("added", None, new_at[2])]
    result = run(SPEECHDIFF, "--format", "json", old_path, new_path)
    check("json status", result.returncode == 1, result.stderr)
    rows = [json.loads(line) for line in result.stdout.decode().splitlines()]
    want = [{"change": change, "old": listed[old_path].get(o), "new": listed[new_path].get(n)}
            for change, o, n in expected]
    check("json rows", rows == want, f"{rows} != {want}")
    result = run(SPEECHDIFF, "--format", "csv", old_path, new_path)
    text = result.stdout.decode()
    check("csv header", text.startswith("change,old_offset,old_id,old_id_hex,old_length,old_text,"
                                        "new_offset,new_id,new_id_hex,new_length,new_text\r\n"), text[:120])
    rows = list(csv.DictReader(io.StringIO(text, newline="")))
    for row, (change, o, n) in zip(rows, expected):
        for side, offset in (("old", o), ("new", n)):
            entry = listed[old_path if side == "old" else new_path].get(offset)
            got = [row[f"{side}_{key}"] for key in ("offset", "id", "id_hex", "length", "text")]
            check("csv " + change, row["change"] == change and got == (
                [str(entry[key]) for key in ("offset", "id", "id_hex", "length", "text")] if entry else [""] * 5),
                  row)
    check("csv rows", len(rows) == len(expected), rows)

    # Exit statuses and messages, as diff's: 0 same, 1 different, 2 trouble.
    cut = write_file(os.path.join(folder, "cut.mul"), [(1, b"hail"), (2, b"bank")])
    with open(cut, "r+b") as f:
        f.truncate(os.path.getsize(cut) - 2)
    missing = os.path.join(folder, "missing.mul")
    same = run(SPEECHDIFF, old_path, old_path)
    check("the same file", (same.returncode, same.stdout, same.stderr) == (0, b"", b""), same)
    for args, program_args in (([old_path, cut], [cut]), ([missing, old_path], [missing]),
                               (["--format", "csv", cut, missing], [cut])):
        result = run(SPEECHDIFF, *args)
        listing = run(SPEECHLIST, *program_args)
        message = listing.stderr.replace(b"speechlist: ", b"speechdiff: ")
        check(" ".join(args), result.returncode == 2 and result.stderr.startswith(message) and result.stdout == b"",
              (result.returncode, result.stderr, message))
    both = run(SPEECHDIFF, missing, missing + "2")
    check("both missing", both.stderr.count(b"There is no file with this name") == 2, both.stderr)
    with open("/dev/full", "wb") as full:
        result = run(SPEECHDIFF, old_path, new_path, stdout=full)
    check("a failed write", result.returncode == 2 and b"Cannot write to standard output" in result.stderr, result)
    for args, part in (([], b"speechdiff: missing OLD and NEW\nusage: speechdiff "), ([old_path], b"missing NEW"),
                       ([old_path, old_path, old_path], b"too many arguments: give OLD and NEW"),
                       (["--format", "xml", old_path, new_path], b"unknown format 'xml': give diff, csv or json"),
                       (["--format"], b"--format needs a FORMAT: diff, csv or json"),
                       (["-U", "x", old_path, new_path], b"-U needs a number of entries, not 'x'"),
                       (["-U"], b"-U needs a number of entries"),
                       (["-U", "-1", old_path, new_path], b"-U needs a number of entries, not '-1'"),
                       (["-U2", "--format", "json", old_path, new_path], b"-U goes with --format diff"),
                       (["--encoding", "cp1259", old_path, new_path], b"unknown encoding 'cp1259'"),
                       (["--bogus"], b"unknown option '--bogus'")):
        result = run(SPEECHDIFF, *args)
        check(" ".join(args) or "no arguments", result.returncode == 2 and part in result.stderr, result.stderr)
    for args, start in ((["--help"], b"usage: speechdiff [--encoding NAME] [--format diff|csv|json] [-U N] [--] OLD NEW\n"),
                        (["--version"], b"speechdiff "), (["--unified=1", old_path, new_path], b"--- "),
                        (["-U1", "--", old_path, new_path], b"--- ")):
        result = run(SPEECHDIFF, *args)
        check(" ".join(args), result.returncode in (0, 1) and result.stdout.startswith(start), result)

for failure in failures:
    print("FAIL:", failure)
print(f"speechdiff: {'ok' if not failures else 'failed'} ({len(failures)} failures)")
sys.exit(1 if failures else 0)
