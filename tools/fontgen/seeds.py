#!/usr/bin/python3
"""Writes the seed corpus of the font reader's fuzz target (fuzz/corpus/font/): small fonts in
both forms with lines, arcs, duplicate codes and a description, made from the generated TXT.

Usage: /usr/bin/python3 tools/fontgen/seeds.py [--hershey DIR]
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from fontgen import latin_face  # noqa: E402
from kcdfnt import font_file, record  # noqa: E402
import struct  # noqa: E402


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument('--hershey', default='/usr/share/hershey-fonts')
    args = parser.parse_args()
    out = os.path.normpath(os.path.join(here, '..', '..', 'fuzz', 'corpus', 'font'))
    os.makedirs(out, exist_ok=True)
    face = latin_face(os.path.join(args.hershey, 'rowmans.jhf'), 0)
    pick = {code: face[code] for code in (ord('A'), ord('?'), ord(' '), 0xB0, 0xC5)}
    seeds = {
        'sequential.kcdfnt': font_file(pick, 'Seed sequential', indexed=False, line_spacing=1.5),
        'indexed.kcdfnt': font_file(pick, 'Seed indexed', indexed=True),
    }
    # Two records of one code, in both forms.
    a1, a2 = record(ord('A'), face[ord('A')]), record(ord('A'), face[ord('B')])
    sequential = struct.pack('<Hf', 2, 1.6666666) + a1 + a2 + b'dup\n' + struct.pack('<II', 0, 0)
    index_at = 6 + len(a1) + len(a2)
    indexed = (struct.pack('<Hf', 2, 1.6666666) + a1 + a2 + struct.pack('<HHIHI', 2, 65, 6, 65, 6 + len(a1)) +
               b'dup\n' + struct.pack('<II', index_at, 0xFFFFFFFF))
    seeds['duplicate_sequential.kcdfnt'] = sequential
    seeds['duplicate_indexed.kcdfnt'] = indexed
    for name, data in seeds.items():
        with open(os.path.join(out, name), 'wb') as f:
            f.write(data)
        print(f'{name}: {len(data)} bytes')


if __name__ == '__main__':
    main()
