#!/usr/bin/env python3
"""Draws the viewer's icon and writes speechviewer.ico beside this script.

A speech bubble on a blue tile, holding three lines of text: a list of
speech lines. Drawn from shapes at every size (so the small sizes stay
sharp), anti-aliased by sampling each pixel 4 x 4 times. The sizes up to 64
are stored as 32-bit bitmaps, 256 as PNG, as icon files hold them."""
import pathlib
import struct
import zlib

SIZES = [16, 20, 24, 32, 40, 48, 64, 256]
TILE = (0x1F, 0x5F, 0xA8)
BUBBLE = (0xFF, 0xFF, 0xFF)
INK = (0x3A, 0x46, 0x58)
MARK = (0xE0, 0x8A, 0x1E)


def inside_rounded(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_triangle(x, y, a, b, c):
    def side(p, q):
        return (x - q[0]) * (p[1] - q[1]) - (p[0] - q[0]) * (y - q[1])
    d1, d2, d3 = side(a, b), side(b, c), side(c, a)
    return not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0))


def colour_at(x, y):
    """The colour at (x, y) in a unit square, or None outside the icon."""
    if not inside_rounded(x, y, 0.02, 0.02, 0.98, 0.98, 0.18):
        return None
    in_bubble = inside_rounded(x, y, 0.14, 0.16, 0.86, 0.70, 0.10) or inside_triangle(
        x, y, (0.26, 0.66), (0.46, 0.66), (0.22, 0.86))
    if not in_bubble:
        return TILE
    for row, (top, length) in enumerate([(0.25, 0.44), (0.39, 0.32), (0.53, 0.38)]):
        if top <= y <= top + 0.07:
            if 0.24 <= x <= 0.24 + 0.08:
                return MARK  # the line's ID
            if 0.36 <= x <= 0.24 + length + 0.08:
                return INK
    return BUBBLE


def render(size, samples=4):
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            n = samples * samples
            row.append((r // a, g // a, b // a, 255 * a // n) if a else (0, 0, 0, 0))
        pixels.append(row)
    return pixels


def bitmap_entry(pixels):
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(pixels) for p in row)
    stride = (size + 31) // 32 * 4
    mask = b""
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + colour + mask


def png_entry(pixels):
    size = len(pixels)
    raw = b"".join(b"\0" + b"".join(bytes(p) for p in row) for row in pixels)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    images = [(size, png_entry(render(size)) if size >= 256 else bitmap_entry(render(size))) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, image in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    (pathlib.Path(__file__).resolve().parent / "speechviewer.ico").write_bytes(directory + data)


if __name__ == "__main__":
    main()
