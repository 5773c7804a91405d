#!/usr/bin/env bash
# Builds the program, lays out a demo emulator directory (the program beside the stand-in
# emulator) in demo/, and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target corvane zinc_standin

demo="$PWD/demo"
mkdir -p "$demo"
cp build/release/bin/corvane build/release/bin/zinc.exe "$demo/"
[ -f "$demo/corvane.cfg" ] || printf -- '--use-config-file=zinc.cfg\r\n 0 \r\n 0 \r\n 0 \r\n' >"$demo/corvane.cfg"

echo "Demo emulator directory: $demo"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display here, so the window cannot be shown. Either run it under a virtual"
  echo "display:   xvfb-run -a $demo/corvane"
  echo "or use batch mode, which needs no window:"
  echo "           $demo/corvane -listinfo -cfgwrapper   (writes $demo/zinc.dat)"
  "$demo/corvane" -listinfo
  echo "Batch run done: $(grep -c '^game (' "$demo/zinc.dat" 2>/dev/null || echo 0) games in zinc.dat"
  exit 0
fi
exec "$demo/corvane"
