"""Reader of Hershey font data in James Hurt's format (.jhf).

Each glyph: a 5-character number, a 3-character count of coordinate pairs (the first pair
being the left and right margins), then the pairs, each coordinate a character whose
distance from 'R' is the value; " R" lifts the pen. A glyph may continue on further lines.
The glyphs of a file stand for the characters from the space on, one after another.
"""

from glyphs import Glyph


def _value(c):
    return ord(c) - ord('R')


def parse_glyph(data):
    left, right = _value(data[0]), _value(data[1])
    strokes, current = [], []
    for i in range(2, len(data) - 1, 2):
        pair = data[i:i + 2]
        if pair == ' R':
            if current:
                strokes.append(current)
            current = []
        else:
            current.append((_value(pair[0]), _value(pair[1])))
    if current:
        strokes.append(current)
    return Glyph(left, right, [s for s in strokes if len(s) > 1])


def read_jhf(path):
    """The glyphs of a .jhf file, in file order."""
    glyphs = []
    with open(path, encoding='ascii') as f:
        lines = [line.rstrip('\r\n') for line in f]
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.strip():
            continue
        count = int(line[5:8])
        data = line[8:]
        while len(data) < 2 * count and i < len(lines):
            data += lines[i]
            i += 1
        if len(data) < 2 * count:
            raise ValueError(f'{path}: glyph {line[:5].strip()} is cut short')
        glyphs.append(parse_glyph(data[:2 * count]))
    return glyphs


def ascii_glyphs(path):
    """Character code -> glyph for a file laid out from the space on."""
    return {0x20 + i: g for i, g in enumerate(read_jhf(path))}
