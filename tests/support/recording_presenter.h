// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "model/prompt.h"
#include "simplex/page_presenter.h"

namespace vantrell::testing {

// Keeps a copy of every page shown with what the state said about it at that moment.
class RecordingPresenter : public PagePresenter {
  public:
    struct Shown {
        TableauPage page;
        int tableauCount = 0;
        int leavingRow = 0;
        bool done = false;
        bool solvingDual = false;
        std::string lastPageQuestion;
    };

    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        shown.push_back({page, state.mTableauCount, state.mLeavingRow, state.mDone,
                         state.mSolvingDual,
                         state.mDone ? LastPageQuestion(state.mRunOutcome) : std::string()});
    }

    // The page's lines joined by the dialog's line rule, as a student sees them.
    static std::vector<std::string> Lines(TableauPage page) {
        page.ComputeColumnWidths();
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < page.mRows.size(); ++i) {
            lines.push_back(page.LineText(i));
        }
        return lines;
    }

    std::vector<Shown> shown;
};

}  // namespace vantrell::testing
