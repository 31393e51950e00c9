#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# An exercise sheet compiled by the sheet command's pdflatex and read back with pdftotext:
# every exercise and its blank tableau on the sheet, every key with its answer in the key.
# The same seed gives the same documents.
set -euo pipefail
cli="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$cli" sheet --seed 11 --count 3 --kinds max,infeasible,unbounded -o "$work/sheet.pdf" \
  --key "$work/key.pdf"
pdftotext "$work/sheet.pdf" "$work/sheet.txt"
pdftotext "$work/key.pdf" "$work/key.txt"
for exercise in "Exercise 1 (max, seed 11)" "Exercise 2 (infeasible, seed 12)" \
  "Exercise 3 (unbounded, seed 13)"; do
  grep -qF "$exercise" "$work/sheet.txt"
  grep -qF "Key to $exercise" "$work/key.txt"
done
grep -qF "Tableau 1" "$work/sheet.txt"
# The sheet holds no answers; the key names how each run ends.
if grep -qE "(Maximum|Minimum) of" "$work/sheet.txt"; then
  echo "the sheet gives away an answer" >&2
  exit 1
fi
grep -qE "(Maximum|Minimum) of" "$work/key.txt"
grep -qiF "infeasible" "$work/key.txt"
grep -qiF "unbounded" "$work/key.txt"

"$cli" sheet --seed 11 --count 3 --kinds max,infeasible,unbounded -o "$work/a.tex"
"$cli" sheet --seed 11 --count 3 --kinds max,infeasible,unbounded -o "$work/b.tex"
cmp "$work/a.tex" "$work/b.tex"
grep -qF "Key to Exercise 3" "$work/a.tex"
echo "sheet and key compiled and read back"
