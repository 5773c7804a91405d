#!/usr/bin/env bash
# Shows the main window and the grouping window under a virtual display on a demo emulator directory (the built program
# beside the stand-in emulator), turns to every page and saves a picture of each into
# build/screenshots/. Usage: scripts/screenshots.sh [folder with the built corvane and zinc.exe]
set -euo pipefail

# Inside the virtual display: start the program, wait for its window, then picture each page
# and turn to the next with Ctrl+Tab; then the grouping window after a scan.
if [ "${1:-}" = "--inside" ]; then
  demo="$2" out="$3"
  "$demo/corvane" &
  program=$!
  window="$(xdotool search --sync --onlyvisible --name 'Corvane Control Configuration Manager' |
    head -n 1)"
  xdotool windowfocus --sync "$window"
  sleep 0.5
  for page in general capcom 3buttons quiz tekken souledge launch; do
    import -window "$window" "$out/$page.png"
    xdotool key --clearmodifiers ctrl+Tab
    sleep 0.3
  done
  # Back on the General page: open the grouping window and let it sort the real catalogue.
  xdotool mousemove --window "$window" 100 341 click 1
  groups="$(xdotool search --sync --onlyvisible --name 'Drag Roms Back and Forth' | head -n 1)"
  xdotool windowfocus --sync "$groups"
  xdotool mousemove --window "$groups" 465 334 click 1
  sleep 0.5
  import -window "$groups" "$out/grouping.png"
  kill "$program"
  exit 0
fi

cd "$(dirname "$0")/.."
bin="${1:-build/dev/bin}"
out="$PWD/build/screenshots"
mkdir -p "$out"
demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
cp "$bin/corvane" "$bin/zinc.exe" "$demo/"
printf -- '--use-config-file=zinc.cfg\r\n 0 \r\n 0 \r\n 0 \r\n' >"$demo/corvane.cfg"
xvfb-run -a -s '-screen 0 1024x768x24' "$PWD/scripts/screenshots.sh" --inside "$demo" "$out"
ls "$out"
