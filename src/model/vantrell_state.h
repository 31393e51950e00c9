// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "model/display_options.h"
#include "model/pivot_rule.h"
#include "model/practice_level.h"
#include "model/problem.h"
#include "model/run_outcome.h"
#include "model/run_record.h"
#include "model/solve_method.h"
#include "model/solved_problem.h"
#include "model/tableau_page.h"

namespace vantrell {

// The counts of the last standard form or opened file, as the main window shows them.
struct SizeFields {
    std::string n;
    std::string m;
    std::string nMinusM;
};

// Everything the main window holds. The windows render it; the commands change it. The
// kept primal and dual runs are reached through KeptRun below, never field by field.
struct VantrellState {
    // The problem as stated, its dual, and where its file lives.
    ProblemSet mPrimal;
    ProblemSet mDual;
    bool mMinimize = false;
    std::string mProblemName;
    std::string mFileName;
    std::string mWorkDir;

    // Options.
    bool mDisplayDuality = true;
    std::int32_t mDecimalPlaces = 3;
    DisplayOptions mDisplay;
    PivotRule mPivotRule = PivotRule::LargestCjZj;
    SolveMethod mMethod = SolveMethod::BigM;
    PracticeLevel mPracticeLevel = PracticeLevel::Choices;
    bool mExplain = false;  // the report adds each page's note, special cases, sensitivity
    // Set by the batch front end: explanations name its flags, not the window's options.
    bool mCommandLineWords = false;

    // The solver's working fields: the run being made (or the last one made) in mPages.
    ProblemSet mWork;
    bool mDone = false;
    bool mSolved = false;
    bool mSolvingDual = false;
    std::int32_t mTableauIndex = 0;
    std::int32_t mLeavingRow = 0;
    std::int32_t mTableauCount = 0;
    PageStore mPages;
    std::vector<BigMValue> mZj;
    std::vector<BigMValue> mCjZj;
    std::vector<double> mRatios;
    std::vector<CostTerm> mBasis;
    RunOutcome mRunOutcome = RunOutcome::NotRun;
    SolvedProblem mLastSolved;  // of the run in mPages
    RunRecord mRun;             // of the run in mPages

    // The kept primal run and the kept dual run. The problem each solved is kept with it;
    // Open, New and every edit leave the runs stale.
    std::int32_t mPrimalTableauCount = 0;
    PageStore mPrimalPages;
    std::vector<CostTerm> mPrimalBasis;
    std::vector<double> mPrimalValues;
    RunOutcome mPrimalOutcome = RunOutcome::NotRun;
    SolvedProblem mPrimalSolved;
    RunRecord mPrimalRun;
    std::int32_t mDualTableauCount = 0;
    PageStore mDualPages;
    std::vector<CostTerm> mDualBasis;
    std::vector<double> mDualValues;
    RunOutcome mDualOutcome = RunOutcome::NotRun;
    SolvedProblem mDualSolved;
    RunRecord mDualRun;

    // View texts: the "Complete Solution" list and the "n", "m", "n-m" fields of the main
    // window, and the plot's point.
    std::vector<std::string> mSolutionLines;
    SizeFields mSizeFields;
    std::int32_t mGraphPoint = 0;
};

// One side's kept run, as references into the state: the one place that chooses between
// the primal's and the dual's fields. State is VantrellState or const VantrellState.
template <class State>
struct KeptRunOf {
    template <class T>
    using Ref = std::conditional_t<std::is_const_v<State>, const T&, T&>;

    bool dual;
    Ref<ProblemSet> problem;  // the problem the side solves: the primal or its dual
    Ref<std::int32_t> count;
    Ref<PageStore> pages;
    Ref<std::vector<CostTerm>> basis;
    Ref<std::vector<double>> values;
    Ref<RunOutcome> outcome;
    Ref<SolvedProblem> solved;
    Ref<RunRecord> record;
};

template <class State>
KeptRunOf<State> KeptRun(State& state, bool dual) {
    if (dual) {
        return {true,
                state.mDual,
                state.mDualTableauCount,
                state.mDualPages,
                state.mDualBasis,
                state.mDualValues,
                state.mDualOutcome,
                state.mDualSolved,
                state.mDualRun};
    }
    return {false,
            state.mPrimal,
            state.mPrimalTableauCount,
            state.mPrimalPages,
            state.mPrimalBasis,
            state.mPrimalValues,
            state.mPrimalOutcome,
            state.mPrimalSolved,
            state.mPrimalRun};
}

// Whether the kept primal (or dual) run is of the problem now in the primal.
bool KeptRunIsCurrent(const VantrellState& state, bool dual);
// Whether the last run, the one in mPages, was made for another problem.
bool LastRunIsStale(const VantrellState& state);
// Whether runs were kept but none of them is of the problem now in the primal.
bool NoKeptRunIsCurrent(const VantrellState& state);
// Whether a kept run was made for another problem than the one now in the primal.
bool KeptRunIsStale(const VantrellState& state, bool dual);

}  // namespace vantrell
