"""Characters beyond ASCII, composed from a face's own glyphs and a few added strokes:
the letters of Latin-1 (base letter plus accent), some Latin-1 signs and the drafting
symbols (degree, plus-minus, diameter).

`weight` is the offset at which a face with doubled strokes draws every added stroke a
second time (0 for single strokes).
"""

import math

from glyphs import (BASELINE, CAP_TOP, DESCENDER, X_HEIGHT_TOP, Glyph, circle, diamond, doubled, merged,
                    scaled, translated, turned_half)

# Accents, x about the letter's ink centre, y upwards negative from the accent's lowest point.
GRAVE = [[(1.5, 0), (-1.5, -4)]]
ACUTE = [[(-1.5, 0), (1.5, -4)]]
CIRCUMFLEX = [[(-3, 0), (0, -3), (3, 0)]]
TILDE = [[(-4, -1), (-3, -2.5), (-2, -3), (-1, -2.5), (1, -0.5), (2, 0), (3, -0.5), (4, -2)]]
DIAERESIS = [diamond(-2.5, -1), diamond(2.5, -1)]
RING_ARCS = circle(0, -2, 2)
# Hangs from the letter's lowest point.
CEDILLA = [[(0, 0), (0, 2), (2, 3), (2, 4.5), (0, 5.5), (-2, 5.5)]]
MACRON = [[(-3, 0), (3, 0)]]

ACCENTED = {
    # code: (base letter, accent)
    0xC0: ('A', 'grave'), 0xC1: ('A', 'acute'), 0xC2: ('A', 'circumflex'), 0xC3: ('A', 'tilde'),
    0xC4: ('A', 'diaeresis'), 0xC5: ('A', 'ring'), 0xC7: ('C', 'cedilla'),
    0xC8: ('E', 'grave'), 0xC9: ('E', 'acute'), 0xCA: ('E', 'circumflex'), 0xCB: ('E', 'diaeresis'),
    0xCC: ('I', 'grave'), 0xCD: ('I', 'acute'), 0xCE: ('I', 'circumflex'), 0xCF: ('I', 'diaeresis'),
    0xD1: ('N', 'tilde'),
    0xD2: ('O', 'grave'), 0xD3: ('O', 'acute'), 0xD4: ('O', 'circumflex'), 0xD5: ('O', 'tilde'),
    0xD6: ('O', 'diaeresis'),
    0xD9: ('U', 'grave'), 0xDA: ('U', 'acute'), 0xDB: ('U', 'circumflex'), 0xDC: ('U', 'diaeresis'),
    0xDD: ('Y', 'acute'),
    0xE0: ('a', 'grave'), 0xE1: ('a', 'acute'), 0xE2: ('a', 'circumflex'), 0xE3: ('a', 'tilde'),
    0xE4: ('a', 'diaeresis'), 0xE5: ('a', 'ring'), 0xE7: ('c', 'cedilla'),
    0xE8: ('e', 'grave'), 0xE9: ('e', 'acute'), 0xEA: ('e', 'circumflex'), 0xEB: ('e', 'diaeresis'),
    0xEC: ('dotless i', 'grave'), 0xED: ('dotless i', 'acute'), 0xEE: ('dotless i', 'circumflex'),
    0xEF: ('dotless i', 'diaeresis'),
    0xF1: ('n', 'tilde'),
    0xF2: ('o', 'grave'), 0xF3: ('o', 'acute'), 0xF4: ('o', 'circumflex'), 0xF5: ('o', 'tilde'),
    0xF6: ('o', 'diaeresis'),
    0xF9: ('u', 'grave'), 0xFA: ('u', 'acute'), 0xFB: ('u', 'circumflex'), 0xFC: ('u', 'diaeresis'),
    0xFD: ('y', 'acute'), 0xFF: ('y', 'diaeresis'),
}


def _accent(glyph, name, weight):
    """The glyph with the accent above it (or the cedilla below it)."""
    xmin, ymin, xmax, ymax = glyph.ink()
    cx = (xmin + xmax) / 2
    if name == 'cedilla':
        strokes = [[(cx + x, ymax + y) for x, y in s] for s in CEDILLA]
        return merged(glyph, Glyph(0, 0, doubled(strokes, weight)))
    bottom = ymin - (1.5 if name == 'ring' else 2)
    if name == 'ring':
        return merged(glyph, Glyph(0, 0, [], [(cx + x, bottom + y, r, a1, a2) for x, y, r, a1, a2 in RING_ARCS]))
    shape = {'grave': GRAVE, 'acute': ACUTE, 'circumflex': CIRCUMFLEX, 'tilde': TILDE,
             'diaeresis': DIAERESIS}[name]
    strokes = [[(cx + x, bottom + y) for x, y in s] for s in shape]
    return merged(glyph, Glyph(0, 0, doubled(strokes, weight)))


def _dotless_i(i):
    """'i' without its dot: the strokes that lie wholly above the x-height go."""
    out = i.copy()
    out.strokes = [s for s in i.strokes if max(y for _, y in s) > X_HEIGHT_TOP + 1]
    return out


