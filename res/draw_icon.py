#!/usr/bin/env python3
"""Draws DEFAULT_ICON: a black calculator keypad on a transparent ground, one 48x48
32-bit image with alpha. A rounded square outline divided into four cells holds a
plus, a times, a minus and an equals sign; edges are anti-aliased by 8x8
supersampling. The output is deterministic, so regenerating gives the same bytes.

usage: draw_icon.py [OUTPUT]          (default: default_icon.ico beside this script)
       draw_icon.py --check FILE      exit 1 unless FILE holds exactly these bytes
"""
import math
import os
import struct
import sys

SIZE = 48
SAMPLES = 8            # per axis, per pixel
STROKE = 3.0           # line width of outline, dividers and signs
OUTER = (3.0, 45.0)    # outline's outer edges, both axes
RADIUS = 8.0           # outline's outer corner radius
MIDDLE = 24.0          # the dividers' centre line
SIGN_HALF = 6.0        # half the length of a sign's bar
EQUALS_GAP = 3.0       # distance of each equals bar from the cell centre
NEAR = (OUTER[0] + STROKE + MIDDLE - STROKE / 2) / 2   # centre of the left or top cell
FAR = (MIDDLE + STROKE / 2 + OUTER[1] - STROKE) / 2    # centre of the right or bottom cell
CELLS = {"plus": (NEAR, NEAR), "times": (FAR, NEAR), "minus": (NEAR, FAR), "equals": (FAR, FAR)}


def inside_rounded_square(x, y, low, high, radius):
    cx = min(max(x, low + radius), high - radius)
    cy = min(max(y, low + radius), high - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def on_bar(x, y, cx, cy, angle):
    """A bar of the sign's length and the stroke's width, centred at (cx, cy)."""
    dx, dy = x - cx, y - cy
    c, s = math.cos(angle), math.sin(angle)
    along, across = dx * c + dy * s, -dx * s + dy * c
    return abs(along) <= SIGN_HALF and abs(across) <= STROKE / 2


def covered(x, y):
    low, high = OUTER
    if inside_rounded_square(x, y, low, high, RADIUS) and not inside_rounded_square(
            x, y, low + STROKE, high - STROKE, RADIUS - STROKE):
        return True
    inner = low + STROKE <= x <= high - STROKE and low + STROKE <= y <= high - STROKE
    if inner and (abs(x - MIDDLE) <= STROKE / 2 or abs(y - MIDDLE) <= STROKE / 2):
        return True
    px, py = CELLS["plus"]
    if on_bar(x, y, px, py, 0.0) or on_bar(x, y, px, py, math.pi / 2):
        return True
    tx, ty = CELLS["times"]
    if on_bar(x, y, tx, ty, math.pi / 4) or on_bar(x, y, tx, ty, -math.pi / 4):
        return True
    mx, my = CELLS["minus"]
    if on_bar(x, y, mx, my, 0.0):
        return True
    ex, ey = CELLS["equals"]
    return on_bar(x, y, ex, ey - EQUALS_GAP, 0.0) or on_bar(x, y, ex, ey + EQUALS_GAP, 0.0)


def alpha_rows():
    """Alpha of each pixel, top row first."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            hits = sum(covered(px + (i + 0.5) / SAMPLES, py + (j + 0.5) / SAMPLES)
                       for j in range(SAMPLES) for i in range(SAMPLES))
            row.append((hits * 255 + SAMPLES * SAMPLES // 2) // (SAMPLES * SAMPLES))
        rows.append(row)
    return rows


def icon_bytes():
    rows = alpha_rows()
    pixels = bytearray()
    for row in reversed(rows):                 # bitmaps run bottom-up
        for alpha in row:
            pixels += bytes((0, 0, 0, alpha))  # black, B G R A
    mask_stride = ((SIZE + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):                 # 1 = transparent
        bits = bytearray(mask_stride)
        for px, alpha in enumerate(row):
            if alpha == 0:
                bits[px // 8] |= 0x80 >> (px % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    image = header + pixels + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main(argv):
    data = icon_bytes()
    if len(argv) == 3 and argv[1] == "--check":
        with open(argv[2], "rb") as f:
            same = f.read() == data
        print("icon regenerates identically" if same else "icon differs from its generator")
        return 0 if same else 1
    out = argv[1] if len(argv) > 1 else os.path.join(os.path.dirname(__file__), "default_icon.ico")
    with open(out, "wb") as f:
        f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
