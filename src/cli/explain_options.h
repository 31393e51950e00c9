// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "cli/cli_options.h"
#include "model/vantrell_state.h"

namespace vantrell::cli {

enum class OptionParse { NotMine, Taken, Failed };

// Reads args[i] when it is "--explain" (report), "--rule largest|bland" (every command
// that runs the simplex) or "--method big-m|two-phase|dual-simplex" (every one but
// whatif), moving i past a value it takes.
OptionParse ParseExplainOption(CliOptions& options, const std::vector<std::string>& args,
                               std::size_t& i, std::string& error);

// Puts the explain mode, the pivot rule and the method into the state before anything runs.
void ApplyExplainOptions(VantrellState& state, const CliOptions& options);

}  // namespace vantrell::cli
