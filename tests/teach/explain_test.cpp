// SPDX-License-Identifier: GPL-3.0-or-later
// What a run means, read from its pages: the note of every page, the special cases by
// name, and the sensitivity of the final tableau, checked against hand-worked answers.
#include <gtest/gtest.h>

#include "support/problem_builders.h"
#include "teach/run_explanation.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::ThreePlants;
using Lines = std::vector<std::string>;

constexpr PivotRule kLargest = PivotRule::LargestCjZj;
constexpr PivotRule kBland = PivotRule::SmallestIndex;

// Beale's example: the largest Cj-Zj with first-row ties cycles through six bases.
ProblemSet Beale() {
    return MakeProblem(
        {0.75, -20, 0.5, -6},
        {{{0.25, -8, -1, 9}, "<=", 0}, {{0.5, -12, -0.5, 3}, "<=", 0}, {{0, 0, 1, 0}, "<=", 1}});
}

// The state after the primal run, as the notes and sensitivity read it.
VantrellState Solved(const ProblemSet& primal, bool minimize, PivotRule rule) {
    return testing::SolvedState(primal, minimize, testing::Runs::Primal, rule);
}

TEST(StepNotes, WorkedExamplesPageByPage) {
    const struct {
        const char* name;
        ProblemSet problem;
        bool minimize;
        NumberStyle numbers;
        Lines notes;
    } rows[] = {
        {"ThreePlantsInFractions",
         ThreePlants(),
         false,
         NumberStyle::Fractions,
         {"X2 enters: its Cj-Zj, 5, is the largest positive (rule: Largest Cj-Zj). S2 leaves: "
          "12/2 = 6 is the smallest ratio; S1 has no positive entry in the column.",
          "X1 enters: its Cj-Zj, 3, is the largest positive (rule: Largest Cj-Zj). S3 leaves: "
          "6/3 = 2 is the smallest ratio; X2 has no positive entry in the column.",
          "No Cj-Zj is positive: no column can improve Z, so this tableau is optimal with Z = "
          "36."}},
        {"MinimizationNamesTheMPartFirst",
         MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}),
         true,
         NumberStyle::Decimals,
         {"X1 enters: its Cj-Zj, (-2.000, 1.000M), has the largest M part, M; X2 ties with "
          "it, and the larger number part decides (rule: Largest Cj-Zj). S2 leaves: "
          "3.000/1.000 = 3.000 is the smallest ratio.",
          "X2 enters: its Cj-Zj, (-3.000, 1.000M), has the largest M part, M (rule: Largest "
          "Cj-Zj). a1 leaves: 1.000/1.000 = 1.000 is the smallest ratio; X1 has no positive "
          "entry in the column.",
          "No Cj-Zj is positive: no column can improve -Z, so this tableau is optimal: -Z = "
          "-9.000 is the maximum, so the minimum of Z is 9.000."}},
        {"TieAndDegenerateStep",
         MakeProblem({3, 9}, {{{1, 4}, "<=", 8}, {{1, 2}, "<=", 4}}),
         false,
         NumberStyle::Fractions,
         {"X2 enters: its Cj-Zj, 9, is the largest positive (rule: Largest Cj-Zj). S1 leaves: "
          "8/4 = 2 is the smallest ratio. S2 ties with it; the tie goes to the first row.",
          "X1 enters: its Cj-Zj, 3/4, is the largest positive (rule: Largest Cj-Zj). S2 leaves: "
          "0/(1/2) = 0 is the smallest ratio. The ratio is 0: a degenerate step; the basis "
          "changes, the point does not.",
          "No Cj-Zj is positive: no column can improve Z, so this tableau is optimal with Z = "
          "18."}},
    };
    for (const auto& row : rows) {
        VantrellState solved = Solved(row.problem, row.minimize, kLargest);
        solved.mDisplay.numbers = row.numbers;
        EXPECT_EQ(ExplainKeptRun(solved, false).notes, row.notes) << row.name;
    }
}

