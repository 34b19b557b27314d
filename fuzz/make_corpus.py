#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: small speech files, whole and damaged.
Usage: make_corpus.py DIR"""
import pathlib
import struct
import sys


def record(speech_id, text, length=None):
    data = text.encode("cp1252") if isinstance(text, str) else text
    return struct.pack(">HH", speech_id, len(data) if length is None else length) + data


SEEDS = {
    "empty": b"",
    "example": bytes.fromhex("002A00046861696C800100026F6B01000000"),
    "zero_length": record(1, "") + record(2, "") + record(3, "x"),
    "accented": record(0x100, "caf\u00e9 na\u00efve \u20ac") + record(0xFFFF, bytes(range(0x80, 0x100))),
    "all_bytes": record(7, bytes(range(256))),
    "control": record(5, b"a\x00b\nc\x7f"),
    "longest": record(9, b"w" * 32767) + record(10, "end"),
    "overflow": record(1, "one") + record(2, "", length=0x8000),
    "negative": record(1, "one") + record(2, "abc", length=0x8001),
    "minus_one": record(1, "one") + record(2, "abc", length=0xFFFF),
    "cut_header": record(1, "one") + b"\x00\x05\x00",
    "cut_text": record(1, "one") + record(2, "short", length=10),
    "many": b"".join(record(i, f"word {i}") for i in range(200)),
}


def main():
    out = pathlib.Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, data in SEEDS.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main()
