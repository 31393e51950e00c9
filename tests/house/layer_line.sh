#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The floors of src/, as the design's layer table gives them: a folder includes only folders on
# lower floors, never one on its own floor, and a Qt-free folder includes no Qt header.
# Every folder named here must exist unless it is marked optional, and no other may appear,
# so a renamed or new folder cannot slip past the rule.
# Usage: layer_line.sh SOURCE_DIR   (exit 0 clean, 1 with every fault listed)
set -euo pipefail
src="$(cd "$1" && pwd)/src"

declare -A floor=([model]=1 [simplex]=2 [interop]=2 [teach]=3 [plot]=4 [export]=5
                  [commands]=6 [cli]=7 [dialogs]=7 [wasm]=7 [app]=8)
declare -A qt_side=([dialogs]=1 [app]=1)
declare -A optional=([wasm]=1)

faults=0
fault() {
    echo "$*" >&2
    faults=$((faults + 1))
}

for name in "${!floor[@]}"; do
    if [ ! -d "$src/$name" ] && [ -z "${optional[$name]:-}" ]; then
        fault "src/$name is missing"
    fi
done
for dir in "$src"/*/; do
    name=$(basename "$dir")
    [ -n "${floor[$name]:-}" ] || fault "src/$name has no floor"
done

# Qt's headers: QtCore/..., QString, qglobal.h and the other lower-case q*.h of Qt's
# include folders; quadmath.h is the one q*.h outside Qt a C++ file may meet.
is_qt() {
    [[ "$1" =~ ^Q[A-Za-z] || ( "$1" =~ ^q[a-z0-9_]*\.h$ && "$1" != quadmath.h ) ]]
}

# Every spelling of an include: "#include", "#  include", "  # include", <> or "".
pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"][^>"]*[>"]'
quoted='[<"]([^>"]*)[>"]'
while IFS= read -r found; do
    file=${found%%:*}
    rest=${found#*:}
    line=${rest%%:*}
    rel=${file#"$src"/}
    own=${rel%%/*}
    [ -n "${floor[$own]:-}" ] || continue
    [[ "${rest#*:}" =~ $quoted ]]
    header=${BASH_REMATCH[1]}
    target=${header%%/*}
    if [[ "$header" == .* || "$header" == */../* ]]; then
        # A path with ".." names the folder it lands in: from the including file's folder
        # when it starts with a dot, from src/ otherwise.
        from=$src
        [[ "$header" == .* ]] && from=$(dirname "$file")
        landed=$(realpath -m --relative-to="$src" "$from/$header")
        target=${landed%%/*}
    fi
    where="src/$rel:$line: $header"
    if [ -z "${qt_side[$own]:-}" ] && is_qt "$header"; then
        fault "$where: Qt in $own/, below the Qt line (only dialogs/ and app/ use Qt)"
    fi
    if [ "$target" = "$own" ] || [ "$target" = "$header" ] || [ -z "${floor[$target]:-}" ]; then
        continue
    fi
    if [ -n "${qt_side[$target]:-}" ] && [ -z "${qt_side[$own]:-}" ]; then
        fault "$where: the Qt-free $own/ includes $target/"
    elif [ "${floor[$target]}" -ge "${floor[$own]}" ]; then
        fault "$where: $own/ (floor ${floor[$own]}) includes $target/ (floor ${floor[$target]})"
    fi
done < <(find "$src" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' -o -name '*.cc' \
    -o -name '*.inl' -o -name '*.c' \) -exec grep -HnE "$pattern" {} + || true)

if [ "$faults" -ne 0 ]; then
    echo "$faults include(s) or folder(s) break the floors of src/" >&2
    exit 1
fi
echo "every folder of src/ includes only lower floors"
