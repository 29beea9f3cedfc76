#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build, the tests and the game need, but only those missing.
set -eu
packages=(
  build-essential cmake ninja-build pkg-config file python3
  qt6-base-dev qt6-base-dev-tools
  qt6-charts-dev libqt6opengl6-dev  # Qt Charts' CMake files need the OpenGL ones; Debian does not pull them in
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format  # the fuzzers; the house style's check
  fonts-ipafont-gothic qt6-wayland
  libgl-dev
  qt6-svg-dev  # the picture generator draws the scalable icon through Qt SVG
  xvfb openbox libxcb1-dev desktop-file-utils appstream appstream-compose lintian
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
