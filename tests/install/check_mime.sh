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
head -c 256 "$problem" | grep -q '# Problem Name'
echo "MIME type valid"
