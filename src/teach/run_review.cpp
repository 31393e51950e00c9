// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/run_review.h"

#include <algorithm>

#include "model/number_text.h"

namespace vantrell {

int LeavingRowOf(const TableauPage& page) {
    if (page.mLeaving.empty() || page.mEntering.empty()) {
        return -1;
    }
    // The Cj line and the headings come first; the Zj and Cj-Zj lines close the page.
    for (std::size_t line = 2; line + 2 < page.mRows.size(); ++line) {
        if (page.mRows[line].size() > 1 && page.mRows[line][1] == page.mLeaving) {
            return static_cast<int>(line - 2);
        }
    }
    return -1;
}

std::string IterationText(bool dual, int page, int phase) {
    return CFormat(dual ? "Solving Dual: Iteration: %d" : "Solving Primal: Iteration: %d", page) +
           PhaseSuffix(phase);
}

std::string PageListLine(const TableauPage& page, int index) {
    std::string line = "Iteration " + std::to_string(index + 1) + PhaseSuffix(page.mPhase);
    if (!page.mEntering.empty()) {
        line += ": " + page.mEntering + " enters";
        if (!page.mLeaving.empty()) {
            line += ", " + page.mLeaving + " leaves";
        }
    }
    return line;
}

std::vector<bool> ReviewableRuns(const VantrellState& state) {
    std::vector<bool> runs;
    for (const bool dual : {false, true}) {
        if (KeptRun(state, dual).count > 0 && KeptRunIsCurrent(state, dual)) {
            runs.push_back(dual);
        }
    }
    return runs;
}

bool ReviewOpensDual(const VantrellState& state) {
    const std::vector<bool> runs = ReviewableRuns(state);
    if (runs.empty()) {
        return false;
    }
    const bool last = state.mSolvingDual;
    return std::find(runs.begin(), runs.end(), last) != runs.end() ? last : runs.front();
}

}  // namespace vantrell
