#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes screenshots of the real windows under Xvfb: the main window with the minimization
# example loaded and solved, its tableaus, every input dialog, and the plot of the sample
# problem at the end of its sweep in both display modes. Output: screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${PRESET:-ci}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target screenshot_tour
out=$(realpath -m "${1:-screenshots}")
mkdir -p "$out"
# Started from bin/ so the Help dialog finds the guide.
cd "build/$preset/bin"
xvfb-run --auto-servernum --server-args="-screen 0 1600x900x24" \
  ./screenshot_tour ../../../data/minimize.lp "$out" ../../../data/sample.lp
