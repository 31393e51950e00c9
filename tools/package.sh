#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of the program into build/package/ (a release build for
# /usr, without tests or benchmarks) and lists what it holds.
# Install it with: sudo apt install ./build/package/vantrell_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/install-deps.sh
build=build/package
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DVANTRELL_BUILD_TESTS=OFF -DVANTRELL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/vantrell_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/vantrell_*.deb)
dpkg-deb -I "$deb"
contents=$(dpkg-deb -c "$deb")
echo "$contents"
# Debian wants the licence in the package's copyright file.
if ! grep -q ' \./usr/share/doc/vantrell/copyright$' <<<"$contents"; then
  echo "the package holds no /usr/share/doc/vantrell/copyright" >&2
  exit 1
fi
echo "Built $deb"