TEST(StepNotes, BlandsRuleIsNamedAndALimitSuggestsIt) {
    VantrellState bland = Solved(Beale(), false, kBland);
    const Lines notes = ExplainKeptRun(bland, false).notes;
    ASSERT_EQ(notes.size(), 7u);
    EXPECT_EQ(notes[0].rfind("X1 enters: its Cj-Zj, 0.750, is positive and it is the leftmost "
                             "such column (rule: Smallest index (Bland's rule)).",
                             0),
              0u);
    EXPECT_NE(
        notes[0].find("S2 ties with it; the tie goes to the basic variable of smallest index."),
        std::string::npos);

    VantrellState largest = Solved(Beale(), false, kLargest);
    const Lines cycling = ExplainKeptRun(largest, false).notes;
    ASSERT_EQ(cycling.size(), 30u);
    EXPECT_NE(cycling.back().find("\"Smallest index (Bland's rule)\" in Options"),
              std::string::npos);
}

TEST(SpecialCases, EachNamedOnASmallProblem) {
    const struct {
        const char* name;
        ProblemSet problem;
        Lines special;
        PivotRule rule = kLargest;
    } rows[] = {
        {"AlternativeOptima",
         MakeProblem({2, 4}, {{{1, 2}, "<=", 5}, {{1, 1}, "<=", 4}}),
         {"Alternative optima: X1 is non-basic with Cj-Zj = 0; letting it enter (S2 leaves) "
          "gives another optimal solution: X1 = 3.000, X2 = 1.000."}},
        {"DegenerateStepAndOptimum",
         MakeProblem({3, 9}, {{{1, 4}, "<=", 8}, {{1, 2}, "<=", 4}}),
         {"Degenerate steps: tableaus #2 (a zero ratio: the basis changes, the point does not).",
          "Degenerate optimum: X1 is basic at 0; the sensitivity ranges belong to this basis."}},
        {"Unbounded",
         MakeProblem({2, 1}, {{{1, -1}, "<=", 10}, {{2, 0}, "<=", 40}}),
         {"Unbounded: S1 enters at tableau #3 and no entry of its column is positive. Per "
          "unit of S1: X2 +1.000; Z changes by 1.000 per unit and grows without limit."}},
        {"UnboundedOnTheFirstPage",
         MakeProblem({1, 1}, {{{-1, 1}, "<=", 1}, {{-1, 2}, "<=", 4}}),
         {"Unbounded: X1 enters at tableau #1 and no entry of its column is positive. Per "
          "unit of X1: X1 +1.000; Z changes by 1.000 per unit and grows without limit."}},
        {"Infeasible",
         MakeProblem({3, 2}, {{{2, 1}, "<=", 2}, {{3, 4}, ">=", 12}}),
         {"Infeasible: a2 stays basic at 4.000 > 0; it belongs to constraint C2, which cannot "
          "hold together with the others."}},
        {"CyclingUnderTheLargestRule",
         Beale(),
         {"Cycling: the basis of tableau #7 repeats that of tableau #1; the pivot rule "
          "\"Smallest index (Bland's rule)\" never cycles."}},
        {"BlandEndsAtTheOptimum",
         Beale(),
         {"Degenerate steps: tableaus #1, #2, #3, #4 (a zero ratio: the basis changes, the "
          "point does not)."},
         kBland},
    };
    for (const auto& row : rows) {
        VantrellState solved = Solved(row.problem, false, row.rule);
        const Lines special = ExplainKeptRun(solved, false).special;
        // The list ends with the named case; a cycling run has its degenerate steps before it.
        ASSERT_GE(special.size(), row.special.size()) << row.name;
        EXPECT_EQ(Lines(special.end() - static_cast<long>(row.special.size()), special.end()),
                  row.special)
            << row.name;
    }
}

