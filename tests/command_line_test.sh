#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The programs' options with no display at all, and the game with displays that cannot be opened:
# --help and --version answer anywhere, an unknown option is refused with the usage (all in the
# language the game would show), Qt's own options go to Qt, and a display that cannot be opened is
# one line and status 1, not an abort.
set -eu
game=$1
replay=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 700 "$work"

failed=0
fail() { echo "FAIL: $*"; failed=1; }

# Runs a program in a bare environment plus the assignments given before `--`.
run() {
  assignments=""
  while [ "$1" != -- ]; do assignments="$assignments $1"; shift; done
  shift
  status=0
  # shellcheck disable=SC2086
  env -i PATH=/usr/bin:/bin HOME="$work" XDG_RUNTIME_DIR="$work" $assignments \
    timeout 30 "$@" >"$work/out" 2>"$work/err" || status=$?
}
expect() {  # status, what, then a grep pattern the output must hold
  [ "$status" -eq "$1" ] || fail "$2: status $status, not $1 ($(cat "$work/err"))"
  grep -q "$3" "$work/out" "$work/err" || fail "$2: no '$3' in: $(cat "$work/out" "$work/err")"
}
one_line() {
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$1: not one line: $(cat "$work/err")"
}

# The C locale is Japanese; the messages and the usage follow the language the game would show.
run -- "$game" --help;                      expect 0 "--help" '^使い方: zormade'
run -- "$game" --help --lang en;            expect 0 "--help --lang en" '^usage: zormade'
run -- "$game" -style Windows --version;    expect 0 "--version after a Qt option" '^zormade 0\.1$'
# An answer that cannot be written is a failure, not a success.
for option in --help --version; do
  run -- sh -c "\"$game\" $option >/dev/full"
  [ "$status" -eq 1 ] || fail "$option into a full device: status $status, not 1"
done
run -- "$game" --hepl;                      expect 2 "a misspelled option" "^zormade: 知らないオプション「--hepl」"
grep -q '^使い方: zormade' "$work/err" || fail "a misspelled option: no usage"
run LANGUAGE=en -- "$game" --hepl;          expect 2 "a misspelled option in English" "^zormade: unknown option '--hepl'"
grep -q '^usage: zormade' "$work/err" || fail "a misspelled option in English: no usage"
run -- "$game" -style=Windows -reverse stray; expect 2 "a stray argument" "^zormade: 余計な引数「stray」"
# What was typed reaches the terminal escaped, and a "%2" in it is not filled in.
run LANGUAGE=en -- "$game" "$(printf 'x\033]0;t\007%%2')"
expect 2 "an argument with control characters" "^zormade: unexpected argument 'x\\\\x1b]0;t\\\\x07%2'$"
# A language the game has no translation for is refused before any display is asked for.
run -- "$game" --lang de;                   expect 2 "--lang de" '^zormade: .*「de」.*ja, en'
grep -q '^使い方: zormade' "$work/err" || fail "--lang de: no usage"
run LANGUAGE=en -- "$game" --lang=xx;       expect 2 "--lang=xx on an English desktop" "^zormade: .*'xx'"
run -- "$replay" --lang de /dev/null;       expect 2 "zormade-replay --lang de" '^zormade-replay: .*「de」'
run -- "$replay" --version;                 expect 0 "zormade-replay --version" '^zormade-replay 0\.1$'
run -- "$replay" --verison;                 expect 2 "zormade-replay with a misspelled option" '^使い方: zormade-replay'
grep -q "^zormade-replay: 知らないオプション「--verison」" "$work/err" || fail "the replay's bad option is not named"
# The usage's first line, which runs on to a second, and nothing after it.
{ grep -q '標準入力を読みます）$' "$work/err" && ! grep -q -- '--help | --version' "$work/err"; } ||
  fail "the replay's refusal is not the usage's first two lines: $(cat "$work/err")"
run -- "$replay" --lang en --verison;       expect 2 "zormade-replay --lang en with a misspelled option" '^usage: zormade-replay'
grep -q "^zormade-replay: unknown option '--verison'" "$work/err" || fail "the replay's bad option is not named in English"
run LANGUAGE=en -- "$replay" /nonexistent; expect 2 "zormade-replay with no such script" "^zormade-replay: cannot read /nonexistent: "
printf 'jump\n' >"$work/bad"
run -- "$replay" "$work/bad";               expect 2 "zormade-replay with a bad line" "^zormade-replay: 1行目: 知らない指示「jump」です$"
run LANGUAGE=en -- "$replay" "$work/bad";   expect 2 "zormade-replay with a bad line in English" "^zormade-replay: line 1: unknown directive 'jump'$"
run -- "$replay" "$work/bad" stray;         expect 2 "zormade-replay with a stray argument" "^zormade-replay: 余計な引数「stray」"
# "-" names standard input, as for other tools.
printf 'turn 0 0 0 0 0 0\n' >"$work/script"
run -- sh -c "\"$replay\" - <\"$work/script\""; expect 0 "zormade-replay -" '^1991/01 '
# The engine gives numbers only: the replay's log lines are the board's words.
printf 'turn 0 0 0 0 0 0\nturn 5 0 0 9 0 0\n' >"$work/script"
run -- "$replay" "$work/script"
expect 0 "the replay's log in words" '^  | 患者数－－＞増えていません。投与しましょう。$'
grep -q '^  | 鵺田君－－＞81減少$' "$work/out" || fail "the replay's fall in words: $(cat "$work/out")"
# Japanese asked for on an English desktop.
run LANG=en_US.UTF-8 -- "$replay" --lang ja "$work/script"
expect 0 "zormade-replay --lang ja" '^  | 鵺田君－－＞81減少$'

# An X display nobody serves.
display=77
while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
run DISPLAY=:$display -- "$game"
expect 1 "DISPLAY=:$display with no server" "zormade: ウィンドウを開けません: .*:$display"
one_line "DISPLAY=:$display"
run LANGUAGE=en DISPLAY=:$display -- "$game"
expect 1 "DISPLAY=:$display with no server, in English" "zormade: cannot open a window: .*:$display"
# Wayland with no compositor, chosen by the variable and by Qt's option.
run QT_QPA_PLATFORM=wayland -- "$game"
expect 1 "Wayland with no compositor" "zormade: ウィンドウを開けません"
one_line "QT_QPA_PLATFORM=wayland"
run -- "$game" -platform wayland
expect 1 "-platform wayland with no compositor" "zormade: ウィンドウを開けません"
one_line "-platform wayland"

exit "$failed"
