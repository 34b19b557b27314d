#!/usr/bin/env python3
"""Writes examples/speech.mul: a small speech file of typical keyword entries,
some with accented letters (Windows-1252), one entry with no text."""
import pathlib
import struct

ENTRIES = [
    (0x0000, "hail"), (0x0001, "hello"), (0x0002, "greetings"), (0x0003, "farewell"),
    (0x0004, "goodbye"), (0x0005, "buy"), (0x0006, "sell"), (0x0007, "vendor buy"),
    (0x0008, "vendor sell"), (0x0009, "bank"), (0x000A, "balance"), (0x000B, "guards"),
    (0x000C, "help"), (0x000D, "stop"), (0x000E, "follow me"), (0x000F, "all follow me"),
    (0x0010, "all come"), (0x0011, "all guard me"), (0x0012, "all kill"), (0x0013, "all stay"),
    (0x0014, "train"), (0x0015, "teach"), (0x0016, "where"), (0x0017, "name"),
    (0x0018, "job"), (0x0019, "news"), (0x001A, "inn"), (0x001B, "tavern"),
    (0x0020, ""),  # an entry with no text: it yields no line
    (0x0100, "caf\u00e9"), (0x0101, "na\u00efve"), (0x0102, "fa\u00e7ade"), (0x0103, "\u00e0 bient\u00f4t"),
    (0x0104, "sm\u00f6rg\u00e5sbord"), (0x0105, "se\u00f1or"), (0x0106, "\u00c5ngstr\u00f6m"),
    (0x0107, "\u00fcber"), (0x0108, "cr\u00e8me br\u00fbl\u00e9e"), (0x0109, "\u20ac 10 for a room"),
    (0x8001, "ok"), (0x8002, "yes"), (0x8003, "no"), (0xFFFF, "the last keyword"),
]


def main() -> None:
    out = bytearray()
    for speech_id, text in ENTRIES:
        data = text.encode("cp1252")
        out += struct.pack(">HH", speech_id, len(data)) + data
    path = pathlib.Path(__file__).resolve().parent.parent / "examples" / "speech.mul"
    path.write_bytes(bytes(out))
    print(f"wrote {path} ({len(out)} bytes, {len(ENTRIES)} entries)")


if __name__ == "__main__":
    main()
