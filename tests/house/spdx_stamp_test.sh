#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# tools/spdx-stamp.sh on a small repository: which files it stamps, where the line goes, that
# nothing else changes, and that --check finds exactly the files it would stamp.
# Usage: spdx_stamp_test.sh SOURCE_DIR
set -euo pipefail
stamper="$(cd "$1" && pwd)/tools/spdx-stamp.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp"
git init -q .

c='// SPDX-License-Identifier: GPL-3.0-or-later'
h='# SPDX-License-Identifier: GPL-3.0-or-later'
# name | content before (printf %b) | content after; an empty "after" means unchanged.
rows=(
  "a.h|#pragma once\n|$c\n#pragma once\n"
  "crlf.cpp|int x;\r\n|$c\r\nint x;\r\n"
  "sub/CMakeLists.txt|add_library(x)\n|$h\nadd_library(x)\n"
  "empty.cmake||$h\n"
  "run.sh|#!/bin/sh\necho hi\n|#!/bin/sh\n$h\necho hi\n"
  "tool|#!/usr/bin/env python3|#!/usr/bin/env python3\n$h"
  "done.py|#!/usr/bin/env python3\n$h\nprint(1)\n|"
  "stamped.cpp|$c\nint y;\n|"
  "notes.txt|text\n|"
)
expected_missing=()
for row in "${rows[@]}"; do
  IFS='|' read -r name before after <<<"$row"
  mkdir -p "$(dirname "$name")"
  printf '%b' "$before" >"$name"
  if [ -n "$after" ]; then expected_missing+=("$name"); fi
done
chmod 755 run.sh
printf 'int z;\n' >untracked.cpp
ln -s run.sh link.sh
git add -- $(printf '%s\n' "${rows[@]}" | cut -d'|' -f1) link.sh

failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

if report=$(bash "$stamper" --check . 2>&1); then fail "--check passed with unstamped files"; fi
listed=$(sed -n 's/^  //p' <<<"$report" | LC_ALL=C sort)
wanted=$(printf '%s\n' "${expected_missing[@]}" | LC_ALL=C sort)
[ "$listed" = "$wanted" ] || fail "--check listed (< listed, > wanted):
$(diff <(echo "$listed") <(echo "$wanted"))"

bash "$stamper" . >/dev/null
for row in "${rows[@]}"; do
  IFS='|' read -r name before after <<<"$row"
  cmp -s "$name" <(printf '%b' "${after:-$before}") || fail "$name: $(od -c "$name" | head -3)"
done
[ "$(cat untracked.cpp)" = 'int z;' ] || fail "an untracked file was stamped"
[ -L link.sh ] || fail "a link was replaced by a file"
[ -x run.sh ] || fail "a script lost its mode"
ls ./*.spdx.* >/dev/null 2>&1 && fail "a temporary file was left behind"

bash "$stamper" --check . >/dev/null || fail "--check fails after stamping"
[ -z "$(bash "$stamper" .)" ] || fail "a second stamping changed something"
[ "$failed" -eq 0 ] && echo "spdx stamp ok: ${#rows[@]} files"
exit "$failed"
