#!/usr/bin/env bash
# Shows the main window, the grouping window, a game's own-keys window, Bind All and the key
# chart under a virtual display on a demo emulator directory (the built program beside the
# stand-in emulator, with keys bound, one key on two inputs, and one game's own key), turns to
# every page and saves a picture of each into build/screenshots/.
# Usage: scripts/screenshots.sh [folder with the built corvane and zinc.exe]
#        scripts/screenshots.sh --windows [the Windows build's bin folder, build/windows-ui/bin]
#        (the Windows program under Wine: the General and Capcom pages only)
set -euo pipefail

# Inside the virtual display, at the scale QT_SCALE_FACTOR gives: the Capcom page with keys of
# long names, pictured as "keys-<scale>.png".
if [ "${1:-}" = "--inside-keys" ]; then
  demo="$2" out="$3" scale="$4"
  QT_SCALE_FACTOR="$scale" "$demo/corvane" &
  program=$!
  window="$(xdotool search --sync --onlyvisible --name 'Corvane Control Configuration Manager' |
    head -n 1)"
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers ctrl+Tab
  sleep 0.5
  import -window "$window" "$out/keys-${scale}00.png"
  kill "$program"
  exit 0
fi

# Inside the virtual display, the Windows program under Wine: the General and Capcom pages, as
# "windows-general.png" and "windows-capcom.png".
if [ "${1:-}" = "--inside-windows" ]; then
  demo="$2" out="$3"
  (cd "$demo" && exec wine corvane.exe) >/dev/null 2>&1 &
  window="$(xdotool search --sync --onlyvisible --name 'Corvane Control Configuration Manager' |
    tail -n 1)"
  xdotool windowfocus --sync "$window"
  sleep 1
  import -window "$window" "$out/windows-general.png"
  xdotool key --clearmodifiers ctrl+Tab
  sleep 0.5
  import -window "$window" "$out/windows-capcom.png"
  wineserver -k
  exit 0
fi

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
  # The key test on the Capcom page: "1" lights Fierce Kick, which shares it with Start 1.
  xdotool key --clearmodifiers ctrl+Tab
  sleep 0.3
  xdotool key --clearmodifiers alt+k
  sleep 0.3
  xdotool key 1
  sleep 0.5
  import -window root -crop "$(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/WIDTH|HEIGHT|^X|^Y/ {v[$1]=$2} END {print v["WIDTH"] "x" v["HEIGHT"] "+" v["X"] "+" v["Y"]}')" \
    "$out/keytest.png"
  xdotool key Escape key --clearmodifiers ctrl+Prior
  sleep 0.3
  # Back on the General page: open the grouping window and let it sort the real catalogue.
  xdotool mousemove --window "$window" 100 341 click 1
  groups="$(xdotool search --sync --onlyvisible --name 'Drag Roms Back and Forth' | head -n 1)"
  xdotool windowfocus --sync "$groups"
  xdotool mousemove --window "$groups" 465 380 click 1
  # The first start sorted the games already, so Scan says there is nothing to change.
  box="$(xdotool search --sync --onlyvisible --name '^Corvane$' | head -n 1)"
  xdotool windowfocus --sync "$box" key Return
  sleep 0.5
  import -window "$groups" "$out/grouping.png"
  # Save the sorting, then open the own keys of ts2 (it has one) from the Launch page: the
  # filter (Ctrl+F) leaves the ts2 sets, Enter goes to the first of them.
  xdotool mousemove --window "$groups" 115 380 click 1
  box="$(xdotool search --sync --onlyvisible --name '^Corvane$' | head -n 1)"
  xdotool windowfocus --sync "$box" key Return
  sleep 0.5
  xdotool windowfocus --sync "$window"
  xdotool key --clearmodifiers ctrl+Prior
  sleep 0.3
  xdotool key --clearmodifiers ctrl+f type ts2
  xdotool key Return key --clearmodifiers alt+k
  own="$(xdotool search --sync --onlyvisible --name 'Own Keys' | head -n 1)"
  sleep 0.5
  import -window "$own" "$out/ownkeys.png"
  xdotool windowfocus --sync "$own" key Escape
  # Bind All on the Capcom page for Player 1, one walk over the player's directions, the shared
  # keys and the family's buttons; two keys in, the dialog waits for Left.
  xdotool windowfocus --sync "$window"
  for _ in 1 2 3 4 5; do xdotool key --clearmodifiers ctrl+Prior; done
  xdotool key --clearmodifiers alt+a
  keys="$(xdotool search --sync --onlyvisible --name 'Press The Key You Wish to Bind' | head -n 1)"
  xdotool windowfocus --sync "$keys" key u key i
  sleep 0.5
  import -window "$keys" "$out/bindall.png"
  # Alt+F4 ends the walk, keeping the two keys taken.
  xdotool key --clearmodifiers alt+F4
  sleep 0.3
  # The chart of every family, from the General page, with those keys marked unsaved.
  xdotool windowfocus --sync "$window" key --clearmodifiers ctrl+Prior
  xdotool key --clearmodifiers alt+h
  chart="$(xdotool search --sync --onlyvisible --name '^Key Chart$' | head -n 1)"
  sleep 0.5
  import -window "$chart" "$out/keychart.png"
  kill "$program"
  exit 0
