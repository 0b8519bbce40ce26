#!/usr/bin/python3
"""Converts a bitmap written by `korvocad-cli convert ... .bmp` into a PNG without loss.

Usage: /usr/bin/python3 tools/docs/bmp_to_png.py IN.bmp OUT.png   (needs python3-pil)
"""
import sys

from PIL import Image


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: bmp_to_png.py IN.bmp OUT.png\n")
        return 2
    with Image.open(argv[1]) as image:
        # The palette is kept as it is, so every pixel keeps its drawing colour.
        image.save(argv[2], optimize=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
