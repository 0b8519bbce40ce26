"""Writer of KorvoCAD stroke font files (.kcdfnt).

Layout, all little-endian, floats 32-bit IEEE:
  0       u16  glyph count N
  2       f32  line spacing factor
  6       glyph records (sequential form) or records and index (indexed form)
  end-8   u32  index offset
  end-4   u32  form marker: 0xFFFFFFFF indexed, anything else sequential
A glyph record: u16 code, f32 advance, f32 (not used, written 0), u16 L, L line strokes
{x1 y1 x2 y2}, u16 A, A arc strokes {cx cy r a1 a2}. The sequential form has the N records
from offset 6 and then a description line; the indexed form has at the index offset a u16
count, then {u16 code, u32 record offset} per glyph, then the description line.
"""

import struct

from glyphs import BASELINE, CAP_HEIGHT

INDEXED = 0xFFFFFFFF
SEQUENTIAL = 0


def font_units(glyph):
    """(advance, lines, arcs) in font units: cap height 1, baseline at y = 0, the glyph's left
    margin at x = 0."""
    def x(v):
        return (v - glyph.left) / CAP_HEIGHT

    def y(v):
        return (BASELINE - v) / CAP_HEIGHT

    lines = []
    for stroke in glyph.strokes:
        for (x1, y1), (x2, y2) in zip(stroke, stroke[1:]):
            if (x1, y1) != (x2, y2):
                lines.append((x(x1), y(y1), x(x2), y(y2)))
    arcs = [(x(cx), y(cy), r / CAP_HEIGHT, a1, a2) for cx, cy, r, a1, a2 in glyph.arcs]
    return (glyph.right - glyph.left) / CAP_HEIGHT, lines, arcs


def record(code, glyph):
    advance, lines, arcs = font_units(glyph)
    if len(lines) > 0xFFFF or len(arcs) > 0xFFFF:
        raise ValueError(f'glyph U+{code:04X} has too many strokes')
    out = bytearray(struct.pack('<Hff', code, advance, 0.0))
    out += struct.pack('<H', len(lines))
    for line in lines:
        out += struct.pack('<4f', *line)
    out += struct.pack('<H', len(arcs))
    for arc in arcs:
        out += struct.pack('<5f', *arc)
    return bytes(out)


def font_file(glyphs, description, indexed, line_spacing=1.6666666):
    """The bytes of a font holding `glyphs` (code -> glyph), in code order."""
    codes = sorted(glyphs)
    if len(codes) > 0xFFFF:
        raise ValueError('too many glyphs')
    out = bytearray(struct.pack('<Hf', len(codes), line_spacing))
    offsets = []
    for code in codes:
        offsets.append(len(out))
        out += record(code, glyphs[code])
    line = description.encode('latin-1') + b'\r\n'
    if indexed:
        index_offset = len(out)
        out += struct.pack('<H', len(codes))
        for code, offset in zip(codes, offsets):
            out += struct.pack('<HI', code, offset)
        out += line
        out += struct.pack('<II', index_offset, INDEXED)
    else:
        out += line
        out += struct.pack('<II', 0, SEQUENTIAL)
    return bytes(out)
