#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vantrell --pdf without a display: the handout's pages and text, read back by poppler.
# Usage: check_pdf.sh VANTRELL DATA_DIR
set -euo pipefail
vantrell=$1
data=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# The handout follows the kept options; the user's own must not change this test.
export XDG_CONFIG_HOME="$tmp/config"

env -u DISPLAY -u WAYLAND_DISPLAY "$vantrell" --pdf "$tmp/sample.pdf" "$data/sample.lp" 2>/dev/null
pages=$(pdfinfo "$tmp/sample.pdf" | awk '/^Pages:/ {print $2}')
# Five primal and three dual tableaus do not fit one A4 page, nor need more than four.
if [ "$pages" -lt 2 ] || [ "$pages" -gt 4 ]; then
  echo "sample.pdf has $pages pages"; exit 1
fi
pdftotext -layout "$tmp/sample.pdf" "$tmp/sample.txt"
# pdftotext ends every page with a form feed.
[ "$(tr -cd '\f' < "$tmp/sample.txt" | wc -c)" -eq "$pages" ]
for wanted in "Sample" "Primal Constraints:" "Primal Tableau #5" "S1: Leaves, X1 Enters" \
              "Complete Primal Solution:" "Primal Solution = 42.00" "Dual Tableau #1" \
              "Complete Dual Solution:"; do
  grep -qF "$wanted" "$tmp/sample.txt" || { echo "missing: $wanted"; exit 1; }
done
# The cells of a tableau row stay on one line, in order.
grep -qE '3\.00 +X1 +1\.00 +0\.00 +1\.00' "$tmp/sample.txt"

# A problem file that cannot be read, and an output that cannot be written, leave no PDF.
status=0
"$vantrell" --pdf "$tmp/none.pdf" "$data/missing.lp" 2>/dev/null || status=$?
[ "$status" -eq 2 ] && [ ! -e "$tmp/none.pdf" ]
status=0
"$vantrell" --pdf "$tmp/no/such/folder.pdf" "$data/sample.lp" 2>/dev/null || status=$?
[ "$status" -eq 3 ]
echo "PDF handout checked: $pages pages"
