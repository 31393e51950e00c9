// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/run_explanation.h"

#include "teach/scale_warning.h"
#include "teach/special_cases.h"

namespace vantrell {

RunExplanation ExplainKeptRun(const VantrellState& state, bool dual) {
    return ExplainKeptRun(state, dual, NoteNumbersOf(state));
}

RunExplanation ExplainKeptRun(const VantrellState& state, bool dual, const NoteNumbers& numbers) {
    RunExplanation explanation;
    const ExactRun* run = KeptExactRun(state, dual);
    if (run == nullptr) {
        return explanation;
    }
    const std::optional<ExactPage>& stopped = run->unboundedEnd;
    const ProblemSet& problem = KeptRun(state, dual).problem;
    explanation.notes = StepNotes(*run, stopped, numbers);
    if (const auto warning = ScaleWarning(problem); warning && !explanation.notes.empty()) {
        explanation.notes.front() = *warning + " " + explanation.notes.front();
    }
    explanation.special = SpecialCases(*run, stopped, problem, numbers);
    explanation.sensitivity = ComputeSensitivity(*run, problem);
    return explanation;
}

}  // namespace vantrell
