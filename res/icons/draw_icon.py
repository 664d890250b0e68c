#!/usr/bin/env python3
"""Draws the application icon (32x32 and 16x16) as indexed PNGs.

The pixels use the standard 16-colour palette; one extra palette entry, fully transparent,
plays the part of the icon's transparency mask. Run once; the PNGs are committed.
"""
import math
import struct
import sys
import zlib
from pathlib import Path

PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, RED, GREEN, BLUE, WHITE, CLEAR = 0, 9, 10, 12, 15, 16

# Coil sides as in the stator cross-section: angle in degrees (counter-clockwise from the
# right) and colour. U top and bottom, V upper right and lower left, W upper left and lower right.
COILS = [(90, RED), (270, RED), (30, GREEN), (210, GREEN), (150, BLUE), (330, BLUE)]


def draw(size, ring, coil_radius, disc, centre_dot):
    """ring: (inner, outer) radius of the black circle; disc and centre_dot: radii. Disc centres
    are snapped to pixel corners so that every disc has the same shape."""
    c = size / 2
    pixels = [[CLEAR] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            d = math.hypot(x + 0.5 - c, y + 0.5 - c)
            if ring[0] <= d <= ring[1]:
                pixels[y][x] = BLACK
    for angle, colour in COILS:
        a = math.radians(angle)
        px = round(c + coil_radius * math.cos(a))
        py = round(c - coil_radius * math.sin(a))
        for y in range(size):
            for x in range(size):
                d = math.hypot(x + 0.5 - px, y + 0.5 - py)
                if d <= centre_dot:
                    pixels[y][x] = WHITE
                elif d <= disc:
                    pixels[y][x] = colour
    return pixels


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, pixels):
    size = len(pixels)
    raw = b"".join(b"\0" + bytes(row) for row in pixels)
    palette = b"".join(bytes(rgb) for rgb in PALETTE) + b"\0\0\0"
    alpha = b"\xff" * len(PALETTE) + b"\0"
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 3, 0, 0, 0))
    png += chunk(b"PLTE", palette)
    png += chunk(b"tRNS", alpha)
    png += chunk(b"IDAT", zlib.compress(raw, 9))
    png += chunk(b"IEND", b"")
    Path(path).write_bytes(png)


if __name__ == "__main__":
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).parent)
    write_png(out / "idr_mainframe_32.png", draw(32, (13.6, 15.6), 10.2, 3.2, 1.5))
    write_png(out / "idr_mainframe_16.png", draw(16, (6.2, 7.3), 4.2, 1.9, 0.75))
