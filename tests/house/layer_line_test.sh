#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# layer_line.sh against a small source tree: each row plants one thing in a clean tree and
# says whether the floors still hold, so the check is seen to fail on every fault it names.
# Usage: layer_line_test.sh SOURCE_DIR
set -euo pipefail
check="$(cd "$1" && pwd)/tests/house/layer_line.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# name | pass or fail | file to write under src/ ("-FOLDER" removes a folder, "+FOLDER" adds an
# empty one) | its text (printf %b). A failure must name the planted file or folder.
rows=(
  "clean tree, no wasm yet|pass||"
  "wasm on its floor|pass|wasm/api.cpp|#include \"commands/run.h\"\n#include \"export/x.h\"\n"
  "lower floors|pass|teach/t.cpp|#include \"simplex/s.h\"\n#include <model/m.h>\n"
  "own folder and system headers|pass|model/m.cpp|#include \"model/n.h\"\n#include <sys/stat.h>\n#include <queue>\n#include <quadmath.h>\n#include <nlohmann/json.hpp>\n"
  "Qt above the line|pass|dialogs/d.cpp|#include <QDialog>\n#include <qglobal.h>\n#include \"commands/c.h\"\n"
  "app over dialogs|pass|app/a.cpp|#include \"dialogs/d.h\"\n"
  "include in a comment|pass|model/m.cpp|// #include \"teach/t.h\"\n"
  "model includes teach|fail|model/m.cpp|#include \"teach/t.h\"\n"
  "spaces after the hash|fail|model/m.h|#  include \"plot/p.h\"\n"
  "indented hash, angle brackets|fail|simplex/s.h|  #   include <commands/c.h>\n"
  "tab before include|fail|simplex/s.cpp|#\tinclude\t\"teach/t.h\"\n"
  "relative path upwards|fail|plot/p.cpp|#include \"../export/e.h\"\n"
  "down and up again|fail|model/m.cpp|#include \"model/../teach/t.h\"\n"
  "down and up to a lower floor|pass|teach/t.cpp|#include \"teach/../simplex/s.h\"\n"
  "nested file|fail|teach/detail/d.h|#include \"export/e.h\"\n"
  "simplex includes interop|fail|simplex/s.cpp|#include \"interop/i.h\"\n"
  "interop includes simplex|fail|interop/i.cpp|#include \"simplex/s.h\"\n"
  "export includes commands|fail|export/e.cpp|#include \"commands/c.h\"\n"
  "cli includes dialogs|fail|cli/c.cpp|#include \"dialogs/d.h\"\n"
  "commands includes app|fail|commands/c.cpp|#include \"app/a.h\"\n"
  "wasm includes dialogs|fail|wasm/w.cpp|#include \"dialogs/d.h\"\n"
  "wasm includes cli|fail|wasm/w.cpp|#include \"cli/c.h\"\n"
  "dialogs includes cli|fail|dialogs/d.cpp|#include \"cli/c.h\"\n"
  "dialogs includes app|fail|dialogs/d.cpp|#include \"app/a.h\"\n"
  "qglobal in model|fail|model/m.cpp|#include <qglobal.h>\n"
  "Qt class in commands|fail|commands/c.h|#include <QString>\n"
  "Qt module path in quotes|fail|export/e.h|#include \"QtCore/qobject.h\"\n"
  "lower-case Qt header in cli|fail|cli/c.cpp|# include <qstring.h>\n"
  "teach missing|fail|-teach|"
  "app missing|fail|-app|"
  "folder without a floor|fail|+extra|"
)

folders=(model simplex interop teach plot export commands cli dialogs app)
failed=0
for row in "${rows[@]}"; do
  IFS='|' read -r name want file text <<<"$row"
  rm -rf "$tmp/src"
  for folder in "${folders[@]}"; do
    mkdir -p "$tmp/src/$folder"
    printf '#include "%s/x.h"\n#include <vector>\n' "$folder" >"$tmp/src/$folder/x.cpp"
  done
  if [[ "$file" == -* ]]; then
    rm -rf "$tmp/src/${file#-}"
  elif [[ "$file" == +* ]]; then
    mkdir "$tmp/src/${file#+}"
  elif [ -n "$file" ]; then
    mkdir -p "$tmp/src/$(dirname "$file")"
    printf '%b' "$text" >"$tmp/src/$file"
  fi
  if output=$(bash "$check" "$tmp" 2>&1); then got=pass; else got=fail; fi
  if [ "$got" != "$want" ] || { [ "$got" = fail ] && [[ "$output" != *"src/${file#[-+]}"* ]]; }; then
    echo "FAIL: $name: expected $want, got $got"
    echo "$output" | sed 's/^/    /'
    failed=1
  fi
done
[ "$failed" -eq 0 ] && echo "layer line ok: ${#rows[@]} rows"
exit "$failed"
