#!/usr/bin/env bash
# Installs what is missing, builds, and runs the program's main job on the sample drawing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default
cmake --build --preset default
echo "KorvoCAD is built in build/bin."
