#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The screenshots for software centres, res/screenshots/{board,event,graph}.png: the game's own
# windows, driven by the window tests on Qt's offscreen platform, grabbed as they are shown.
#   scripts/screenshots.sh [build-folder]   (build by default; run `make` first)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$source_dir/build}
tests=$build/tests/ui_tests
[ -x "$tests" ] || { echo "screenshots: $tests is not built; run make first" >&2; exit 1; }
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

QT_QPA_PLATFORM=offscreen ZORMADE_SCREENSHOTS=$shots "$tests" \
  --gtest_filter='BoardTest.ATickPlays*:EventDlgTest.OpensWith*:GraphTest.ACapture*' >/dev/null
mkdir -p "$source_dir/res/screenshots"
# A month into a run, an event's question, and the run's graph.
for pair in board-running:board event-22:event graph-capture:graph; do
  from=$shots/${pair%%:*}.png
  [ -f "$from" ] || { echo "screenshots: the tests saved no ${pair%%:*}.png" >&2; exit 1; }
  cp "$from" "$source_dir/res/screenshots/${pair#*:}.png"
done
ls "$source_dir/res/screenshots"