// One line per row and variable: its name, shadow price or reduced cost, and its range.
Lines SensitivityText(const Sensitivity& s) {
    const auto end = [](const std::optional<Rational>& value, const char* infinite) {
        return value ? ExactString(*value) : std::string(infinite);
    };
    Lines text;
    for (const ConstraintSensitivity& c : s.constraints) {
        text.push_back(c.name + " " + ExactString(c.shadowPrice) + " " +
                       end(c.rhsRange.low, "-inf") + " " + end(c.rhsRange.high, "inf"));
    }
    for (const VariableSensitivity& v : s.variables) {
        text.push_back(v.name + " " + ExactString(v.reducedCost) + " " +
                       end(v.costRange.low, "-inf") + " " + end(v.costRange.high, "inf"));
    }
    return text;
}

TEST(Sensitivity, FromTheFinalTableauAsTheProblemIsStated) {
    const struct {
        const char* name;
        ProblemSet problem;
        bool minimize;
        Lines expected;
    } rows[] = {
        {"ThreePlantMaximization",
         ThreePlants(),
         false,
         {"C1 0 2 inf", "C2 3/2 6 18", "C3 1 12 24", "X1 0 0 15/2", "X2 0 2 inf"}},
        // Agrees with a standard solver's ranging: marginals 3/2, 1/2, 0.
        {"MinimizationWithAtLeastRows",
         MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 3}, ">=", 6}, {{1, 0}, "<=", 5}}),
         true,
         {"C1 3/2 2 16/3", "C2 1/2 4 12", "C3 0 3 inf", "X1 0 1 3", "X2 0 2 6"}},
        // A row typed with a negative right-hand side is solved times -1; its price is not.
        {"NegativeRightHandSide",
         MakeProblem(
             {3, 5},
             {{{1, 0}, "<=", 4}, {{0, 2}, "<=", 12}, {{3, 2}, "<=", 18}, {{-1, -1}, ">=", -7}}),
         false,
         {"C1 0 1 inf", "C2 1 6 14", "C3 0 15 inf", "C4 -3 -8 -6", "X1 0 0 5", "X2 0 3 inf"}},
        {"NonBasicVariable",
         MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}),
         false,
         {"C1 3 0 6", "C2 0 4 inf", "X1 0 2 inf", "X2 -1 -inf 3"}},
    };
    for (const auto& row : rows) {
        VantrellState solved = Solved(row.problem, row.minimize, kLargest);
        const auto sensitivity = ExplainKeptRun(solved, false).sensitivity;
        ASSERT_TRUE(sensitivity) << row.name;
        EXPECT_EQ(SensitivityText(*sensitivity), row.expected) << row.name;
        EXPECT_FALSE(sensitivity->degenerate) << row.name;
    }
    // A basic variable at 0: the ranges belong to this basis only.
    VantrellState degenerate =
        Solved(MakeProblem({0, 1}, {{{0, 1}, "<=", 1}, {{1, 1}, "<=", 1}}), false, kLargest);
    EXPECT_TRUE(ExplainKeptRun(degenerate, false).sensitivity->degenerate);
    VantrellState infeasible =
        Solved(MakeProblem({3, 2}, {{{2, 1}, "<=", 2}, {{3, 4}, ">=", 12}}), false, kLargest);
    EXPECT_FALSE(ExplainKeptRun(infeasible, false).sensitivity);
}

TEST(Sensitivity, WindowShowsTheLastOptimalRunOfTheProblemInTheWindow) {
    VantrellState solved = Solved(ThreePlants(), false, kLargest);
    ASSERT_TRUE(SensitivityOfCurrentRun(solved));
    EXPECT_FALSE(SensitivityOfCurrentRun(solved)->dual);
    solved.mPrimal.constraints.pop_back();  // edited since: the run answers another
    EXPECT_FALSE(SensitivityOfCurrentRun(solved));
    EXPECT_FALSE(SensitivityOfCurrentRun(VantrellState{}));
}

}  // namespace
}  // namespace vantrell
