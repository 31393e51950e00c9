// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/display_options.h"
#include "model/vantrell_state.h"
#include "teach/exact_replay.h"

namespace vantrell {

// Numbers in an explanation follow the display options, as the tableau beside it does.
struct NoteNumbers {
    DisplayOptions display;
    int decimals = 3;

    std::string Text(const Rational& value) const;
    std::string Text(const ExactMValue& value) const;
};
NoteNumbers NoteNumbersOf(const VantrellState& state);

// +1 when the tableau's maximum is the problem's own objective, -1 when the run maximized
// the negated costs of a minimization.
int StatedSign(const ExactRun& run);

// One plain-language note per page: which column enters and why (naming the rule), which
// row leaves and why, ties and how they went, a degenerate step, and on the last page the
// conclusion. stopped is an unbounded run's unshown page (ExactRun::unboundedEnd).
std::vector<std::string> StepNotes(const ExactRun& run, const std::optional<ExactPage>& stopped,
                                   const NoteNumbers& numbers);

// The notes of the current run's pages so far (mPages up to mTableauCount); on a finished
// run's last page followed by its special cases, one to a line.
std::vector<std::string> RunNotesSoFar(const VantrellState& state);
// The same for a window that shows the run page by page: replay carries the run from one
// page to the next.
std::vector<std::string> RunNotesSoFar(const VantrellState& state, LiveReplay& replay);

}  // namespace vantrell
