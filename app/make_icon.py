#!/usr/bin/env python3
"""Draws the program's icon, 32 x 32 pixels in the 16 standard colours, and writes ravoxel.ico.

The picture: a workpiece seen end-on (a circle) with its diameter marked across it, arrows at
both ends -- a radius becoming a diameter, which is what the tool does to an axis value.
Run it again after changing the drawing; the .ico is committed.
"""
import math
import struct
import sys

SIZE = 32
# The 16 standard VGA colours, index -> (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
NAVY, TEAL, SILVER, GRAY, RED, YELLOW, WHITE, BLACK = 4, 6, 7, 8, 9, 11, 15, 0


def draw():
    px = [[NAVY] * SIZE for _ in range(SIZE)]
    opaque = [[True] * SIZE for _ in range(SIZE)]
    c = (SIZE - 1) / 2.0
    for y in range(SIZE):
        for x in range(SIZE):
            # Rounded corners of the tile are transparent.
            dx = max(0.0, abs(x - c) - 11.5)
            dy = max(0.0, abs(y - c) - 11.5)
            if math.hypot(dx, dy) > 4.0:
                opaque[y][x] = False
                continue
            d = math.hypot(x - c, y - c)
            if d <= 11.0:
                px[y][x] = TEAL if d < 9.6 else WHITE   # the workpiece and its edge
            if abs(d - 11.6) < 0.6:
                px[y][x] = SILVER
    # The diameter: a yellow line across the centre with arrowheads at both ends.
    mid = SIZE // 2
    for x in range(4, SIZE - 4):
        px[mid - 1][x] = YELLOW
        px[mid][x] = YELLOW
    for k in range(1, 4):
        for x in (4 + k - 1, SIZE - 4 - k):
            for y in (mid - 1 - k, mid + k):
                px[y][x] = YELLOW
    # The centre, where the radius starts.
    for y in (mid - 1, mid):
        for x in (mid - 1, mid):
            px[y][x] = RED
    return px, opaque


def ico_bytes(px, opaque):
    rows_xor = []
    for y in reversed(range(SIZE)):  # bottom-up
        row = bytearray()
        for x in range(0, SIZE, 2):
            a = px[y][x] if opaque[y][x] else BLACK
            b = px[y][x + 1] if opaque[y][x + 1] else BLACK
            row.append((a << 4) | b)
        rows_xor.append(bytes(row))
    rows_and = []
    for y in reversed(range(SIZE)):
        bits = 0
        for x in range(SIZE):
            bits = (bits << 1) | (0 if opaque[y][x] else 1)
        rows_and.append(struct.pack(">I", bits))  # 32 bits: already a multiple of 4 bytes
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0,
                         len(b"".join(rows_xor)) + len(b"".join(rows_and)), 0, 0, 16, 0)
    image = header + palette + b"".join(rows_xor) + b"".join(rows_and)
    icondir = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(image), 6 + 16)
    return icondir + entry + image


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else "ravoxel.ico"
    with open(out, "wb") as f:
        f.write(ico_bytes(*draw()))
