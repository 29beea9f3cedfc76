#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The screenshot check fails on a screenshot that no longer shows its window, and names it: here a
# copy of the committed ones where the graph's is the board's, while the others still match.
#   screenshots_check_test.sh <screenshots.sh> <build-folder>
set -eu
script=$1
build=$2
res=$(cd "$(dirname "$0")/../res" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$res/screenshots/"*.png "$work/"
cp "$res/screenshots/board.png" "$work/graph.png"
status=0
"$script" --check "$build" "$work" >"$work/out" 2>&1 || status=$?
failed=0
[ "$status" -eq 1 ] || { echo "FAIL: status $status, not 1"; failed=1; }
grep -q "stale: $work/graph.png" "$work/out" || { echo "FAIL: the stale graph is not named"; failed=1; }
if grep -q "stale: $work/board.png" "$work/out"; then echo "FAIL: a current screenshot called stale"; failed=1; fi
[ "$failed" -eq 0 ] || cat "$work/out"
exit "$failed"
