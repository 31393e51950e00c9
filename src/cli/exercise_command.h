// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrell::cli {

// vantrell-cli exercise --seed N --kind KIND [--vars N] [--rows N] -o FILE.lp; args are
// those after "exercise".
int RunExerciseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vantrell::cli
