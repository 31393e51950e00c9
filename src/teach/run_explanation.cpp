// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/run_explanation.h"

#include "teach/special_cases.h"

namespace vantrell {

RunExplanation ExplainKeptRun(const VantrellState& state, bool dual) {
    RunExplanation explanation;
    const auto run = ReplayKeptRun(state, dual);
    if (!run) {
        explanation.special = KeptRunSpecialCases(state, dual);
        return explanation;
    }
    const std::optional<ExactPage>& stopped = run->unboundedEnd;
    const ProblemSet& problem = dual ? state.mDual : state.mPrimal;
    explanation.notes = StepNotes(*run, stopped, NoteNumbersOf(state));
    explanation.special = SpecialCases(*run, stopped, problem, NoteNumbersOf(state));
    explanation.sensitivity = ComputeSensitivity(*run, problem);
    return explanation;
}

}  // namespace vantrell
