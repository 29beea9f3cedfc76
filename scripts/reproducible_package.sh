#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the last commit twice, from copies of the source in two different
# folders, and compares the two packages byte for byte.
#   scripts/reproducible_package.sh [work-folder]   (a temporary folder by default, removed after)
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-}
if [ -z "$work" ]; then
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
commit=$(git -C "$source_dir" rev-parse HEAD)
SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH
# A compiler cache would hand the second build the first one's objects and hide a difference.
unset CMAKE_CXX_COMPILER_LAUNCHER

for copy in first second-copy; do
  tree=$work/$copy/zormade
  mkdir -p "$tree"
  git -C "$source_dir" archive "$commit" | tar -x -C "$tree"
  cmake -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORMADE_WERROR=ON \
        -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$tree/build" -j2 >/dev/null
  (cd "$tree/build" && cpack >/dev/null)
done
first=$(ls "$work"/first/zormade/build/zormade_*.deb)
second=$(ls "$work"/second-copy/zormade/build/zormade_*.deb)
if cmp "$first" "$second"; then
  echo "reproducible: $(basename "$first") $(sha256sum <"$first" | cut -c1-16) from $commit"
else
  echo "FAIL: two builds of $commit differ"
  exit 1
fi
