// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/display_options.h"
#include "model/pivot_rule.h"
#include "model/problem.h"
#include "model/run_outcome.h"
#include "model/solved_problem.h"
#include "model/tableau_page.h"

namespace vantrell {

// The counts of the last standard form or opened file, as the main window shows them.
struct SizeFields {
    std::string n;
    std::string m;
    std::string nMinusM;
};

// Everything the main window holds: the problems, options, per-run solver state, the
// page stores and the kept results. The windows render it; the commands change it.
struct VantrellState {
    ProblemSet mPrimal;
    ProblemSet mWork;
    ProblemSet mDual;
    std::string mWorkDir;
    bool mDone = false;
    bool mSolved = false;
    bool mDisplayDuality = true;
    bool mSolvingDual = false;
    bool mMinimize = false;
    std::string mProblemName;
    std::string mFileName;
    std::int32_t mTableauIndex = 0;
    std::int32_t mLeavingRow = 0;
    std::int32_t mDecimalPlaces = 3;
    DisplayOptions mDisplay;
    PivotRule mPivotRule = PivotRule::LargestCjZj;
    bool mExplain = false;  // the report adds each page's note, special cases, sensitivity
    std::int32_t mTableauCount = 0;
    std::int32_t mPrimalTableauCount = 0;
    std::int32_t mDualTableauCount = 0;
    std::int32_t mGraphPoint = 0;
    PageStore mPages;
    PageStore mPrimalPages;
    PageStore mDualPages;
    std::vector<BigMValue> mZj;
    std::vector<BigMValue> mCjZj;
    std::vector<double> mRatios;
    std::vector<CostTerm> mBasis;
    std::vector<CostTerm> mPrimalBasis;
    std::vector<CostTerm> mDualBasis;
    std::vector<double> mPrimalValues;
    std::vector<double> mDualValues;

    // How the current or last run ended, and how the kept primal and dual runs ended.
    RunOutcome mRunOutcome = RunOutcome::NotRun;
    RunOutcome mPrimalOutcome = RunOutcome::NotRun;
    RunOutcome mDualOutcome = RunOutcome::NotRun;
    // The problem each kept run solved; Open, New and every edit leave the runs stale.
    SolvedProblem mPrimalSolved;
    SolvedProblem mDualSolved;
    SolvedProblem mLastSolved;  // of the run in mPages
    // How the student answered, line by line, when a kept run was made in practice mode;
    // empty for a run that Calculate made.
    std::vector<std::string> mPrimalPractice;
    std::vector<std::string> mDualPractice;

    // The "Complete Solution" list and the "n", "m", "n-m" fields of the main window.
    std::vector<std::string> mSolutionLines;
    SizeFields mSizeFields;
};

// Whether the kept primal (or dual) run is of the problem now in the primal.
bool KeptRunIsCurrent(const VantrellState& state, bool dual);
// Whether the last run, the one in mPages, was made for another problem.
bool LastRunIsStale(const VantrellState& state);
// Whether runs were kept but none of them is of the problem now in the primal.
bool NoKeptRunIsCurrent(const VantrellState& state);
// Whether a kept run was made for another problem than the one now in the primal.
bool KeptRunIsStale(const VantrellState& state, bool dual);

}  // namespace vantrell
