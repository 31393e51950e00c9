#include "simplex/solution_lines.h"

#include "model/number_text.h"

namespace vantrell {

std::vector<std::string> SolutionLines(const VantrellState& state) {
    const RunOutcome outcome = state.mRunOutcome;
    if (outcome == RunOutcome::Unbounded || outcome == RunOutcome::Cycling ||
        outcome == RunOutcome::PageLimit || outcome == RunOutcome::TooLarge) {
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
    const double z = state.mTableauCount > 0
                         ? state.mPages[static_cast<std::size_t>(state.mTableauCount - 1)].mZ
                         : 0.0;
    lines.push_back(CFormatDynamic(FillDecimals("Solution = %%.%dlf", state.mDecimalPlaces), z));
    lines.push_back("Other Variables: 0.0");
    return lines;
}

}  // namespace vantrell
