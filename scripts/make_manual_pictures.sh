#!/usr/bin/env bash
# Draws the manual's pictures: plays each journal of docs/manual/ on a new drawing with the
# command-line tool, renders the drawing's view (the journal zooms to what it shows) as a
# bitmap on white, and keeps it, framed in grey, as data/help/NAME.png for the manual to embed.
# Needs a build (build/bin/korvocad-cli) and python3 with PIL (Debian: python3-pil).
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${KORVOCAD_CLI:-build/bin/korvocad-cli}
python=${PYTHON:-/usr/bin/python3}
width=240
height=180
if [[ ! -x $cli ]]; then
  echo "no $cli: build first (cmake --preset default && cmake --build build)" >&2
  exit 1
fi
if ! "$python" -c 'import PIL' 2>/dev/null; then
  echo "$python has no PIL: apt-get install python3-pil" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p data/help
for journal in docs/manual/*.journal; do
  name=$(basename "$journal" .journal)
  # Each journal gets a symbol catalogue of its own, so that saving a symbol never meets one
  # left by another.
  "$cli" run "$journal" --save "$work/$name.KorvoDWG" --symbols "$work/symbols-$name" >/dev/null
  "$cli" convert "$work/$name.KorvoDWG" "$work/$name.bmp" --width "$width" --height "$height" --white
  "$python" - "$work/$name.bmp" "data/help/$name.png" <<'PY'
import sys
from PIL import Image, ImageDraw
picture = Image.open(sys.argv[1]).convert("RGB")
# A grey frame on the outermost pixels sets the white picture off the white page.
ImageDraw.Draw(picture).rectangle([0, 0, picture.width - 1, picture.height - 1], outline=(160, 160, 160))
picture.save(sys.argv[2], optimize=True)
PY
  echo "data/help/$name.png from $journal"
done
