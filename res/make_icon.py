#!/usr/bin/env python3
"""Writes tarnwick.ico: one 48x48 32-bit image (a blue tile with a white cursor arrow)."""
import struct

S = 48
ARROW = [
    "X...........",
    "XX..........",
    "XWX.........",
    "XWWX........",
    "XWWWX.......",
    "XWWWWX......",
    "XWWWWWX.....",
    "XWWWWWWX....",
    "XWWWWWWWX...",
    "XWWWWWWWWX..",
    "XWWWWWXXXXX.",
    "XWWXWWX.....",
    "XWX.XWWX....",
    "XX..XWWX....",
    "X....XWWX...",
    ".....XWWX...",
    "......XX....",
]


def pixel(x, y):
    inset = 3
    if x < inset or y < inset or x >= S - inset or y >= S - inset:
        return (0, 0, 0, 0)
    cx, cy = x - 14, y - 8
    scale = 2
    ax, ay = cx // scale, cy // scale
    if 0 <= ay < len(ARROW) and 0 <= ax < len(ARROW[ay]):
        c = ARROW[ay][ax]
        if c == "X":
            return (40, 40, 40, 255)
        if c == "W":
            return (255, 255, 255, 255)
    shade = 200 - (y * 60) // S
    return (shade, 120, 30, 255)  # BGRA: a blue tile, lighter at the top


rows = []
for y in reversed(range(S)):  # bottom-up DIB
    rows.append(b"".join(bytes(pixel(x, y)) for x in range(S)))
xor = b"".join(rows)
and_mask = b"\x00" * (((S + 31) // 32) * 4 * S)
header = struct.pack("<IiiHHIIiiII", 40, S, S * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
image = header + xor + and_mask
ico = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", S, S, 0, 0, 1, 32, len(image), 22)
open(__file__.replace("make_icon.py", "tarnwick.ico"), "wb").write(ico + image)
