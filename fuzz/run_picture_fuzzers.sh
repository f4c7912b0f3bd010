#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs the five picture fuzz targets one after another, each for the given number of
# seconds (600 by default), on one core. Usage: run_picture_fuzzers.sh <fuzz build dir> [seconds] [formats...]
# Corpora grow in <build dir>/corpus/<format>; crashes land in <build dir>/crashes/<format>,
# with the whole output (stack traces too) in <build dir>/fuzz-<format>.log.
set -euo pipefail
build=${1:?fuzz build directory}
seconds=${2:-600}
shift $(( $# >= 2 ? 2 : 1 ))
formats=("$@")
[ ${#formats[@]} -eq 0 ] && formats=(bmp jpeg gif wmf emf)
here=$(cd "$(dirname "$0")" && pwd)
for format in "${formats[@]}"; do
  corpus="$build/corpus/$format"
  crashes="$build/crashes/$format"
  mkdir -p "$corpus" "$crashes"
  echo "== $format: $seconds s"
  "$build/fuzz/fuzz_picture_$format" -max_len=65536 -timeout=2 -rss_limit_mb=2048 \
    -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$crashes/" \
    "$corpus" "$here/seeds/$format" 2>&1 | tee "$build/fuzz-$format.log" | grep -E "^(#[0-9]+.*(DONE|pulse)|stat::|==|SUMMARY|artifact)" || true
done
