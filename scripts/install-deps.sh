#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that are missing: `game` those the game needs to build and run,
# `all` (the default) those and what the tests, the fuzzers, the benchmarks and the packaging add.
#   scripts/install-deps.sh [game|all]
set -eu
game=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools
  qt6-charts-dev libqt6opengl6-dev  # Qt Charts' CMake files need the OpenGL ones; Debian does not pull them in
  libgl-dev
  qt6-l10n-tools qt6-tools-dev  # lrelease, and the CMake functions that run it
  fonts-ipafont-gothic fonts-liberation qt6-wayland
)
tests=(
  file python3
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format clang-tidy  # the fuzzers; the house style's and the names' checks
  qt6-svg-dev  # the picture generator draws the scalable icon through Qt SVG
  xvfb openbox libxcb1-dev desktop-file-utils appstream appstream-compose lintian
  weston x11-utils  # a headless Wayland compositor and xprop, for the windows' names
  at-spi2-core python3-pyatspi  # the accessibility bus and a listener for what a screen reader hears
  reuse
)
case ${1:-all} in
  game) packages=("${game[@]}") ;;
  all) packages=("${game[@]}" "${tests[@]}") ;;
  *) echo "usage: $0 [game|all]" >&2; exit 2 ;;
esac
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
