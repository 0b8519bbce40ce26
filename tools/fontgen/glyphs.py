"""Glyphs in Hershey units while a face is built.

Hershey coordinates run x to the right and y downwards, with the baseline at y = 9 and the
capitals 21 units tall (y = -12 to 9). Arcs are kept with their centre in Hershey
coordinates, but their angles counter-clockwise with y upwards, as the font file has them.
"""

from dataclasses import dataclass, field
import math

BASELINE = 9
CAP_TOP = -12
X_HEIGHT_TOP = -5
DESCENDER = 16
CAP_HEIGHT = BASELINE - CAP_TOP


@dataclass
class Glyph:
    left: float
    right: float
    strokes: list = field(default_factory=list)  # polylines: lists of (x, y)
    arcs: list = field(default_factory=list)  # (cx, cy, r, a1, a2)

    def copy(self):
        return Glyph(self.left, self.right, [list(s) for s in self.strokes], list(self.arcs))

    def points(self):
        for stroke in self.strokes:
            yield from stroke
        for cx, cy, r, _, _ in self.arcs:
            yield (cx - r, cy - r)
            yield (cx + r, cy + r)

    def ink(self):
        """(xmin, ymin, xmax, ymax) of the ink; arcs count as whole circles."""
        pts = list(self.points())
        if not pts:
            return (0, 0, 0, 0)
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        return (min(xs), min(ys), max(xs), max(ys))

    def centre_x(self):
        xmin, _, xmax, _ = self.ink()
        return (xmin + xmax) / 2


def translated(glyph, dx, dy):
    out = Glyph(glyph.left + dx, glyph.right + dx)
    out.strokes = [[(x + dx, y + dy) for x, y in s] for s in glyph.strokes]
    out.arcs = [(cx + dx, cy + dy, r, a1, a2) for cx, cy, r, a1, a2 in glyph.arcs]
    return out


def scaled(glyph, factor, origin_x, origin_y):
    out = Glyph(origin_x + (glyph.left - origin_x) * factor, origin_x + (glyph.right - origin_x) * factor)
    out.strokes = [[(origin_x + (x - origin_x) * factor, origin_y + (y - origin_y) * factor) for x, y in s]
                   for s in glyph.strokes]
    out.arcs = [(origin_x + (cx - origin_x) * factor, origin_y + (cy - origin_y) * factor, r * factor, a1, a2)
                for cx, cy, r, a1, a2 in glyph.arcs]
    return out


def turned_half(glyph, centre_y):
    """Turned by 180 degrees about (centre of the advance, centre_y): for the inverted marks."""
    cx = (glyph.left + glyph.right) / 2
    out = Glyph(glyph.left, glyph.right)
    out.strokes = [[(2 * cx - x, 2 * centre_y - y) for x, y in s] for s in glyph.strokes]
    out.arcs = [(2 * cx - ax, 2 * centre_y - ay, r, a1 + math.pi, a2 + math.pi) for ax, ay, r, a1, a2 in glyph.arcs]
    return out


def merged(base, *extras, left=None, right=None):
    out = base.copy()
    for extra in extras:
        out.strokes += [list(s) for s in extra.strokes]
        out.arcs += list(extra.arcs)
    if left is not None:
        out.left = left
    if right is not None:
        out.right = right
    return out


def circle(cx, cy, r):
    """A whole circle as two half arcs: one arc from 0 to 2π would fold to nothing."""
    return [(cx, cy, r, 0.0, math.pi), (cx, cy, r, math.pi, 2 * math.pi)]


def diamond(x, y, size=1):
    """The small closed polygon Hershey draws for a dot."""
    return [(x, y - size), (x - size, y), (x, y + size), (x + size, y), (x, y - size)]


def doubled(strokes, dx, dy=0):
    """Strokes drawn twice, the copy moved by (dx, dy), for faces whose strokes are doubled."""
    if not dx and not dy:
        return strokes
    return strokes + [[(x + dx, y + dy) for x, y in s] for s in strokes]
