#!/usr/bin/env python3
"""Draws the program's two icons and writes them as .ico files (32x32 and 16x16, 32-bit).

A_ICON, the window icon: a surveillance camera on its bracket.
OWL, the About box emblem: an owl, the recorder's watchful mascot.
Run it again after changing a drawing; the .ico files are kept in the repository.
"""
import os
import struct


def blank(n):
    return [[(0, 0, 0, 0)] * n for _ in range(n)]


def fill_ellipse(img, cx, cy, rx, ry, rgba):
    n = len(img)
    for y in range(n):
        for x in range(n):
            dx, dy = (x + 0.5 - cx) / rx, (y + 0.5 - cy) / ry
            if dx * dx + dy * dy <= 1.0:
                img[y][x] = rgba


def fill_poly(img, pts, rgba):
    n = len(img)
    for y in range(n):
        for x in range(n):
            px, py = x + 0.5, y + 0.5
            inside = False
            j = len(pts) - 1
            for i in range(len(pts)):
                xi, yi = pts[i]
                xj, yj = pts[j]
                if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
                    inside = not inside
                j = i
            if inside:
                img[y][x] = rgba


def camera(n):
    s = n / 32.0
    img = blank(n)
    dark, body, light = (40, 44, 52, 255), (150, 160, 175, 255), (215, 222, 232, 255)
    lens, glint = (30, 70, 150, 255), (190, 220, 255, 255)
    fill_poly(img, [(4 * s, 26 * s), (12 * s, 26 * s), (12 * s, 29 * s), (4 * s, 29 * s)], dark)
    fill_poly(img, [(7 * s, 26 * s), (9 * s, 26 * s), (13 * s, 17 * s), (11 * s, 16 * s)], dark)
    fill_poly(img, [(3 * s, 9 * s), (23 * s, 5 * s), (26 * s, 15 * s), (6 * s, 19 * s)], dark)
    fill_poly(img, [(4 * s, 10 * s), (22 * s, 6.5 * s), (24.5 * s, 14 * s), (6.5 * s, 17.5 * s)], body)
    fill_poly(img, [(4 * s, 10 * s), (22 * s, 6.5 * s), (22.5 * s, 8.5 * s), (4.5 * s, 12 * s)], light)
    fill_ellipse(img, 27 * s, 10.5 * s, 4 * s, 5 * s, dark)
    fill_ellipse(img, 27 * s, 10.5 * s, 2.8 * s, 3.8 * s, lens)
    fill_ellipse(img, 26.2 * s, 9.2 * s, 1.0 * s, 1.2 * s, glint)
    fill_ellipse(img, 8 * s, 13 * s, 1.2 * s, 1.2 * s, (200, 30, 30, 255))
    return img


def owl(n):
    s = n / 32.0
    img = blank(n)
    brown, belly, dark = (120, 80, 40, 255), (210, 175, 120, 255), (50, 30, 15, 255)
    fill_poly(img, [(6 * s, 3 * s), (11 * s, 8 * s), (21 * s, 8 * s), (26 * s, 3 * s), (27 * s, 14 * s), (5 * s, 14 * s)], brown)
    fill_ellipse(img, 16 * s, 19 * s, 11 * s, 12 * s, brown)
    fill_ellipse(img, 16 * s, 22 * s, 7 * s, 8 * s, belly)
    for cx in (11, 21):
        fill_ellipse(img, cx * s, 12 * s, 4.6 * s, 4.6 * s, (245, 245, 235, 255))
        fill_ellipse(img, cx * s, 12 * s, 3.0 * s, 3.0 * s, (240, 170, 20, 255))
        fill_ellipse(img, cx * s, 12 * s, 1.6 * s, 1.6 * s, dark)
    fill_poly(img, [(14.5 * s, 15 * s), (17.5 * s, 15 * s), (16 * s, 19 * s)], (230, 150, 30, 255))
    for cx in (13, 16, 19):
        fill_ellipse(img, cx * s, 24 * s, 1.2 * s, 0.8 * s, (150, 110, 60, 255))
    fill_poly(img, [(10 * s, 30 * s), (22 * s, 30 * s), (22 * s, 31 * s), (10 * s, 31 * s)], dark)
    return img


def ico_entry(img):
    n = len(img)
    header = struct.pack('<IiiHHIIiiII', 40, n, n * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b''.join(struct.pack('<BBBB', b, g, r, a)
                      for row in reversed(img) for (r, g, b, a) in row)
    row_bytes = ((n + 31) // 32) * 4
    mask = b''
    for row in reversed(img):
        out = bytearray(row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                out[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(out)
    return header + pixels + mask


def write_ico(path, images):
    blobs = [ico_entry(img) for img in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for img, blob in zip(images, blobs):
        n = len(img)
        out += struct.pack('<BBBBHHII', n, n, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(out + b''.join(blobs))


if __name__ == '__main__':
    here = os.path.dirname(os.path.abspath(__file__))
    write_ico(os.path.join(here, 'a_icon.ico'), [camera(32), camera(16)])
    write_ico(os.path.join(here, 'owl.ico'), [owl(32), owl(16)])
