// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/display_options.h"
#include "model/vantrell_state.h"
#include "teach/exact_run.h"

namespace vantrell {

// Numbers in an explanation follow the display options, as the tableau beside it does.
struct NoteNumbers {
    DisplayOptions display;
    int decimals = 3;
    // The batch front end's texts name its flags where the window's name its options.
    bool commandLine = false;

    std::string Text(const Rational& value) const;
    std::string Text(const ExactMValue& value) const;
    // An M part as the tableau writes it: "(2/3)M", "M", "-2M".
    std::string MPart(const Rational& m) const;
};
NoteNumbers NoteNumbersOf(const VantrellState& state);

// One plain-language note per page: which column enters and why (naming the rule), which
// row leaves and why, ties and how they went, a degenerate step, and on the last page the
// conclusion. stopped is an unbounded run's deciding page (ExactRun::unboundedEnd): it gets
// a note of its own after the others.
std::vector<std::string> StepNotes(const ExactRun& run, const std::optional<ExactPage>& stopped,
                                   const NoteNumbers& numbers);

// The note of page index (from 0) of the run in mPages as far as it has come: its pivot,
// or on a finished run's last page its conclusion followed by its special cases, one to a
// line. A window that shows the run page by page asks for each page once.
std::string RunNoteOfPage(const VantrellState& state, std::size_t index);
// The note of the tableau that decides the unbounded run in mPages, with the run's special
// cases, one to a line; empty for any other run.
std::string DecidingPageNote(const VantrellState& state);
// The notes of the pages so far (mPages up to mTableauCount).
std::vector<std::string> RunNotesSoFar(const VantrellState& state);

}  // namespace vantrell
