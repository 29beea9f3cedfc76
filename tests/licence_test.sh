#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file of the repository states its licence: an SPDX line among its first three lines, or,
# for files that cannot hold a comment (pictures, JSON, profiles, golden output), a stanza of
# .reuse/dep5 whose patterns cover it. Both must name GPL-3.0-or-later. The stanza of all files
# (`*`) gives their copyright and covers no file's licence here.
set -eu
source_dir=$1
cd "$source_dir"
# REUSE-IgnoreStart: the line looked for, not this file's own
expected='SPDX-License-Identifier: GPL-3.0-or-later'
# REUSE-IgnoreEnd

if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files)
else  # an unpacked source archive
  mapfile -t files < <(find . -path './build*' -prune -o -path ./.git -prune -o -type f -printf '%P\n')
fi
[ "${#files[@]}" -gt 100 ] || { echo "FAIL: only ${#files[@]} files listed"; exit 1; }

# The patterns of the dep5 stanzas, after checking that each stanza names our licence.
patterns=()
stanza_files=""
while IFS= read -r line || [ -n "$line" ]; do
  case $line in
    Files:*) stanza_files=${line#Files:} ;;
    License:*)
      if [ -n "$stanza_files" ]; then
        [ "${line#License: }" = GPL-3.0-or-later ] || { echo "FAIL: .reuse/dep5: $line for$stanza_files"; exit 1; }
        read -r -a more <<<"$stanza_files"
        [ "${more[*]}" = '*' ] || patterns+=("${more[@]}")
        stanza_files=""
      fi ;;
  esac
done <.reuse/dep5

failed=0
for file in "${files[@]}"; do
  if head -n 3 "$file" | grep -q 'SPDX-License-Identifier'; then
    head -n 3 "$file" | grep -qF "$expected" || { echo "FAIL: $file names another licence"; failed=1; }
    continue
  fi
  covered=0
  for pattern in "${patterns[@]}"; do
    # shellcheck disable=SC2053  # the pattern is a glob on purpose; in dep5, * crosses folders
    [[ $file == $pattern ]] && { covered=1; break; }
  done
  [ "$covered" -eq 1 ] || { echo "FAIL: $file has no SPDX line and no .reuse/dep5 stanza"; failed=1; }
done
[ "$failed" -eq 0 ] && echo "${#files[@]} files, each with its licence"
exit "$failed"
