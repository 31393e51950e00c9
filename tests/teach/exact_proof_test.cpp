// SPDX-License-Identifier: GPL-3.0-or-later
// The proof check catches an exact answer that is not true: each row spoils a proven run
// in one way and names what the check must find.
#include "teach/exact_proof.h"

#include <gtest/gtest.h>

#include <functional>

#include "commands/calculate_commands.h"
#include "export/latex_document.h"
#include "simplex/standard_form.h"
#include "support/problem_builders.h"
#include "teach/scale_warning.h"
#include "teach/special_cases.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::ThreePlants;

struct Spoiled {
    const char* name;
    ProblemSet primal;
    std::function<void(ExactRun&)> spoil;
    const char* fault;
};

ProblemSet Unbounded() {
    return MakeProblem({1, 1}, {{{1, -1}, "<=", 2}, {{-1, 1}, "<=", 3}});
}

TEST(ExactProof, CatchesEveryKindOfFalseAnswer) {
    const Spoiled rows[] = {
        {"optimal_too_early", ThreePlants(), [](ExactRun& run) { run.pages.resize(1); },
         "X1 could still raise the objective"},
        {"values_break_a_row", ThreePlants(), [](ExactRun& run) { run.pages.back().bi[0] += 1; },
         "the values break row 1"},
        {"negative_value", ThreePlants(), [](ExactRun& run) { run.pages.back().bi[0] = -1; },
         "S1 is negative"},
        {"z_off", ThreePlants(), [](ExactRun& run) { run.pages.back().z += 1; },
         "the last page's Z is not the objective of its values"},
        {"infeasible_but_feasible", ThreePlants(),
         [](ExactRun& run) { run.outcome = RunOutcome::Infeasible; },
         "no artificial variable stays positive"},
        {"direction_falls", Unbounded(),
         [](ExactRun& run) {
             ExactPage& end = *run.unboundedEnd;
             end.cells[0][static_cast<std::size_t>(end.entering)] = 1;
         },
         "along the direction X1 falls"},
        {"direction_breaks_a_row", Unbounded(),
         [](ExactRun& run) {
             ExactPage& end = *run.unboundedEnd;
             end.cells[0][static_cast<std::size_t>(end.entering)] -= 1;
         },
         "the direction breaks row 1"},
    };
    for (const Spoiled& row : rows) {
        SCOPED_TRACE(row.name);
        VantrellState state;
        state.mPrimal = row.primal;
        SilentPrompt prompt;
        ASSERT_TRUE(BuildStandardForm(state, prompt));
        ExactRun run = RunExact(state.mWork, state.mBasis, PivotRule::LargestCjZj, false, false);
        CertifyExactRun(run, state.mWork, state.mBasis);
        ASSERT_TRUE(run.certified) << run.proofFault;
        row.spoil(run);
        CertifyExactRun(run, state.mWork, state.mBasis);
        EXPECT_FALSE(run.certified);
        EXPECT_EQ(run.proofFault, row.fault);
    }
}

// Bland's rule can stop the big-M run unbounded while an artificial variable is still
// above zero: here no point keeps X3 <= -2 at all. Nothing may claim an answer.
TEST(ExactProof, BigMsUndecidedStopIsSaidPlainly) {
    VantrellState state;
    state.mPrimal = MakeProblem({-1.15, 4, 3}, {{{0, -1, 2}, "=", 11}, {{0, 0, 1}, "<=", -2}});
    state.mMinimize = true;
    state.mPivotRule = PivotRule::SmallestIndex;
    SilentPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    const ExactRun* run = KeptExactRun(state, false);
    ASSERT_TRUE(run != nullptr);
    EXPECT_EQ(run->outcome, RunOutcome::Unbounded);
    EXPECT_TRUE(run->undecided && !run->certified);
    EXPECT_EQ(KeptRunSpecialCases(state, false),
              std::vector<std::string>{
                  "Big M cannot decide here: it stopped unbounded with the artificial variable a1 "
                  "above zero, so it shows no point that keeps every constraint; the problem is "
                  "either unbounded or has no feasible solution."});
    const std::string tex = BuildLatexDocument(state, false);
    EXPECT_NE(tex.find("Big M cannot decide here"), std::string::npos);
}

// A second optimum one pivot away only where the step is positive: a tie at a degenerate
// corner leads back to the same point.
TEST(SpecialCases, AlternativeOptimumOnlyAtAnotherPoint) {
    const std::pair<ProblemSet, bool> rows[] = {
        {MakeProblem({2, 4}, {{{1, 2}, "<=", 5}, {{1, 1}, "<=", 4}}), true},
        {MakeProblem({0, 1}, {{{0, 1}, "<=", 1}, {{1, 1}, "<=", 1}}), false},
    };
    for (const auto& [primal, alternative] : rows) {
        const VantrellState state = testing::SolvedState(primal);
        EXPECT_EQ(HasAlternativeOptimum(*KeptExactRun(state, false)), alternative);
    }
}

TEST(ScaleWarning, OnlyForNumbersFurtherApartThanNineOrders) {
    EXPECT_EQ(ScaleWarning(ThreePlants()), std::nullopt);
    EXPECT_EQ(ScaleWarning(MakeProblem({1e-9, 1}, {{{1, 1}, "<=", 1}})), std::nullopt);
    EXPECT_EQ(ScaleWarning(MakeProblem({1e-12, 1}, {{{1, 0}, "<=", 6}})),
              "The numbers of this problem range from 1e-12 to 6: the decimal tableaus may "
              "round, and the fraction view is the one to trust.");
}

}  // namespace
}  // namespace vantrell
