#!/usr/bin/env python3
"""Draws Huecast's icon and writes it as a Windows .ico with 16, 32 and 48 pixel images.

A rounded square shaded through the hues of the colour swatches, holding a white speech bubble: coloured
text for a chat. Every pixel is computed here, supersampled for smooth edges, so the icon can be redrawn
at any time:

    tools/icon/make_icon.py app/resources/huecast.ico
"""
import colorsys
import struct
import sys

SIZES = (16, 32, 48)
SUPERSAMPLE = 4


def inside_rounded_square(x, y, radius):
    """(x, y) in the unit square, corners rounded by `radius`."""
    cx = min(max(x, radius), 1 - radius)
    cy = min(max(y, radius), 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def inside_bubble(x, y):
    """A speech bubble: an ellipse with a tail to the lower left."""
    if ((x - 0.52) / 0.34) ** 2 + ((y - 0.44) / 0.25) ** 2 <= 1:
        return True
    # The tail: a triangle from below the ellipse down to the left.
    ax, ay, bx, by, tx, ty = 0.30, 0.58, 0.48, 0.66, 0.22, 0.84
    def side(px, py, qx, qy, rx, ry):
        return (qx - px) * (ry - py) - (qy - py) * (rx - px)
    s1 = side(ax, ay, bx, by, x, y)
    s2 = side(bx, by, tx, ty, x, y)
    s3 = side(tx, ty, ax, ay, x, y)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def dot_colour(x, y):
    """Three coloured dots inside the bubble, the text of the message."""
    for centre, hue in ((0.36, 0.0), (0.52, 0.33), (0.68, 0.62)):
        if (x - centre) ** 2 + (y - 0.44) ** 2 <= 0.06 ** 2:
            return colorsys.hsv_to_rgb(hue, 0.9, 0.95)
    return None


def pixel(size, px, py):
    """Straight-alpha RGBA of one pixel, averaged over a grid of samples."""
    r = g = b = a = 0.0
    n = SUPERSAMPLE * SUPERSAMPLE
    for sy in range(SUPERSAMPLE):
        for sx in range(SUPERSAMPLE):
            x = (px + (sx + 0.5) / SUPERSAMPLE) / size
            y = (py + (sy + 0.5) / SUPERSAMPLE) / size
            if not inside_rounded_square(x, y, 0.22):
                continue
            if inside_bubble(x, y):
                colour = dot_colour(x, y) or (1.0, 1.0, 1.0)
            else:
                colour = colorsys.hsv_to_rgb((x + y) / 2 * 0.8, 0.85, 0.95)
            r, g, b, a = r + colour[0], g + colour[1], b + colour[2], a + 1
    if a == 0:
        return 0, 0, 0, 0
    return (round(255 * r / a), round(255 * g / a), round(255 * b / a), round(255 * a / n))


def image(size):
    """One icon image: a 32-bit bitmap (rows bottom-up) followed by its 1-bit mask."""
    rows = [[pixel(size, x, y) for x in range(size)] for y in range(size)]
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    return header + bytes(colour) + bytes(mask)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_icon.py OUTPUT.ico")
    images = [image(size) for size in SIZES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip(SIZES, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for data in images:
        out += data
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
