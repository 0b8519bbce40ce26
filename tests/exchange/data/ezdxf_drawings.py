"""Writes DXF files with ezdxf, an independent writer, for every release it writes, ASCII
and binary, and beside each an .expected file: what the writer was asked to write, in the
terms of the drawing that reading it should give, one entity a line, tab-separated.

    ezdxf_drawings.py OUTPUT_FOLDER
"""
import math
import os
import sys

import ezdxf
from ezdxf.enums import TextEntityAlignment

RELEASES = ["R12", "R2000", "R2004", "R2007", "R2010", "R2013", "R2018"]
# The releases before 2007 name their code page; later ones are UTF-8.
CODE_PAGE = "ANSI_1251"


def fmt(value):
    return repr(float(value)) if isinstance(value, (int, float)) else str(value)


class Expect:
    def __init__(self):
        self.lines = []

    def add(self, kind, *fields):
        self.lines.append("\t".join([kind] + [fmt(f) for f in fields]))


def arc_points(cx, cy, r, start, end):
    s, e = math.radians(start), math.radians(end)
    return (cx + r * math.cos(s), cy + r * math.sin(s), cx + r * math.cos(e), cy + r * math.sin(e))


def tables(doc, x, release):
    doc.linetypes.add("DASHED2", [0.75, 0.5, -0.25], description="Dashed __ __")
    x.add("LTYPE", "DASHED2", 0.5, -0.25)
    walls = doc.layers.add("Walls", color=1, linetype="DASHED2", lineweight=35)
    x.add("LAYER", "Walls", 1, "DASHED2", 0.35 if release != "R12" else -3.0, 0)
    doc.layers.add("Frozen", color=2).freeze()
    x.add("LAYER", "Frozen", 2, "Continuous", -3.0, 1)
    doc.layers.add("Locked", color=3).lock()
    x.add("LAYER", "Locked", 3, "Continuous", -3.0, 4)
    doc.layers.add("Off", color=4).off()
    x.add("LAYER", "Off", -4, "Continuous", -3.0, 0)
    doc.layers.add("\u0421\u043b\u043e\u0439", color=5)
    x.add("LAYER", "\u0421\u043b\u043e\u0439", 5, "Continuous", -3.0, 0)
    doc.styles.new("Roman", dxfattribs={"font": "romans.shx", "width": 0.8})
    x.add("STYLE", "Roman", "SIMPLEX", 0.8)
    doc.styles.new("Sans", dxfattribs={"font": "arial.ttf"})
    x.add("STYLE", "Sans", "TXT", 1.0)
    # The header takes the limits from the model space layout when saving.
    doc.modelspace().dxf.limmin = (-10, -20)
    doc.modelspace().dxf.limmax = (300, 200)
    doc.header["$LIMMIN"] = (-10, -20)
    doc.header["$LIMMAX"] = (300, 200)
    x.add("LIMITS", -10, -20, 300, 200)
    doc.header["$CLAYER"] = "Walls"
    x.add("CLAYER", "Walls")
    return walls


def blocks(doc, x):
    knob = doc.blocks.new("Knob", base_point=(0, 0))
    knob.add_circle((0, 0), 0.25)
    door = doc.blocks.new("Door", base_point=(1, 1))
    door.add_line((1, 1), (2, 2))
    door.add_circle((1.5, 1.5), 0.5)
    door.add_blockref("Knob", (1.8, 1.2))
    x.add("BLOCK", "Knob", 0, 0, 1)
    x.add("BLOCK", "Door", 1, 1, 3)


def basic(msp, x, release):
    msp.add_line((0, 0), (10, 5), dxfattribs={"layer": "Walls"})
    x.add("LINE", "Walls", 256, 0, 0, 10, 5)
    attribs = {"color": 3, "linetype": "Continuous"}
    if release != "R12":
        attribs["lineweight"] = 50
    msp.add_line((1, 1), (2, 3), dxfattribs=attribs)
    x.add("LINE", "0", 3, 1, 1, 2, 3)
    msp.add_point((4, 4.5), dxfattribs={"color": 7})
    x.add("POINT", "0", 7, 4, 4.5)
    msp.add_circle((5, 5), 2)
    x.add("CIRCLE", "0", 256, 5, 5, 2, 1, 0)
    msp.add_arc((0, 0), 3, 30, 120)
    x.add("ARC", "0", 256, 0, 0, 3, *arc_points(0, 0, 3, 30, 120), math.radians(90))
    msp.add_arc((1, 1), 2, 45, 405)
    x.add("ARC", "0", 256, 1, 1, 2, *arc_points(1, 1, 2, 45, 45), 2 * math.pi)
    # Written in a mirrored object coordinate system: x is negated, arcs turn the other way.
    msp.add_circle((5, 1), 1.5, dxfattribs={"extrusion": (0, 0, -1)})
    x.add("CIRCLE", "0", 256, -5, 1, 1.5, 1, 0)
    msp.add_arc((2, 3), 1, 30, 90, dxfattribs={"extrusion": (0, 0, -1)})
    x.add("ARC", "0", 256, -2, 3, 1, *arc_points(-2, 3, 1, 90, 150), math.radians(60))
    solid = msp.add_solid([(0, 0), (4, 0), (0, 2), (4, 2)])
    x.add("SOLID", "0", 256, 0, 0, 4, 0, 4, 2, 0, 2)
    msp.add_trace([(10, 0), (14, 0), (10, 1), (14, 1)], dxfattribs={"color": 1})
    x.add("TRACE", "0", 1, 10, 0, 14, 0, 14, 1, 10, 1)
    msp.add_solid([(0, 0), (1, 0), (0, 1)], dxfattribs={"extrusion": (0, 0, -1)})
    x.add("SOLID", "0", 256, 0, 0, -1, 0, 0, 1, 0, 1)
    del solid
    if release != "R12":
        msp.add_ellipse((1, 2), major_axis=(3, 0), ratio=0.5, start_param=0,
                        end_param=math.pi / 2)
        x.add("ELLIPSE", "0", 256, 1, 2, 3, 0.5, 4, 2, 1, 3.5)
        msp.add_ellipse((0, 0), major_axis=(0, 2), ratio=0.25)
        x.add("CIRCLE", "0", 256, 0, 0, 2, 0.25, math.pi / 2)


