#!/usr/bin/env bash
# Starts the player from a build folder; without a display, inside a virtual one.
set -euo pipefail
build=${1:-build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "no display: running the player inside Xvfb" >&2
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$build/muzyka"
fi
exec "$build/muzyka"
