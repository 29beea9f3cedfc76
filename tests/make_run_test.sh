#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `make run` with no display: one message and status 1, and no package installed or tree built
# (the build folder it is given stays absent; a stand-in sudo and apt-get would say if called).
#   make_run_test.sh <source-folder>
set -eu
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
for tool in sudo apt-get cmake dpkg-query; do
  printf '#!/bin/sh\necho "%s was called" >>"%s/called"\n' "$tool" "$work" >"$work/bin/$tool"
  chmod +x "$work/bin/$tool"
done
status=0
env -i PATH="$work/bin:/usr/bin:/bin" HOME="$work" \
  make --no-print-directory -C "$source_dir" run BUILD="$work/build" >"$work/out" 2>&1 || status=$?
failed=0
[ "$status" -ne 0 ] || { echo "FAIL: make run without a display succeeded"; failed=1; }
grep -q '^make run: no display' "$work/out" || { echo "FAIL: no message: $(cat "$work/out")"; failed=1; }
[ ! -e "$work/called" ] || { echo "FAIL: $(cat "$work/called")"; failed=1; }
[ ! -e "$work/build" ] || { echo "FAIL: a build folder was made"; failed=1; }
[ "$failed" -eq 0 ] && echo "make run: $(cat "$work/out")"
exit "$failed"
