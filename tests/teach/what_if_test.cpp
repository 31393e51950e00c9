// SPDX-License-Identifier: GPL-3.0-or-later
// What-if from the final tableau: every answer equals the changed problem solved from
// scratch, in exact numbers.
#include "teach/what_if.h"

#include <gtest/gtest.h>

#include "model/vantrell_state.h"
#include "simplex/standard_form.h"
#include "support/problem_builders.h"
#include "teach/exact_proof.h"
#include "teach/run_story.h"
#include "teach/what_if_text.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::ThreePlants;
using Lines = std::vector<std::string>;
using Kind = WhatIfChange::Kind;

const NoteNumbers kFractions{{NumberStyle::Fractions, BigMStyle::Expressions}, 3, false};

ExactRun FromScratch(const ProblemSet& problem, bool minimize) {
    VantrellState state;
    state.mPrimal = problem;
    state.mMinimize = minimize;
    SilentPrompt prompt;
    EXPECT_TRUE(BuildStandardForm(state, prompt));
    ExactRun run = RunExact(state.mWork, state.mBasis, PivotRule::LargestCjZj, false, minimize);
    CertifyExactRun(run, state.mWork, state.mBasis);
    return run;
}

WhatIfChange Rhs(const char* name, double value) {
    return {Kind::Rhs, name, value, {}, kLessEqual};
}
WhatIfChange Cost(const char* name, double value) {
    return {Kind::Cost, name, value, {}, kLessEqual};
}
WhatIfChange Row(const char* name, std::vector<double> a, std::int32_t relation, double rhs) {
    return {Kind::Row, name, rhs, std::move(a), relation};
}

ProblemSet MinimizationWithAtLeastRows() {
    return MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 3}, ">=", 6}, {{1, 0}, "<=", 5}});
}

enum class Goes { Stays, Dual, Primal, Both };

TEST(WhatIf, EveryAnswerEqualsTheChangedProblemSolvedFromScratch) {
    const struct {
        const char* name;
        ProblemSet problem;
        bool minimize;
        std::vector<WhatIfChange> changes;
        Goes goes;
        RunOutcome outcome;
    } rows[] = {
        {"RhsInsideRange", ThreePlants(), false, {Rhs("C3", 20)}, Goes::Stays, RunOutcome::Optimal},
        {"RhsAboveRange", ThreePlants(), false, {Rhs("C3", 30)}, Goes::Dual, RunOutcome::Optimal},
        {"RhsBelowRange", ThreePlants(), false, {Rhs("C2", 4)}, Goes::Dual, RunOutcome::Optimal},
        {"MinimizationRhs",
         MinimizationWithAtLeastRows(),
         true,
         {Rhs("C1", 8)},
         Goes::Dual,
         RunOutcome::Optimal},
        {"NewRowBrokenByOptimum",
         ThreePlants(),
         false,
         {Row("R", {1, 1}, kLessEqual, 7)},
         Goes::Dual,
         RunOutcome::Optimal},
        {"NewRowKept",
         ThreePlants(),
         false,
         {Row("R", {1, 1}, kLessEqual, 10)},
         Goes::Stays,
         RunOutcome::Optimal},
        {"NewAtLeastRow",
         ThreePlants(),
         false,
         {Row("R", {1}, kGreaterEqual, 3)},
         Goes::Dual,
         RunOutcome::Optimal},
        {"NewRowNoneMeets",
         ThreePlants(),
         false,
         {Row("R", {1, 1}, kGreaterEqual, 20)},
         Goes::Dual,
         RunOutcome::Infeasible},
        {"CostAboveRange",
         ThreePlants(),
         false,
         {Cost("X1", 10)},
         Goes::Primal,
         RunOutcome::Optimal},
        {"CostInsideRange",
         ThreePlants(),
         false,
         {Cost("X2", 4)},
         Goes::Stays,
         RunOutcome::Optimal},
        {"MinimizationCost",
         MinimizationWithAtLeastRows(),
         true,
         {Cost("X2", 1)},
         Goes::Primal,
         RunOutcome::Optimal},
        // The cost changes after the dual simplex method: its last page is not the answer.
        {"RhsThenCostInside",
         ThreePlants(),
         false,
         {Rhs("C3", 30), Cost("X2", 1)},
         Goes::Dual,
         RunOutcome::Optimal},
        {"RhsThenCostOutside",
         ThreePlants(),
         false,
         {Rhs("C3", 30), Cost("X1", -1)},
         Goes::Both,
         RunOutcome::Optimal},
        {"CostMakesItUnbounded",
         MakeProblem({1, -1}, {{{1, -1}, "<=", 2}, {{1, 0}, "<=", 4}}),
         false,
         {Cost("X2", 1)},
         Goes::Primal,
         RunOutcome::Unbounded},
    };
    for (const auto& row : rows) {
        const WhatIfAnswer answer =
            WhatIf(row.problem, row.minimize, PivotRule::LargestCjZj, row.changes, kFractions);
        ASSERT_FALSE(answer.error) << row.name << ": " << *answer.error;
        const ExactRun& run = answer.run;
        EXPECT_EQ(run.outcome, row.outcome) << row.name;
        EXPECT_TRUE(run.certified) << row.name << ": " << run.proofFault;
        EXPECT_EQ(answer.basisStays, row.goes == Goes::Stays) << row.name;
        // An unbounded stop's deciding tableau has a note of its own.
        EXPECT_EQ(answer.notes.size(), run.pages.size() + (run.unboundedEnd ? 1 : 0)) << row.name;
        const auto said = [&answer](const char* words) {
            return std::any_of(answer.check.begin(), answer.check.end(), [words](const auto& l) {
                return l.find(words) != std::string::npos;
            });
        };
        EXPECT_EQ(said("the dual simplex method goes on"),
                  row.goes == Goes::Dual || row.goes == Goes::Both)
            << row.name;
        EXPECT_EQ(said("the primal simplex method goes on"),
                  row.goes == Goes::Primal || row.goes == Goes::Both)
            << row.name;
        const ExactRun scratch = FromScratch(answer.changed, row.minimize);
        EXPECT_EQ(scratch.outcome, run.outcome) << row.name;
        if (run.outcome == RunOutcome::Optimal) {
            EXPECT_EQ(*StatedObjective(run), *StatedObjective(scratch)) << row.name;
            EXPECT_EQ(VariableValues(run), VariableValues(scratch)) << row.name;
        }
    }
}

