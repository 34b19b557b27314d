#!/usr/bin/env python3
"""The listing as a user would first write it: unpack each record with the
struct module and print the lines. The baseline the viewer is measured
against. Usage: struct_baseline.py PATH"""
import struct
import sys


def main(path: str) -> None:
    with open(path, "rb") as f:
        data = f.read()
    lines = []
    pos = 0
    while pos < len(data):
        speech_id, length = struct.unpack_from(">hh", data, pos)
        pos += 4
        if length == 0:
            continue
        text = data[pos:pos + length].decode("cp1252", errors="replace")
        pos += length
        lines.append(f"ID: {speech_id & 0xFFFF:X} Text: {text}\n")
    sys.stdout.write("".join(lines))


if __name__ == "__main__":
    main(sys.argv[1])
