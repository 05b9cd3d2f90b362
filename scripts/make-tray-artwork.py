#!/usr/bin/env python3
"""Writes res/tray_artwork.bmp, the little tray Corvel's icon stands in.

Four 16 x 16 tiles side by side: front image, front mask, back image, back
mask. Images are black where transparent; masks white where transparent and
black where opaque. K black, W white, S silver.
Run from the repository root: python3 scripts/make-tray-artwork.py
"""
import struct

FRONT_IMAGE = ['K' * 16] * 11 + [
    'KKKKKKKKKKKKKKSK',
    'KKKKKKKKKKKKKSSK',
    'KSSSSSSSSSSSKSKK',
    'KSSSSSSSSSSSKKKK',
    'KKKKKKKKKKKKKKKK',
]
FRONT_MASK = ['W' * 16] * 9 + [
    'WWWWWWWWWWWWWWWK',
    'WWWWWWWWWWWWWWKK',
    'WWWWWWWWWWWWWKKK',
    'KKKKKKKKKKKKKKKK',
    'KKKKKKKKKKKKKKKW',
    'KKKKKKKKKKKKKKWW',
    'KKKKKKKKKKKKKWWW',
]
BACK_IMAGE = ['K' * 16] * 10 + [
    'KKKSSSSSSSSSSSSK',
    'KKSSSSSSSSSSSSSK',
    'KSSSSSSSSSSSSSSK',
    'KSSSSSSSSSSSSSKK',
    'KSSSSSSSSSSSSKKK',
    'KKKKKKKKKKKKKKKK',
]
BACK_MASK = ['W' * 16] * 9 + [
    'WWWKKKKKKKKKKKKK',
    'WWKKKKKKKKKKKKKK',
    'WKKKKKKKKKKKKKKK',
    'KKKKKKKKKKKKKKKK',
    'KKKKKKKKKKKKKKKW',
    'KKKKKKKKKKKKKKWW',
    'KKKKKKKKKKKKKWWW',
]
COLOURS = {'K': (0, 0, 0), 'W': (255, 255, 255), 'S': (192, 192, 192)}


def bmp24(rows):
    width, height = len(rows[0]), len(rows)
    stride = (width * 3 + 3) & ~3
    data = b''
    for row in reversed(rows):  # bottom-up, as .bmp files usually are
        line = b''.join(bytes(reversed(COLOURS[c])) for c in row)
        data += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def main():
    rows = [FRONT_IMAGE[y] + FRONT_MASK[y] + BACK_IMAGE[y] + BACK_MASK[y] for y in range(16)]
    assert all(len(r) == 64 for r in rows) and len(rows) == 16
    with open('res/tray_artwork.bmp', 'wb') as f:
        f.write(bmp24(rows))


if __name__ == '__main__':
    main()