fi

cd "$(dirname "$0")/.."
out="$PWD/build/screenshots"
mkdir -p "$out"
windows=no
if [ "${1:-}" = "--windows" ]; then
  # The Windows program under Wine, in a prefix of its own: the demo folder is its C:\Zinc.
  windows=yes
  bin="${2:-build/windows-ui/bin}"
  export WINEPREFIX="$PWD/build/screenshots/wineprefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  unset QT_QPA_PLATFORM
  rm -rf "$WINEPREFIX"
  DISPLAY='' wineboot -i >/dev/null 2>&1
  wineserver -w
  demo="$WINEPREFIX/drive_c/Zinc"
  mkdir -p "$demo"
  cp -r "$bin"/corvane.exe "$bin"/zinc.exe "$bin"/*.dll "$bin/platforms" "$bin/styles" "$demo/"
  rm -f "$demo/platforms/qoffscreen.dll"
else
  bin="${1:-build/dev/bin}"
  demo="$(mktemp -d)"
  trap 'rm -rf "$demo"' EXIT
  cp "$bin/corvane" "$bin/zinc.exe" "$demo/"
fi
printf -- '--use-config-file=zinc.cfg\r\n 0 \r\n 0 \r\n 0 \r\n' >"$demo/corvane.cfg"
# Keys for both players; Start 1 and Fierce Kick share "1", which both buttons mark.
mkdir -p "$demo/ctrlr"
printf '[player1]\r\nstart=k02\r\ncoin=k06\r\nup=kC8\r\ndown=kD0\r\nleft=kCB\r\nright=kCD\r\n' \
  >"$demo/ctrlr/allcfg.ini"
printf '[player2]\r\nstart=k03\r\ncoin=k07\r\nup=k11\r\ndown=k1F\r\nleft=k1E\r\nright=k20\r\n' \
  >>"$demo/ctrlr/allcfg.ini"
printf '[all]\r\nservices=k3C\r\ntest=k3B\r\n' >>"$demo/ctrlr/allcfg.ini"
printf '[player1]\r\nbtn1=k1D\r\nbtn2=k38\r\nbtn3=k39\r\nbtn4=k2A\r\nbtn5=k2C\r\nbtn6=k02\r\n' \
  >"$demo/ctrlr/capcfg.ini"
printf '[ts2]\r\ncappunch1p1=k10\r\n' >"$demo/corvane-games.ini"
if [ "$windows" = yes ]; then
  xvfb-run -a -s '-screen 0 1024x768x24' "$PWD/scripts/screenshots.sh" --inside-windows \
    "$demo" "$out"
  ls "$out"/windows-*.png
  exit 0
fi
xvfb-run -a -s '-screen 0 1024x768x24' "$PWD/scripts/screenshots.sh" --inside "$demo" "$out"
# Keys whose full names are long, shown by their short names at 100 % and 200 %.
printf '[player1]\r\nbtn1=k0E\r\nbtn2=kB7\r\nbtn3=k36\r\nbtn4=k9C\r\nbtn5=kD1\r\nbtn6=k33\r\n' \
  >"$demo/ctrlr/capcfg.ini"
for scale in 1 2; do
  xvfb-run -a -s '-screen 0 1600x1200x24' "$PWD/scripts/screenshots.sh" --inside-keys "$demo" \
    "$out" "$scale"
done
ls "$out"
