#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# No include runs upward: the core sees neither Qt nor the layers above it, the platform layer
# sees no window of the game's.
set -u
src=$1
status=0
upward() {  # folder, pattern of what it may not include
    local hits
    hits=$(grep -rnE "^[[:space:]]*#[[:space:]]*include[[:space:]]*[<\"]($2)" "$src/$1" || true)
    if [ -n "$hits" ]; then
        echo "$1 includes a layer above it:"
        echo "$hits"
        status=1
    fi
}
upward core 'platform/|ui/|Q[A-Za-z]*>|Qt[A-Za-z]*/'
upward platform 'ui/'
exit $status