def _stem_strokes(glyph):
    """Strokes of the vertical stem at the glyph's left ink edge."""
    xmin = glyph.ink()[0]
    return [s for s in glyph.strokes if all(x <= xmin + 1.5 for x, _ in s)]


def _slashed(glyph, weight):
    xmin, ymin, xmax, ymax = glyph.ink()
    slash = [[(xmin - 1, ymax + 1), (xmax + 1, ymin - 1)]]
    return merged(glyph, Glyph(0, 0, doubled(slash, weight)))


def _eth_upper(d, weight):
    xmin = d.ink()[0]
    bar = [[(xmin - 3, -1.5), (xmin + 5, -1.5)]]
    return merged(d, Glyph(0, 0, doubled(bar, 0, weight)))


def _thorn_upper(p):
    """The stem of P with its bowl lowered to the middle of the capital."""
    stems = _stem_strokes(p)
    bowl = Glyph(0, 0, [[(x, y + 4.5) for x, y in s] for s in p.strokes if s not in stems])
    return merged(Glyph(p.left, p.right, [list(s) for s in stems]), bowl)


def _thorn_lower(p):
    """p with its stem raised to the ascender."""
    out = p.copy()
    stems = _stem_strokes(p)
    top = min(y for s in stems for _, y in s)
    out.strokes = [[(x, CAP_TOP if (s in stems and y == top) else y) for x, y in s] for s in p.strokes]
    return out


def _eth_lower(o, weight):
    xmin, ymin, xmax, ymax = o.ink()
    cx = (xmin + xmax) / 2
    ascender = [[(xmax, 1), (xmax, -3), (xmax - 1.5, -7), (cx + 1, -10), (cx - 3, -12.5)],
                [(cx - 2, -7), (cx + 4, -11)]]
    return merged(o, Glyph(0, 0, doubled(ascender, weight)))


def _ae_lower(a, e):
    """a and e sharing a's right stem."""
    shift = a.ink()[2] - e.ink()[0]
    e2 = translated(e, shift, 0)
    return merged(a, e2, right=e2.right)


AE_UPPER = [[(-9, 9), (1, -12)], [(1, -12), (1, 9)], [(1, -12), (12, -12)], [(1, -2), (9, -2)], [(1, 9), (12, 9)],
            [(-5.5, 2), (1, 2)]]
SHARP_S = [[(-6, 9), (-6, -6), (-5, -10), (-3, -12), (0, -12), (2, -11), (3, -9), (3, -7), (2, -5), (0, -4),
            (-2, -4)],
           [(0, -4), (3, -3), (5, -1), (6, 1), (6, 4), (5, 6), (3, 8), (0, 9), (-2, 9)]]


def latin1_letters(face, weight=0):
    """Code -> glyph for the Latin-1 letters, made from `face` (code -> glyph for ASCII)."""
    base = {chr(c): g for c, g in face.items() if c < 0x80}
    base['dotless i'] = _dotless_i(base['i'])
    out = {code: _accent(base[letter], accent, weight) for code, (letter, accent) in ACCENTED.items()}
    out[0xC6] = Glyph(-12, 15, doubled(AE_UPPER, weight))
    out[0xD0] = _eth_upper(base['D'], weight)
    out[0xD8] = _slashed(base['O'], weight)
    out[0xDE] = _thorn_upper(base['P'])
    out[0xDF] = Glyph(-9, 9, doubled(SHARP_S, weight))
    out[0xE6] = _ae_lower(base['a'], base['e'])
    out[0xF0] = _eth_lower(base['o'], weight)
    out[0xF8] = _slashed(base['o'], weight)
    out[0xFE] = _thorn_lower(base['p'])
    return out


