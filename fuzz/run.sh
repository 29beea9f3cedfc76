#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzzers with clang and runs each for SECONDS on a copy of its seed corpus.
# usage: fuzz/run.sh SECONDS [BUILD_DIR]   (BUILD_DIR defaults to build-fuzz)
set -euo pipefail
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
  echo "usage: fuzz/run.sh SECONDS [BUILD_DIR]" >&2
  exit 2
fi
seconds=$1
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${2:-$root/build-fuzz}")
fuzzers=(replay_script_fuzzer profile_fuzzer)

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORMADE_FUZZ=ON -DZORMADE_BENCHMARKS=OFF -DZORMADE_WERROR=ON >/dev/null
cmake --build "$build" --target "${fuzzers[@]}"

# Qt is built without frame pointers, so past its frames the fast unwinder reads garbage and
# every allocation looks new to the sanitizer's stack store, which then grows without end.
# Two frames keep it small; rerun a found input by hand for the full stacks.
export ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=2}

status=0
for fuzzer in "${fuzzers[@]}"; do
  name=${fuzzer%_fuzzer}
  work="$build/fuzz-corpus/$name"
  artifacts="$build/fuzz-artifacts/$name"
  mkdir -p "$work" "$artifacts"
  echo "== $fuzzer for ${seconds}s"
  # New finds go to the build's corpus; the committed seeds are only read.
  if ! "$build/fuzz/$fuzzer" -max_total_time="$seconds" -timeout=10 -max_len=4096 \
      -dict="$root/fuzz/$name.dict" -artifact_prefix="$artifacts/" -print_final_stats=1 \
      "$work" "$root/fuzz/corpus/$name" 2>"$build/fuzz-$name.log"; then
    tail -n 60 "$build/fuzz-$name.log" >&2
    echo "$fuzzer found a fault; the input is in $artifacts (rerun: $build/fuzz/$fuzzer FILE)" >&2
    status=1
  else
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$build/fuzz-$name.log" || true
  fi
done
exit $status
