// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/display_options.h"
#include "model/pivot_rule.h"
#include "model/solve_method.h"
#include "teach/practice_session.h"
#include "teach/what_if.h"

namespace vantrell::cli {

enum class CliCommand {
    Help,
    Version,
    Report,
    Pages,
    Plot,
    Solve,
    Latex,
    Practice,
    Exercise,
    Sheet,
    WhatIf,
};

struct CliOptions {
    CliCommand command = CliCommand::Help;
    std::string problemFile;
    std::optional<std::string> reportFile;    // -o: write the report (or the LaTeX) there instead
    std::optional<std::string> workbookFile;  // --xlsx: also write the last run's tableaus
    std::optional<int> decimals;              // --decimals: overrides the file's count
    bool dual = false;                        // pages --dual, latex --dual
    bool json = false;                        // solve --json
    bool path = false;                        // plot --path
    std::optional<DisplayOptions> display;    // --numbers, --big-m
    bool explain = false;                     // report --explain
    std::optional<PivotRule> rule;            // --rule largest|bland
    std::optional<SolveMethod> method;        // --method big-m|two-phase|dual-simplex
    PracticeLevel level = PracticeLevel::Choices;  // practice --level
    std::vector<std::string> commandArgs;          // exercise: its own options, read by it
    std::vector<WhatIfChange> changes;             // whatif: --rhs, --cost, --add-row in order
};

// Reads the arguments after the program name. Nothing, with error set, when they do
// not make a command.
std::optional<CliOptions> ParseCliOptions(const std::vector<std::string>& args, std::string& error);

extern const char* const kUsageText;

}  // namespace vantrell::cli
