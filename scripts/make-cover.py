#!/usr/bin/env python3
"""Draws the wizard's cover picture: 343 x 615 RGB PNG in Quillpad's blues. A diagonal
deep-blue to violet gradient, a soft glow, flowing translucent ribbons, and the product's
motif (a sheet with lines of text and a quill) in white. Pure Python, no imaging library.

usage: make-cover.py OUT.png
"""
import math
import sys

from png_bytes import png_bytes

WIDTH, HEIGHT = 343, 615


def coverage(d):
    """Anti-aliasing: signed distance (negative inside) to pixel coverage."""
    return max(0.0, min(1.0, 0.5 - d))


def mix(c, target, amount):
    return tuple(a + (b - a) * amount for a, b in zip(c, target))


def segment(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy)), t


def rounded_box(x, y, cx, cy, hw, hh, radius):
    qx = abs(x - cx) - (hw - radius)
    qy = abs(y - cy) - (hh - radius)
    return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - radius


def background(x, y):
    t = (x / WIDTH * 0.35 + y / HEIGHT * 0.65)
    top, middle, bottom = (22, 52, 128), (37, 99, 214), (96, 76, 196)
    c = mix(top, middle, t / 0.55) if t < 0.55 else mix(middle, bottom, (t - 0.55) / 0.45)
    # A soft light in the upper right.
    glow = math.exp(-(((x - 290) / 170) ** 2 + ((y - 70) / 190) ** 2))
    return mix(c, (160, 200, 255), 0.35 * glow)


RIBBONS = [  # base y, amplitude, wave length, phase, thickness, opacity
    (150, 28, 260, 0.4, 34, 0.10),
    (190, 36, 330, 1.9, 18, 0.14),
    (470, 30, 290, 3.1, 46, 0.08),
    (520, 24, 240, 0.8, 14, 0.16),
]


def ribbons(c, x, y):
    for base, amplitude, length, phase, thickness, opacity in RIBBONS:
        centre = base + amplitude * math.sin(2 * math.pi * x / length + phase)
        inside = coverage(abs(y - centre) - thickness / 2)
        # Brightest along the band's upper edge, fading downwards.
        fade = 0.6 + 0.4 * max(0.0, min(1.0, (centre + thickness / 2 - y) / thickness))
        c = mix(c, (255, 255, 255), opacity * inside * fade)
    return c


def motif(c, x, y):
    # A sheet seen a little turned, with a shadow.
    angle = -0.12
    sx = (x - 160) * math.cos(angle) - (y - 330) * math.sin(angle)
    sy = (x - 160) * math.sin(angle) + (y - 330) * math.cos(angle)
    shadow = coverage(rounded_box(sx, sy, 8, 10, 78, 100, 12) - 6)
    c = mix(c, (10, 20, 60), 0.25 * shadow)
    sheet = coverage(rounded_box(sx, sy, 0, 0, 78, 100, 10))
    c = mix(c, (246, 249, 255), 0.94 * sheet)
    for line in range(6):
        ly = -62 + line * 24
        d, _ = segment(sx, sy, -50, ly, 50 - (line % 3) * 22, ly)
        c = mix(c, (120, 150, 205), coverage(d - 3.2) * sheet)
    # The quill crossing the sheet's corner, tapering to its nib.
    d, t = segment(x, y, 292, 190, 196, 426)
    width = 2 + 17 * math.sin(math.pi * min(t * 1.1, 1.0)) * (1 - t * 0.55)
    quill = coverage(d - width)
    c = mix(c, (255, 255, 255), quill)
    shaft, _ = segment(x, y, 287, 202, 193, 432)
    c = mix(c, (48, 92, 200), coverage(shaft - 1.4) * quill)
    return c


SPARKS = [(52, 88, 2.2), (96, 40, 1.4), (300, 260, 1.8), (40, 560, 1.6), (270, 585, 2.4),
          (210, 120, 1.2), (318, 430, 1.3), (70, 420, 1.1)]


def sparks(c, x, y):
    for sx, sy, r in SPARKS:
        d = math.hypot(x - sx, y - sy)
        c = mix(c, (255, 255, 255), 0.7 * coverage(d - r) + 0.15 * math.exp(-(d / (r * 4)) ** 2))
    return c


def pixel(x, y):
    cx, cy = x + 0.5, y + 0.5
    c = background(cx, cy)
    c = ribbons(c, cx, cy)
    c = sparks(c, cx, cy)
    c = motif(c, cx, cy)
    return bytes(max(0, min(255, int(round(v)))) for v in c)


def main(out):
    rows = bytearray()
    for y in range(HEIGHT):
        rows.append(0)
        for x in range(WIDTH):
            rows.extend(pixel(x, y))
    with open(out, "wb") as f:
        f.write(png_bytes(WIDTH, HEIGHT, 2, rows))


if __name__ == "__main__":
    main(sys.argv[1])
