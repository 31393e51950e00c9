#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary prefix and checks what landed there; then moves the
# prefix and runs the installed batch front end on an installed example, as a user would.
# Usage: check_install.sh BUILD_DIR SOURCE_DIR gui|nogui
set -euo pipefail
build=$1
source=$2
gui=$3

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

cmake --install "$build" --prefix "$tmp/first" >/dev/null

expected=(bin/vantrell-cli
          lib/vantrell/vantrell-workbook.so
          lib/vantrell/vantrell-formats.so
          share/vantrell/onlinehelp.txt
          share/doc/vantrell/LICENSE
          share/doc/vantrell/THIRD_PARTY.md
          share/applications/vantrell.desktop
          share/mime/packages/vantrell.xml
          share/icons/hicolor/256x256/apps/vantrell.png
          share/icons/hicolor/scalable/apps/vantrell.svg)
if [ "$gui" = gui ]; then expected+=(bin/vantrell); fi
for lp in "$source"/data/*.lp; do
  expected+=("share/vantrell/examples/$(basename "$lp")")
done

actual=$(cd "$tmp/first" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)
if [ "$actual" != "$wanted" ]; then
  echo "installed files differ from the expected ones (< installed, > expected):"
  diff <(echo "$actual") <(echo "$wanted") || true
  exit 1
fi

for program in "$tmp"/first/bin/*; do
  [ -x "$program" ] || { echo "not executable: $program"; exit 1; }
done
cmp "$source/onlinehelp.txt" "$tmp/first/share/vantrell/onlinehelp.txt"
cmp "$source/LICENSE" "$tmp/first/share/doc/vantrell/LICENSE"
cmp "$source/THIRD_PARTY.md" "$tmp/first/share/doc/vantrell/THIRD_PARTY.md"

# Nothing may depend on the prefix the build was configured with.
mv "$tmp/first" "$tmp/moved"
report=$("$tmp/moved/bin/vantrell-cli" report "$tmp/moved/share/vantrell/examples/maximize.lp")
if ! grep -q 'Complete Dual Solution:' <<<"$report"; then
  echo "the installed vantrell-cli wrote no solution report:"
  echo "$report"
  exit 1
fi
# The batch front end's parts load from beside the moved program.
"$tmp/moved/bin/vantrell-cli" report "$tmp/moved/share/vantrell/examples/maximize.lp" \
  --xlsx "$tmp/key.xlsx" >/dev/null
"$tmp/moved/bin/vantrell-cli" convert "$tmp/moved/share/vantrell/examples/maximize.lp" \
  "$tmp/key.mps" --from vantrell --to mps
if [ ! -s "$tmp/key.xlsx" ] || ! grep -q '^ROWS' "$tmp/key.mps"; then
  echo "the installed vantrell-cli wrote no workbook or no MPS file"
  exit 1
fi
# Both programs state their version and licence, the window program without a display.
for program in "$tmp"/moved/bin/*; do
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --version)
  if ! grep -q 'GNU GPL version 3 or later' <<<"$version"; then
    echo "$(basename "$program") --version states no licence:"
    echo "$version"
    exit 1
  fi
done
echo "install layout ok: ${#expected[@]} files"
