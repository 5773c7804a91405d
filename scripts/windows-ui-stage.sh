#!/usr/bin/env bash
# The Windows window stage: the full corvane.exe with its windows, cross built with mingw-w64
# against the Qt of scripts/build-qt-mingw.sh (the `windows-ui` preset), the zip a player
# unpacks, the window test suites under Wine, and the zip used as a player would
# (tests/windows/zip_window.py). Run by scripts/test.sh after the batch-only Windows stage.
#
# Qt for mingw-w64 takes long to build (see docs/windows.md), so it is built once per machine
# into a cache. When the cache is missing this stage builds it only when asked to
# (CORVANE_BUILD_QT=1, or --build-qt); otherwise it says so loudly, writes no test log (the
# test summary then names the stage as not run) and exits 0.
set -euo pipefail
cd "$(dirname "$0")/.."

. scripts/common.sh

# Qt for mingw-w64: the cached build, or a new one when allowed; false when there is none.
ensure_qt() {
  if scripts/build-qt-mingw.sh --ready; then
    return 0
  fi
  if [ "${CORVANE_BUILD_QT:-0}" = 1 ] || [ "${1:-}" = --build-qt ]; then
    local started
    started=$(date +%s)
    nice -n 19 scripts/build-qt-mingw.sh
    echo "Qt for mingw-w64 built in $(($(date +%s) - started)) s"
    return 0
  fi
  return 1
}

build_program_and_zip() {
  cmake --preset windows-ui >/dev/null
  cmake --build --preset windows-ui -j2 --target corvane zinc_standin ui_tests
  # The zip from what was just built; cpack installs without building everything first.
  (cd build/windows-ui && cpack -G ZIP >/dev/null)
  ls -l build/windows-ui/corvane-*-windows.zip
}

# A fresh 64-bit prefix of its own, and one Wine server for every test program.
start_wine() {
  export WINEPREFIX="$PWD/build/windows-ui/wineprefix" WINEARCH=win64 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  [ -d "$WINEPREFIX" ] && { wineserver -k 2>/dev/null || true; wineserver -w; }
  rm -rf "$WINEPREFIX"
  DISPLAY='' wineboot -i >/dev/null 2>&1 </dev/null
  wineserver -w
  wineserver -p
  trap 'WINEPREFIX="$PWD/build/windows-ui/wineprefix" wineserver -k 2>/dev/null || true' EXIT
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null
}

main() {
  if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null || ! command -v wine >/dev/null; then
    loud "WINDOWS WINDOW TESTS SKIPPED: the cross compiler or Wine is missing (the batch-only" \
      "Windows stage installs them)."
    exit 0
  fi
  local started
  started=$(date +%s)
  if ! ensure_qt "$@"; then
    loud "WINDOWS WINDOW TESTS NOT RUN: no Qt for mingw-w64 in" \
      "$(scripts/build-qt-mingw.sh --path). Build it once (some 40 minutes on two idle cores):" \
      "scripts/build-qt-mingw.sh, or run this stage with CORVANE_BUILD_QT=1."
    exit 0
  fi
  CORVANE_QT_MINGW="$(scripts/build-qt-mingw.sh --path)"
  export CORVANE_QT_MINGW
  rm -f build/windows-ui/ctest.log
  build_program_and_zip
  local build_seconds=$(($(date +%s) - started))

  # The window suites run on the windows platform on a virtual display: without one Wine has no
  # window driver, and on the offscreen platform a Windows program's window never becomes
  # active. One at a time: two programs on one display would take the focus from each other.
  started=$(date +%s)
  (
    if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then export LC_ALL=C.UTF-8; fi
    start_wine
    tests/desktop/with_xvfb.sh ctest --preset windows-ui -j1 --timeout 900 \
      --output-log build/windows-ui/ctest.log -R '^(ui|wine)\.'
  )
  echo "Windows window stage: build and zip ${build_seconds} s, tests under Wine" \
    "$(($(date +%s) - started)) s;" \
    "$(grep -ho '[0-9]* tests failed out of [0-9]*' build/windows-ui/ctest.log)"
}

main "$@"
