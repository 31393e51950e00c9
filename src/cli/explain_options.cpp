// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/explain_options.h"

namespace vantrell::cli {

OptionParse ParseExplainOption(CliOptions& options, const std::vector<std::string>& args,
                               std::size_t& i, std::string& error) {
    const std::string& arg = args[i];
    if (arg == "--explain" &&
        (options.command == CliCommand::Report || options.command == CliCommand::Latex)) {
        options.explain = true;
        return OptionParse::Taken;
    }
    const bool runs =
        options.command == CliCommand::Report || options.command == CliCommand::Pages ||
        options.command == CliCommand::Solve || options.command == CliCommand::Latex ||
        options.command == CliCommand::Practice || options.command == CliCommand::WhatIf;
    // plot --path draws the run the method makes.
    const bool methodRuns =
        (runs && options.command != CliCommand::WhatIf) || options.command == CliCommand::Plot;
    if (arg == "--method" && methodRuns) {
        const std::string value = i + 1 < args.size() ? args[++i] : std::string();
        options.method = SolveMethodFromWord(value);
        if (options.method) {
            return OptionParse::Taken;
        }
        error = "--method needs big-m, two-phase or dual-simplex";
        return OptionParse::Failed;
    }
    if (arg != "--rule" || !runs) {
        return OptionParse::NotMine;
    }
    const std::string value = i + 1 < args.size() ? args[++i] : std::string();
    if (value == "largest" || value == "bland") {
        options.rule = value == "bland" ? PivotRule::SmallestIndex : PivotRule::LargestCjZj;
        return OptionParse::Taken;
    }
    error = "--rule needs largest or bland";
    return OptionParse::Failed;
}

void ApplyExplainOptions(VantrellState& state, const CliOptions& options) {
    state.mExplain = options.explain;
    state.mCommandLineWords = true;
    if (options.rule) {
        state.mPivotRule = *options.rule;
    }
    if (options.method) {
        state.mMethod = *options.method;
    }
}

}  // namespace vantrell::cli
