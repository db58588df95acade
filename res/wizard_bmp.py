#!/usr/bin/env python3
"""Draws the wizard picture: a board with its chips under a wizard's wand.

160 x 117 pixels, 16 colours (the standard VGA palette), written as
wizard.bmp beside this script. Run it again after changing the drawing.
"""
import os
import struct

W, H = 160, 117
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DGREEN, NAVY, TEAL, SILVER, GREY, GREEN, YELLOW, WHITE = 0, 2, 4, 6, 7, 8, 10, 11, 15

pixels = [[NAVY] * W for _ in range(H)]


def rect(x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(H, y1)):
        for x in range(max(0, x0), min(W, x1)):
            pixels[y][x] = colour


def line(x0, y0, x1, y1, colour):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(steps + 1):
        x = x0 + (x1 - x0) * i // steps
        y = y0 + (y1 - y0) * i // steps
        if 0 <= x < W and 0 <= y < H:
            pixels[y][x] = colour


# The board.
rect(10, 40, 150, 112, DGREEN)
rect(12, 42, 148, 110, GREEN)
for y in range(50, 106, 8):
    line(16, y, 144, y, DGREEN)
# Processor socket and chips.
rect(24, 52, 64, 92, GREY)
rect(28, 56, 60, 88, SILVER)
for x, y in ((76, 54), (100, 54), (124, 54), (76, 80), (100, 80)):
    rect(x, y, x + 18, y + 16, BLACK)
    for px in range(x + 2, x + 18, 4):
        rect(px, y - 2, px + 2, y, SILVER)
        rect(px, y + 16, px + 2, y + 18, SILVER)
# Slots.
rect(122, 80, 144, 84, WHITE)
rect(122, 90, 144, 94, WHITE)
# The wand and its star.
line(40, 36, 96, 8, BLACK)
line(41, 37, 97, 9, BLACK)
line(40, 35, 96, 7, WHITE)
cx, cy = 104, 8
for dx in range(-6, 7):
    rect(cx + dx, cy, cx + dx + 1, cy + 1, YELLOW)
for dy in range(-6, 7):
    rect(cx, cy + dy, cx + 1, cy + dy + 1, YELLOW)
for d in range(-4, 5):
    rect(cx + d, cy + d, cx + d + 1, cy + d + 1, YELLOW)
    rect(cx + d, cy - d, cx + d + 1, cy - d + 1, YELLOW)
for x, y in ((20, 12), (60, 20), (130, 26), (146, 10), (80, 30)):
    rect(x, y, x + 1, y + 1, TEAL if x % 3 else WHITE)

stride = (W * 4 + 31) // 32 * 4
rows = []
for y in range(H - 1, -1, -1):  # bottom-up
    row = bytearray()
    for x in range(0, W, 2):
        row.append((pixels[y][x] << 4) | pixels[y][x + 1])
    row.extend(b"\0" * (stride - len(row)))
    rows.append(bytes(row))
image = b"".join(rows)
palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
offset = 14 + 40 + len(palette)
header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
info = struct.pack("<IiiHHIIiiII", 40, W, H, 1, 4, 0, len(image), 2835, 2835, 16, 16)
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "wizard.bmp"), "wb") as out:
    out.write(header + info + palette + image)