TEST(WhatIf, ShowsTheRangeAndTheNewBiColumn) {
    const WhatIfAnswer answer =
        WhatIf(ThreePlants(), false, PivotRule::LargestCjZj, {Rhs("C3", 30)}, kFractions);
    ASSERT_GE(answer.check.size(), 2U);
    EXPECT_EQ(answer.check[0], "C3: right-hand side 18 -> 30, outside its range [12, 24]");
    EXPECT_EQ(answer.check[1], "New Bi = B^-1 b: S1 = -2, X2 = 6, X1 = 6");
    EXPECT_EQ(answer.notes.front(),
              "S1 leaves: its Bi, -2, is the most negative. S3 enters: |-1 / -1/3| = 3 is the "
              "smallest ratio over the negative entries of the row");
}

TEST(WhatIf, ChangesThatCannotBeMadeAreRefusedByName) {
    const struct {
        const char* name;
        WhatIfChange change;
        const char* error;
    } rows[] = {
        {"NoSuchConstraint", Rhs("C9", 1), "There is no constraint named C9"},
        {"NoSuchVariable", Cost("X7", 1), "There is no variable named X7"},
        {"Equation", Row("R", {1, 1}, kEqual, 3),
         "A new row must be a <= or >= row: an equation is two of them"},
        {"TooWide", Row("R", {1, 1, 1}, kLessEqual, 3),
         "The new row R has more variables than the problem"},
    };
    for (const auto& row : rows) {
        const WhatIfAnswer answer =
            WhatIf(ThreePlants(), false, PivotRule::LargestCjZj, {row.change}, kFractions);
        ASSERT_TRUE(answer.error) << row.name;
        EXPECT_EQ(*answer.error, row.error) << row.name;
    }
    const WhatIfAnswer none = WhatIf(MakeProblem({3, 2}, {{{2, 1}, "<=", 2}, {{3, 4}, ">=", 12}}),
                                     false, PivotRule::LargestCjZj, {Rhs("C1", 3)}, kFractions);
    EXPECT_TRUE(none.error);
}

