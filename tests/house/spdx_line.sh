#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every tracked source file, CMake file and script states its licence at the top; the rule,
# and the fix, are tools/spdx-stamp.sh's.
exec bash "$1/tools/spdx-stamp.sh" --check "$1"
