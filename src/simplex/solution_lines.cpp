// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/solution_lines.h"

#include "model/number_text.h"

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
    if (!state.mMinimize || state.mSolvingDual || state.mRunOutcome != RunOutcome::Optimal) {
        return std::nullopt;
    }
    // 0.0 - z rather than -z: a zero minimum reads 0.000, not -0.000.
    return CFormatDynamic(
        FillDecimals("Minimum of Z = %%.%dlf (the tableaus maximize -Z)", state.mDecimalPlaces),
        0.0 - LastZ(state));
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
