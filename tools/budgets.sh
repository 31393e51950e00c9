#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the program's budgets under Xvfb, with a bare Qt Widgets window as the floor:
# time from start to the window shown (median of N runs), memory after a 30-tableau run,
# and the cost of one animation tick of the plot.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${PRESET:-release}
runs=${RUNS:-15}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target budget_probe >/dev/null
probe=$(realpath "build/$preset/bin/budget_probe")
data=$(realpath data)
cycling=$(mktemp --suffix=.lp)
trap 'rm -f "$cycling"' EXIT
# Beale's example: it cycles, so the run fills all 30 tableau pages.
printf '%s\r\n' "Beale# Problem Name" "3 #number of decimal places" "0 # minimize is 1" "" \
  "0.750X1 - 20.000X2 + 0.500X3 - 6.000X4 #object function" "" "R1#constraint name 1" \
  "0.250X1 - 8.000X2 - 1.000X3 + 9.000X4 <= 0.000" "" "R2#constraint name 2" \
  "0.500X1 - 12.000X2 - 0.500X3 + 3.000X4 <= 0.000" "" "R3#constraint name 3" \
  "0.000X1 + 0.000X2 + 1.000X3 + 0.000X4 <= 1.000" > "$cycling"

xvfb-run --auto-servernum --server-args="-screen 0 1280x900x24" bash -s -- \
  "$probe" "$runs" "$cycling" "$data" <<'INNER'
probe=$1 runs=$2 cycling=$3 data=$4
median_ms() {
  for _ in $(seq "$runs"); do
    start=$(date +%s%N); "$probe" "$@" >/dev/null 2>&1; end=$(date +%s%N)
    echo $(( (end - start) / 1000000 ))
  done | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'
}
echo "start to window shown, median of $runs runs:"
echo "  bare Qt Widgets dialog: $(median_ms bare) ms"
echo "  Vantrell main window:   $(median_ms startup) ms"
echo "memory:"
echo "  bare Qt Widgets dialog: $("$probe" bare 2>/dev/null)"
echo "  Vantrell, $("$probe" memory "$cycling" 2>/dev/null)"
echo "animation tick of the plot (sample problem):"
echo "  $("$probe" tick "$data/sample.lp" 2>/dev/null)"
INNER
