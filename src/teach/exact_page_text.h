// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/display_options.h"
#include "model/vantrell_state.h"
#include "teach/exact_run.h"

namespace vantrell {

// The exact page as tableau text, in the layout of the decimal page: Cj line, heading,
// one line per row with Bi and Bi/Aij, Zj, and Cj-Zj closed by the objective value, with
// the exact run's own entering and leaving variable.
TableauPage ExactTableauPage(const ExactPage& exact, const DisplayOptions& options, int decimals);

// An unbounded run's deciding tableau, to show after the run's count pages: its entering
// column marked and no leaving row. Nothing for any other run, nor where the decimal pages
// part from the exact run (they would not lead to it).
std::optional<TableauPage> DecidingPage(const ExactRun* run, int count,
                                        const DisplayOptions& options, int decimals);

// A page as the display options show it, with its pivot in the same numbers and the note
// where the decimal run parts from the exact one.
// With the default display the run's own page is shown as it is, without a copy.
struct ShownPage {
    const TableauPage* source = nullptr;  // the run's page, when shown as it is
    TableauPage exact;                    // otherwise its text in the display options
    std::string pivotText;
    std::string zText;  // Z as its cell shows it, M part included; empty for a decimal page
    std::vector<std::string> notes;

    const TableauPage& Page() const { return source != nullptr ? *source : exact; }
};

// The pages of a run as the display options show them, one at a time, so that a long run
// is never held twice: the decimal pages themselves with the default options, the exact
// run's pages otherwise (run may be null: then the decimal pages).
void ForEachShownPage(const VantrellState& state, const ExactRun* run, const PageStore& pages,
                      int count, const std::function<void(ShownPage&)>& visit);
// The same for the kept primal (or dual) run, and for the run in mPages.
void ForEachKeptPage(const VantrellState& state, bool dual,
                     const std::function<void(ShownPage&)>& visit);
void ForEachCurrentPage(const VantrellState& state, const std::function<void(ShownPage&)>& visit);
std::vector<ShownPage> DisplayedKeptPages(const VantrellState& state, bool dual);

// Page index (from 0) of the run in mPages in the display options: the same cost for
// every page, for the tableau window.
ShownPage DisplayedRunPage(const VantrellState& state, std::size_t index);
// The page the run is showing now (the last of mPages up to mTableauCount).
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

// The solution lines of the current run with the default options, in the decimal count
// now set: the decimal run's, or those of a method that runs in exact numbers only.
std::vector<std::string> DefaultSolutionLines(const VantrellState& state);

// The solution lines the main window shows for the current run: the float lines with the
// default options, the exact ones otherwise.
std::vector<std::string> DisplayedSolutionLines(const VantrellState& state);

}  // namespace vantrell
