#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need. Safe to run again.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang clang-tidy clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev
  xvfb xauth xdotool imagemagick x11-utils fonts-dejavu-core poppler-utils
  dbus at-spi2-core python3-pyatspi
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
