#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vantrell-cli loads the workbook writer and GLPK only for the commands that use them: the
# program names neither library, runs every other command without its parts, and a command
# whose part is missing stops with a message naming it and exit status 6.
# Usage: missing_parts.sh VANTRELL_CLI SOURCE_DIR
set -euo pipefail
cli=$1
data="$2/data"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

needed=$(readelf -d "$cli" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
for library in xlsxwriter glpk; do
  if grep -q "$library" <<<"$needed"; then fail "vantrell-cli needs lib$library at start"; fi
done

# The program alone, as if its parts had not been installed.
mkdir "$tmp/bin"
cp "$cli" "$tmp/bin/vantrell-cli"
lonely="$tmp/bin/vantrell-cli"

# name | expected exit status | what standard error holds ("" for nothing) | arguments
rows=(
  "version|0||--version"
  "report|0||report $data/maximize.lp"
  "solve|0||solve $data/minimize.lp --json"
  "report with a workbook|6|vantrell-workbook.so\", a part of vantrell-cli: |report $data/maximize.lp --xlsx $tmp/t.xlsx"
  "convert|6|vantrell-formats.so\", a part of vantrell-cli: |convert $data/sample.lp $tmp/s.mps --from vantrell --to mps"
)
for row in "${rows[@]}"; do
  IFS='|' read -r name want message args <<<"$row"
  # shellcheck disable=SC2086  # the arguments hold no spaces
  status=0
  "$lonely" $args >"$tmp/out" 2>"$tmp/err" || status=$?
  [ "$status" = "$want" ] || fail "$name: exit status $status, expected $want: $(cat "$tmp/err")"
  if [ -z "$message" ]; then
    [ ! -s "$tmp/err" ] || fail "$name: unexpected message: $(cat "$tmp/err")"
  else
    grep -qF "Cannot load \"$tmp/lib/vantrell/$message" "$tmp/err" ||
      fail "$name: message $(cat "$tmp/err")"
  fi
done
# The report is written before the workbook is tried, as when the workbook cannot be written.
report=$("$lonely" report "$data/maximize.lp" --xlsx "$tmp/t.xlsx" 2>/dev/null || true)
grep -q 'Complete Dual Solution:' <<<"$report" || fail "report with a workbook: no report without the part"
[ ! -e "$tmp/t.xlsx" ] || fail "a workbook was written without its part"
[ "$failed" -eq 0 ] && echo "parts ok: ${#rows[@]} rows"
exit "$failed"
