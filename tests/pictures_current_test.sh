#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The picture check tells a changed generator from a changed machine: driven here by a stand-in
# generator that writes whatever pictures and record it is given.
#   pictures_current_test.sh <pictures_current.sh>
set -eu
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/drawn/bitmaps" "$work/drawn/icons"
printf 'Qt 6.4.2\nIPAPGothic: IPAPGothic Regular 0123\n' >"$work/drawn/bitmaps/made-with.txt"
printf 'BM1' >"$work/drawn/bitmaps/132.bmp"
printf 'ICO' >"$work/drawn/icons/zormade.ico"
printf '#!/bin/sh\ncp -R "%s/drawn/." "$1"\n' "$work" >"$work/picgen"
chmod +x "$work/picgen"

expect() {  # expect <exit status> <text in the output> <what>
    local status=0
    "$check" "$work/picgen" "$work/committed" >"$work/output" 2>&1 || status=$?
    if [ "$status" != "$1" ] || { [ -n "$2" ] && ! grep -q "$2" "$work/output"; }; then
        echo "FAIL: $3 (exit $status)"; cat "$work/output"; exit 1
    fi
}

cp -R "$work/drawn" "$work/committed"
expect 0 '' "the same pictures on the same machine pass"
if grep -q changed "$work/output"; then echo "FAIL: a match reported a change"; exit 1; fi

printf 'BM2' >"$work/committed/bitmaps/132.bmp"
expect 1 'generator changed' "another picture on the same machine is the generator's change"

printf 'Qt 6.5.0\nIPAPGothic: IPAPGothic Regular 4567\n' >"$work/committed/bitmaps/made-with.txt"
expect 0 'machine changed' "another Qt or font is the machine's change, and passes"
grep -q 'Qt 6.5.0' "$work/output" || { echo "FAIL: the difference is not shown"; exit 1; }
echo "ok"
