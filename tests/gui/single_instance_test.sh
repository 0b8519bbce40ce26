#!/usr/bin/env bash
# Starts the editor, then starts it again with a drawing: the second start must hand the
# drawing to the first and end, and the first must open it (its window title says so).
# Runs under tools/with_display.sh; the sockets and settings live in a folder of the test's.
set -euo pipefail
editor=$1
drawing=$2
scratch=$(mktemp -d)
export TMPDIR=$scratch XDG_CONFIG_HOME=$scratch/config
first=
cleanup() {
  if [[ -n $first ]]; then
    kill "$first" 2>/dev/null || true
    wait "$first" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "single instance: $*" >&2; exit 1; }

"$editor" > "$scratch/first.log" 2>&1 &
first=$!
for _ in $(seq 100); do
  compgen -G "$scratch/korvocad-*" > /dev/null && break
  kill -0 "$first" 2>/dev/null || fail "the first editor ended: $(cat "$scratch/first.log")"
  sleep 0.1
done
compgen -G "$scratch/korvocad-*" > /dev/null || fail "the first editor never listened"

timeout 20 "$editor" "$drawing" || fail "the second start did not end by itself"
kill -0 "$first" 2>/dev/null || fail "the first editor ended"

name=$(basename "$drawing")
for _ in $(seq 100); do
  xdotool search --name "^$name" > /dev/null 2>&1 && break
  sleep 0.1
done
xdotool search --name "^$name" > /dev/null 2>&1 ||
  fail "the first editor's title never named $name"
# A start on another display runs an editor of its own, listening under its own name, instead
# of handing over.
QT_QPA_PLATFORM=offscreen DISPLAY=:elsewhere "$editor" "$drawing" > "$scratch/other.log" 2>&1 &
other=$!
for _ in $(seq 100); do
  compgen -G "$scratch/korvocad-*-_elsewhere" > /dev/null && break
  kill -0 "$other" 2>/dev/null || fail "the start on another display ended: $(cat "$scratch/other.log")"
  sleep 0.1
done
compgen -G "$scratch/korvocad-*-_elsewhere" > /dev/null ||
  fail "the start on another display did not listen under its own name"
kill "$other"
wait "$other" 2>/dev/null || true
echo "single instance: ok"
