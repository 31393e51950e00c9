// SPDX-License-Identifier: GPL-3.0-or-later
// The exact run follows the same rules as the decimal run and, where round-off does not
// decide, agrees with it page for page.
#include <gtest/gtest.h>

#include <cmath>

#include "commands/calculate_commands.h"
#include "model/equation_text.h"
#include "simplex/dual_builder.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"
#include "teach/exact_page_text.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::ScriptedPrompt;
using Cells = std::vector<std::string>;

// The decimal tableau at each shown page, before the pivot that follows it.
class SnapshotPresenter : public PagePresenter {
  public:
    void ShowPage(const VantrellState& state, const TableauPage&) override {
        snapshots.push_back({state.mWork, state.mZj, state.mCjZj});
    }
    struct Snapshot {
        ProblemSet work;
        std::vector<BigMValue> zj;
        std::vector<BigMValue> cjzj;
    };
    std::vector<Snapshot> snapshots;
};

struct Example {
    const char* name;
    ProblemSet primal;
    bool minimize;
    const char* optimum;  // both runs state it, as exact strings; none without an optimum
};

const std::vector<Example>& Examples() {
    static const std::vector<Example> examples = {
        {"maximization", MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}), false, "12"},
        {"minimization", MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}), true, "9"},
        {"equality_blend",
         MakeProblem({4, 3, 2}, {{{1, 1, 1}, "=", 10}, {{2, 1, 0}, ">=", 8}, {{0, 0, 1}, "<=", 6}}),
         true, "28"},
        {"tenths", MakeProblem({0.3, 0.1}, {{{0.1, 0.2}, "<=", 0.7}, {{0.3, 0.1}, "<=", 0.9}}),
         false, "9/10"},
        {"infeasible", MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5}}), false, nullptr},
        {"unbounded", MakeProblem({1, 1}, {{{1, -1}, "<=", 2}, {{-1, 1}, "<=", 3}}), false,
         nullptr},
    };
    return examples;
}

VantrellState StateFor(const Example& example) {
    VantrellState state;
    state.mPrimal = example.primal;
    state.mMinimize = example.minimize;
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    return state;
}

bool Near(const Rational& exact, double value) {
    return std::fabs(exact.get_d() - value) <= 1e-9;
}

bool NearM(const ExactMValue& exact, const BigMValue& value) {
    return exact.hasM == value.hasM && Near(exact.c, value.constPart) &&
           (!value.hasM || Near(exact.m, value.mPart));
}

void ExpectPagesAgree(const Example& example, bool dual) {
    VantrellState state = StateFor(example);
    ScriptedPrompt prompt;
    SnapshotPresenter presenter;
    dual ? CalculateDual(state, prompt, presenter) : CalculatePrimal(state, prompt, presenter);
    const ExactRun* run = KeptExactRun(state, dual);
    ASSERT_TRUE(run != nullptr) << example.name;
    EXPECT_TRUE(run->certified) << example.name << ": " << run->proofFault;
    ASSERT_EQ(run->pages.size(), presenter.snapshots.size()) << example.name;
    for (std::size_t p = 0; p < run->pages.size(); ++p) {
        const ExactPage& exact = run->pages[p];
        const auto& shot = presenter.snapshots[p];
        const std::string where = std::string(example.name) + " page " + std::to_string(p);
        EXPECT_TRUE(exact.notes.empty()) << where;
        for (std::size_t r = 0; r < exact.cells.size(); ++r) {
            EXPECT_TRUE(Near(exact.bi[r], shot.work.constraints[r].rhs)) << where;
            for (std::size_t k = 0; k < exact.cells[r].size(); ++k) {
                EXPECT_TRUE(Near(exact.cells[r][k], shot.work.constraints[r].coefficients[k]))
                    << where << " row " << r << " column " << k;
            }
        }
        for (std::size_t k = 0; k < exact.zj.size(); ++k) {
            EXPECT_TRUE(NearM(exact.zj[k], shot.zj[k]) && NearM(exact.cjzj[k], shot.cjzj[k]))
                << where << " column " << k;
        }
        EXPECT_TRUE(Near(exact.z, state.mPages[p].mZ)) << where;
    }
    if (example.optimum != nullptr) {  // strong duality: the same exact string
        const auto stated = StatedObjective(*run);
        ASSERT_TRUE(stated) << example.name;
        EXPECT_EQ(ExactString(*stated), example.optimum) << example.name;
    }
}

