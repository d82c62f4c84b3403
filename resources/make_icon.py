#!/usr/bin/env python3
"""Draws Tintora's application icon: a six-colour wheel around the active colour on a dark
rounded square. Writes the scalable SVG, the PNG sizes desktops ask for and the Windows icon, from one geometry.

Run it after changing the icon: python3 resources/make_icon.py
"""
import math
import os
import struct
import zlib

SIZE = 256
BACKGROUND = (0x2B, 0x2F, 0x36)
SECTORS = [(0xE5, 0x39, 0x35), (0xFD, 0xD8, 0x35), (0x43, 0xA0, 0x47),
           (0x00, 0xAC, 0xC1), (0x1E, 0x88, 0xE5), (0x8E, 0x24, 0xAA)]  # clockwise from twelve
RIM, WHEEL, RING, CORE = 12, 92, 40, 26  # square inset and corner, wheel, white ring, centre
CORNER = 44
RING_COLOUR = (0xF5, 0xF5, 0xF5)
CORE_COLOUR = (0xE6, 0x78, 0x00)
PNG_SIZES = [16, 32, 48, 64, 128, 256]


def colour_at(x, y):
    """The icon's colour at a point of the 256 x 256 design, or None outside it."""
    lo, hi = RIM, SIZE - RIM
    if not (lo <= x <= hi and lo <= y <= hi):
        return None
    cx = min(max(x, lo + CORNER), hi - CORNER)
    cy = min(max(y, lo + CORNER), hi - CORNER)
    if (x - cx) ** 2 + (y - cy) ** 2 > CORNER ** 2:
        return None
    dx, dy = x - SIZE / 2, y - SIZE / 2
    r = math.hypot(dx, dy)
    if r <= CORE:
        return CORE_COLOUR
    if r <= RING:
        return RING_COLOUR
    if r <= WHEEL:
        angle = math.degrees(math.atan2(dx, -dy)) % 360  # clockwise from twelve o'clock
        return SECTORS[int(angle // 60) % 6]
    return BACKGROUND


def raster(size, samples=4):
    rows = []
    scale = SIZE / size
    for py in range(size):
        row = bytearray(b"\x00")
        for px in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) * scale, (py + (sy + 0.5) / samples) * scale)
                    if c:
                        acc[0] += c[0]
                        acc[1] += c[1]
                        acc[2] += c[2]
                        acc[3] += 1
            n = samples * samples
            if acc[3]:
                row += bytes([acc[0] // acc[3], acc[1] // acc[3], acc[2] // acc[3], 255 * acc[3] // n])
            else:
                row += b"\x00\x00\x00\x00"
        rows.append(bytes(row))
    return rows


def png(size):
    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    data = zlib.compress(b"".join(raster(size)), 9)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", data) + chunk(b"IEND", b"")


def hex_colour(c):
    return "#%02x%02x%02x" % c


def svg():
    parts = ['<?xml version="1.0" encoding="UTF-8"?>',
             '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % ((SIZE,) * 4),
             '  <title>Tintora</title>',
             '  <rect x="%d" y="%d" width="%d" height="%d" rx="%d" fill="%s"/>'
             % (RIM, RIM, SIZE - 2 * RIM, SIZE - 2 * RIM, CORNER, hex_colour(BACKGROUND)),
             '  <g transform="translate(%d %d)">' % (SIZE // 2, SIZE // 2)]
    for k, c in enumerate(SECTORS):
        a1, a2 = math.radians(60 * k), math.radians(60 * (k + 1))
        x1, y1 = WHEEL * math.sin(a1), -WHEEL * math.cos(a1)
        x2, y2 = WHEEL * math.sin(a2), -WHEEL * math.cos(a2)
        parts.append('    <path d="M0 0 L%.2f %.2f A%d %d 0 0 1 %.2f %.2f Z" fill="%s"/>'
                     % (x1, y1, WHEEL, WHEEL, x2, y2, hex_colour(c)))
    parts += ['    <circle r="%d" fill="%s"/>' % (RING, hex_colour(RING_COLOUR)),
              '    <circle r="%d" fill="%s"/>' % (CORE, hex_colour(CORE_COLOUR)),
              '  </g>', '</svg>', '']
    return "\n".join(parts)


def ico(pngs):
    """A Windows icon holding the PNG pictures as they are (Windows Vista and later read them)."""
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries, data = b"", b""
    for size, picture in pngs:
        edge = 0 if size >= 256 else size  # 0 means 256
        entries += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(picture), offset + len(data))
        data += picture
    return header + entries + data


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "icons")
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(out, "org.tintora.Tintora.svg"), "w") as f:
        f.write(svg())
    pictures = []
    for size in PNG_SIZES:
        pictures.append((size, png(size)))
        with open(os.path.join(out, "org.tintora.Tintora-%d.png" % size), "wb") as f:
            f.write(pictures[-1][1])
    os.makedirs(os.path.join(here, "windows"), exist_ok=True)
    with open(os.path.join(here, "windows", "tintora.ico"), "wb") as f:
        f.write(ico(pictures))


if __name__ == "__main__":
    main()
