// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <ostream>

#include "cli/cli_options.h"

namespace vantrell::cli {

// vantrell-cli practice FILE.lp [--dual]: asks every decision of the run on out, reads one
// answer a line from in, explains wrong answers and ends with the summary. The end of the
// input ends the practice; the run then finishes without asking.
int RunPracticeCommand(const CliOptions& options, std::istream& in, std::ostream& out,
                       std::ostream& err);

}  // namespace vantrell::cli
