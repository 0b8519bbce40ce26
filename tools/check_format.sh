#!/usr/bin/env bash
# Fails when a tracked C++ file is not formatted as .clang-format says. The layout is
# clang-format 14's: other versions break lines differently, so they are refused rather
# than trusted. Fix with: clang-format -i $(git ls-files '*.h' '*.cpp')
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
tool=$(command -v clang-format-14 || command -v clang-format) || {
  echo "clang-format 14 is not installed (scripts/install-deps.sh installs it)"; exit 2; }
"$tool" --version | grep -q "version 14\." || {
  echo "$tool is not clang-format 14: $("$tool" --version)"; exit 2; }
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -d '' files < <(git ls-files -z -- '*.h' '*.cpp')
else
  mapfile -d '' files < <(find . -path './build*' -prune -o \( -name '*.h' -o -name '*.cpp' \) -print0)
fi
[ ${#files[@]} -gt 0 ] || { echo "no C++ files found under $root"; exit 2; }
"$tool" --dry-run -Werror "${files[@]}"
