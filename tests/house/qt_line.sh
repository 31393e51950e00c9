#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folders above the Qt line build into the Qt-free core: a Qt include there is a fault.
set -euo pipefail
cd "$1/src"
if grep -rnE '#include *<Q|#include *<qt|#include *"Q' model simplex teach plot export interop commands cli 2>/dev/null; then
    echo "Qt included below the Qt line (src/dialogs and src/app only)" >&2
    exit 1
fi
echo "no Qt include in the Qt-free folders"