// The window's field: changes in the command line's words, separated by ";". A line that
// does not read gives its message alone; one that does gives the core's check and answer.
TEST(WhatIfLines, TypedChangesAsTheCommandLineReadsThem) {
    const WhatIfAnswer twoRhs = WhatIf(ThreePlants(), false, PivotRule::LargestCjZj,
                                       {Rhs("C2", 13), Rhs("C3", 19)}, kFractions);
    const WhatIfAnswer outside =
        WhatIf(ThreePlants(), false, PivotRule::LargestCjZj, {Rhs("C3", 30)}, kFractions);
    const struct {
        const char* name;
        const char* typed;
        Lines expected;  // the starts of lines that must be there; an error is the only line
        bool error;
    } rows[] = {
        {"OutOfRangeRhsReoptimized",
         "rhs C3=30",
         {"C3: right-hand side 18 -> 30, outside its range [12, 24]", "Tableau #1",
          "Step: " + outside.notes.front(), *StatedOptimumLine(outside.run, kFractions)},
         false},
        {"SeveralChangesShowTheHundredPercentRule",
         " rhs C2=13 ;rhs C3=19; ",
         {twoRhs.check.front(), twoRhs.check[2]},
         false},
        {"CostAndRowTogether", "cost X1=4; row R4: 1X1 + 1X2 <= 7", {"X1: cost 3 -> 4"}, false},
        {"Nothing",
         " ; ",
         {"Type a change, as in rhs C1=20, cost X1=4 or row R4: 1X1 + 2X2 <= 8"},
         true},
        {"UnknownWord",
         "rhs C1=5; bound X1=3",
         {"\"bound X1=3\" is no change: start it with rhs, cost or row, as in rhs C1=20"},
         true},
        {"NotANumber", "cost X1=4x", {"cost X1: \"4x\" is not a number"}, true},
        {"RowWithoutAName",
         "row 1X1 <= 3",
         {"row needs \"NAME: 1X1 + 2X2 <= 8\" (<= or >=): \"1X1 <= 3\" has no name before a "
          "colon"},
         true},
    };
    for (const auto& row : rows) {
        const Lines lines =
            WhatIfLines(row.typed, ThreePlants(), false, PivotRule::LargestCjZj, kFractions);
        if (row.error) {
            EXPECT_EQ(lines, row.expected) << row.name;
            continue;
        }
        for (const std::string& start : row.expected) {
            EXPECT_TRUE(std::any_of(
                lines.begin(), lines.end(),
                [&start](const std::string& line) { return line.rfind(start, 0) == 0; }))
                << row.name << ": " << start;
        }
    }
    ASSERT_GE(twoRhs.check.size(), 3U);
    EXPECT_NE(twoRhs.check[2].find("100"), std::string::npos) << twoRhs.check[2];
}

TEST(HundredPercentRule, SumsThePartsOfTheRangesUsed) {
    const struct {
        const char* name;
        std::vector<WhatIfChange> changes;
        Kind kind;
        const char* sum;  // nothing where the rule cannot reckon
    } rows[] = {
        {"HalfAndHalf", {Rhs("C2", 15), Rhs("C3", 21)}, Kind::Rhs, "1"},
        {"Beyond", {Rhs("C2", 15), Rhs("C3", 22)}, Kind::Rhs, "7/6"},
        {"Downward", {Rhs("C2", 9), Rhs("C3", 15)}, Kind::Rhs, "1"},
        {"TowardAnOpenEnd", {Rhs("C1", 100), Rhs("C2", 15)}, Kind::Rhs, "1/2"},
        {"Costs", {Cost("X1", 4.5), Cost("X2", 3)}, Kind::Cost, "1"},
        {"OtherKindIgnored", {Cost("X1", 4.5), Rhs("C2", 18)}, Kind::Cost, "1/3"},
    };
    const VantrellState solved = testing::SolvedState(ThreePlants());
    const auto sensitivity = KeptRunSensitivity(solved, false);
    ASSERT_TRUE(sensitivity);
    for (const auto& row : rows) {
        const HundredPercent rule =
            HundredPercentRule(*sensitivity, ThreePlants(), row.changes, row.kind);
        ASSERT_TRUE(rule.sum) << row.name;
        EXPECT_EQ(ExactString(*rule.sum), row.sum) << row.name;
    }
    EXPECT_EQ(
        HundredPercentLine(*sensitivity, ThreePlants(), rows[0].changes, Kind::Rhs, kFractions),
        "The 100 percent rule for the right-hand sides: the changes use 100 percent of "
        "their ranges, not more than 100: the final basis stays feasible");
    EXPECT_EQ(
        HundredPercentLine(*sensitivity, ThreePlants(), rows[1].changes, Kind::Rhs, kFractions),
        "The 100 percent rule for the right-hand sides: the changes use 350/3 percent of "
        "their ranges, more than 100: the rule cannot decide; the changed tableau does");
    // A degenerate optimum: a range that ends where the right-hand side is.
    const ProblemSet degenerate = MakeProblem({0, 1}, {{{0, 1}, "<=", 1}, {{1, 1}, "<=", 1}});
    const auto stuck = KeptRunSensitivity(testing::SolvedState(degenerate), false);
    ASSERT_TRUE(stuck);
    EXPECT_FALSE(
        HundredPercentRule(*stuck, degenerate, {Rhs("C1", 2), Rhs("C2", 2)}, Kind::Rhs).sum);
}

}  // namespace
}  // namespace vantrell
