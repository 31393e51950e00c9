// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/cli_options.h"
#include "teach/what_if.h"

namespace vantrell::cli {

// One change of whatif as its flag gives it: --rhs NAME=VALUE, --cost VAR=VALUE or
// --add-row "NAME: 1X1 + 2X2 <= 8". Nothing, with error naming what is wrong, when the
// value does not read.
std::optional<WhatIfChange> ParseWhatIfChange(const std::string& flag, const std::string& value,
                                              std::string& error);

// vantrell-cli whatif FILE.lp with its changes: the check against the final tableau, then
// every page from the changed final tableau to the new answer (with --json one document).
int RunWhatIfCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace vantrell::cli
