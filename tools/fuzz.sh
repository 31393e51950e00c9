#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets and runs each for a bounded time on the example problems.
# New corpus entries and any crash, timeout or leak input go under build/fuzz/ only.
# Usage: tools/fuzz.sh [seconds per target]   (default 60; FUZZ_SECONDS works too)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-60}}"

./tools/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

bin=build/fuzz/fuzz
work=build/fuzz/runs
status=0
for target in reader_fuzzer solve_fuzzer duality_fuzzer exact_fuzzer; do
  corpus="$work/corpus/$target"
  artifacts="$work/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== $target for ${seconds}s"
  # The first folder takes the new entries; data/ is read as seeds and never written.
  if ! "$bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -print_final_stats=1 -dict=fuzz/problem_file.dict \
      -artifact_prefix="$artifacts/" "$corpus" data >"$work/$target.log" 2>&1; then
    status=1
    echo "$target FAILED; the input is in $artifacts/, the log in $work/$target.log:"
    tail -n 40 "$work/$target.log"
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$target.log" || true
  fi
done
exit "$status"
