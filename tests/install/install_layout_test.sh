#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, checks the layout, and runs the installed
# command-line tool (through its link in bin/) on a journal that draws with the plug-in.
set -euo pipefail
build=$1
with_app=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > "$prefix.log" 2>&1 || { cat "$prefix.log"; exit 1; }
rm -f "$prefix.log"

fail() { echo "install layout: $*" >&2; exit 1; }
lib=$prefix/lib/korvocad
for file in korvocad-cli kcadccs.kxp KorvoCAD.lts FONTS/TXT.kcdfnt; do
  [[ -e $lib/$file ]] || fail "missing lib/korvocad/$file"
done
[[ -L $prefix/bin/korvocad-cli ]] || fail "bin/korvocad-cli is not a link"
[[ $(readlink "$prefix/bin/korvocad-cli") == ../lib/korvocad/korvocad-cli ]] ||
  fail "bin/korvocad-cli points to $(readlink "$prefix/bin/korvocad-cli")"
[[ -f $prefix/share/applications/korvocad.desktop ]] || fail "missing the desktop entry"
[[ ! -e $lib/korvocad.desktop ]] || fail "the desktop entry was copied among the data"
if [[ $with_app == 1 ]]; then
  [[ -x $lib/korvocad ]] || fail "missing lib/korvocad/korvocad"
  [[ -L $prefix/bin/korvocad ]] || fail "bin/korvocad is not a link"
fi

# One line drawn by the plug-in's LINE command; the tool finds the plug-in beside itself.
work=$prefix/work
mkdir -p "$work"
printf 'command draw_LINE\ntap 10 10\ntap 60 40\nkey Escape\n' > "$work/line.journal"
(cd "$work" && "$prefix/bin/korvocad-cli" run line.journal --save line.KorvoDWG) ||
  fail "the installed tool could not run the journal"
dump=$("$prefix/bin/korvocad-cli" dump "$work/line.KorvoDWG")
# A line is element kind 1.
lines=$(grep -c '"kind": 1,' <<< "$dump" || true)
[[ $lines == 1 ]] || fail "expected one line in the drawing, found $lines"
grep -q '"start": \[10, 10\]' <<< "$dump" && grep -q '"end": \[60, 40\]' <<< "$dump" ||
  fail "the line does not run from (10, 10) to (60, 40)"
echo "install layout: ok"
