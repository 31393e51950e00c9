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

bin=build/fuzz/bin
cli="$bin/vantrell-cli"
work=build/fuzz/runs
status=0
for target in reader_fuzzer solve_fuzzer duality_fuzzer exact_fuzzer import_fuzzer json_fuzzer latex_fuzzer typed_answer_fuzzer; do
  corpus="$work/corpus/$target"
  artifacts="$work/artifacts/$target"
  mkdir -p "$corpus" "$artifacts"
  echo "== $target for ${seconds}s"
  # The import fuzzer reads other solvers' formats: its seeds are the exports of the
  # examples, its first byte choosing CPLEX LP (even) or free MPS (odd).
  seeds=data
  dict=fuzz/problem_file.dict
  if [ "$target" = import_fuzzer ]; then
    seeds="$work/seeds/import"
    dict=fuzz/exchange_formats.dict
    mkdir -p "$seeds"
    for example in data/*.lp; do
      name=$(basename "$example" .lp)
      "$cli" convert "$example" "$work/seeds/$name.lp" --from vantrell --to cplex
      "$cli" convert "$example" "$work/seeds/$name.mps" --from vantrell --to mps
      { printf 'L'; cat "$work/seeds/$name.lp"; } >"$seeds/$name-lp"
      { printf 'M'; cat "$work/seeds/$name.mps"; } >"$seeds/$name-mps"
    done
  fi
  # The first folder takes the new entries; the seeds are read and never written.
  if ! "$bin/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
      -print_final_stats=1 -dict="$dict" \
      -artifact_prefix="$artifacts/" "$corpus" "$seeds" >"$work/$target.log" 2>&1; then
    status=1
    echo "$target FAILED; the input is in $artifacts/, the log in $work/$target.log:"
    tail -n 40 "$work/$target.log"
  else
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$work/$target.log" || true
  fi
done
# The LaTeX writer's documents compile: a sample of the corpus the LaTeX fuzzer kept,
# each written by the batch front end and given to pdflatex.
latex="$work/latex"
rm -rf "$latex" && mkdir -p "$latex"
count=0
for input in $(ls "$work/corpus/latex_fuzzer" | head -n 40); do
  if "$cli" latex "$work/corpus/latex_fuzzer/$input" -o "$latex/doc.tex" \
      >/dev/null 2>&1 && [ -s "$latex/doc.tex" ]; then
    if ! (cd "$latex" && timeout 60 pdflatex -interaction=nonstopmode -halt-on-error doc.tex \
        >doc.log.txt 2>&1); then
      status=1
      cp "$work/corpus/latex_fuzzer/$input" "$work/artifacts/latex_fuzzer/pdflatex-$input"
      echo "pdflatex FAILED on $work/artifacts/latex_fuzzer/pdflatex-$input:"
      tail -n 20 "$latex/doc.log.txt"
    fi
    count=$((count + 1))
  fi
done
echo "== pdflatex compiled $count LaTeX documents of the corpus"
exit "$status"
