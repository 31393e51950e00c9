#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
cmake --workflow --preset ci
# The browser edition: built into build/web, then its tests in headless Chromium against
# the batch front end just built.
./tools/web.sh build
(cd web && VANTRELL_CLI="$PWD/../build/ci/bin/vantrell-cli" npm test)
