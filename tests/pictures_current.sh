#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The committed bitmaps and icons must look like what the generator draws today: each picture's
# decoded pixels are compared within piccompare's tolerance, which anti-aliasing that differs from
# one renderer to another stays inside. Other files the generator writes are compared byte for
# byte. When pictures differ and this machine's Qt or fonts are not those recorded in
# bitmaps/made-with.txt, a changed generator cannot be told from a changed machine: the check is
# then skipped (status 77), never passed.
#   pictures_current.sh <picgen> <piccompare> <res-directory>
set -eu
picgen=$1
compare=$2
committed=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
if ! QT_QPA_PLATFORM=offscreen "$picgen" "$out" >"$out/picgen.log" 2>&1; then
    echo "SKIP: the generator cannot draw here: $(cat "$out/picgen.log")"
    exit 77
fi

changed=()
compared=0
drawn=$(cd "$out" && find bitmaps icons -type f | sort)
[ "$drawn" = "$(cd "$committed" && find bitmaps icons -type f | sort)" ] || changed+=("the list of files")
for file in $drawn; do
    [ -f "$committed/$file" ] || continue
    case $file in
    *.bmp | *.png | *.ico)
        status=0
        "$compare" "$committed/$file" "$out/$file" >"$out/compare.log" 2>&1 || status=$?
        case $status in
        0) compared=$((compared + 1)) ;;
        1) changed+=("$file: $(cat "$out/compare.log")") ;;
        *) echo "SKIP: $file cannot be compared: $(cat "$out/compare.log")"; exit 77 ;;
        esac ;;
    bitmaps/made-with.txt) ;;
    *) cmp -s "$committed/$file" "$out/$file" || changed+=("$file") ;;
    esac
done
if [ ${#changed[@]} -eq 0 ]; then
    echo "$compared pictures look as committed"
    exit 0
fi
printf 'changed: %s\n' "${changed[@]}"
record=bitmaps/made-with.txt
if ! diff -u "$committed/$record" "$out/$record"; then
    echo "SKIP: the pictures were made with other Qt or fonts than this machine has, so a changed"
    echo "generator cannot be told from a changed machine. To make them here: $picgen $committed"
    exit 77
fi
echo "generator changed: the committed pictures are not what it draws on a machine like the one that made them."
echo "Run $picgen $committed, look at the pictures, and commit them."
exit 1
