#!/usr/bin/env python3
"""Draws the program icon, res/korvn32.ico: a yellow Sun, a row of small
coloured planets and white stars on black, as two opaque 16-colour images
(32 x 32 and 16 x 16) in the standard VGA palette.

Usage: tools/make_icon.py [OUTPUT.ico]   (default: res/korvn32.ico beside this tool)

The file is committed; run this again only to change the picture. Each image
is stored the way the resource compiler copies it into an RT_ICON resource:
a 40-byte BITMAPINFOHEADER (height doubled for the mask), the 16-entry
palette, the 4-bit colour rows and the 1-bit mask rows, bottom-up, every row
padded to 4 bytes. That makes 744 bytes for 32 x 32 and 296 for 16 x 16.
"""
import os
import struct
import sys

# The standard 16-colour VGA palette, in the order Windows uses, as (R, G, B).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_RED, DARK_YELLOW, DARK_CYAN = 0, 1, 3, 6
LIGHT_GREY, GREY, RED, YELLOW, BLUE, CYAN, WHITE = 7, 8, 9, 11, 12, 14, 15


def disc(pixels, cx, cy, r, colour):
    """Fills every pixel whose centre lies within radius r of (cx, cy)."""
    size = len(pixels)
    for y in range(size):
        for x in range(size):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                pixels[y][x] = colour


def draw_large():
    """32 x 32: the Sun at the left, five planets in a row, stars."""
    p = [[BLACK] * 32 for _ in range(32)]
    disc(p, 2.5, 15.5, 11.0, DARK_YELLOW)  # the Sun's glowing rim
    disc(p, 2.5, 15.5, 9.8, YELLOW)
    for cx, r, colour in [(15.0, 1.2, LIGHT_GREY), (18.5, 1.6, DARK_YELLOW),
                          (22.5, 1.9, BLUE), (26.0, 1.2, RED), (29.5, 2.6, DARK_RED)]:
        disc(p, cx, 15.5, r, colour)
    for x in range(27, 32):  # a band across the largest planet
        if p[16][x] == DARK_RED:
            p[16][x] = DARK_YELLOW
    for x, y in [(17, 3), (24, 6), (30, 2), (14, 9), (28, 10), (20, 24),
                 (27, 27), (15, 29), (31, 21), (21, 20), (12, 25), (5, 30)]:
        p[y][x] = WHITE
    return p


def draw_small():
    """16 x 16: a corner of the Sun at the top left, two planets, stars."""
    p = [[BLACK] * 16 for _ in range(16)]
    disc(p, -1.5, -1.5, 8.4, DARK_YELLOW)
    disc(p, -1.5, -1.5, 7.4, YELLOW)
    disc(p, 8.5, 9.5, 1.3, BLUE)
    disc(p, 12.5, 12.5, 1.8, RED)
    for x, y in [(11, 2), (14, 6), (3, 11), (6, 14), (15, 9), (9, 4)]:
        p[y][x] = WHITE
    return p


def padded(row):
    return row + b"\0" * (-len(row) % 4)


def icon_image(pixels):
    """One RT_ICON image: header, palette, colour rows, mask rows (bottom-up)."""
    size = len(pixels)
    xor = b"".join(
        padded(bytes((row[x] << 4) | row[x + 1] for x in range(0, size, 2)))
        for row in reversed(pixels))
    mask = padded(bytes(size // 8)) * size  # opaque: every mask bit clear
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 4, 0,
                         len(xor) + len(mask), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + xor + mask


def ico_file(images):
    """An .ico file holding the given square images, in order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for pixels, data in images:
        size = len(pixels)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "res", "korvn32.ico")
    images = [(p, icon_image(p)) for p in (draw_large(), draw_small())]
    assert [len(data) for _, data in images] == [744, 296]
    with open(target, "wb") as f:
        f.write(ico_file(images))


if __name__ == "__main__":
    main()
