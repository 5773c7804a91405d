#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need, and the Japanese locale
# the Windows stage runs its code page 932 tests under. Safe to run again.
# With --japanese-locale: only makes that locale, and prints its name (nothing when it cannot).
# With --wine32: only adds 32-bit Wine support (the i386 architecture and wine32), which the
# 32-bit zinc.exe needs; the Windows stage calls it.
set -euo pipefail
. "$(dirname "$0")/common.sh"

sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"

# The installed Japanese UTF-8 locale, generated from the locales package when missing.
japanese_locale() {
  local name
  name=$(locale -a 2>/dev/null | grep -ix 'ja_JP.utf-\?8' | head -n 1 || true)
  if [ -z "$name" ] && command -v localedef >/dev/null &&
    $sudo_cmd localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 >/dev/null 2>&1; then
    name=ja_JP.UTF-8
  fi
  [ -n "$name" ] && echo "$name"
}

# Wine's 32-bit half: Debian's and Ubuntu's "wine" alone cannot run a 32-bit Windows program.
# False when it cannot be installed (the mirror may lack the i386 packages that match the
# machine's own); an i386 architecture added for it is then taken away again, so that apt's
# later refreshes do not fail on its lists.
wine32_support() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed" && return
  local added=no
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo_cmd dpkg --add-architecture i386
    added=yes
  fi
  apt_update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq wine32:i386 && return
  if [ "$added" = yes ]; then
    $sudo_cmd dpkg --remove-architecture i386 && apt_update
  fi
  return 1
}

if [ "${1:-}" = "--wine32" ]; then
  wine32_support
  exit
fi

if [ "${1:-}" = "--japanese-locale" ]; then
  japanese_locale
  exit
fi

packages=(
  cmake ninja-build pkg-config g++ clang clang-tidy clang-format git locales
  libgtest-dev libgmock-dev googletest libbenchmark-dev libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev libxkbcommon-dev libxkbcommon-x11-dev libxcb1-dev
  xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core poppler-utils
  dbus at-spi2-core python3-pyatspi orca
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt_update
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi

wine32_support || loud "NO 32-BIT WINE: wine32:i386 could not be installed; the Windows stage" \
  "runs the 64-bit stand-in where players have a 32-bit zinc.exe."
japanese_locale >/dev/null || echo "Could not make the Japanese locale ja_JP.UTF-8." >&2
