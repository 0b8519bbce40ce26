#!/usr/bin/env python3
"""Converts a 24-bit BMP (as make_toolbar_images writes it) into an RGB PNG without loss, with
nothing but the standard library.

Usage: bmp24_to_png.py picture.bmp picture.png
"""
import struct
import sys
import zlib


def read_bmp(data):
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    pixel_offset = struct.unpack_from("<I", data, 10)[0]
    _, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    if bits != 24:
        raise ValueError("only 24-bit pictures are handled")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for row in range(abs(height)):
        # Rows are stored bottom-up unless the height is negative.
        stored = abs(height) - 1 - row if height > 0 else row
        start = pixel_offset + stored * stride
        line = bytearray()
        for x in range(width):
            blue, green, red = data[start + 3 * x:start + 3 * x + 3]
            line += bytes((red, green, blue))
        rows.append(bytes(line))
    return width, abs(height), rows


def chunk(kind, body):
    return (struct.pack(">I", len(body)) + kind + body +
            struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))


def write_png(path, width, height, rows):
    raw = b"".join(b"\x00" + row for row in rows)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as source:
        width, height, rows = read_bmp(source.read())
    write_png(sys.argv[2], width, height, rows)


if __name__ == "__main__":
    main()
