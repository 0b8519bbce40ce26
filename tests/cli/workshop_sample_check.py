#!/usr/bin/python3
"""Plays samples/workshop.journal, exports the drawing as DXF and checks it with ezdxf.

Usage: workshop_sample_check.py KORVOCAD_CLI SOURCE_DIR

The DXF must pass ezdxf's audit without errors, and hold what the journal's comments say it
draws. Needs python3-ezdxf.
"""
import collections
import math
import pathlib
import subprocess
import sys
import tempfile

import ezdxf

SCREENSHOT = "build/run/workshop-window.bmp"

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


# The DXF writer keeps six decimals.
def close(a, b):
    return abs(a - b) < 1e-6


def points_equal(found, expected):
    return len(found) == len(expected) and all(
        close(f[0], e[0]) and close(f[1], e[1]) for f, e in zip(found, expected))


def run(args):
    done = subprocess.run(args, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"{' '.join(args)} exited with {done.returncode}: {done.stderr}")


def main():
    cli, source = sys.argv[1], pathlib.Path(sys.argv[2])
    journal = (source / "samples" / "workshop.journal").read_text(encoding="utf-8")
    if SCREENSHOT not in journal:
        sys.exit(f"the journal no longer writes {SCREENSHOT}")
    with tempfile.TemporaryDirectory() as scratch:
        folder = pathlib.Path(scratch)
        played = folder / "workshop.journal"
        played.write_text(journal.replace(SCREENSHOT, str(folder / "window.bmp")),
                          encoding="utf-8")
        drawing, dxf = folder / "workshop.KorvoDWG", folder / "workshop.dxf"
        run([cli, "run", str(played), "--save", str(drawing), "--symbols",
             str(folder / "symbols")])
        check((folder / "symbols" / "Screw.KorvoDWG").is_file(), "the symbol file was saved")
        check((folder / "window.bmp").is_file(), "the window bitmap was written")
        run([cli, "convert", str(drawing), str(dxf)])

        doc = ezdxf.readfile(dxf)
        auditor = doc.audit()
        for error in auditor.errors:
            failures.append(f"audit: {error}")

    msp = doc.modelspace()
    kinds = collections.Counter(e.dxftype() for e in msp)
    # Tab sides and its two chamfers, the fold line's two pieces, the arrow's shaft; the
    # outline, the slot and four donuts; the hole; the arrow head; two texts; two screws.
    expected = {"LINE": 8, "POLYLINE": 6, "CIRCLE": 1, "SOLID": 1, "TEXT": 2, "INSERT": 2}
    check(kinds == expected, f"entities by kind {dict(kinds)}, expected {expected}")

    lines = sorted((tuple(e.dxf.start)[:2], tuple(e.dxf.end)[:2]) for e in msp.query("LINE"))
    lines = [tuple(sorted(line)) for line in lines]
    # The fold line, trimmed to the outline at x 25 and 185 and broken from 82.5 to 127.5.
    for piece in [((25, 167.5), (82.5, 167.5)), ((127.5, 167.5), (185, 167.5))]:
        check(any(points_equal(line, piece) for line in lines), f"fold piece {piece}")
    # The chamfers join the shortened tab sides.
    for chamfer in [((75, 224.5), (83, 232.5)), ((127, 232.5), (135, 224.5))]:
        check(any(points_equal(line, chamfer) for line in lines), f"chamfer {chamfer}")

    polylines = list(msp.query("POLYLINE"))
    outline = [p for p in polylines if p.is_closed and len(p) == 8]
    check(len(outline) == 1, "one closed outline of eight vertices")
    if outline:
        bulges = [v.dxf.bulge for v in outline[0].vertices]
        check(sum(close(b, math.tan(math.pi / 8)) for b in bulges) == 4,
              f"four quarter-circle fillets in {bulges}")
    donuts = [p for p in polylines if p.is_closed and len(p) == 2]
    check(len(donuts) == 4, f"four donuts, found {len(donuts)}")
    for donut in donuts:
        widths = [(v.dxf.start_width, v.dxf.end_width) for v in donut.vertices]
        check(all(close(s, 2) and close(e, 2) for s, e in widths), f"donut widths {widths}")
    slot = [p for p in polylines if len(p) == 5]
    check(len(slot) == 1, "one slot of five vertices")
    if slot:
        bulges = [v.dxf.bulge for v in slot[0].vertices]
        check(sum(close(b, 1) for b in bulges) == 2, f"two half-circle arcs in {bulges}")

    texts = sorted(e.dxf.text for e in msp.query("TEXT"))
    check(texts == ["FOLD", "MOUNTING PLATE  1:1"], f"texts {texts}")
    # The fold label in the style the journal makes, the title in the standard one.
    styles = {e.dxf.text: e.dxf.style.upper() for e in msp.query("TEXT")}
    check(styles == {"FOLD": "LABELS", "MOUNTING PLATE  1:1": "STANDARD"}, f"text styles {styles}")
    labels = doc.styles.get("LABELS") if doc.styles.has_entry("LABELS") else None
    check(labels is not None, "the text style LABELS")
    if labels is not None:
        check("DUPLEX" in labels.dxf.font.upper(), f"LABELS uses DUPLEX, not {labels.dxf.font}")
        check(close(labels.dxf.width, 0.8) and close(labels.dxf.oblique, 15),
              f"LABELS is narrow and slanted: {labels.dxf.width}, {labels.dxf.oblique}")

    inserts = list(msp.query("INSERT"))
    check(all(i.dxf.name == "Screw" for i in inserts), "the inserts reference Screw")
    check(sorted(tuple(i.dxf.insert)[:2] for i in inserts) == [(85, 122.5), (125, 122.5)],
          "the screws sit in the slot")
    screw = doc.blocks.get("Screw")
    check(screw is not None, "the block Screw")
    if screw is not None:
        inside = collections.Counter(e.dxftype() for e in screw)
        check(inside == {"CIRCLE": 1, "LINE": 2}, f"the screw holds {dict(inside)}")

    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
