#!/usr/bin/env bash
# Starts the demo service on a free loopback port, then the player against it; closing the
# player stops the service. Without a display the player runs inside a virtual one.
set -euo pipefail
build=${1:-build}
ports=$(mktemp)
"$build/demo_service" --domain demo.localhost >"$ports" &
service=$!
trap 'kill "$service" 2>/dev/null || true; wait "$service" 2>/dev/null || true; rm -f "$ports"' EXIT
for _ in $(seq 100); do
  grep -q '^port ' "$ports" && break
  sleep 0.05
done
port=$(awk '/^port /{print $2}' "$ports")
[ -n "$port" ] || { echo "the demo service did not start" >&2; exit 1; }
echo "demo service on 127.0.0.1:$port; the player uses --service demo.localhost:$port" >&2
player=("$build/muzyka" --service "demo.localhost:$port")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "no display: running the player inside Xvfb" >&2
  xvfb-run -a -s "-screen 0 1024x768x24" "${player[@]}"
else
  "${player[@]}"
fi
