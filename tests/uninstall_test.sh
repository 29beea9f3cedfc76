#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `make install PREFIX=...` into a staging folder, then installs of the kind the other tests and the
# package build make, then `make uninstall`: only what that first install put in place goes. A
# file of someone else's in each of the game's folders stays, with its folder; without them the
# game's own folders go too. Copies what the build made; builds nothing.
#   uninstall_test.sh <build-folder>
set -eu
build_dir=$1
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

make_() { make --no-print-directory -C "$source_dir" BUILD="$build_dir" INSTALL_MANIFEST="$work/manifest" "$@" >/dev/null; }
files() { (cd "$1" && find . -type f | sort); }

for foreign in yes no; do
  stage=$work/stage
  rm -rf "$stage" "$work/other"
  make_ install PREFIX=/usr/local DESTDIR="$stage"
  # What the install test and the package build do afterwards: CMake's manifest now lists /usr.
  DESTDIR="$work/other" cmake --install "$build_dir" --prefix /usr >/dev/null
  grep -q '/usr/games/zormade$' "$build_dir/install_manifest.txt" || fail "CMake's manifest was not overwritten"
  # A distribution's copy under /usr and a stranger's file beside each of ours.
  mkdir -p "$stage/usr/games" && echo distribution >"$stage/usr/games/zormade"
  if [ $foreign = yes ]; then
    (cd "$stage" && find . -type f -printf '%h\n' | sort -u) | while read -r folder; do
      echo theirs >"$stage/$folder/someone-elses"
    done
  fi
  expected=$(files "$stage" | grep -v '/usr/local/' ; files "$stage" | grep '/someone-elses$' | grep '/usr/local/' || true)
  expected=$(printf '%s\n' "$expected" | sed '/^$/d' | sort -u)
  folders=$(cd "$stage" && find . -type d | sort)
  make_ uninstall DESTDIR="$stage"
  left=$(files "$stage")
  [ "$left" = "$expected" ] || fail "foreign files $foreign: left after uninstall:
$left
expected:
$expected"
  if [ $foreign = yes ]; then
    [ "$(cd "$stage" && find . -type d | sort)" = "$folders" ] || fail "a folder holding a foreign file was removed"
  else
    for own in usr/local/lib/games/zormade; do
      [ ! -e "$stage/$own" ] || fail "$own is left although empty"
    done
  fi
done
[ "$failed" -eq 0 ] && echo "make uninstall removed exactly what make install put in place"
exit "$failed"
