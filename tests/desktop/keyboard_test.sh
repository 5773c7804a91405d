#!/usr/bin/env bash
# The program used with the keyboard alone, through real key events under a virtual display:
# Tab to the "Up" button, Space opens the key dialog, a key binds it, Save; then the grouping
# window: a game moved with Ctrl+3 and another through the "Move to" menu (Shift+F10), Save.
# Checks the files written. Usage: keyboard_test.sh <folder with corvane, zinc.exe>
# Exits 77 (skipped) when the desktop tools are not installed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

keys() {
  for key in "$@"; do
    xdotool key --clearmodifiers "$key"
    sleep 0.3
  done
}

# Focuses the visible window with this caption and prints its id.
focus_window() {
  local window
  window="$(xdotool search --sync --onlyvisible --name "$1" | head -n 1)"
  xdotool windowfocus --sync "$window"
  sleep 0.5
  echo "$window"
}

# Gives the focus back to a window once a dialog over it has gone (there is no window manager).
refocus() {
  xdotool windowfocus --sync "$1"
  sleep 0.3
}

if [ "${1:-}" = "--inside" ]; then
  cd "$2"
  QT_QPA_PLATFORM=xcb ./corvane &
  program=$!
  trap 'kill "$program" 2>/dev/null || true' EXIT
  main="$(focus_window 'Corvane Control Configuration Manager')"
  keys shift+Tab Tab space # the window opens on "Up": back to the tab strip and Tab to "Up"
  focus_window 'Press The Key You Wish to Bind' >/dev/null
  keys a
  refocus "$main"
  keys shift+Tab shift+Tab shift+Tab space Return # back past the strip and Cancel to Save
  refocus "$main"
  # Save, Cancel, the tab strip, then "Up" and the fifteen controls after it in reading order
  # up to "Manage Control Groupings".
  for _ in $(seq 18); do keys Tab; done
  keys space
  focus_window 'Drag Roms Back and Forth' >/dev/null
  keys Home ctrl+3 # the window opens on the Capcom list: its first game to "Tekken Games"
  keys shift+F10 Down Down Down Down Return # its next one to "Soul Edge"
  keys Tab Tab Tab Tab Tab space Return     # Save, then the message
  exit 0
fi

for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

demo="$(mktemp -d)"
trap 'rm -rf "$demo"' EXIT
cp "$1/corvane" "$1/zinc.exe" "$demo/"
mkdir "$demo/ctrlr"
printf 'sfex\r\nsfexa\r\nsfex2\r\n' >"$demo/ctrlr/cap.lst"
printf 'tekken\r\n' >"$demo/ctrlr/tekken.lst"
printf 'souledge\r\n' >"$demo/ctrlr/souledge.lst"
: >"$demo/ctrlr/3but.lst"
: >"$demo/ctrlr/qma.lst"
"$here/with_xvfb.sh" "$here/keyboard_test.sh" --inside "$demo"

check() {
  if [ "$(cat "$demo/$1")" != "$(printf -- "$2")" ]; then
    echo "$1 holds:"
    od -c "$demo/$1" | head -n 20
    exit 1
  fi
}
grep -q $'^up=k1E\r$' "$demo/ctrlr/allcfg.ini" || { echo "Up is not bound to A"; exit 1; }
check ctrlr/cap.lst 'sfex2\r\n'
check ctrlr/tekken.lst 'tekken\r\nsfex\r\n'
check ctrlr/souledge.lst 'souledge\r\nsfexa\r\n'
echo "bound Up by keyboard, moved two games by keyboard, both saved"
