#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The names the desktop matches the running game to its entry by: the app id a Wayland
# compositor (weston, headless) receives, and the window class X11 (Xvfb, openbox) shows, are
# those the desktop entry names. On Wayland the opening picture is the main window's child, so
# that it stays above it. Status 77 when a display server is missing.
#   x_session.sh 1024x768 window_names_test.sh <zormade> <desktop-entry>
set -eu
game=$1
entry=$2
for tool in weston xprop; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
chmod 700 "$work"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }
# Waits up to 30 s for a command to succeed, checking ten times a second.
within() { for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done; return 1; }

id=$(basename "$entry" .desktop)
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$class" ] || fail "the desktop entry names no StartupWMClass"
mkdir -p "$work/config/zormade"
printf '[Option]\nOpening=0\n' >"$work/config/zormade/zormade.ini"
export HOME=$work XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work

# Wayland: what the game asks of the compositor, as its Wayland library logs it.
weston --backend=headless-backend.so --socket=zormade-test --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
within test -S "$work/zormade-test" || { echo "SKIP: weston did not start: $(cat "$work/weston.log")"; exit 77; }
WAYLAND_DISPLAY=zormade-test WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$game" 2>"$work/wayland.log" &
pids+=($!)
parented() { grep -q 'xdg_toplevel@[0-9]*\.set_parent(xdg_toplevel@[0-9]*)' "$work/wayland.log"; }
within parented || fail "the opening picture was given no parent on Wayland"
ids=$(sed -n 's/.*xdg_toplevel@[0-9]*\.set_app_id("\([^"]*\)").*/\1/p' "$work/wayland.log" | sort -u)
[ "$ids" = "$id" ] || fail "Wayland app ids: '$ids', not '$id'"

# X11, on the server DISPLAY names: the class of every top-level window the game shows.
QT_QPA_PLATFORM=xcb "$game" 2>/dev/null &
game_pid=$!
pids+=("$game_pid")
windows() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -o '0x[0-9a-f]*'; }
within windows >/dev/null || fail "no window appeared on X11"
for window in $(windows); do
  props=$(xprop -id "$window" WM_CLASS 2>/dev/null) || continue  # the opening, gone meanwhile
  shown=$(sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p' <<<"$props")
  [ "$shown" = "$class" ] || fail "X11 window $window has the class '$shown', not '$class'"
done
[ "$failed" -eq 0 ] && echo "app id $id on Wayland, class $class on X11"
exit "$failed"
