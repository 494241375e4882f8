#!/usr/bin/env python3
"""Draws Velmora's icon (a pointer over a click ring on a blue tile) and
writes res/velmora.ico with 32x32 and 16x16 images, PNGs of 48 and 128
pixels for Linux desktops, and the same drawing as res/velmora.svg."""
import struct
import sys
from pathlib import Path


def draw(size):
    """Returns rows of (r, g, b, a), top row first."""
    s = size / 32.0
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            cx, cy = (x + 0.5) / s, (y + 0.5) / s
            # rounded tile
            inside = True
            for kx, ky in ((4, 4), (28, 4), (4, 28), (28, 28)):
                if (cx < 4 or cx > 28) and (cy < 4 or cy > 28):
                    if (cx - kx) ** 2 + (cy - ky) ** 2 > 16 and abs(cx - kx) <= 4 and abs(cy - ky) <= 4:
                        inside = False
            if not (1 <= cx <= 31 and 1 <= cy <= 31) or not inside:
                row.append((0, 0, 0, 0))
                continue
            colour = (30, 90, 200, 255)
            # click ring around the pointer's tip
            d2 = (cx - 12) ** 2 + (cy - 11) ** 2
            if 36 <= d2 <= 64:
                colour = (255, 210, 60, 255)
            # pointer: a triangle with its tip at (12, 11) and a tail
            px, py = cx - 12, cy - 11
            if 0 <= py <= 14 and 0 <= px <= py * 0.62:
                colour = (255, 255, 255, 255)
            if 9 <= py <= 17 and 3 <= px <= 6 and abs(px - 3 - (py - 9) * 0.3) <= 1.6:
                colour = (255, 255, 255, 255)
            row.append(colour)
        pixels.append(row)
    return pixels


def icon_image(size):
    rows = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
    mask_row_bytes = ((size + 31) // 32) * 4
    and_mask = bytearray()
    for row in reversed(rows):
        bits = bytearray(mask_row_bytes)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += bits
    return header + xor + bytes(and_mask)


def png_image(size):
    """The same drawing as a PNG, for desktops that take no .ico."""
    import zlib
    rows = draw(size)
    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) +
            chunk(b"IEND", b""))


def main(path):
    images = [(32, icon_image(32)), (16, icon_image(16))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    Path(path).write_bytes(out)
    Path(path).with_suffix(".png").write_bytes(png_image(48))
    Path(path).with_name("velmora-128.png").write_bytes(png_image(128))
    Path(path).with_suffix(".svg").write_text(SVG)


# The drawing above as shapes, on the same 32-unit grid.
SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="32" height="32" viewBox="0 0 32 32">
  <rect x="1" y="1" width="30" height="30" rx="4" fill="#1e5ac8"/>
  <circle cx="12" cy="11" r="7" fill="none" stroke="#ffd23c" stroke-width="2"/>
  <polygon points="12,11 12,25 20.68,25" fill="#ffffff"/>
  <polygon points="14.4,20 17.6,20 20,28 16.8,28" fill="#ffffff"/>
</svg>
"""


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else str(Path(__file__).resolve().parent.parent / "res" / "velmora.ico"))
