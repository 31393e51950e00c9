// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/solution_lines.h"

#include "model/number_text.h"
#include "model/stated_sense.h"

namespace vantrell {

namespace {

double LastZ(const VantrellState& state) {
    return state.mTableauCount > 0 && state.mTableauCount <= kTableauPages
               ? state.mPages[static_cast<std::size_t>(state.mTableauCount - 1)].mZ
               : 0.0;
}

}  // namespace

const char* SenseText(bool minimize) {
    return minimize ? "Minimize" : "Maximize";
}

std::optional<std::string> MinimumLine(const VantrellState& state) {
    if (StatedSign(state.mMinimize, state.mSolvingDual) > 0 ||
        state.mRunOutcome != RunOutcome::Optimal) {
        return std::nullopt;
    }
    const std::string name = ObjectiveName(state.mSolvingDual);
    // 0.0 - z rather than -z: a zero minimum reads 0.000, not -0.000.
    const std::string templ =
        "Minimum of " + name + " = %%.%dlf (the tableaus maximize -" + name + ")";
    return CFormatDynamic(FillDecimals(templ.c_str(), state.mDecimalPlaces), 0.0 - LastZ(state));
}

std::string UnboundedLine(const std::string& column, bool minimize, bool dual) {
    return "The problem is unbounded: " + column + " can grow without limit and " +
           ObjectiveName(dual) +
           (StatedSign(minimize, dual) > 0 ? " with it." : " falls without limit.");
}

std::vector<std::string> SolutionLines(const VantrellState& state) {
    const RunOutcome outcome = state.mRunOutcome;
    if (outcome == RunOutcome::Unbounded || outcome == RunOutcome::Cycling ||
        outcome == RunOutcome::PageLimit || outcome == RunOutcome::TooLarge ||
        outcome == RunOutcome::Stopped) {
        return {OutcomeSolutionText(outcome)};
    }
    std::vector<std::string> lines;
    const std::string entry = FillDecimals("%%s = %%.%dlf", state.mDecimalPlaces);
    for (std::size_t r = 0; r < state.mBasis.size() && r < state.mWork.constraints.size(); ++r) {
        lines.push_back(
            CFormatDynamic(entry, state.mBasis[r].name.c_str(), state.mWork.constraints[r].rhs));
    }
    if (outcome == RunOutcome::Infeasible) {
        lines.push_back(OutcomeSolutionText(outcome));
        return lines;
    }
    const double z = LastZ(state);
    lines.push_back(CFormatDynamic(FillDecimals("Solution = %%.%dlf", state.mDecimalPlaces), z));
    lines.push_back("Other Variables: 0.0");
    return lines;
}

}  // namespace vantrell
