// SPDX-License-Identifier: GPL-3.0-or-later
// The dual read off the final primal tableau and the dual simplex method, against
// hand-worked textbook answers.
#include "teach/duality.h"

#include <gtest/gtest.h>

#include "support/problem_builders.h"
#include "teach/dual_simplex.h"
#include "teach/special_cases.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::ThreePlants;
using Lines = std::vector<std::string>;

const NoteNumbers kFractions{{NumberStyle::Fractions, BigMStyle::Expressions}, 3, false};

// "Y2 3/2 -S2": a dual value, and the column it is read from (minus its Zj with "-").
Lines ValueText(const Duality& d) {
    Lines text;
    for (const DualValue& v : d.values) {
        text.push_back(v.name + " " + ExactString(v.value) + " " + (v.negated ? "-" : "") +
                       v.column);
    }
    return text;
}

TEST(Duality, ReadOffTheFinalTableauWithStrongDualityAndSlackness) {
    const struct {
        const char* name;
        ProblemSet problem;
        bool minimize;
        Lines values;
        const char* w;
    } rows[] = {
        {"ThreePlantMaximization", ThreePlants(), false, {"Y1 0 S1", "Y2 3/2 S2", "Y3 1 S3"}, "36"},
        {"MinimizationWithAtLeastRows",
         MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 3}, ">=", 6}, {{1, 0}, "<=", 5}}),
         true,
         {"Y1 3/2 -S1", "Y2 1/2 -S2", "Y3 0 S3"},
         "9"},
        // Solved times -1, the row's value is still that of the row as typed.
        {"NegativeRightHandSide",
         MakeProblem(
             {3, 5},
             {{{1, 0}, "<=", 4}, {{0, 2}, "<=", 12}, {{3, 2}, "<=", 18}, {{-1, -1}, ">=", -7}}),
         false,
         {"Y1 0 S1", "Y2 1 S2", "Y3 0 S3", "Y4 -3 S4"},
         "33"},
        {"Equation",
         MakeProblem({4, 3, 2}, {{{1, 1, 1}, "=", 10}, {{2, 1, 0}, ">=", 8}, {{0, 0, 1}, "<=", 6}}),
         true,
         {"Y1 2 a1", "Y2 1 -S2", "Y3 0 S3"},
         "28"},
    };
    for (const auto& row : rows) {
        const VantrellState solved =
            testing::SolvedState(row.problem, row.minimize, testing::Runs::Both);
        const auto duality = KeptRunDuality(solved);
        ASSERT_TRUE(duality) << row.name;
        EXPECT_EQ(ValueText(*duality), row.values) << row.name;
        EXPECT_EQ(ExactString(duality->w), row.w) << row.name;
        EXPECT_EQ(duality->z, duality->w) << row.name;
        ASSERT_TRUE(duality->dualRunOptimum) << row.name;
        EXPECT_EQ(*duality->dualRunOptimum, duality->w) << row.name;
        for (const auto* table : {&duality->constraints, &duality->variables}) {
            for (const SlacknessRow& r : *table) {
                EXPECT_EQ(r.product, 0) << row.name << " " << r.name;
            }
        }
    }
}

TEST(Duality, SlacknessPairsEachSlackWithItsDualValue) {
    const VantrellState solved = testing::SolvedState(
        MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 3}, ">=", 6}, {{1, 0}, "<=", 5}}), true,
        testing::Runs::Primal);
    const auto duality = KeptRunDuality(solved);
    ASSERT_TRUE(duality);
    EXPECT_EQ(DualityLines(*duality, kFractions),
              (Lines{"The dual values, read off the final tableau:",
                     "  Y1 = 3/2  (C1: minus the Zj of S1)", "  Y2 = 1/2  (C2: minus the Zj of S2)",
                     "  Y3 = 0  (C3: the Zj of S3)", "W = 9, Z = 9: Z = W, strong duality holds",
                     "Complementary slackness (each product is 0 at an optimum):",
                     "  C1: slack 0 x Y1 3/2 = 0", "  C2: slack 0 x Y2 1/2 = 0",
                     "  C3: slack 2 x Y3 0 = 0", "  X1 3 x surplus of the dual row of X1 0 = 0",
                     "  X2 1 x surplus of the dual row of X2 0 = 0"}));
    VantrellState infeasible = testing::SolvedState(
        MakeProblem({3, 2}, {{{2, 1}, "<=", 2}, {{3, 4}, ">=", 12}}), false, testing::Runs::Primal);
    EXPECT_FALSE(KeptRunDuality(infeasible));
}

struct PageView {
    Lines basis;
    Lines bi;
};

PageView ViewOf(const ExactPage& page) {
    PageView view{page.basisNames, {}};
    for (const Rational& value : page.bi) {
        view.bi.push_back(ExactString(value));
    }
    return view;
}

