#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Applies each hand-made mutant of tools/mutants/mutants.py in turn, rebuilds, runs the tests
# and prints whether they killed it. A test earns its place by killing mutants.
set -euo pipefail
usage() {
    cat <<'TEXT'
Usage: tools/mutants.sh [PRESET] [--core] [NAME...]
Applies each hand-made mutant of tools/mutants/mutants.py in turn, rebuilds, runs the tests
and prints killed, survived, stillborn (does not build) or stale (its text is gone).
  PRESET   dev (default), ci or sanitize
  --core   build and run only the core tests: much faster
  NAME...  only these mutants (default: all)
  -h, --help  print this and exit
TEXT
}
for arg in "$@"; do
    case "$arg" in
    -h | --help)
        usage
        exit 0
        ;;
    esac
done
cd "$(dirname "$0")/.."
exec python3 tools/mutants/run_mutants.py "$@"
