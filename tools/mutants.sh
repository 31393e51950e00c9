#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Applies each hand-made mutant of tools/mutants/mutants.py in turn, rebuilds, runs the tests
# and prints whether they killed it. A test earns its place by killing mutants.
#   tools/mutants.sh [PRESET] [--core] [NAME...]   default preset dev; names pick mutants;
#   --core builds and runs only the core tests
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 tools/mutants/run_mutants.py "$@"
