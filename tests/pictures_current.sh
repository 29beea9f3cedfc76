#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed bitmaps and icons must be exactly what the generator draws today.
set -eu
picgen=$1
committed=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$picgen" "$out" >/dev/null
diff -r "$out/bitmaps" "$committed/bitmaps"
diff -r "$out/icons" "$committed/icons"
