#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The LaTeX export of the worked examples compiles with pdflatex alone. No pdflatex is a
# failure, not a skip: tools/install-deps.sh installs it.
set -euo pipefail
cli="$1"
data="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

compile() {
    local name="$1"
    shift
    "$cli" latex "$@" -o "$work/$name.tex"
    if ! (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error "$name.tex" >"$name.log.txt" 2>&1); then
        tail -30 "$work/$name.log.txt" >&2
        echo "pdflatex failed on $name" >&2
        exit 1
    fi
    test -s "$work/$name.pdf"
    echo "compiled $name"
}

compile maximize_fractions "$data/maximize.lp" --numbers fractions --big-m expressions
compile minimize_dual "$data/minimize.lp" --dual --numbers fractions --big-m expressions
compile equality_pairs "$data/equality.lp"
compile unbounded "$data/unbounded.lp"
# Names with accented letters (UTF-8 and Latin-1 bytes), Greek, a tab and a line end.
printf 'M\xc3\xa9lange \xce\xb1\xce\xa9# Problem Name\r\n3\r\n0\r\n\r\n3X1 + 2X2 #object function\r\n\r\nGr\xfc\xdf\te\r\n\r\nx#\r\n1X1 + 1X2 <= 4\r\n\r\n\xc5\x81\xc3\xb3d\xc5\xba#\r\n1X1 + 3X2 <= 6\r\n' >"$work/names.lp"
compile names "$work/names.lp"
grep -qF "$(printf 'M\xc3\xa9lange $\\alpha$$\\Omega$')" "$work/names.tex"
grep -q '\\fbox{\$1\$}' "$work/maximize_fractions.tex"
grep -q 'Maximum of \$Z\$ = \$12\$' "$work/maximize_fractions.tex"
# The primal's handout reads the dual values off its final tableau; the dual's has none.
grep -qF 'Y1 $=$ $3$ \quad (Machine: the $Z_j$ of S1)' "$work/maximize_fractions.tex"
grep -qF '$W$ = $12$, $Z$ = $12$: $Z = W$, strong duality holds.' "$work/maximize_fractions.tex"
if grep -qF 'section*{Duality}' "$work/minimize_dual.tex" "$work/unbounded.tex"; then
  echo "a Duality section after a dual or unbounded run" >&2
  exit 1
fi
# Under --explain each tableau after the first names the row operations that made it.
compile maximize_explained "$data/maximize.lp" --numbers fractions --explain
grep -qF 'Row operations from the tableau before: R1 $\leftarrow$ R1 / 1; R2 $\leftarrow$ R2 - R1.' "$work/maximize_explained.tex"
if grep -qF 'Row operations' "$work/maximize_fractions.tex"; then
  echo "row operations without --explain" >&2
  exit 1
fi