TEST(ExactRun, EveryPageAgreesWithTheDecimalRun) {
    for (const Example& example : Examples()) {
        ExpectPagesAgree(example, false);
        ExpectPagesAgree(example, true);
    }
}

TEST(ExactRun, FractionPagesAndSolutionOfTheTenthsExample) {
    VantrellState state = testing::SolvedState(Examples()[3].primal);
    state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions};

    const std::vector<ShownPage> pages = DisplayedKeptPages(state, false);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].Page().mRows[2], (Cells{"0", "S1", "1/10", "1/5", "1", "0", "7/10", "7"}));
    EXPECT_EQ(pages[0].Page().mEntering, "X1");
    EXPECT_EQ(DisplayedSolutionLines(state),
              (Cells{"S1 = 2/5", "X1 = 3", "Solution = 9/10", "Other Variables: 0"}));
    EXPECT_EQ(pages[1].Page().mRows[3], (Cells{"3/10", "X1", "1", "1/3", "0", "10/3", "3", "-"}));
}

// With Bland's rule the least ratio leaves, and only an exact tie goes to the basic
// variable of smallest index: 4 (S2) beats 4.5 (S1).
TEST(ExactRun, BlandsRuleBreaksOnlyExactTies) {
    VantrellState state;
    state.mPrimal = MakeProblem({1, 0}, {{{1, 0}, "<=", 4.5}, {{1, 0}, "<=", 4}});
    state.mPivotRule = PivotRule::SmallestIndex;
    RebuildDual(state.mPrimal, state.mMinimize, state.mDual);
    ScriptedPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    const ExactRun* run = KeptExactRun(state, false);
    ASSERT_TRUE(run != nullptr && !run->pages.empty());
    EXPECT_EQ(run->pages[0].leaving, 1);
    EXPECT_TRUE(run->certified) << run->proofFault;
}

// Round-off decides: a tie of 3/1 and 0.3/0.1 that the decimal run breaks for the second
// row, and a reduced cost of 1e-10 that its tolerance counts as zero. The exact run goes its
// own way from there, and the page where the two part says so.
TEST(ExactRun, GoesItsOwnWayWhereRoundOffDecides) {
    struct Row {
        const char* name;
        ProblemSet primal;
        const char* note;
        std::size_t exactPages;
    };
    const Row rows[] = {
        {"ratio_tie", MakeProblem({1, 1}, {{{1, 0}, "<=", 3}, {{0.1, 1}, "<=", 0.3}}),
         "Here the decimal run, rounding, chose S2; in exact numbers S1 and S2 tie and the first "
         "row, S1, leaves. From here on the fraction view follows the exact run.",
         3},
        {"tiny_reduced_cost", MakeProblem({1e-10, 0}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}),
         "Here the decimal run, rounding, ends with an optimal tableau; in exact numbers X1 "
         "enters and S1 leaves. From here on the fraction view follows the exact run.",
         2},
    };
    for (const Row& row : rows) {
        const VantrellState state = testing::SolvedState(row.primal);
        const ExactRun* run = KeptExactRun(state, false);
        ASSERT_TRUE(run != nullptr && !run->pages.empty()) << row.name;
        EXPECT_EQ(run->pages[0].notes, std::vector<std::string>{row.note}) << row.name;
        EXPECT_EQ(run->pages.size(), row.exactPages) << row.name;
        EXPECT_TRUE(run->parted && run->certified) << row.name << ": " << run->proofFault;
    }
}

TEST(ExactRun, EquationsInFractions) {
    VantrellState state;
    state.mPrimal = MakeProblem({0.5, -2}, {{{0.1, 1}, "<=", 0.3}, {{1, 0}, ">=", 2}});
    state.mDisplay.numbers = NumberStyle::Fractions;
    EXPECT_EQ(PrimalObjectiveText(state.mPrimal, ShownNumberText(state)), "1/2 X1 - 2 X2");
    EXPECT_EQ(PrimalConstraintLines(state.mPrimal, ShownNumberText(state)),
              (Cells{" + 1/10 X1 + 1 X2 <= 3/10; C1", " + 1 X1 + 0 X2 >= 2; C2"}));
}

}  // namespace
}  // namespace vantrell
