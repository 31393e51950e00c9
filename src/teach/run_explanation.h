// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "teach/sensitivity.h"
#include "teach/step_notes.h"

namespace vantrell {

// Everything that explains a kept run, read off its exact run: a note per page, the special
// cases, and the sensitivity of an optimal run.
struct RunExplanation {
    std::vector<std::string> notes;
    std::vector<std::string> special;
    std::optional<Sensitivity> sensitivity;
};

RunExplanation ExplainKeptRun(const VantrellState& state, bool dual);
// The same with the numbers of the notes chosen by the caller.
RunExplanation ExplainKeptRun(const VantrellState& state, bool dual, const NoteNumbers& numbers);

}  // namespace vantrell
