// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/main_commands.h"

#include "commands/file_commands.h"
#include "model/problem_limits.h"

namespace vantrell {

void NewProblem(VantrellState& state, Prompt& prompt, bool unsaved) {
    OfferToSave(state, prompt, unsaved);
    state.mPrimal.Clear();
    state.mDual.Clear();
    state.mProblemName.clear();
    state.mFileName.clear();
    state.mSolutionLines.clear();
    state.mSizeFields = SizeFields();
    state.mSolved = false;
}

bool DeleteConstraint(VantrellState& state, Prompt& prompt, int selected) {
    const auto count = static_cast<int>(state.mPrimal.constraints.size());
    if (selected < 0 || selected >= count) {
        prompt.ShowMessage("Select a constraint to delete");
        return false;
    }
    if (!prompt.AskToDiscard("Are you sure you want to delete this entry?")) {
        return false;
    }
    ProblemSet& primal = state.mPrimal;
    primal.constraints.erase(primal.constraints.begin() + selected);
    if (selected < static_cast<int>(primal.constraintNames.size())) {
        primal.constraintNames.erase(primal.constraintNames.begin() + selected);
    }
    return true;
}

std::optional<std::string> PlotRefusal(const VantrellState& state) {
    // Every pair of lines gives a candidate corner, each checked against every line.
    if (auto refusal = ProblemSizeRefusal(state.mPrimal.WidestColumnCount(),
                                          state.mPrimal.constraints.size())) {
        return refusal;
    }
    if (state.mPrimal.objective.size() != 2) {
        return "Size of Objective variables is not equal to 2";
    }
    // A row read from a file may be short; the plot reads its missing terms as 0.
    if (state.mPrimal.constraints.empty()) {
        return "Size of Constraints should at least be 2";
    }
    return std::nullopt;
}

}  // namespace vantrell