def texts(msp, x):
    msp.add_text("Hello", dxfattribs={"height": 2.5, "rotation": 30, "style": "Roman"}) \
        .set_placement((1, 1))
    x.add("TEXT", "0", 256, "Hello", 1, 1, 2.5, math.radians(30), 0, 0, "Roman", 0.8)
    msp.add_text("Right", dxfattribs={"height": 1}).set_placement(
        (10, 0), align=TextEntityAlignment.RIGHT)
    x.add("TEXT", "0", 256, "Right", 10, 0, 1, 0, 2, 0, "Standard", 1)
    msp.add_text("Mid", dxfattribs={"height": 2}).set_placement(
        (5, 5), align=TextEntityAlignment.MIDDLE_CENTER)
    x.add("TEXT", "0", 256, "Mid", 5, 4, 2, 0, 1, 0, "Standard", 1)
    msp.add_text("Top", dxfattribs={"height": 2}).set_placement(
        (0, 10), align=TextEntityAlignment.TOP_LEFT)
    x.add("TEXT", "0", 256, "Top", 0, 8, 2, 0, 0, 0, "Standard", 1)
    msp.add_text("Mirror", dxfattribs={"height": 1, "extrusion": (0, 0, -1), "rotation": 10}) \
        .set_placement((3, 3))
    x.add("TEXT", "0", 256, "Mirror", -3, 3, 1, math.radians(-10), 0, 2, "Standard", 1)
    msp.add_text("%%c10 \u041f\u0440\u0438\u0432\u0435\u0442", dxfattribs={"height": 1}) \
        .set_placement((0, -5))
    x.add("TEXT", "0", 256, "\u230010 \u041f\u0440\u0438\u0432\u0435\u0442", 0, -5, 1, 0, 0, 0,
          "Standard", 1)
    msp.add_text("Fit", dxfattribs={"height": 1}).set_placement(
        (0, -10), (8, -4), align=TextEntityAlignment.ALIGNED)
    # The height of aligned text depends on the font's width; '*' is not compared.
    x.add("TEXT", "0", 256, "Fit", 0, -10, "*", math.atan2(6, 8), 0, 0, "Standard", 1)


def mtexts(msp, x, release):
    if release == "R12":
        return
    msp.add_mtext("First\\PSecond", dxfattribs={"insert": (0, 20), "char_height": 1,
                                                  "attachment_point": 1})
    x.add("TEXT", "0", 256, "First", 0, 19, 1, 0, 0, 0, "Standard", 1)
    x.add("TEXT", "0", 256, "Second", 0, 19 - 5 / 3, 1, 0, 0, 0, "Standard", 1)
    msp.add_mtext("{\\fArial|b1;Bold} \\C1;red\\Pnext \\S1/2;", dxfattribs={
        "insert": (10, 20), "char_height": 2, "attachment_point": 9})
    # Bottom right: the last line's baseline at the insertion point.
    x.add("TEXT", "0", 256, "Bold red", 10, 20 + 2 * 5 / 3, 2, 0, 2, 0, "Standard", 1)
    x.add("TEXT", "0", 256, "next 1/2", 10, 20, 2, 0, 2, 0, "Standard", 1)


def references(msp, x):
    ref = msp.add_blockref("Door", (20, 20), dxfattribs={"xscale": 2, "yscale": 3,
                                                           "rotation": 45})
    ref.add_attrib("TAG", "value", (21, 21), dxfattribs={"height": 1})
    x.add("INSERT", "0", 256, "Door", 20, 20, 2, 3, math.radians(45), 1)
    x.add("ATTRIB", "value", 21, 21, 1)
    msp.add_blockref("Knob", (3, 4), dxfattribs={"extrusion": (0, 0, -1), "rotation": 30})
    x.add("INSERT", "0", 256, "Knob", -3, 4, -1, 1, math.radians(-30), 0)


