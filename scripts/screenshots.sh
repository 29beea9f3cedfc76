#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The screenshots for software centres, res/screenshots/{board,event,graph}.png: the game's own
# windows, driven by the window tests on Qt's offscreen platform, grabbed as they are shown.
# With --check, nothing is written: each committed screenshot is compared with today's grab by
# piccompare, and the status is 1 when one no longer matches (77 when they cannot be compared).
#   scripts/screenshots.sh [--check] [build-folder [screenshots-folder]]
# (build and res/screenshots by default; run `make` first)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
check=false
if [ "${1:-}" = --check ]; then check=true; shift; fi
build=${1:-$source_dir/build}
committed=${2:-$source_dir/res/screenshots}
tests=$build/tests/ui_tests
compare=$build/tools/picgen/piccompare
cannot=1
$check && cannot=77
[ -x "$tests" ] || { echo "screenshots: $tests is not built; run make first" >&2; exit $cannot; }
! $check || [ -x "$compare" ] || { echo "screenshots: $compare is not built" >&2; exit 77; }
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

QT_QPA_PLATFORM=offscreen ZORMADE_SCREENSHOTS=$shots "$tests" \
  --gtest_filter='BoardTest.ATickPlays*:EventDialogTest.OpensWith*:GraphTest.ACapture*' >/dev/null
$check || mkdir -p "$committed"
# A month into a run, an event's question, and the run's graph.
stale=0
for pair in board-running:board event-22:event graph-capture:graph; do
  from=$shots/${pair%%:*}.png
  to=$committed/${pair#*:}.png
  [ -f "$from" ] || { echo "screenshots: the tests saved no ${pair%%:*}.png" >&2; exit 1; }
  if ! $check; then
    cp "$from" "$to"
    continue
  fi
  status=0
  "$compare" "$to" "$from" || status=$?
  case $status in
  0) ;;
  1) echo "stale: $to is not what the window shows today; run $0"; stale=1 ;;
  *) exit 77 ;;
  esac
done
$check || ls "$committed"
exit $stale
