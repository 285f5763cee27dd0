#!/usr/bin/env python3
"""Draws the demo's icon strips: 24-bit BMP files whose magenta background (the bottom-left
pixel) the image lists treat as transparent. Run it to remake tree_icons.bmp and menu_icons.bmp."""
import math
import struct

KEY = (255, 0, 255)


def write_bmp(path, width, height, pixel):
    row = (width * 3 + 3) & ~3
    data = bytearray()
    for y in range(height - 1, -1, -1):
        line = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            line += bytes((b, g, r))
        data += line + bytes(row - len(line))
    header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, 'wb') as f:
        f.write(header + info + data)


def mix(a, b, t):
    return tuple(round(a[i] + (b[i] - a[i]) * t) for i in range(3))


def coverage(inside, x, y, n=4):
    hits = sum(inside(x + (i + 0.5) / n, y + (j + 0.5) / n) for i in range(n) for j in range(n))
    return hits / (n * n)


def tile(size, top, bottom, glyph):
    radius = size * 0.2

    def inside_tile(x, y):
        cx = min(max(x, radius), size - radius)
        cy = min(max(y, radius), size - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

    def pixel(x, y):
        if not inside_tile(x + 0.5, y + 0.5):
            return KEY
        base = mix(top, bottom, y / (size - 1))
        return mix(base, (255, 255, 255), coverage(lambda u, v: glyph(u / size, v / size), x, y))

    return pixel


def circle(cx, cy, r):
    return lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def ring(cx, cy, r, w):
    return lambda u, v: (r - w) ** 2 <= (u - cx) ** 2 + (v - cy) ** 2 <= r * r


def box(x0, y0, x1, y1):
    return lambda u, v: x0 <= u <= x1 and y0 <= v <= y1


def union(*shapes):
    return lambda u, v: any(s(u, v) for s in shapes)


def triangle(a, b, c):
    def side(p, q, u, v):
        return (q[0] - p[0]) * (v - p[1]) - (q[1] - p[1]) * (u - p[0])

    def inside(u, v):
        s1, s2, s3 = side(a, b, u, v), side(b, c, u, v), side(c, a, u, v)
        return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)
    return inside


def clock_hands(u, v):
    return box(0.47, 0.25, 0.53, 0.52)(u, v) or box(0.47, 0.46, 0.72, 0.52)(u, v)


TREE = [
    ((90, 150, 230), (40, 90, 190), union(box(0.22, 0.4, 0.38, 0.6), triangle((0.3, 0.5), (0.62, 0.22), (0.62, 0.78)),
                                          ring(0.55, 0.5, 0.3, 0.06))),
    ((120, 200, 120), (40, 140, 60), triangle((0.35, 0.25), (0.35, 0.75), (0.75, 0.5))),
    ((250, 180, 80), (210, 120, 20), union(box(0.22, 0.55, 0.34, 0.78), box(0.44, 0.35, 0.56, 0.78),
                                           box(0.66, 0.2, 0.78, 0.78))),
    ((160, 160, 170), (90, 90, 105), union(ring(0.5, 0.5, 0.32, 0.07), clock_hands)),
    ((230, 200, 90), (190, 150, 30), union(ring(0.36, 0.5, 0.17, 0.07), box(0.5, 0.46, 0.8, 0.54),
                                           box(0.68, 0.54, 0.74, 0.66))),
    ((220, 110, 110), (170, 40, 40), union(box(0.28, 0.46, 0.72, 0.78), ring(0.5, 0.44, 0.17, 0.06))),
]

MENU = [
    ((220, 110, 110), (170, 40, 40), union(box(0.25, 0.45, 0.62, 0.55), triangle((0.55, 0.3), (0.55, 0.7), (0.8, 0.5)))),
    ((90, 150, 230), (40, 90, 190), union(box(0.28, 0.22, 0.72, 0.3), box(0.28, 0.42, 0.72, 0.5),
                                          box(0.28, 0.62, 0.72, 0.7))),
    ((120, 200, 120), (40, 140, 60), union(circle(0.5, 0.27, 0.08), box(0.43, 0.42, 0.57, 0.78))),
]


def strip(path, size, icons):
    tiles = [tile(size, top, bottom, glyph) for top, bottom, glyph in icons]
    write_bmp(path, size * len(tiles), size, lambda x, y: tiles[x // size](x % size, y))


if __name__ == '__main__':
    strip('tree_icons.bmp', 40, TREE)
    strip('menu_icons.bmp', 16, MENU)
