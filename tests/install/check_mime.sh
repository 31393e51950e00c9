#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: check_mime.sh MIME_XML PROBLEM_FILE
set -euo pipefail
xml=$1
problem=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

xmllint --noout "$xml"
mkdir -p "$tmp/mime/packages"
cp "$xml" "$tmp/mime/packages/vantrell.xml"
cp /usr/share/mime/packages/freedesktop.org.xml "$tmp/mime/packages/"
# -V reports what it rejects; a rejected entry must fail the test.
if update-mime-database -V "$tmp/mime" 2>&1 | grep -iE 'error|warning|invalid|unknown'; then
  exit 1
fi
grep -qx 'application/x-vantrell-problem' "$tmp/mime/types"
# The compiled magic holds the first-line rule that a problem file meets.
grep -q '# Problem Name' "$tmp/mime/magic"
# The desktop's own sniffing tells the shipped problem and one with a name of 4000 bytes.
printf '%04000d# Problem Name\r\n3 #number of decimal places\r\n' 0 >"$tmp/long-name.lp"
for file in "$problem" "$tmp/long-name.lp"; do
  type=$(XDG_DATA_DIRS="$tmp" XDG_DATA_HOME="$tmp" gio info -a standard::content-type "$file" |
    sed -n 's/^ *standard::content-type: //p')
  if [ "$type" != application/x-vantrell-problem ]; then
    echo "$file is sniffed as $type"
    exit 1
  fi
done
echo "MIME type valid"
