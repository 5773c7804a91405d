#!/usr/bin/env bash
# Runs a command on a virtual display of its own and returns its exit status. Xvfb picks a free
# display number itself (-displayfd), so runs side by side never take each other's display, and
# -noreset keeps the server as it is while short-lived clients (the accessibility bus, its
# registry, xdotool, the program) come and go: without it the server resets each time its last
# client leaves, and a client connecting in that moment is refused.
# Usage: with_xvfb.sh <command> [arguments...]; exits 77 (skipped) without Xvfb.
set -euo pipefail
command -v Xvfb >/dev/null || { echo "skipped: Xvfb is not installed"; exit 77; }

work="$(mktemp -d)"
server=""
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb writes the display number to the pipe once it accepts clients; nothing, if it fails.
mkfifo "$work/display"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/log" &
server=$!
number=""
read -r number <"$work/display" || true
if [ -z "$number" ]; then
  echo "Xvfb did not start:" >&2
  cat "$work/log" >&2
  exit 1
fi
export DISPLAY=":$number"
status=0
"$@" || status=$?
exit "$status"
