#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The install step of the finished build into a staging folder: the programs, the desktop entry,
# the icons and the manual pages in their places; `make uninstall` is the uninstall test's.
# Only copies what the build made; builds and installs no packages.
set -eu
build_dir=$1
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$build_dir" --prefix /usr >/dev/null

failed=0
fail() { echo "FAIL: $*"; failed=1; }

for program in zormade zormade-replay; do
  [ -x "$stage/usr/games/$program" ] || fail "usr/games/$program is missing or not executable"
  [ -f "$stage/usr/share/man/man6/$program.6.gz" ] || fail "the manual page of $program is missing"
done
[ -f "$stage/usr/share/man/ja/man6/zormade.6.gz" ] || fail "the game's Japanese manual page is missing"
# The graph window loads its charts from beside the program: games/../lib/games/zormade.
[ -f "$stage/usr/lib/games/zormade/zormade-charts.so" ] || fail "usr/lib/games/zormade/zormade-charts.so is missing"

entry=$stage/usr/share/applications/org.zormade.zormade.desktop
if [ -f "$entry" ]; then
  for line in '[Desktop Entry]' 'Type=Application' 'Name=ZORMADE' 'Exec=zormade' 'Icon=org.zormade.zormade' \
              'Categories=Game;Simulation;'; do
    grep -qxF "$line" "$entry" || fail "the desktop entry lacks '$line'"
  done
  # A name, a generic name and a comment in English (untranslated) and in Japanese.
  for key in Name GenericName Comment; do
    grep -q "^$key=." "$entry" || fail "the desktop entry has no English $key"
    grep -q "^$key\[ja\]=." "$entry" || fail "the desktop entry has no Japanese $key"
  done
else
  fail "usr/share/applications/org.zormade.zormade.desktop is missing"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }
for size in 16 32 48 64 128 256; do
  icon=$stage/usr/share/icons/hicolor/${size}x${size}/apps/org.zormade.zormade.png
  if [ -f "$icon" ]; then
    [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "$icon is $(png_size "$icon"), not ${size}x${size}"
  else
    fail "usr/share/icons/hicolor/${size}x${size}/apps/org.zormade.zormade.png is missing"
  fi
done
grep -q '<svg' "$stage/usr/share/icons/hicolor/scalable/apps/org.zormade.zormade.svg" ||
  fail "the scalable icon is missing"
installed=$(cd "$stage" && find . -type f | sort | tr '\n' ' ')

[ "$failed" -eq 0 ] && echo "installed: $installed"
exit "$failed"
