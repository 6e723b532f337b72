#!/usr/bin/env python3
"""Draws Welmor's program icon (16x16 and 32x32, 32-bit) into welmor.ico.

A sky-blue panel with a dark frame and three red bars of rising height,
the widget in miniature. Run it again only to change the drawing.
"""
import struct
import sys

SKY = (0xA6, 0xCA, 0xF0)   # r, g, b
FRAME = (0x20, 0x30, 0x50)
RED = (0xE0, 0x10, 0x10)


def draw(size):
    px = [[(0, 0, 0, 0)] * size for _ in range(size)]
    s = size / 16.0
    for y in range(size):
        for x in range(size):
            inside = 1 * s <= x < 15 * s and 2 * s <= y < 14 * s
            edge = inside and (x < 2 * s or x >= 14 * s or y < 3 * s or y >= 13 * s)
            if edge:
                px[y][x] = FRAME + (255,)
            elif inside:
                px[y][x] = SKY + (255,)
    for i, h in enumerate((4, 6, 8)):
        x0 = int((3 + i * 4) * s)
        x1 = int((6 + i * 4) * s)
        for y in range(int((12 - h) * s), int(12 * s)):
            for x in range(x0, x1):
                px[y][x] = RED + (255,)
    return px


def entry(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b''.join(bytes(c for p in px[y] for c in (p[2], p[1], p[0], p[3]))
                    for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    mask = b'\x00' * mask_row * size
    return header + rows + mask


def main(path):
    images = [entry(16), entry(32)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((16, 32), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'welmor.ico')