TEST(DualSimplex, TextbookMinimizationPageByPage) {
    // The same problem written with >= rows and with the rows multiplied by -1.
    const ProblemSet forms[] = {
        MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 3}, ">=", 6}}),
        MakeProblem({2, 3}, {{{-1, -1}, "<=", -4}, {{-1, -3}, "<=", -6}}),
    };
    for (const ProblemSet& problem : forms) {
        const DualSimplexMethodRun made = RunDualSimplexMethod(problem, true, kFractions);
        ASSERT_FALSE(made.refusal) << *made.refusal;
        const ExactRun& run = made.run.run;
        ASSERT_EQ(run.pages.size(), 3U);
        EXPECT_EQ(ViewOf(run.pages[0]).bi, (Lines{"-4", "-6"}));
        EXPECT_EQ(ViewOf(run.pages[1]).basis, (Lines{"S1", "X2"}));
        EXPECT_EQ(ViewOf(run.pages[1]).bi, (Lines{"-2", "2"}));
        EXPECT_EQ(ViewOf(run.pages[2]).basis, (Lines{"X1", "X2"}));
        EXPECT_EQ(ViewOf(run.pages[2]).bi, (Lines{"3", "1"}));
        EXPECT_EQ(made.run.notes,
                  (Lines{"S2 leaves: its Bi, -6, is the most negative. X2 enters: |-3 / -3| = 1 "
                         "is the smallest ratio over the negative entries of the row",
                         "S1 leaves: its Bi, -2, is the most negative. X1 enters: |-1 / -2/3| = "
                         "3/2 is the smallest ratio over the negative entries of the row",
                         "No Bi is negative and no Cj-Zj is positive: this tableau is optimal"}));
        EXPECT_EQ(run.outcome, RunOutcome::Optimal);
        EXPECT_TRUE(run.certified) << run.proofFault;
        EXPECT_EQ(*StatedObjective(run), 9);
    }
}

TEST(DualSimplex, InfeasibleRowAndRefusals) {
    const DualSimplexMethodRun infeasible = RunDualSimplexMethod(
        MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5}}), true, kFractions);
    ASSERT_FALSE(infeasible.refusal);
    EXPECT_EQ(infeasible.run.run.outcome, RunOutcome::Infeasible);
    EXPECT_TRUE(infeasible.run.run.certified) << infeasible.run.run.proofFault;
    EXPECT_EQ(infeasible.run.notes.back(),
              "S1 must leave, its Bi, -3, being negative, but its row has no negative entry: no "
              "pivot can raise its Bi to 0, so the problem has no feasible solution");
    EXPECT_EQ(SpecialCases(infeasible.run.run, std::nullopt, ProblemSet{}, kFractions),
              Lines{"Infeasible: S1's row has Bi -3 < 0 and no negative entry: no pivot can raise "
                    "its Bi to 0, so no solution meets every constraint."});

    const struct {
        const char* name;
        ProblemSet problem;
        bool minimize;
        const char* refusal;
    } refused[] = {
        {"NotDualFeasible", ThreePlants(), false,
         "The dual simplex method needs a first tableau with no positive Cj-Zj, but the Cj-Zj "
         "of X1 is 3: solve this problem with big M or two-phase"},
        {"Equation", MakeProblem({1, 1}, {{{1, 1}, "=", 2}, {{1, 0}, ">=", 1}}), true,
         "Constraint C1 is not a <= or >= row: the dual simplex method starts from a slack in "
         "every row; solve this problem with big M or two-phase"},
    };
    for (const auto& row : refused) {
        const DualSimplexMethodRun made =
            RunDualSimplexMethod(row.problem, row.minimize, kFractions);
        ASSERT_TRUE(made.refusal) << row.name;
        EXPECT_EQ(*made.refusal, row.refusal) << row.name;
    }
}

// The start's first row offered as its own proof (y = (1, 0)): it proves no solution exists
// only with no negative entry and a right-hand side below 0.
TEST(DualSimplex, NoSolutionProofHoldsOnlyForARowThatProvesIt) {
    const DualSimplexMethodRun made = RunDualSimplexMethod(
        MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 3}, ">=", 6}}), true, kFractions);
    const struct {
        const char* name;
        std::vector<Rational> firstRow;
        Rational rhs;
        bool proves;
    } rows[] = {
        {"NegativeEntry", {-1, -1, 1, 0}, -4, false},
        {"RightHandSideAboveZero", {1, 1, 1, 0}, 4, false},
        {"Proof", {1, 1, 1, 0}, -4, true},
    };
    for (const auto& row : rows) {
        ExactTableau start = made.run.last;
        start.a = {row.firstRow, {-1, -3, 0, 1}};
        start.b = {row.rhs, -6};
        start.basis = {start.objective[2], start.objective[3]};
        ExactPage page = made.run.run.pages.front();
        page.cells = start.a;
        page.bi = start.b;
        page.leaving = 0;
        ExactRun run = made.run.run;
        run.pages = {page};
        CertifyNoSolutionRow(run, start);
        EXPECT_EQ(run.certified, row.proves) << row.name << ": " << run.proofFault;
    }
}

}  // namespace
}  // namespace vantrell
