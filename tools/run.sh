#!/usr/bin/env bash
# Builds the program and starts it on a shipped example problem.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec ./build/release/src/cli/vantrell-cli report data/sample.lp "$@"
