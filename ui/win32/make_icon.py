#!/usr/bin/env python3
"""Draws the game's icon (data/icons/puhtyash.svg: the bun's face) at the
sizes Windows asks for and writes them into one .ico file.

    python3 ui/win32/make_icon.py ui/win32/puhtyash.ico

Only the standard library: the figures of the picture (filled and outlined
circles and the smile, half an ellipse) are drawn here with 8x8 samples per
pixel. The sizes up to 48 are stored as 32-bit bitmaps, the 256 one as PNG.
"""
import math
import struct
import sys
import zlib

YELLOW, BLACK, WHITE, RED = (255, 255, 0), (0, 0, 0), (255, 255, 255), (255, 0, 0)


def circle(cx, cy, r, fill, stroke=None, width=1.0):
    def at(x, y):
        d = math.hypot(x - cx, y - cy)
        if stroke is not None and abs(d - r) <= width / 2:
            return stroke
        if d <= r:
            return fill
        return None
    return at


def smile(cx, cy, rx, ry, colour, width):
    # The lower half of the ellipse, with round ends.
    ends = [(cx - rx, cy), (cx + rx, cy)]

    def at(x, y):
        for ex, ey in ends:
            if math.hypot(x - ex, y - ey) <= width / 2:
                return colour
        if y < cy:
            return None
        dx, dy = (x - cx) / rx, (y - cy) / ry
        f = dx * dx + dy * dy - 1
        g = math.hypot(2 * dx / rx, 2 * dy / ry)
        if g > 0 and abs(f) / g <= width / 2:
            return colour
        return None
    return at


FIGURES = [
    circle(16, 16, 14.5, YELLOW, BLACK),
    circle(11, 11, 3.5, WHITE, BLACK),
    circle(21, 11, 3.5, WHITE, BLACK),
    circle(11.5, 11.5, 1.5, BLACK),
    circle(21.5, 11.5, 1.5, BLACK),
    smile(16, 18.5, 7.5, 5, RED, 1.5),
]


def render(size, samples=8):
    """Rows of (r, g, b, a), top row first."""
    scale = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) * scale
                    y = (py + (sy + 0.5) / samples) * scale
                    colour = None
                    for fig in FIGURES:
                        c = fig(x, y)
                        if c is not None:
                            colour = c
                    if colour is not None:
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
                        acc[3] += 1
            n = samples * samples
            a = acc[3]
            if a == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((acc[0] // a, acc[1] // a, acc[2] // a, 255 * a // n))
        rows.append(row)
    return rows


def bitmap_entry(rows):
    size = len(rows)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)  # the alpha channel says it all
    return header + pixels + mask


def png_entry(rows):
    size = len(rows)
    raw = b''.join(b'\x00' + b''.join(bytes(p) for p in row) for row in rows)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main(out):
    sizes = [16, 24, 32, 48, 256]
    images = []
    for s in sizes:
        rows = render(s, 8 if s <= 48 else 2)
        images.append(png_entry(rows) if s == 256 else bitmap_entry(rows))
    data = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        data += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    data += b''.join(images)
    with open(out, 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'puhtyash.ico')
