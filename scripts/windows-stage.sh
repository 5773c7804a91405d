#!/usr/bin/env bash
# The Windows stage: cross compiles the batch-only program, the stand-in emulator and both test
# suites with mingw-w64 and runs them under Wine, in a fresh 64-bit prefix under build/windows/.
# Then, when a Linux build is there (build/dev), it runs both programs on the same emulator
# folder and compares what they write, byte for byte.
#
# When the cross compiler or Wine cannot be installed this says so loudly and exits 0, so the
# rest of the tests still count; once the tools are there, any failure fails the stage.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/common.sh

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# Installs what is missing; false when that cannot be done here.
ensure_packages() {
  local missing=() package
  for package in "$@"; do
    installed "$package" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo_cmd=""
  if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || return 1
    sudo_cmd="sudo"
  fi
  # With the recommended packages: that is the Wine every run of this stage has been checked on.
  apt_update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
}

if ! ensure_packages g++-mingw-w64-x86-64 g++-mingw-w64-i686 googletest cmake ninja-build python3 locales ||
  ! command -v x86_64-w64-mingw32-g++ >/dev/null; then
  loud "WINDOWS STAGE SKIPPED: the mingw-w64 cross compiler could not be installed."
  exit 0
fi
with_wine=yes
if ! ensure_packages wine wine64 || ! command -v wine >/dev/null; then
  loud "WINDOWS TESTS SKIPPED: Wine could not be installed; only the cross build is checked."
  with_wine=no
fi
# With its 32-bit half: the emulator players have is a 32-bit program. Whether this Wine runs
# one is checked once the prefix is made.
[ "$with_wine" = no ] || scripts/setup-deps.sh --wine32 || true

started=$(date +%s)
cmake --preset windows >/dev/null
cmake --build --preset windows -j2
# The stand-in once more as a 32-bit program, for the Linux program's runs through Wine.
cmake -S . -B build/windows32 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCORVANE_WITH_UI=OFF -DCORVANE_TESTS=OFF >/dev/null
cmake --build build/windows32 --target zinc_standin
build_seconds=$(($(date +%s) - started))
echo "Cross build: ${build_seconds} s"
[ "$with_wine" = yes ] || exit 0

# Headless and quiet: no display, no debug channels, no prompts to install Mono or Gecko.
unset DISPLAY WAYLAND_DISPLAY
# Wine names Linux files in the locale's character set. With no locale set (POSIX, plain ASCII,
# as on a fresh system) a folder named with letters beyond ASCII cannot be made at all, so the
# tests of such folders need a UTF-8 locale; the code page 932 run below sets its own.
if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
  export LC_ALL=C.UTF-8
fi
export WINEPREFIX="$PWD/build/windows/wineprefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

started=$(date +%s)
# A server left by an earlier run must go before its prefix does, or it outlives it.
[ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; wineserver -w; }
rm -rf "$WINEPREFIX"
wineboot -i >/dev/null 2>&1 </dev/null
wineserver -w
# A network share of drive C: (\\localhost\c\...), so the tests can run the program from a UNC
# folder, where cmd.exe cannot start.
mkdir -p "$WINEPREFIX/dosdevices/unc/localhost"
ln -sfn ../../../drive_c "$WINEPREFIX/dosdevices/unc/localhost/c"
# Then one persistent server for all the test programs, instead of one started for each. Its
# services start now, on /dev/null: started by a test, they would hold CTest's output pipes.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
prefix_seconds=$(($(date +%s) - started))

# The Linux program's runs through Wine take the players' kind of zinc.exe, the 32-bit stand-in,
# where this Wine runs it; the 64-bit one stays for one test, and the 32-bit one for the case of a
# Wine without its 32-bit half, which needs no 32-bit Wine here.
export CORVANE_WINDOWS_ZINC32="$PWD/build/windows32/bin/zinc.exe"
export CORVANE_WINDOWS_ZINC64="$PWD/build/windows/bin/zinc.exe"
if [ -n "$(wine "$CORVANE_WINDOWS_ZINC32" --list-games 2>/dev/null </dev/null | head -c 1)" ]; then
  zinc_for_linux="$CORVANE_WINDOWS_ZINC32"
else
  loud "NO 32-BIT WINE: this Wine cannot run the 32-bit stand-in; the Linux program's runs" \
    "through Wine take the 64-bit one."
  zinc_for_linux="$CORVANE_WINDOWS_ZINC64"
fi

started=$(date +%s)
ctest --preset windows -j2 --timeout 300 --output-log build/windows/ctest.log
# Once more under a Japanese locale, where Wine's ANSI code page is 932 and many characters end
# in the byte 0x5C: the code-page and folder tests, and every batch run through cmd.exe.
japanese_locale=$(scripts/setup-deps.sh --japanese-locale || true)
if [ -n "$japanese_locale" ]; then
  LC_ALL=$japanese_locale ctest --preset windows -j2 --timeout 300 \
    --output-log build/windows/ctest-932.log \
    -R 'CodePage|DoubleByte|ModuleDir|Windows|ShellFolder|NetworkFolder|Batch|StandIn'
else
  loud "NO JAPANESE LOCALE: the code page 932 run is left out (install the locales package)."
fi
test_seconds=$(($(date +%s) - started))

compare_seconds=0
if [ -x build/dev/bin/corvane ] && [ -x build/dev/bin/zinc.exe ]; then
  echo "Files written by the Linux and the Windows program:"
  started=$(date +%s)
  python3 tests/windows/compare_with_linux.py build/dev/bin build/windows/bin build/windows/compare
  # The Linux program beside the Windows stand-in, as a Linux player has it: every run of
  # zinc.exe goes through Wine (this stage's prefix, its server warm).
  echo "The Linux program beside the Windows zinc.exe, through Wine:"
  CORVANE_WINDOWS_ZINC="$zinc_for_linux" ctest --preset dev -j2 --timeout 300 \
    --output-log build/windows/ctest-linux-wine.log -R 'ThroughWine|NoWine|WineFails|DatPathWithDashes'
  if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null &&
    [ -x build/dev/bin/corvane ] && ldd build/dev/bin/corvane | grep -q Qt6Widgets; then
    xvfb-run -a -n 95 -s "-screen 0 1024x768x24 -noreset" \
      python3 tests/windows/linux_window.py build/dev/bin "$(dirname "$zinc_for_linux")" \
      build/windows/linux-window
  else
    loud "NO WINDOW THROUGH WINE: xvfb-run, xdotool or the Linux program's window is missing."
  fi
  compare_seconds=$(($(date +%s) - started))
else
  echo "No Linux build in build/dev: the byte-for-byte comparison is left out."
fi

echo "Windows stage: cross build ${build_seconds} s, Wine prefix ${prefix_seconds} s," \
  "tests under Wine ${test_seconds} s, comparison ${compare_seconds} s;" \
  "$(grep -ho '[0-9]* tests failed out of [0-9]*' build/windows/ctest*.log | paste -sd ' ' -)"
