#!/usr/bin/env python3
"""Writes Glint's two cursors: arrow.cur (a visible arrow, hot spot 1,1) and blank.cur (fully
transparent). Both are 32 x 32 monochrome cursors. tools/make-art runs it, with the folder to write
into as its argument (this folder when there is none)."""
import os
import struct
import sys

ARROW = [
    "X",
    "XX",
    "X.X",
    "X..X",
    "X...X",
    "X....X",
    "X.....X",
    "X......X",
    "X.......X",
    "X........X",
    "X.....XXXXX",
    "X..X..X",
    "X.X X..X",
    "XX  X..X",
    "X    X..X",
    "     X..X",
    "      X..X",
    "      X..X",
    "       XX",
]
SIZE = 32


def cursor(shape, hot_x, hot_y, left, top):
    # 'X' black, '.' white, anything else transparent (AND 1, XOR 0).
    xor_rows, and_rows = [], []
    for y in range(SIZE):
        xor_bits, and_bits = 0, (1 << SIZE) - 1
        row = shape[y - top] if 0 <= y - top < len(shape) else ""
        for x in range(SIZE):
            c = row[x - left] if 0 <= x - left < len(row) else " "
            bit = 1 << (SIZE - 1 - x)
            if c in "X.":
                and_bits &= ~bit
            if c == ".":
                xor_bits |= bit
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    # Rows go bottom-up.
    masks = b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, len(masks), 0, 0, 2, 0)
    palette = struct.pack("<II", 0x000000, 0xFFFFFF)
    image = header + palette + masks
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return directory + entry + image


here = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "arrow.cur"), "wb") as f:
    f.write(cursor(ARROW, 1, 1, 1, 1))
with open(os.path.join(here, "blank.cur"), "wb") as f:
    f.write(cursor([], 0, 0, 0, 0))
