#!/usr/bin/env bash
# Draws the toolbar and palette buttons, the prompt bar's background and the program's icon
# into data/, with the definition files that list them. Run from the source tree after a
# build: tools/icons/make_icons.sh [build folder]
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target make_toolbar_images
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$build/bin/make_toolbar_images" "$scratch"
for folder in tbs tbl cps cpl; do
  rm -rf "$root/data/$folder"
  cp -r "$scratch/$folder" "$root/data/$folder"
done
python3 "$root/tools/icons/bmp24_to_png.py" "$scratch/icon/korvocad_256.bmp" "$root/data/korvocad.png"
python3 "$root/tools/icons/bmp24_to_png.py" "$scratch/icon/korvocad_64.bmp" "$root/data/korvocad_64.png"
