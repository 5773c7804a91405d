#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (mingw-w64, posix threads) from Debian's source package of the
# same Qt version as the host's, once per machine, into a cache folder outside the clone:
#   ${CORVANE_QT_CACHE:-/var/cache/corvane}/qt-<version>-mingw-<hash of this script>
# The folder is only complete when it holds the file `complete`; a version or a change of this
# script gives a new folder, so a stale build is never reused.
#
#   scripts/build-qt-mingw.sh            builds when missing, prints the folder last
#   scripts/build-qt-mingw.sh --path     prints the folder, builds nothing
#   scripts/build-qt-mingw.sh --ready    exits 0 when the folder is complete, builds nothing
#
# Only what the program and its tests use: Core, Gui, Widgets, PrintSupport, Test, the `windows`
# and `offscreen` platform plug-ins and the Windows style. SQL, D-Bus and the network are off.
# Debian's source leaves out the tablet header the `windows` plug-in includes, so `tabletevent`
# is off; in this Qt the plug-in does not compile without OpenGL, so OpenGL is on, loaded at run
# time (`dynamic`, the Windows default, which needs no other library at build time). The
# DirectWrite font engine is built only with Direct2D, yet printing calls it whenever DirectWrite
# is on, so both are off and fonts come through GDI.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
script="$here/$(basename "$0")"

host_qt_version() {
  dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | sed 's/^[0-9]*://; s/[+-].*//'
}

qt_version="$(host_qt_version)"
if [ -z "$qt_version" ]; then
  echo "build-qt-mingw: the host Qt (qt6-base-dev) is not installed" >&2
  exit 1
fi
script_hash="$(sha256sum "$script" | cut -c1-12)"
cache_root="${CORVANE_QT_CACHE:-/var/cache/corvane}"
prefix="$cache_root/qt-$qt_version-mingw-$script_hash"

case "${1:-}" in
--path)
  echo "$prefix"
  exit 0
  ;;
--ready)
  [ -f "$prefix/complete" ]
  exit
  ;;
esac
if [ -f "$prefix/complete" ]; then
  echo "$prefix"
  exit 0
fi

# Another apt run (another stage installing its packages) may hold the lock: wait for it.
as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# The sources of the mirror apt already uses, for `apt-get source`.
ensure_source_line() {
  local list=/etc/apt/sources.list.d/corvane-deb-src.sources
  [ -f "$list" ] && return 0
  local uri suites
  uri="$(grep -h '^URIs:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1 |
    awk '{print $2}')"
  suites="$(grep -h '^Suites:' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1 |
    cut -d' ' -f2-)"
  if [ -z "$uri" ]; then
    read -r uri suites < <(awk '$1 == "deb" {print $2, $3; exit}' /etc/apt/sources.list)
  fi
  printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\n' "$uri" "${suites:-bookworm}" |
    as_root tee "$list" >/dev/null
  as_root apt-get -o DPkg::Lock::Timeout=900 update -qq
}

ensure_tools() {
  local missing=() package
  for package in g++-mingw-w64-x86-64 dpkg-dev cmake ninja-build perl python3; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
      missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  as_root apt-get -o DPkg::Lock::Timeout=900 update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get -o DPkg::Lock::Timeout=900 install -y -qq \
    "${missing[@]}"
}

fetch_source() {
  local into="$1"
  mkdir -p "$into"
  (cd "$into" && apt-get source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)" \
    >/dev/null)
  find "$into" -maxdepth 1 -mindepth 1 -type d -name 'qt6-base-*' | head -1
}

write_toolchain() {
  cat >"$1" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF
}

configure_qt() {
  local source="$1" build="$2" toolchain="$3"
  local features=(
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_network=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF
    -DINPUT_opengl=dynamic -DFEATURE_opengl_dynamic=ON
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_printsupport=ON -DFEATURE_testlib=ON -DFEATURE_widgets=ON
  )
  cmake -S "$source" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DQT_GENERATE_SBOM=OFF \
    "${features[@]}"
}

main() {
  ensure_tools
  ensure_source_line
  # One fixed work folder, so that with a compiler cache (ccache through
  # CMAKE_CXX_COMPILER_LAUNCHER) a rebuild after a change of this script compiles little.
  local work="$cache_root/work"
  rm -rf "$work" "$prefix"
  mkdir -p "$work"
  local source
  source="$(fetch_source "$work/src")"
  write_toolchain "$work/toolchain.cmake"
  local started
  started=$(date +%s)
  configure_qt "$source" "$work/build" "$work/toolchain.cmake"
  cmake --build "$work/build" -j "${CORVANE_QT_JOBS:-2}"
  cmake --install "$work/build"
  echo "$qt_version built $(date -u +%FT%TZ) in $(($(date +%s) - started)) s" >"$prefix/complete"
  rm -rf "$work"
  echo "$prefix"
}

main
