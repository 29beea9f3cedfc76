#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed bitmaps and icons must be exactly what the generator draws today. Their lettering and
# scaling come from Qt and the installed font faces, recorded in bitmaps/made-with.txt: where this
# machine's differ, the pictures cannot be compared, and the check says so instead of failing.
#   pictures_current.sh <picgen> <res-directory>
set -eu
picgen=$1
committed=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$picgen" "$out" >/dev/null

record=bitmaps/made-with.txt
if ! diff -u "$committed/$record" "$out/$record" >"$out/machine.diff"; then
    echo "machine changed: the pictures were made with other Qt or fonts than this machine has:"
    cat "$out/machine.diff"
    echo "They are not compared here. To make them here: $picgen $committed, then review and commit."
    exit 0
fi
if ! diff -rq "$out/bitmaps" "$committed/bitmaps" || ! diff -rq "$out/icons" "$committed/icons"; then
    echo "generator changed: the committed pictures are not what it draws on the machine that made them."
    echo "Run $picgen $committed, look at the pictures, and commit them."
    exit 1
fi
