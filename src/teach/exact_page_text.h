#pragma once

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

// The pages of a run as the display options show them: the float pages themselves with
// the default options or when no exact replay exists, the exact pages otherwise.
std::vector<TableauPage> DisplayedPages(const VantrellState& state, bool dual,
                                        const PageStore& pages, int count, RunOutcome outcome);
std::vector<TableauPage> DisplayedKeptPages(const VantrellState& state, bool dual);

// The Complete Solution lines of the run in the display options: "X1 = 3/2", then
// "Solution = 12" and "Other Variables: 0.0", or the outcome's own line.
std::vector<std::string> ExactSolutionLines(const ExactRun& run, const DisplayOptions& options,
                                            int decimals);

// The solution lines the main window shows for the current run: the float lines with the
// default options, the exact ones otherwise.
std::vector<std::string> DisplayedSolutionLines(const VantrellState& state);

}  // namespace vantrell
