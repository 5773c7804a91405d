#!/usr/bin/env bash
# A screen reader's view of the program: under a virtual display with a session bus and the
# accessibility bus, runs the built program and drives it through AT-SPI only (atspi_walk.py),
# then checks the settings file it saved. Usage: atspi_test.sh <folder with corvane, zinc.exe>
# Exits 77 (skipped) when the desktop tools are not installed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

if [ "${1:-}" = "--inside" ]; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  cd "$2"
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./corvane &
  program=$!
  status=0
  timeout 60 /usr/bin/python3 "$here/atspi_walk.py" || status=$?
  kill "$program" "$launcher" 2>/dev/null || true
  exit "$status"
fi

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "skipped: no python3-pyatspi"; exit 77; }

demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
cp "$1/corvane" "$1/zinc.exe" "$demo/"
printf -- '--use-config-file=zinc.cfg\r\n 0 \r\n 0 \r\n 0 \r\n' >"$demo/corvane.cfg"
"$here/with_xvfb.sh" dbus-run-session -- "$here/atspi_test.sh" --inside "$demo"
expected="$(printf -- '--use-config-file=zinc.cfg\r\n 0 \r\n 0 \r\n 1 \r\n')"
if [ "$(cat "$demo/corvane.cfg")" != "$expected" ]; then
  echo "corvane.cfg does not hold the toggled box:"
  od -c "$demo/corvane.cfg"
  exit 1
fi
echo "corvane.cfg holds Show Command Line as ticked"
