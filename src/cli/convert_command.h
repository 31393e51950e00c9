// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vantrell::cli {

// vantrell-cli convert IN OUT --from vantrell|cplex|mps --to vantrell|cplex|mps: args
// start with "convert". Returns the exit status.
int RunConvert(const std::vector<std::string>& args, std::ostream& err);

}  // namespace vantrell::cli
