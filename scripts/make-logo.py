#!/usr/bin/env python3
"""Draws the Quillpad logo: a 512 x 512 RGBA PNG, a rounded square in the brand
blue with a white quill stroke and a paper sheet. Pure Python, no imaging library.

usage: make-logo.py OUT.png [OUT.ico]
The icon holds the same picture at 256 x 256, stored as PNG (Windows Vista and later).
"""
import math
import struct
import sys

from png_bytes import png_bytes

SIZE = 512


def coverage(d):
    """Anti-aliasing: signed distance (negative inside) to pixel coverage."""
    return max(0.0, min(1.0, 0.5 - d))


def rounded_square(x, y, half, radius):
    qx = abs(x - SIZE / 2) - (half - radius)
    qy = abs(y - SIZE / 2) - (half - radius)
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    return outside + min(max(qx, qy), 0.0) - radius


def segment(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy)), t


def pixel(x, y):
    cx, cy = x + 0.5, y + 0.5
    base = coverage(rounded_square(cx, cy, 240, 96))
    if base == 0.0:
        return (0, 0, 0, 0)
    # Vertical gradient from a light to a deep blue.
    g = cy / SIZE
    r, gr, b = 40 + 20 * (1 - g), 110 + 50 * (1 - g), 200 + 40 * (1 - g)
    # Paper sheet: a lighter rounded rectangle.
    sheet = coverage(max(abs(cx - 236) - 110, abs(cy - 266) - 140) - 0)
    r, gr, b = (r + (235 - r) * sheet * 0.9, gr + (242 - gr) * sheet * 0.9, b + (250 - b) * sheet * 0.9)
    # Lines of text on the sheet.
    for line in range(5):
        ly = 190 + line * 42
        d, _ = segment(cx, cy, 160, ly, 300 - (line % 2) * 50, ly)
        ink = coverage(d - 6) * sheet
        r, gr, b = r + (120 - r) * ink, gr + (150 - gr) * ink, b + (190 - b) * ink
    # The quill: a tapering stroke from the upper right to the lower middle.
    d, t = segment(cx, cy, 400, 96, 262, 392)
    width = 4 + 30 * math.sin(math.pi * min(t * 1.15, 1.0)) * (1 - t * 0.6)
    quill = coverage(d - width)
    r, gr, b = r + (255 - r) * quill, gr + (255 - gr) * quill, b + (255 - b) * quill
    shaft, _ = segment(cx, cy, 392, 112, 256, 404)
    line = coverage(shaft - 2.5) * quill
    r, gr, b = r + (30 - r) * line, gr + (80 - gr) * line, b + (170 - b) * line
    return (int(r), int(gr), int(b), int(255 * base))


def png(size):
    """The logo at size x size pixels (SIZE divided by a whole number), as PNG bytes."""
    scale = SIZE // size
    rows = bytearray()
    for y in range(size):
        rows.append(0)
        for x in range(size):
            rows.extend(pixel(x * scale + scale // 2 - 0.5, y * scale + scale // 2 - 0.5))
    return png_bytes(size, size, 6, rows)


def main(out, icon=None):
    with open(out, "wb") as f:
        f.write(png(SIZE))
    if icon:
        image = png(256)
        header = struct.pack("<HHH", 0, 1, 1)
        entry = struct.pack("<BBBBHHII", 0, 0, 0, 0, 1, 32, len(image), 6 + 16)
        with open(icon, "wb") as f:
            f.write(header + entry + image)


if __name__ == "__main__":
    main(*sys.argv[1:3])
