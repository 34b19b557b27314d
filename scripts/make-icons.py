#!/usr/bin/env python3
"""Draws the viewer's icon from packaging/icons/speechviewer.svg: the PNG
sizes of the desktop's icon theme and the Windows .ico, with nothing but
Python's standard library, so that every size comes from the one design.

Usage: scripts/make-icons.py [OUT_DIR]   (default: packaging/icons)

Writes OUT_DIR/hicolor/SIZExSIZE/apps/speechviewer.png for each PNG size and
OUT_DIR/speechviewer.ico (16, 24, 32 and 48 px as 32-bit bitmaps, 256 px as
PNG). The SVG may hold rect elements (x, y, width, height, rx) and polygon
elements (points), each with a fill colour "#rrggbb"; anything else is an
error, so that the drawing never leaves out a part of the design silently.
"""
import os
import struct
import sys
import xml.etree.ElementTree as ET
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SVG = os.path.join(HERE, "..", "packaging", "icons", "speechviewer.svg")
PNG_SIZES = (16, 24, 32, 48, 64, 128, 256)
ICO_SIZES = (16, 24, 32, 48, 256)
SAMPLES = 4  # per pixel in each direction: 16 samples give smooth edges


def parse_colour(text):
    if len(text) != 7 or text[0] != "#":
        raise SystemExit(f"make-icons: fill {text!r} is not #rrggbb")
    return tuple(int(text[i:i + 2], 16) for i in (1, 3, 5))


class Rect:
    def __init__(self, e):
        self.x, self.y = float(e.get("x", 0)), float(e.get("y", 0))
        self.w, self.h = float(e.get("width")), float(e.get("height"))
        self.r = min(float(e.get("rx", 0)), self.w / 2, self.h / 2)
        self.box = (self.x, self.y, self.x + self.w, self.y + self.h)

    def contains(self, px, py):
        x0, y0, x1, y1 = self.box
        if not (x0 <= px < x1 and y0 <= py < y1):
            return False
        # Within the rounded corners: inside the corner's circle.
        cx = min(max(px, x0 + self.r), x1 - self.r)
        cy = min(max(py, y0 + self.r), y1 - self.r)
        return (px - cx) ** 2 + (py - cy) ** 2 <= self.r ** 2


class Polygon:
    def __init__(self, e):
        numbers = [float(n) for n in e.get("points").replace(",", " ").split()]
        self.points = list(zip(numbers[0::2], numbers[1::2]))
        xs, ys = [p[0] for p in self.points], [p[1] for p in self.points]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def contains(self, px, py):
        inside = False
        for (ax, ay), (bx, by) in zip(self.points, self.points[1:] + self.points[:1]):
            if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                inside = not inside
        return inside


def read_shapes(path):
    root = ET.parse(path).getroot()
    ns = "{http://www.w3.org/2000/svg}"
    width = float(root.get("viewBox").split()[2])
    shapes = []
    for e in root:
        tag = e.tag.replace(ns, "")
        if tag == "title":
            continue
        kinds = {"rect": Rect, "polygon": Polygon}
        if tag not in kinds:
            raise SystemExit(f"make-icons: <{tag}> is not drawn by this script")
        shapes.append((kinds[tag](e), parse_colour(e.get("fill"))))
    return width, shapes


def draw(width, shapes, size):
    """RGBA rows, top row first, each shape laid over those before it."""
    scale = width / size
    pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(size * size)]
    offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
    for shape, colour in shapes:
        x0, y0, x1, y1 = shape.box
        for y in range(max(0, int(y0 / scale)), min(size, int(y1 / scale) + 1)):
            for x in range(max(0, int(x0 / scale)), min(size, int(x1 / scale) + 1)):
                hits = sum(shape.contains((x + dx) * scale, (y + dy) * scale) for dy in offsets for dx in offsets)
                if not hits:
                    continue
                a = hits / (SAMPLES * SAMPLES)
                p = pixels[y * size + x]
                # Source over, with premultiplied colours.
                for c in range(3):
                    p[c] = colour[c] / 255 * a + p[c] * (1 - a)
                p[3] = a + p[3] * (1 - a)
    rows = []
    for y in range(size):
        row = bytearray()
        for p in pixels[y * size:(y + 1) * size]:
            alpha = p[3]
            rgb = [round(255 * p[c] / alpha) if alpha else 0 for c in range(3)]
            row += bytes(rgb + [round(255 * alpha)])
        rows.append(bytes(row))
    return rows


def png(rows, size):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    raw = b"".join(b"\0" + row for row in rows)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def bitmap(rows, size):
    """A 32-bit icon bitmap: the header, BGRA rows bottom up, the AND mask."""
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    colours = b"".join(bytes(row[i + c] for i in range(0, len(row), 4) for c in (2, 1, 0, 3)) for row in reversed(rows))
    mask_row = ((size + 31) // 32) * 4
    mask = b"".join(
        bytes(
            sum(0x80 >> bit for bit in range(8) if byte * 8 + bit < size and row[4 * (byte * 8 + bit) + 3] == 0)
            for byte in range(mask_row))
        for row in reversed(rows))
    return header + colours + mask


def ico(images):
    """images: (size, bytes) pairs; 256 px is stored as PNG, as Windows expects."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, image in images:
        side = 0 if size == 256 else size
        entries += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    return directory + entries + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(HERE, "..", "packaging", "icons")
    width, shapes = read_shapes(SVG)
    drawn = {size: draw(width, shapes, size) for size in sorted(set(PNG_SIZES) | set(ICO_SIZES))}
    for size in PNG_SIZES:
        folder = os.path.join(out, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "speechviewer.png"), "wb") as f:
            f.write(png(drawn[size], size))
    images = [(size, png(drawn[size], size) if size == 256 else bitmap(drawn[size], size)) for size in ICO_SIZES]
    with open(os.path.join(out, "speechviewer.ico"), "wb") as f:
        f.write(ico(images))
    print(f"make-icons: wrote {len(PNG_SIZES)} PNG sizes and speechviewer.ico to {os.path.normpath(out)}")


if __name__ == "__main__":
    main()
