#!/usr/bin/python3
"""Generates KorvoCAD's stroke fonts (data/FONTS/*.kcdfnt) from the Hershey font data.

Usage: /usr/bin/python3 tools/fontgen/fontgen.py [--hershey DIR] [--out DIR]
Defaults: DIR = /usr/share/hershey-fonts (Debian package hershey-fonts-data),
out = data/FONTS of this repository. The output depends only on the input files.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source tree clean
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from jhf import ascii_glyphs  # noqa: E402
from kcdfnt import font_file  # noqa: E402
from latin1 import drafting_symbols, latin1_letters, latin1_signs  # noqa: E402

# Greek letters stand on the Latin letters A..X and a..x of the Hershey Greek data, in the
# order of the Greek alphabet; Unicode has a hole at U+03A2 and the final sigma at U+03C2.
GREEK_CAPITALS = [0x391 + i for i in range(17)] + [0x3A3 + i for i in range(7)]
GREEK_SMALL = [0x3B1 + i for i in range(17)] + [0x3C3 + i for i in range(7)]


def printable(path):
    """The glyphs of the printable ASCII characters; the data's slot after "~" is no character."""
    face = ascii_glyphs(path)
    face.pop(0x7F, None)
    return face


def latin_face(path, weight):
    face = printable(path)
    face.update(latin1_letters(face, weight))
    face.update(latin1_signs(face, weight))
    face.update(drafting_symbols(face, weight))
    return face


def script_face(path):
    face = printable(path)
    face.update(drafting_symbols(face))
    return face


def greek_face(path):
    """Greek letters under their Unicode codes and, as in the data, on the Latin letters."""
    face = printable(path)
    for i, code in enumerate(GREEK_CAPITALS):
        face[code] = face[ord('A') + i].copy()
    for i, code in enumerate(GREEK_SMALL):
        face[code] = face[ord('a') + i].copy()
    for letter in 'YZyz':  # no Greek letter stands there
        del face[ord(letter)]
    face[0x3C2] = face[0x3C3].copy()  # final sigma: the Hershey data has one sigma
    face.update(drafting_symbols(face))
    return face


# File name, description, builder, indexed form.
FACES = [
    ('TXT', 'Simplex roman, default font (Hershey)', lambda d: latin_face(os.path.join(d, 'rowmans.jhf'), 0), False),
    ('SIMPLEX', 'Simplex roman (Hershey)', lambda d: latin_face(os.path.join(d, 'rowmans.jhf'), 0), True),
    ('DUPLEX', 'Duplex roman (Hershey)', lambda d: latin_face(os.path.join(d, 'rowmand.jhf'), 1), True),
    ('SCRIPT', 'Simplex script (Hershey)', lambda d: script_face(os.path.join(d, 'scripts.jhf')), False),
    ('GREEK', 'Simplex Greek (Hershey)', lambda d: greek_face(os.path.join(d, 'greeks.jhf')), False),
]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--hershey', default='/usr/share/hershey-fonts')
    parser.add_argument('--out', default=os.path.normpath(os.path.join(here, '..', '..', 'data', 'FONTS')))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for name, description, build, indexed in FACES:
        glyphs = build(args.hershey)
        data = font_file(glyphs, description, indexed)
        path = os.path.join(args.out, name + '.kcdfnt')
        with open(path, 'wb') as f:
            f.write(data)
        form = 'indexed' if indexed else 'sequential'
        print(f'{path}: {len(glyphs)} glyphs, {len(data)} bytes, {form}')


if __name__ == '__main__':
    main()
