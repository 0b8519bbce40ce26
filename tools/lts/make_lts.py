#!/usr/bin/env python3
"""Writes data/KorvoCAD.lts, the line type library shipped beside the program.

The library is UTF-16LE text: a header line, then records of three lines (name, description,
pattern). Patterns are in drawing units (millimetres on the default A4 sheet): positive
numbers are dashes, negative numbers gaps, 0 a dot. Every family also comes at half ("2")
and double ("X2") size.
"""
import pathlib
import sys

FAMILIES = [
    ("DASHED", "Dashed __ __ __ __ __ __ __ __", [6.0, -3.0]),
    ("HIDDEN", "Hidden _ _ _ _ _ _ _ _ _ _ _ _", [3.0, -1.5]),
    ("CENTER", "Center ____ _ ____ _ ____ _ ____", [12.0, -3.0, 3.0, -3.0]),
    ("PHANTOM", "Phantom ____ _ _ ____ _ _ ____", [12.0, -3.0, 3.0, -3.0, 3.0, -3.0]),
    ("DOT", "Dot . . . . . . . . . . . . . .", [0.0, -3.0]),
    ("DASHDOT", "Dash dot __ . __ . __ . __ . __", [6.0, -3.0, 0.0, -3.0]),
    ("BORDER", "Border __ __ . __ __ . __ __ .", [6.0, -3.0, 6.0, -3.0, 0.0, -3.0]),
    ("DIVIDE", "Divide ____ . . ____ . . ____", [6.0, -3.0, 0.0, -3.0, 0.0, -3.0]),
]


def number(value):
    text = ("%.4f" % value).rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def main():
    target = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parents[2] / "data" / "KorvoCAD.lts"
    lines = [";; KorvoCAD line type library"]
    for name, description, pattern in FAMILIES:
        for suffix, factor, size in (("", 1.0, ""), ("2", 0.5, " (.5x)"), ("X2", 2.0, " (2x)")):
            lines.append(name + suffix)
            lines.append(description + size)
            lines.append(", ".join(number(e * factor) for e in pattern))
    text = "\ufeff" + "\r\n".join(lines) + "\r\n"
    target.write_bytes(text.encode("utf-16-le"))


if __name__ == "__main__":
    main()
