#!/usr/bin/python3
"""Draws every glyph of a .kcdfnt file into a PNG sheet, to look at a generated face.

Usage: /usr/bin/python3 tools/fontgen/preview.py FONT.kcdfnt OUT.png
Reads the file on its own (both forms), independently of the generator. Needs python3-pil.
"""

import math
import struct
import sys

from PIL import Image, ImageDraw


def read_font(data):
    """Code -> (advance, lines, arcs)."""
    def record(offset):
        code, advance, _, count = struct.unpack_from('<HffH', data, offset)
        offset += 12
        lines = [struct.unpack_from('<4f', data, offset + 16 * i) for i in range(count)]
        offset += 16 * count
        (arc_count,) = struct.unpack_from('<H', data, offset)
        offset += 2
        arcs = [struct.unpack_from('<5f', data, offset + 20 * i) for i in range(arc_count)]
        return code, (advance, lines, arcs), offset + 20 * arc_count

    glyphs = {}
    index_offset, form = struct.unpack_from('<II', data, len(data) - 8)
    if form == 0xFFFFFFFF:
        (count,) = struct.unpack_from('<H', data, index_offset)
        for i in range(count):
            code, offset = struct.unpack_from('<HI', data, index_offset + 2 + 6 * i)
            glyphs[code] = record(offset)[1]
    else:
        (count,) = struct.unpack_from('<H', data, 0)
        offset = 6
        for _ in range(count):
            code, glyph, offset = record(offset)
            glyphs.setdefault(code, glyph)
    return glyphs


def main():
    with open(sys.argv[1], 'rb') as f:
        glyphs = read_font(f.read())
    cell, scale, columns = 64, 32, 16
    rows = (len(glyphs) + columns - 1) // columns
    image = Image.new('L', (columns * cell, rows * cell), 255)
    draw = ImageDraw.Draw(image)
    for n, code in enumerate(sorted(glyphs)):
        advance, lines, arcs = glyphs[code]
        ox, oy = (n % columns) * cell + 12, (n // columns) * cell + cell - 20

        def at(x, y):
            return (ox + x * scale, oy - y * scale)
        draw.line([at(0, 0), at(advance, 0)], fill=200)
        draw.line([at(0, 1), at(advance, 1)], fill=230)
        for x1, y1, x2, y2 in lines:
            draw.line([at(x1, y1), at(x2, y2)], fill=0)
        for cx, cy, r, a1, a2 in arcs:
            if a2 < a1:
                a2 += 2 * math.pi
            steps = 24
            pts = [at(cx + r * math.cos(a1 + (a2 - a1) * i / steps), cy + r * math.sin(a1 + (a2 - a1) * i / steps))
                   for i in range(steps + 1)]
            draw.line(pts, fill=0)
        draw.text(((n % columns) * cell + 2, (n // columns) * cell + 1), f'{code:04X}', fill=120)
    image.save(sys.argv[2])


if __name__ == '__main__':
    main()
