#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job on the sample drawing:
# prints it as JSON and converts it into a new native drawing file.
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