def latin1_signs(face, weight=0):
    """Some Latin-1 signs: no-break space, inverted marks, guillemets, middle dot, times,
    divide, micro, superior digits and the spacing accents."""
    out = {0xA0: face[0x20].copy()}
    out[0xA1] = turned_half(face[ord('!')], (X_HEIGHT_TOP + BASELINE) / 2 - 5)
    out[0xBF] = turned_half(face[ord('?')], (X_HEIGHT_TOP + BASELINE) / 2 - 5)
    middle = (X_HEIGHT_TOP + BASELINE) / 2
    out[0xAB] = Glyph(-8, 8, doubled([[(-1, middle - 4), (-5, middle), (-1, middle + 4)],
                                      [(4, middle - 4), (0, middle), (4, middle + 4)]], weight))
    out[0xBB] = Glyph(-8, 8, doubled([[(-4, middle - 4), (0, middle), (-4, middle + 4)],
                                      [(1, middle - 4), (5, middle), (1, middle + 4)]], weight))
    out[0xB7] = Glyph(-4, 4, [diamond(0, middle)])
    out[0xD7] = Glyph(-10, 10, doubled([[(-6, -6), (6, 6)], [(6, -6), (-6, 6)]], weight))
    out[0xF7] = Glyph(-12, 12, doubled([[(-8, 0), (8, 0)]], 0, weight) + [diamond(0, -6), diamond(0, 6)])
    u = face[ord('u')]
    stems = _stem_strokes(u)
    stem_x = min(x for s in stems for x, _ in s) if stems else u.ink()[0]
    out[0xB5] = merged(u, Glyph(0, 0, doubled([[(stem_x, X_HEIGHT_TOP), (stem_x, DESCENDER)]], weight)))
    for code, digit in ((0xB9, '1'), (0xB2, '2'), (0xB3, '3')):
        g = face[ord(digit)]
        small = scaled(g, 0.6, g.left, BASELINE)
        out[code] = translated(small, 0, X_HEIGHT_TOP - 1 - BASELINE)
    top = X_HEIGHT_TOP - 2
    for code, shape in ((0xB4, ACUTE), (0xA8, DIAERESIS), (0xAF, MACRON)):
        out[code] = Glyph(-5, 5, doubled([[(x, top + y) for x, y in s] for s in shape], weight))
    out[0xB8] = Glyph(-5, 5, doubled([[(x, BASELINE + y) for x, y in s] for s in CEDILLA], weight))
    out.update(_more_signs(face, weight))
    return out


def _small(glyph, x, bottom, factor=0.55):
    """The glyph scaled down with its left margin at x and its baseline at `bottom`."""
    small = scaled(glyph, factor, glyph.left, BASELINE)
    return translated(small, x - small.left, bottom - BASELINE)


def _fraction(face, numerator, denominator, weight):
    top = _small(face[ord(numerator)], -11, -3)
    bottom = _small(face[ord(denominator)], 0, BASELINE)
    slash = Glyph(0, 0, doubled([[(-8, 11), (8, -14)]], weight))
    return merged(Glyph(-12, bottom.right + 1), top, bottom, slash)


def _ringed(face, letter, weight):
    """A capital inside a circle, as in the copyright and registered signs."""
    inner = _small(face[ord(letter)], 0, 0)
    xmin, ymin, xmax, ymax = inner.ink()
    inner = translated(inner, -(xmin + xmax) / 2, -1.5 - (ymin + ymax) / 2)
    return merged(Glyph(-14, 14, [], circle(0, -1.5, 11)), inner)


def _more_signs(face, weight):
    out = {0xAD: face[ord('-')].copy()}
    middle = (X_HEIGHT_TOP + BASELINE) / 2
    out[0xAC] = Glyph(-11, 11, doubled([[(-8, middle - 2), (8, middle - 2), (8, middle + 3)]], weight))
    out[0xA6] = Glyph(-4, 4, doubled([[(0, -14), (0, -1)], [(0, 4), (0, 16)]], weight))
    c = face[ord('c')]
    cx = c.centre_x()
    out[0xA2] = merged(c, Glyph(0, 0, doubled([[(cx, X_HEIGHT_TOP - 4), (cx, BASELINE + 4)]], weight)))
    y = face[ord('Y')]
    yx = y.centre_x()
    out[0xA5] = merged(y, Glyph(0, 0, doubled([[(yx - 6, 1), (yx + 6, 1)], [(yx - 6, 5), (yx + 6, 5)]], 0, weight)))
    out[0xA9] = _ringed(face, 'C', weight)
    out[0xAE] = _ringed(face, 'R', weight)
    for code, letter in ((0xAA, 'a'), (0xBA, 'o')):
        small = _small(face[ord(letter)], -5, X_HEIGHT_TOP + 1)
        xmin, _, xmax, _ = small.ink()
        bar = Glyph(0, 0, doubled([[(xmin, X_HEIGHT_TOP + 3), (xmax, X_HEIGHT_TOP + 3)]], 0, weight))
        out[code] = merged(small, bar, left=-6, right=small.right + 1)
    out[0xBC] = _fraction(face, '1', '4', weight)
    out[0xBD] = _fraction(face, '1', '2', weight)
    out[0xBE] = _fraction(face, '3', '4', weight)
    ticks = [[(-4, middle - 4), (-6, middle - 6)], [(4, middle - 4), (6, middle - 6)],
             [(-4, middle + 4), (-6, middle + 6)], [(4, middle + 4), (6, middle + 6)]]
    out[0xA4] = Glyph(-9, 9, doubled(ticks, weight), circle(0, middle, 5))
    return out


def drafting_symbols(face, weight=0):
    """Degree, plus-minus and diameter; the circles are arc strokes."""
    out = {}
    out[0xB0] = Glyph(-5, 5, [], circle(0, CAP_TOP + 3, 2.5))
    out[0xB1] = Glyph(-13, 13, doubled([[(0, -9), (0, 3)], [(-9, -3), (9, -3)], [(-9, 9), (9, 9)]], weight))
    diameter = Glyph(-11, 11, doubled([[(-8, 8), (8, -11)]], weight), circle(0, -1.5, 7))
    out[0x2300] = diameter
    return out