def polylines(msp, x, release):
    poly = msp.add_polyline2d([(0, 0), (4, 0), (4, 3)], dxfattribs={"closed": True})
    for vertex, (sw, ew, bulge) in zip(poly.vertices, [(0.1, 0.2, 0.5), (0, 0, 0),
                                                       (0.3, 0.3, -1)]):
        vertex.dxf.start_width = sw
        vertex.dxf.end_width = ew
        vertex.dxf.bulge = bulge
    x.add("POLYLINE", "0", 256, 1, 3, 0, 0, 0.1, 0.2, 0.5, 0, 4, 0, 0, 0, 0, 0, 4, 3, 0.3, 0.3,
          -1, 0)
    fit = msp.add_polyline2d([(0, 0), (2, 4), (4, 0), (6, 4)])
    fit.dxf.flags = 4
    fit.dxf.smooth_type = 6
    for vertex in fit.vertices:
        vertex.dxf.flags = 16
    x.add("POLYLINE", "0", 256, 4, 4, 0, 0, 0, 0, 0, 16, 2, 4, 0, 0, 0, 16, 4, 0, 0, 0, 0, 16,
          6, 4, 0, 0, 0, 16)
    mirrored = msp.add_polyline2d([(1, 0), (2, 1)], dxfattribs={"extrusion": (0, 0, -1)})
    mirrored.vertices[0].dxf.bulge = 0.25
    x.add("POLYLINE", "0", 256, 0, 2, -1, 0, 0, 0, -0.25, 0, -2, 1, 0, 0, 0, 0)
    if release == "R12":
        return
    msp.add_lwpolyline([(0, 0, 0.1, 0.2, 0.5), (5, 0, 0, 0, -1), (5, 5, 0.3, 0.3, 0)],
                       format="xyseb", close=True)
    x.add("POLYLINE", "0", 256, 1, 3, 0, 0, 0.1, 0.2, 0.5, 0, 5, 0, 0, 0, -1, 0, 5, 5, 0.3,
          0.3, 0, 0)
    msp.add_lwpolyline([(0, 0), (1, 1), (2, 0)], dxfattribs={"const_width": 0.5})
    x.add("POLYLINE", "0", 256, 0, 3, 0, 0, 0.5, 0.5, 0, 0, 1, 1, 0.5, 0.5, 0, 0, 2, 0, 0.5,
          0.5, 0, 0)


def annotations(msp, x, release):
    if release == "R12":
        return
    dim = msp.add_linear_dim(base=(0, 3), p1=(0, 0), p2=(5, 0))
    dim.render()
    x.add("INSERT", "0", 256, dim.dimension.dxf.geometry, 0, 0, 1, 1, 0, 0)
    msp.add_leader([(0, 0), (2, 2), (4, 2)])
    x.add("POLYLINE", "0", 256, 0, 3, 0, 0, 0, 0, 0, 0, 2, 2, 0, 0, 0, 0, 4, 2, 0, 0, 0, 0)


def colors(msp, x, release):
    if release in ("R12", "R2000"):
        return
    line = msp.add_line((0, 0), (1, 0))
    line.rgb = (255, 0, 0)
    x.add("LINE", "0", 1, 0, 0, 1, 0)
    line = msp.add_line((0, 1), (1, 1))
    line.rgb = (0, 0, 250)
    x.add("LINE", "0", 5, 0, 1, 1, 1)


def skipped(doc, msp, x, release):
    msp.add_3dface([(0, 0, 0), (1, 0, 0), (1, 1, 1)])
    x.add("SKIP", "3DFACE", 1)
    paper = doc.layout()
    paper.add_line((0, 0), (1, 1))
    paper.add_circle((0, 0), 1)
    x.add("SKIP", "in paper space", 2)
    if release == "R12":
        return
    msp.add_spline([(0, 0), (1, 1), (2, 0), (3, 1)])
    x.add("SKIP", "SPLINE", 1)
    hatch = msp.add_hatch(color=2)
    hatch.paths.add_polyline_path([(0, 0), (1, 0), (1, 1)], is_closed=True)
    x.add("SKIP", "HATCH", 1)


def write(folder, release, binary):
    doc = ezdxf.new(release)
    if release in ("R12", "R2000", "R2004"):
        doc.header["$DWGCODEPAGE"] = CODE_PAGE
    x = Expect()
    tables(doc, x, release)
    blocks(doc, x)
    msp = doc.modelspace()
    basic(msp, x, release)
    texts(msp, x)
    mtexts(msp, x, release)
    references(msp, x)
    polylines(msp, x, release)
    annotations(msp, x, release)
    colors(msp, x, release)
    skipped(doc, msp, x, release)
    name = "%s_%s" % (release, "binary" if binary else "ascii")
    path = os.path.join(folder, name + ".dxf")
    doc.saveas(path, fmt="bin" if binary else "asc")
    with open(os.path.join(folder, name + ".expected"), "w", encoding="utf-8") as out:
        out.write("\n".join(x.lines) + "\n")


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    for release in RELEASES:
        for binary in (False, True):
            write(folder, release, binary)


if __name__ == "__main__":
    main()
