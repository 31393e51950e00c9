#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence identifier at the top of every tracked source file, CMake file and
# script that lacks it: "// SPDX-License-Identifier: GPL-3.0-or-later" in C++, "# ..." in
# CMake, shell and Python, after the "#!" line of a script. Nothing else in a file changes.
# With --check it changes nothing, lists the files without the line and fails if there are
# any; it exits with 77 outside a git checkout, where it cannot tell the tracked files.
# Usage: spdx-stamp.sh [--check] [SOURCE_DIR]   (SOURCE_DIR: this repository by default)
set -euo pipefail

readonly identifier='SPDX-License-Identifier: GPL-3.0-or-later'

check=false
if [ "${1:-}" = --check ]; then
  check=true
  shift
fi
cd "${1:-$(dirname "$0")/..}"

# The comment that starts the line in this file; nothing for files that are not source.
comment_for() {
  case $1 in
    *.cpp | *.cc | *.cxx | *.h | *.hpp) echo '//' ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py) echo '#' ;;
    *) if [ "$(head -c 2 -- "$1" | tr -d '\0')" = '#!' ]; then echo '#'; fi ;;
  esac
}

# The line is the file's first, or its second after a "#!" line. CR LF files count too.
has_line() {
  local first='' second=''
  {
    IFS= read -r first || true
    IFS= read -r second || true
  } <"$1"
  first=${first%$'\r'}
  second=${second%$'\r'}
  [ "$first" = "$2 $identifier" ] || { [[ $first == '#!'* ]] && [ "$second" = "$2 $identifier" ]; }
}

stamp() {
  local file=$1 line="$2 $identifier" first='' eol=$'\n' tmp
  IFS= read -r first <"$file" || true
  if [[ $first == *$'\r' ]]; then eol=$'\r\n'; fi
  # Beside the file, so the rename replaces it in one step; it keeps the file's mode.
  tmp=$(mktemp "$file.spdx.XXXXXX")
  if [[ $first != '#!'* ]]; then
    { printf '%s%s' "$line" "$eol"; cat -- "$file"; } >"$tmp"
  elif [ "$(head -n 1 -- "$file" | wc -l)" -eq 0 ]; then
    # Only a "#!" line, without a line break.
    printf '%s%s%s' "$first" "$eol" "$line" >"$tmp"
  else
    { head -n 1 -- "$file"; printf '%s%s' "$line" "$eol"; tail -n +2 -- "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv -- "$tmp" "$file"
}

if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "not a git checkout: the tracked files are not known" >&2
  exit 77
fi

missing=()
while IFS= read -r -d '' file; do
  # Deleted, linked or submodule paths are not files to stamp.
  if [ ! -f "$file" ] || [ -L "$file" ]; then continue; fi
  comment=$(comment_for "$file")
  if [ -z "$comment" ] || has_line "$file" "$comment"; then continue; fi
  if $check; then
    missing+=("$file")
  else
    stamp "$file" "$comment"
    echo "stamped $file"
  fi
done < <(git ls-files -z)

if [ ${#missing[@]} -gt 0 ]; then
  echo "${#missing[@]} tracked files lack '$identifier' at the top (tools/spdx-stamp.sh adds it):" >&2
  printf '  %s\n' "${missing[@]}" >&2
  exit 1
fi
if $check; then echo "every tracked source file carries '$identifier'"; fi
