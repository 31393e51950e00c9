// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/display_options.h"
#include "model/vantrell_state.h"
#include "teach/exact_replay.h"

namespace vantrell {

// The exact page as tableau text, in the layout of the float page: Cj line, heading,
// one line per row with Bi and Bi/Aij, Zj, and Cj-Zj closed by the objective value.
// Entering, leaving and the pivot value are copied from the float page.
TableauPage ExactTableauPage(const ExactPage& exact, const TableauPage& shown,
                             const DisplayOptions& options, int decimals);

// A page as the display options show it, with its pivot in the same numbers and the notes
// where exact arithmetic would have chosen otherwise.
// With the default display the run's own page is shown as it is, without a copy.
struct ShownPage {
    const TableauPage* source = nullptr;  // the run's page, when shown as it is
    TableauPage exact;                    // otherwise its text in the display options
    std::string pivotText;
    std::vector<std::string> notes;

    const TableauPage& Page() const { return source != nullptr ? *source : exact; }
};

// The pages of a run as the display options show them: the float pages themselves with
// the default options or when no exact replay exists, the exact pages otherwise.
std::vector<ShownPage> DisplayedPages(const VantrellState& state, bool dual, const PageStore& pages,
                                      int count, RunOutcome outcome);
std::vector<ShownPage> DisplayedKeptPages(const VantrellState& state, bool dual);
// The same one page at a time, so that a long run is never held twice.
void ForEachShownPage(const VantrellState& state, bool dual, const PageStore& pages, int count,
                      RunOutcome outcome, const std::function<void(ShownPage&)>& visit);

// The page a run is showing now (the last of mPages up to mTableauCount) in the display
// options, for the tableau window.
ShownPage DisplayedCurrentPage(const VantrellState& state, const TableauPage& page);

// A number of the problem as typed, in the display options' numbers: the fixed decimal
// text, or the exact fraction of the typed decimal.
std::string ShownNumber(double value, const DisplayOptions& options, int decimals);
// The same for the equation texts of the main window.
std::function<std::string(double)> ShownNumberText(const VantrellState& state);

// The Complete Solution lines of the run in the display options: "X1 = 3/2", then
// "Solution = 12" and "Other Variables: 0.0", or the outcome's own line.
std::vector<std::string> ExactSolutionLines(const ExactRun& run, const DisplayOptions& options,
                                            int decimals);

// The solution lines the main window shows for the current run: the float lines with the
// default options, the exact ones otherwise.
std::vector<std::string> DisplayedSolutionLines(const VantrellState& state);

}  // namespace vantrell
