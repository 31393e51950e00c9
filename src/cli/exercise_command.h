// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vantrell::cli {

// vantrell-cli exercise --seed N --kind KIND [--vars N] [--rows N] -o FILE.lp; args are
// those after "exercise".
int RunExerciseCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The value of --seed, for exercise and sheet alike: a whole number from 0 to the largest
// int; nothing, with error set, otherwise.
std::optional<std::uint64_t> ReadSeed(const std::string& value, std::string& error);

}  // namespace vantrell::cli
