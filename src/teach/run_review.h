// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/tableau_page.h"
#include "model/vantrell_state.h"

namespace vantrell {

inline constexpr const char* kNothingToReviewMessage =
    "There is no run of this problem to review. Calculate the primal or the dual first";

// The row of a page whose basic variable leaves (0 the first constraint row), found by its
// name in the Basis column; -1 on a page where nothing leaves.
int LeavingRowOf(const TableauPage& page);

// "Solving Primal: Iteration: 3", page counting from 1 as the run counts them; a two-phase
// page adds its phase: "Solving Primal: Iteration: 3 (Phase I)".
std::string IterationText(bool dual, int page, int phase = 0);

// A page's line in the Review window's list: "Iteration 2: X1 enters, S3 leaves", or
// "Iteration 3" on a page where nothing enters.
std::string PageListLine(const TableauPage& page, int index);

// The kept runs that the Review window can show: of the problem now in the primal, with at
// least one page; the primal first.
std::vector<bool> ReviewableRuns(const VantrellState& state);
// The run the Review window opens on: the last one made, when it can be shown.
bool ReviewOpensDual(const VantrellState& state);

}  // namespace vantrell
