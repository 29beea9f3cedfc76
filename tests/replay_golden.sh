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

# A script that cannot be read is an error, never an empty run, and the message says why.
for unreadable in "$golden/none.replay:No such file" "$golden:Is a directory"; do
  status=0
  said=$("$replay" "${unreadable%%:*}" 2>&1 >/dev/null) || status=$?
  [ "$status" -eq 2 ] || fail "the unreadable ${unreadable%%:*} gave status $status, not 2"
  case $said in *"${unreadable#*:}"*) ;; *) fail "the unreadable ${unreadable%%:*} said: $said" ;; esac
done
# --help tells how to write a script, and is not an error, wherever it stands.
for options in "--lang en --help" "--history --help --lang en"; do
  # shellcheck disable=SC2086
  help=$("$replay" $options) || fail "$options ended with status $?"
  case $help in "usage: zormade-replay"*) ;; *) fail "$options printed no usage" ;; esac
done
# Output lost on a full disk is told, also when a bad line follows it.
status=0
said=$(printf 'turn 0 0 0 0 0 0\nbad\n' | "$replay" --lang en 2>&1 >/dev/full) || status=$?
[ "$status" -eq 1 ] || fail "a full disk gave status $status, not 1"
case $said in *"could not be written"*) ;; *) fail "a full disk was not told: $said" ;; esac
exit "$failed"
