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
grep -q '\\fbox{\$1\$}' "$work/maximize_fractions.tex"
grep -q 'Optimum \$Z\$ = \$12\$' "$work/maximize_fractions.tex"
