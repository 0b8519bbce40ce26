#!/usr/bin/env python3
"""Converts an 8-bit palette BMP (as the bitmap export writes it) into a palette PNG without
loss, with nothing but the standard library: pictures for the documentation stay small and
need no image package to make.

Usage: bmp_to_png.py picture.bmp picture.png
"""
import struct
import sys
import zlib


def read_bmp(data):
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    pixel_offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    if bits != 8:
        raise ValueError("only 8-bit palette pictures are handled")
    colours = struct.unpack_from("<I", data, 46)[0] or 256
    palette_at = 14 + header_size
    palette = []
    for i in range(colours):
        blue, green, red, _ = data[palette_at + 4 * i:palette_at + 4 * i + 4]
        palette.append((red, green, blue))
    stride = (width + 3) // 4 * 4
    rows = []
    for row in range(abs(height)):
        # Rows are stored bottom-up unless the height is negative.
        stored = abs(height) - 1 - row if height > 0 else row
        start = pixel_offset + stored * stride
        rows.append(data[start:start + width])
    return width, abs(height), palette, rows


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def write_png(width, height, palette, rows):
    header = struct.pack(">IIBBBBB", width, height, 8, 3, 0, 0, 0)
    plte = b"".join(bytes(colour) for colour in palette)
    raw = b"".join(b"\x00" + bytes(row) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"PLTE", plte) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as source:
        width, height, palette, rows = read_bmp(source.read())
    with open(sys.argv[2], "wb") as target:
        target.write(write_png(width, height, palette, rows))


if __name__ == "__main__":
    main()
