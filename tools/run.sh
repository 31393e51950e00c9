#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and starts it from its build folder, where it finds its user's guide
# and its example problems. Without a display it runs the batch front end on an example.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
bin=build/release/bin
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY and WAYLAND_DISPLAY are empty): showing the batch front end"
  echo "on data/sample.lp instead of the window."
  exec "$bin/vantrell-cli" report data/sample.lp
fi
cd "$bin"
exec ./vantrell "$@"
