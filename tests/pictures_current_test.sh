#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The picture check, driven by a stand-in generator that writes whatever pictures and record it is
# given: alike pictures pass on any machine, a changed picture fails where the machine is the one
# recorded, a changed picture on another machine and a picture that cannot be compared are
# skipped (77), never passed.
#   pictures_current_test.sh <pictures_current.sh> <piccompare> <res-directory>
set -eu
check=$1
compare=$2
res=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/drawn/bitmaps" "$work/drawn/icons"
cp "$res/bitmaps/made-with.txt" "$res/bitmaps/132.bmp" "$work/drawn/bitmaps/"
cp "$res/icons/zormade-64.png" "$res/icons/zormade.ico" "$res/icons/icons.qrc" "$work/drawn/icons/"
printf '#!/bin/sh\ncp -R "%s/drawn/." "$1"\n' "$work" >"$work/picgen"
chmod +x "$work/picgen"

expect() {  # expect <exit status> <text in the output> <what>
    local status=0
    "$check" "$work/picgen" "$compare" "$work/committed" >"$work/output" 2>&1 || status=$?
    if [ "$status" != "$1" ] || ! grep -q "$2" "$work/output"; then
        echo "FAIL: $3 (exit $status)"; cat "$work/output"; exit 1
    fi
}
fresh() { rm -rf "$work/committed"; cp -R "$work/drawn" "$work/committed"; }
other_machine() { printf 'Qt 6.5.0\nIPAPGothic: IPAPGothic Regular 4567\n' >"$work/committed/bitmaps/made-with.txt"; }

fresh
expect 0 '^3 pictures look as committed' "the same pictures pass"
other_machine
expect 0 '^3 pictures look as committed' "the same pictures pass on another machine too"

fresh
cp "$res/bitmaps/137.bmp" "$work/committed/bitmaps/132.bmp"
expect 1 'generator changed' "another picture of the same size on the same machine is the generator's change"
grep -q 'bitmaps/132.bmp' "$work/output" || { echo "FAIL: the changed picture is not named"; exit 1; }
other_machine
expect 77 'SKIP: the pictures were made with other Qt' "a changed picture on another machine is skipped"
grep -q 'Qt 6.5.0' "$work/output" || { echo "FAIL: the machine's difference is not shown"; exit 1; }

fresh
echo '<RCC/>' >"$work/committed/icons/icons.qrc"
expect 1 'changed: icons/icons.qrc' "a changed resource file"
fresh
rm "$work/committed/icons/zormade.ico"
expect 1 'changed: the list of files' "a picture the generator draws but nobody committed"
fresh
echo 'not a picture' >"$work/committed/icons/zormade-64.png"
expect 77 'SKIP: icons/zormade-64.png cannot be compared' "a picture that cannot be decoded"
fresh
printf '#!/bin/sh\necho no font >&2\nexit 1\n' >"$work/picgen"
expect 77 'SKIP: the generator cannot draw here: no font' "a generator that cannot draw"
echo "ok"
