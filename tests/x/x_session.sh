#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X server (Xvfb, on a free display) with a window manager (openbox)
# managing windows, DISPLAY naming it; the command's status, or 77 when neither can be started.
#   x_session.sh WIDTHxHEIGHT COMMAND [ARGUMENT...]
set -u
size=$1
shift
for tool in Xvfb openbox; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing"; exit 77; }
done
work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
# Waits up to 20 s for a command to succeed, checking ten times a second.
within() { for _ in $(seq 200); do "$@" && return 0; sleep 0.1; done; return 1; }

# Xvfb writes its display's number once it takes connections.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
within test -s "$work/display" || { echo "SKIP: Xvfb did not start"; exit 77; }
export DISPLAY=:$(cat "$work/display")
# Openbox runs its start-up command once it manages windows.
openbox --sm-disable --startup "touch $work/ready" >/dev/null 2>&1 &
pids+=($!)
within test -e "$work/ready" || { echo "SKIP: openbox did not start on $DISPLAY"; exit 77; }
"$@"
