#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Whole-process start-up cost of the batch front end beside glpsol's, on the same machine:
# --version against --version, and per problem file `report` against glpsol solving the same
# problem (exported to CPLEX LP by `convert`), over data/*.lp and 14 generated exercises.
# Needs hyperfine and glpsol (Debian: hyperfine, glpk-utils); neither is a dependency of the
# program. Usage: bench/startup.sh [VANTRELL_CLI]   (default build/ci/bin/vantrell-cli)
set -euo pipefail
cd "$(dirname "$0")/.."
cli=$(realpath "${1:-build/ci/bin/vantrell-cli}")
for tool in hyperfine glpsol; do
  command -v "$tool" >/dev/null || { echo "needs $tool (apt-get install hyperfine glpk-utils)" >&2; exit 2; }
done
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

mkdir "$tmp/corpus"
cp data/*.lp "$tmp/corpus/"
for kind in max min mixed degenerate alternative unbounded infeasible; do
  for seed in 1 2; do
    "$cli" exercise --seed "$seed" --kind "$kind" -o "$tmp/corpus/$kind-$seed.lp"
  done
done
for lp in "$tmp"/corpus/*.lp; do
  "$cli" convert "$lp" "${lp%.lp}.cplex" --from vantrell --to cplex 2>/dev/null
done
count=$(ls "$tmp"/corpus/*.lp | wc -l)

# Each side runs the whole corpus in one shell loop, so the loop's cost is the same on both.
cat >"$tmp/vantrell.sh" <<SCRIPT
for lp in $tmp/corpus/*.lp; do "$cli" report "\$lp" >/dev/null || true; done
SCRIPT
cat >"$tmp/glpsol.sh" <<SCRIPT
for lp in $tmp/corpus/*.cplex; do glpsol --lp "\$lp" -o $tmp/solution.txt >/dev/null || true; done
SCRIPT

hyperfine -N --warmup 20 --runs "${RUNS:-300}" --export-json "$tmp/version.json" \
  "$cli --version" "glpsol --version"
hyperfine --warmup 3 --runs "${RUNS:-30}" --export-json "$tmp/corpus.json" \
  "bash $tmp/vantrell.sh" "bash $tmp/glpsol.sh"
python3 - "$tmp/version.json" "$tmp/corpus.json" "$count" <<'SUMMARY'
import json, sys
version, corpus = (json.load(open(f))["results"] for f in sys.argv[1:3])
count = int(sys.argv[3])
# Wall-clock mean and minimum, and processor time (user + system), which a machine shared
# with other work disturbs least.
for result in version + corpus:
    result["cpu"] = result["user"] + result["system"]
for what, (ours, theirs), per in (("--version", version, 1), (f"per file ({count})", corpus, count)):
    print(f"{what}: " + "; ".join(
        f"{key} {ours[key] / per * 1e3:.2f} ms against {theirs[key] / per * 1e3:.2f} ms,"
        f" {ours[key] / theirs[key]:.2f}x" for key in ("mean", "min", "cpu")))
SUMMARY
