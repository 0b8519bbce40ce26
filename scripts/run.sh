#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job on the sample drawing:
# prints it as JSON and converts it into a new native drawing file; then exports the showcase
# drawing as DXF and as a bitmap; edits the sample drawing through an input journal; last, draws
# a part with the command-set plug-in from a journal and exports it as DXF and as a bitmap; then
# saves a symbol into a catalogue of its own and inserts it twice, exported the same way; and
# draws a mounting plate with the host's own drawing, cutting and symbol commands, exported too;
# then opens the editor on the sample drawing when a display is available.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
out=build/run
mkdir -p "$out"
build/bin/korvocad-cli dump samples/sample.KorvoDWG > "$out/sample.json"
echo "Dumped samples/sample.KorvoDWG to $out/sample.json ($(wc -l < "$out/sample.json") lines):"
head -n 12 "$out/sample.json"
echo "  ..."
build/bin/korvocad-cli convert samples/sample.KorvoDWG "$out/sample-copy.KorvoDWG"
echo "Converted samples/sample.KorvoDWG to $out/sample-copy.KorvoDWG ($(wc -c < "$out/sample-copy.KorvoDWG") bytes)."
build/bin/korvocad-cli convert samples/showcase.KorvoDWG "$out/showcase.dxf"
echo "Exported samples/showcase.KorvoDWG as DXF to $out/showcase.dxf ($(wc -c < "$out/showcase.dxf") bytes)."
build/bin/korvocad-cli convert samples/showcase.KorvoDWG "$out/showcase.bmp" --width 1200 --height 800
echo "Rendered samples/showcase.KorvoDWG to $out/showcase.bmp (1200 x 800, 8-bit; compare docs/showcase.png)."
build/bin/korvocad-cli run samples/edit_sample.journal samples/sample.KorvoDWG --save "$out/sample-edited.KorvoDWG" --transcript
echo "Edited samples/sample.KorvoDWG by samples/edit_sample.journal into $out/sample-edited.KorvoDWG (view in $out/sample-edited.bmp)."
build/bin/korvocad-cli run samples/part.journal --save "$out/part.KorvoDWG"
echo "Drew a flange plate with the command-set plug-in by samples/part.journal into $out/part.KorvoDWG (the view in $out/part-window.bmp)."
build/bin/korvocad-cli convert "$out/part.KorvoDWG" "$out/part.dxf"
build/bin/korvocad-cli convert "$out/part.KorvoDWG" "$out/part.bmp" --width 600 --height 800 --white
echo "Exported it as $out/part.dxf and $out/part.bmp (600 x 800; compare docs/part.png)."
rm -rf "$out/symbols"
build/bin/korvocad-cli run samples/symbols.journal --save "$out/frames.KorvoDWG" --symbols "$out/symbols"
echo "Saved a frame as a symbol in $out/symbols and inserted it twice by samples/symbols.journal into $out/frames.KorvoDWG."
build/bin/korvocad-cli convert "$out/frames.KorvoDWG" "$out/frames.dxf"
build/bin/korvocad-cli convert "$out/frames.KorvoDWG" "$out/frames.bmp" --width 600 --height 800 --white
echo "Exported it as $out/frames.dxf and $out/frames.bmp (600 x 800)."
rm -rf "$out/workshop-symbols"
build/bin/korvocad-cli run samples/workshop.journal --save "$out/workshop.KorvoDWG" --symbols "$out/workshop-symbols"
echo "Drew a mounting plate by samples/workshop.journal into $out/workshop.KorvoDWG (its screw symbol in $out/workshop-symbols, the view in $out/workshop-window.bmp)."
build/bin/korvocad-cli convert "$out/workshop.KorvoDWG" "$out/workshop.dxf"
build/bin/korvocad-cli convert "$out/workshop.KorvoDWG" "$out/workshop.bmp" --width 600 --height 800 --white
echo "Exported it as $out/workshop.dxf and $out/workshop.bmp (600 x 800; compare docs/workshop.png)."
# Last, the editor itself on the sample drawing, when there is a screen to show it on.
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Opening the editor on samples/sample.KorvoDWG (build/bin/korvocad)."
  build/bin/korvocad samples/sample.KorvoDWG
else
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): the editor is not opened."
  echo "On a desktop, open it with: build/bin/korvocad samples/sample.KorvoDWG"
fi
