#!/usr/bin/env python3
"""Draws the programs' icons (our own artwork) and writes them as .ico files.

Vitrane: a window whose pane is half see-through over a second window.
Corvel: a window standing in a small tray.
Run from the repository root: python3 scripts/make-icons.py
"""
import struct


def ico(images):
    """images: list of (size, rows of (r, g, b, a) top-down)."""
    header = struct.pack('<HHH', 0, 1, len(images))
    entries, blobs = b'', b''
    offset = 6 + 16 * len(images)
    for size, px in images:
        xor = b''.join(bytes((b, g, r, a)) for row in reversed(px) for (r, g, b, a) in row)
        mask_row = ((size + 31) // 32) * 4
        and_mask = b''
        for row in reversed(px):
            bits = 0
            out = bytearray(mask_row)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    out[x // 8] |= 0x80 >> (x % 8)
            and_mask += bytes(out)
        bih = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0,
                          len(xor) + len(and_mask), 0, 0, 0, 0)
        blob = bih + xor + and_mask
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def canvas(n):
    return [[(0, 0, 0, 0) for _ in range(n)] for _ in range(n)]


def rect(px, x0, y0, x1, y1, colour):
    for y in range(y0, y1):
        for x in range(x0, x1):
            if 0 <= x < len(px) and 0 <= y < len(px):
                px[y][x] = colour


def window(px, x0, y0, x1, y1, bar, body, edge, bar_h):
    rect(px, x0, y0, x1, y1, edge)
    rect(px, x0 + 1, y0 + 1, x1 - 1, y0 + 1 + bar_h, bar)
    rect(px, x0 + 1, y0 + 1 + bar_h, x1 - 1, y1 - 1, body)


def vitrane(n):
    s = n / 16
    px = canvas(n)
    p = lambda v: int(round(v * s))
    # The window behind: warm orange, fully opaque.
    window(px, p(0), p(5), p(10), p(15), (200, 80, 20, 255), (250, 170, 60, 255),
           (90, 40, 10, 255), max(1, p(2)))
    # The translucent window in front: its pane lets the one behind show through.
    window(px, p(5), p(1), p(16), p(12), (30, 80, 200, 255), (150, 200, 255, 120),
           (10, 30, 90, 255), max(1, p(2)))
    return px


def corvel(n):
    s = n / 16
    px = canvas(n)
    p = lambda v: int(round(v * s))
    window(px, p(3), p(1), p(13), p(10), (30, 80, 200, 255), (235, 240, 250, 255),
           (10, 30, 90, 255), max(1, p(2)))
    # The tray: a silver trough with a dark rim.
    rect(px, p(0), p(9), p(16), p(16), (60, 60, 60, 255))
    rect(px, p(1), p(10), p(15), p(15), (192, 192, 192, 255))
    rect(px, p(1), p(12), p(15), p(15), (150, 150, 150, 255))
    return px


if __name__ == '__main__':
    for name, draw in (('vitrane', vitrane), ('corvel', corvel)):
        with open('res/%s.ico' % name, 'wb') as f:
            f.write(ico([(16, draw(16)), (32, draw(32)), (48, draw(48))]))
