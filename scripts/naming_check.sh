#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The naming convention of .clang-tidy over every translation unit of the given folders, and over
# the headers in them, in parallel; prints each finding once and fails on any.
#   scripts/naming_check.sh BUILD_DIR [FOLDER...]   (folders default to src tools tests bench fuzz)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1")
shift
[ $# -gt 0 ] || set -- src tools tests bench fuzz
if [ ! -f "$build/compile_commands.json" ]; then
  echo "naming-check: no $build/compile_commands.json; configure the tree first (make build)" >&2
  exit 2
fi
# A folder none of whose files the tree compiles would pass unseen.
for folder in "${@%/}"; do
  [ -d "$root/$folder" ] || { echo "naming-check: no folder $folder" >&2; exit 2; }
  if ! grep -q "\"file\": \"$root/$folder/" "$build/compile_commands.json"; then
    echo "naming-check: $build compiles nothing in $folder; configure it again (make build)" >&2
    exit 2
  fi
done
folders=$(IFS='|'; echo "${*%/}")
scope="^$root/($folders)/"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
run-clang-tidy -p "$build" -quiet -j "$(nproc)" -header-filter "$scope" "$scope" >"$log" 2>&1 ||
  status=$?
# The tool colours its output and repeats a header's findings for every file that includes it,
# under each path it was included by (a/../b).
findings=$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^/.*:[0-9]+:[0-9]+: (error|warning):' |
  sed -E "s|^$root/||; :a; s#(^|/)[^/.][^/]*/\.\./#\1#; ta" | sort -u || true)
if [ -n "$findings" ] || [ $status -ne 0 ]; then
  [ -n "$findings" ] || sed 's/\x1b\[[0-9;]*m//g' "$log" >&2
  [ -z "$findings" ] || echo "$findings" >&2
  echo "naming-check: $(grep -c . <<<"$findings") findings in $*" >&2
  exit 1
fi
echo "naming-check: $* keep the naming convention"
