#!/usr/bin/env bash
# What a blind player hears: under a virtual display with a session bus, the accessibility bus
# and the Orca screen reader, runs the program, drives it with real key presses and checks what
# Orca speaks at each step (orca_walk.py). Orca runs with no speech server: its debug file
# still logs every utterance, so no speech synthesiser or sound card is needed.
# Usage: orca_test.sh <folder with corvane, zinc.exe> [--explore]
# Exits 77 (skipped) when the desktop tools are not installed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

if [ "${1:-}" = "--inside" ]; then
  work="$2"
  shift 2
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  launcher=$!
  orca=""
  trap 'kill "${program:-}" "$orca" "$launcher" 2>/dev/null || true' EXIT
  # An Orca started before the accessibility bus answers may stall as it starts, on a busy
  # machine most: wait for the bus, and give Orca a second start if the first one stalls.
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
      org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.1
  done
  start_orca() {
    /usr/bin/python3 "$here/orca_flushed.py" "$work/orca" "$work/orca.log" >/dev/null 2>&1 &
    orca=$!
    for _ in $(seq 150); do
      grep -q "ORCA: Starting registry" "$work/orca.log" 2>/dev/null && return 0
      sleep 0.1
    done
    kill "$orca" 2>/dev/null || true
    wait "$orca" 2>/dev/null || true
    return 1
  }
  start_orca || start_orca || { echo "orca: did not start"; exit 1; }
  cd "$work/demo"
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 ./corvane >/dev/null 2>&1 &
  program=$!
  status=0
  timeout 110 /usr/bin/python3 "$here/orca_walk.py" "$work/orca.log" "$@" || status=$?
  exit "$status"
fi

for tool in xvfb-run xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher orca; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
demo="$work/demo"
mkdir -p "$demo/ctrlr" "$work/orca"
cp "$1/corvane" "$1/zinc.exe" "$demo/"
printf 'ts2u\r\nsfexa\r\nsfex2\r\n' >"$demo/ctrlr/cap.lst"
printf 'tekken\r\n' >"$demo/ctrlr/tekken.lst"
printf 'souledge\r\n' >"$demo/ctrlr/souledge.lst"
: >"$demo/ctrlr/3but.lst"
: >"$demo/ctrlr/qma.lst"
# Speech on without a speech server (orca_flushed.py), key echo off (the log holds the program's
# words only).
cat >"$work/orca/user-settings.conf" <<'EOF'
{"general": {"enableSpeech": true, "speechServerFactory": "no speech server", "enableBraille": false, "enableSound": false,
             "enableKeyEcho": false},
 "profiles": {"default": {"profile": ["Default", "default"], "pronunciations": {},
                          "keybindings": {}}},
 "pronunciations": {}, "keybindings": {}}
EOF
shift
status=0
xvfb-run -a -s '-noreset -screen 0 1024x768x24' \
  dbus-run-session -- "$here/orca_test.sh" --inside "$work" "$@" || status=$?
[ "$status" -eq 0 ] && [ "${1:-}" != "--explore" ] ||
  cp "$work/orca.log" "${TMPDIR:-/tmp}/corvane-orca.log" 2>/dev/null || true
exit "$status"
