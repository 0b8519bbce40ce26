#!/usr/bin/env python3
"""Writes the seed corpus of the DXF reader's fuzz target, fuzz/corpus/dxf, with ezdxf (the
distribution's python3-ezdxf) and by hand:

- every release ezdxf writes, ASCII and binary, holding every kind the reader knows, the
  kinds it skips, a mirrored object coordinate system, nested blocks and attributes;
- for releases 12 and 2018, ASCII and binary, one small file per kind;
- hand-written files: every line ending, blanks, a file of ENTITIES alone, escapes;
- with KORVOCAD_CLI set to the command-line tool, the export of every sample and fixture
  drawing.

    /usr/bin/python3 tools/dxf/make_dxf_corpus.py [OUTPUT_FOLDER]
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tests", "exchange", "data"))

import ezdxf  # noqa: E402
from ezdxf.enums import TextEntityAlignment  # noqa: E402

import ezdxf_drawings  # noqa: E402


def per_kind(msp, doc, release):
    """One function per kind: each draws a few variants of it."""
    r12 = release == "R12"

    def lines():
        msp.add_line((0, 0), (1, 1), dxfattribs={"color": 1, "linetype": "DASHED2"})
        msp.add_line((-1e6, 3.25), (1e-6, -7), dxfattribs={"layer": "Walls"})

    def points():
        msp.add_point((1, 2))
        msp.add_point((3, 4), dxfattribs={"extrusion": (0, 0, -1)})

    def circles():
        msp.add_circle((1, 1), 2)
        msp.add_circle((1, 1), 2, dxfattribs={"extrusion": (0, 0, -1)})
        msp.add_circle((1, 1), 2, dxfattribs={"extrusion": (0, 1, 1)})

    def arcs():
        msp.add_arc((0, 0), 1, 0, 90)
        msp.add_arc((0, 0), 1, 270, 45)
        msp.add_arc((0, 0), 1, 10, 370)
        msp.add_arc((2, 0), 1, 30, 60, dxfattribs={"extrusion": (0, 0, -1)})

    def ellipses():
        if r12:
            return
        msp.add_ellipse((0, 0), (2, 1), 0.5)
        msp.add_ellipse((0, 0), (0, 3), 0.2, 1, 4)
        msp.add_ellipse((0, 0), (1, 0), 0.5, 0, 2, dxfattribs={"extrusion": (0, 0, -1)})

    def solids():
        msp.add_solid([(0, 0), (1, 0), (0, 1), (1, 1)])
        msp.add_solid([(0, 0), (1, 0), (0, 1)])
        msp.add_trace([(0, 0), (2, 0), (0, 1), (2, 1)])

    def texts():
        for i, align in enumerate(TextEntityAlignment):
            text = msp.add_text("%s %%%%d" % align.name, dxfattribs={"height": 1 + i / 10,
                                                                     "rotation": 7 * i})
            text.set_placement((i, i), (i + 5, i + 1), align=align)
        msp.add_text("mirrored", dxfattribs={"extrusion": (0, 0, -1)})
        msp.add_text("\u0416\u00e9 ^ caret", dxfattribs={"style": "Roman"})

    def mtexts():
        if r12:
            return
        for attachment in range(1, 10):
            msp.add_mtext("line one\\Pline {\\H2;two}\\P\\S1^2;", dxfattribs={
                "insert": (attachment, 0), "char_height": 0.5,
                "attachment_point": attachment, "rotation": 15})

    def inserts():
        ref = msp.add_blockref("Door", (1, 2), dxfattribs={"xscale": -1, "rotation": 30})
        ref.add_attrib("A", "one", (1, 2))
        ref.add_attrib("B", "hidden", (1, 3), dxfattribs={"flags": 1})
        msp.add_blockref("Knob", (0, 0), dxfattribs={"extrusion": (0, 0, -1)})
        msp.add_blockref("Missing", (0, 0))

    def polylines():
        p = msp.add_polyline2d([(0, 0, 0.1, 0.2, 0.5), (1, 0, 0, 0, 0), (1, 1, 0, 0, -2)],
                               format="xyseb", dxfattribs={"closed": True})
        p.dxf.default_start_width = 0.05
        f = msp.add_polyline2d([(0, 0), (1, 2), (2, 0), (3, 2)])
        f.dxf.flags = 4
        f.dxf.smooth_type = 5
        msp.add_polyline3d([(0, 0, 0), (1, 1, 1)])

    def lwpolylines():
        if r12:
            return
        msp.add_lwpolyline([(0, 0, 0, 0, 1), (1, 0, 0.2, 0.2, 0), (1, 1, 0, 0, 0)],
                           format="xyseb", close=True)
        msp.add_lwpolyline([(0, 0), (3, 3)], dxfattribs={"extrusion": (0, 0, -1),
                                                          "const_width": 0.1})

    def dimensions():
        if r12:
            return
        msp.add_linear_dim(base=(0, 2), p1=(0, 0), p2=(3, 0)).render()
        msp.add_leader([(0, 0), (1, 1), (2, 1)])

    def colors():
        if release in ("R12", "R2000"):
            return
        line = msp.add_line((0, 0), (1, 0))
        line.rgb = (12, 200, 99)

    def skipped():
        msp.add_3dface([(0, 0, 0), (1, 0, 0), (1, 1, 1)])
        doc.layout().add_line((0, 0), (1, 1))
        if not r12:
            msp.add_spline([(0, 0), (1, 1), (2, 0), (3, 1)])

    return {name: f for name, f in locals().items() if callable(f) and name not in
            ("msp", "doc", "release")}


def new_document(release):
    doc = ezdxf.new(release)
    if release in ("R12", "R2000", "R2004"):
        doc.header["$DWGCODEPAGE"] = "ANSI_1251"
    x = ezdxf_drawings.Expect()
    ezdxf_drawings.tables(doc, x, release)
    ezdxf_drawings.blocks(doc, x)
    return doc


def write_ezdxf(folder):
    for release in ezdxf_drawings.RELEASES:
        for binary in (False, True):
            ezdxf_drawings.write(folder, release, binary)
            os.remove(os.path.join(folder, "%s_%s.expected" %
                                   (release, "binary" if binary else "ascii")))
    for release in ("R12", "R2018"):
        for binary in (False, True):
            kinds = per_kind(None, None, release).keys()
            for kind in kinds:
                doc = new_document(release)
                per_kind(doc.modelspace(), doc, release)[kind]()
                name = "%s_%s_%s.dxf" % (release, "binary" if binary else "ascii", kind)
                doc.saveas(os.path.join(folder, name), fmt="bin" if binary else "asc")


HAND = [
    "0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nA\n10\n1\n20\n2\n11\n3\n21\n4\n0\nENDSEC\n0\nEOF\n",
    "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1009\n9\n$DWGCODEPAGE\n3\nANSI_1252\n9\n$LIMMIN\n"
    "10\n0\n20\n0\n9\n$LIMMAX\n10\n100\n20\n50\n9\n$CLAYER\n8\nL\xe9\n0\nENDSEC\n0\nSECTION\n2\n"
    "TABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nL\xe9\n70\n5\n62\n-3\n6\nDASHED\n0\nENDTAB\n0\n"
    "TABLE\n2\nLTYPE\n0\nLTYPE\n2\nDASHED\n3\n__ __\n72\n65\n73\n2\n40\n3\n49\n2\n49\n-1\n0\n"
    "ENDTAB\n0\nENDSEC\n0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nB\n10\n1\n20\n1\n0\nCIRCLE\n40\n1\n"
    "0\nINSERT\n2\nB\n0\nENDBLK\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n0\nINSERT\n2\nB\n66\n1\n"
    "0\nATTRIB\n1\nv^Jw\\U+0416\n40\n1\n0\nSEQEND\n0\nTEXT\n1\n%%c1\n72\n4\n11\n1\n21\n1\n0\n"
    "ENDSEC\n0\nEOF\n",
    "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nARC\r\n 10\r\n1.5 \r\n 40\r\n2\r\n 50\r\n0\r\n"
    " 51\r\n360\r\n  0\r\nENDSEC\r\n  0\r\nEOF\r\n",
    "0\rSECTION\r2\rENTITIES\r0\rPOLYLINE\r66\r1\r70\r1\r0\rVERTEX\r10\r0\r20\r0\r42\r1\r0\r"
    "VERTEX\r10\r1\r20\r0\r0\rSEQEND\r0\rENDSEC\r0\rEOF\r",
    "0\nSECTION\n2\nENTITIES\n0\nMTEXT\n10\n0\n20\n0\n40\n1\n71\n5\n3\nfirst chunk \n1\n"
    "{\\fArial;x}\\Psecond\\~line\n0\nLWPOLYLINE\n90\n3\n10\n0\n20\n0\n42\n1\n10\n1\n20\n0\n10\n"
    "1\n20\n1\n0\nSOLID\n10\n0\n20\n0\n11\n1\n21\n0\n12\n0\n22\n1\n0\nENDSEC\n0\nEOF\n",
]


def write_hand(folder):
    for i, text in enumerate(HAND):
        with open(os.path.join(folder, "hand_%d.dxf" % i), "wb") as out:
            out.write(text.encode("latin-1"))


def write_exports(folder):
    cli = os.environ.get("KORVOCAD_CLI")
    if not cli:
        return
    sources = [os.path.join(ROOT, "samples")] + [os.path.join(ROOT, "fuzz", "corpus", "native")]
    for source in sources:
        for name in sorted(os.listdir(source)):
            if name.endswith(".KorvoDWG"):
                out = os.path.join(folder, "export_" + name[:-len(".KorvoDWG")] + ".dxf")
                subprocess.run([cli, "convert", os.path.join(source, name), out],
                               stderr=subprocess.DEVNULL, check=False)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "fuzz", "corpus", "dxf")
    os.makedirs(folder, exist_ok=True)
    write_ezdxf(folder)
    write_hand(folder)
    write_exports(folder)


if __name__ == "__main__":
    main()
