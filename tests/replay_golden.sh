#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The replay tool against the months committed under tests/golden: for each script there, every
# number of every month and every event shown must come out as its .expected file holds them.
# Event texts and log lines are left out, so rewording an event changes nothing here.
# With --update, writes the .expected files from today's engine instead (the golden-update target).
set -eu
replay=$1
golden=$2
mode=${3:-check}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

for script in "$golden"/*.replay; do
  expected=${script%.replay}.expected
  status=0
  "$replay" "$script" >"$out" || status=$?
  [ "$status" -eq 0 ] || fail "$script ended with status $status"
  sed -i '/^  /d' "$out"
  if [ "$mode" = --update ]; then
    cp "$out" "$expected"
  else
    diff -u "$expected" "$out" || fail "$script no longer plays as $expected says"
  fi
done

# A script that cannot be read is an error, never an empty run.
for unreadable in "$golden/none.replay" "$golden"; do
  status=0
  "$replay" "$unreadable" >/dev/null 2>&1 || status=$?
  [ "$status" -eq 2 ] || fail "the unreadable $unreadable gave status $status, not 2"
done
# --help tells how to write a script, and is not an error.
help=$("$replay" --help) || fail "--help ended with status $?"
case $help in "usage: zormade-replay"*) ;; *) fail "--help printed no usage" ;; esac
exit "$failed"
