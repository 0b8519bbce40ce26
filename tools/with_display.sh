#!/usr/bin/env bash
# Runs a command with an X display: the one set, else a private Xvfb server for the command.
set -euo pipefail
export QT_QPA_PLATFORM=xcb
if [[ -n "${DISPLAY:-}" ]] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
exec xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
