// SPDX-License-Identifier: GPL-3.0-or-later
// Row operations, typed values and the next tableau checked cell by cell, on worked examples.
#include "teach/next_tableau.h"

#include <gtest/gtest.h>

#include "support/problem_builders.h"
#include "teach/run_explanation.h"
#include "teach/typed_value.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::SolvedState;
using testing::ThreePlants;

const NoteNumbers kFractions{{NumberStyle::Fractions, BigMStyle::Expressions}, 3};

const ExactRun& PrimalRun(const VantrellState& state) {
    return *KeptExactRun(state, false);
}

// min 2X1 + 3X2: X1 + X2 >= 4, X1 <= 3 (the minimization example): M in Zj and Cj-Zj.
ProblemSet Diet() {
    return MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}});
}
// max X1 + 3X2: X1 + 2X2 <= 8, -X1 + 5X2 <= 10, 2X1 - 4X2 <= 6: pivots 5 and 7/5, a
// negative multiplier each time.
ProblemSet Halves() {
    return MakeProblem({1, 3}, {{{1, 2}, "<=", 8}, {{-1, 5}, "<=", 10}, {{2, -4}, "<=", 6}});
}

TEST(RowOperationsTest, WorkedExamples) {
    struct Case {
        const char* name;
        ProblemSet (*problem)();
        bool minimize;
        std::size_t page;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"ThreePlantsFirstPageHasNone", ThreePlants, false, 0, {}},
        {"ThreePlantsZeroMultiplierLeftOut",
         ThreePlants,
         false,
         1,
         {"R2 <- R2 / 2", "R3 <- R3 - 2 R2"}},
        {"ThreePlantsMultiplierOneUnwritten",
         ThreePlants,
         false,
         2,
         {"R3 <- R3 / 3", "R1 <- R1 - R3"}},
        {"DietPivotOfOne", Diet, true, 1, {"R2 <- R2 / 1", "R1 <- R1 - R2"}},
        {"HalvesAddsANegativeMultiple",
         Halves,
         false,
         1,
         {"R2 <- R2 / 5", "R1 <- R1 - 2 R2", "R3 <- R3 + 4 R2"}},
        {"HalvesFractions",
         Halves,
         false,
         2,
         {"R1 <- R1 / 7/5", "R2 <- R2 + 1/5 R1", "R3 <- R3 - 6/5 R1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const VantrellState state = SolvedState(c.problem(), c.minimize);
        EXPECT_EQ(RowOperationTexts(PrimalRun(state), c.page, kFractions), c.texts);
    }
}

// The explain option puts the row operations before the note of each page after the
// first; without it the notes stay as they were.
TEST(RowOperationsTest, NotesNameThemUnderTheExplainOption) {
    VantrellState state = SolvedState(ThreePlants(), false);
    const std::string plain = ExplainKeptRun(state, false).notes[1];
    state.mExplain = true;
    const RunExplanation explained = ExplainKeptRun(state, false);
    EXPECT_EQ(explained.notes[0].find("Row operations"), std::string::npos);
    EXPECT_EQ(explained.notes[1],
              "Row operations: R2 <- R2 / 2.000; R3 <- R3 - 2.000 R2\n" + plain);
    // The window's note of the same page, as the run shows it.
    EXPECT_TRUE(RunNoteOfPage(state, 1).starts_with("Row operations: R2 <- R2 / 2.000;"));
    state.mExplain = false;
    EXPECT_EQ(RunNoteOfPage(state, 1).find("Row operations"), std::string::npos);
}

// Every row of every next page is its operation applied to the page before, and a pivot
// worked afresh from a page gives the run's own next page.
TEST(RowOperationsTest, OperationsMakeTheNextPage) {
    for (const auto& [problem, minimize] :
         {std::pair{ThreePlants(), false}, {Diet(), true}, {Halves(), false}}) {
        const VantrellState state = SolvedState(problem, minimize);
        const ExactRun& run = PrimalRun(state);
        for (std::size_t p = 0; p + 1 < run.pages.size(); ++p) {
            SCOPED_TRACE(p);
            const ExactPage& before = run.pages[p];
            const ExactPage& after = run.pages[p + 1];
            const auto operations = RowOperationsOf(before);
            const auto pivot = static_cast<std::size_t>(before.leaving);
            for (const RowOperation& operation : operations) {
                EXPECT_EQ(ApplyRowOperation(operation, RowWithBi(before, operation.row),
                                            RowWithBi(after, pivot)),
                          RowWithBi(after, operation.row));
            }
            const ExactPage pivoted =
                PivotedExactPage(run.objective, before, before.entering, before.leaving);
            EXPECT_EQ(pivoted.cells, after.cells);
            EXPECT_EQ(pivoted.basisNames, after.basisNames);
        }
    }
}

TEST(TypedValueTest, EqualFormsAreOneValue) {
    struct Case {
        const char* name;
        const char* typed;
        Rational c;
        Rational m;
    };
    const Case cases[] = {
        {"Fraction", "3/2", Rational(3, 2), 0},
        {"Decimal", "1.5", Rational(3, 2), 0},
        {"MixedNumber", "1 1/2", Rational(3, 2), 0},
        {"UnreducedFraction", "6/4", Rational(3, 2), 0},
        {"NegativeMixedNumber", "-1 1/2", Rational(-3, 2), 0},
        {"LeadingPoint", ".5", Rational(1, 2), 0},
        {"LeadingZeroIsNotOctal", "010/08", Rational(5, 4), 0},
        {"Expression", "2M - 3/2", Rational(-3, 2), 2},
        {"ExpressionConstantFirst", "-3/2 + 2M", Rational(-3, 2), 2},
        {"MinusM", "-M", 0, -1},
        {"BracketedCoefficient", "(3/2)M", 0, Rational(3, 2)},
        {"BlankBeforeM", "1.5 M", 0, Rational(3, 2)},
        {"Pair", "(2, -1.5M)", 2, Rational(-3, 2)},
        {"PairOfFractions", "( -1/2 , 3/4M )", Rational(-1, 2), Rational(3, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto value = ParseTypedValue(c.typed);
        ASSERT_TRUE(value);
        EXPECT_TRUE(SameMValue(*value, {c.c, c.m, true}));
    }
    for (const char* bad :
         {"", "3/0", "1.2.3", "abc", "2M -", "(2, 3)", "(M, 2M)", "1 1/2/3", "2 3", "M M"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ParseTypedValue(bad));
    }
}

TEST(TypedValueTest, RowsSplitAtCommasOrBlanks) {
    struct Case {
        const char* name;
        const char* line;
        std::vector<std::string> cells;
    };
    const Case cases[] = {
        {"Blanks", " 1  -1/5 0 ", {"1", "-1/5", "0"}},
        {"Commas", "1 1/2, 2M - 3, (2, -M)", {"1 1/2", "2M - 3", "(2, -M)"}},
        {"ExpressionBetweenBlanks", "2M - 3/2 0 (1, 2M)", {"2M - 3/2", "0", "(1, 2M)"}},
        {"SignGluedToTheNextCell", "2M -3/2", {"2M", "-3/2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SplitTypedRow(c.line), c.cells);
    }
}

// The tableau of page 1 of a run to page 2 (Halves) or of page 0 to page 1 (Diet).
NextTableau NextOf(ProblemSet (*problem)(), bool minimize, std::size_t page) {
    const VantrellState state = SolvedState(problem(), minimize);
    const ExactRun& run = PrimalRun(state);
    return NextTableauOf(run.pages[page], run.pages[page + 1]);
}

// Steps of Halves from page 1: R1 the pivot row, R2, R3, Zj, Cj-Zj.
TEST(NextTableauTest, WrongCellsAreNamedAndExplained) {
    struct Case {
        const char* name;
        bool diet;  // else Halves
        std::size_t step;
        const char* row;
        std::size_t column;
        CellMistake mistake;
        const char* text;
    };
    using enum CellMistake;
    const Case cases[] = {
        {"DividedByTheWrongPivot", false, 0, "1, 0, 5/7, -2/7, 0, 10/3", 5, WrongDivisor,
         "Bi: R1 <- R1 / 7/5: 4 / 7/5 = 20/7, not 10/3 (divided by the wrong pivot)"},
        {"NotDivided", false, 0, "1 0 1 -2/7 0 20/7", 2, NotDivided,
         "S1: R1 <- R1 / 7/5: 1 / 7/5 = 5/7, not 1 (not divided by the pivot)"},
        {"WrongSign", false, 1, "0 1 1/7 -1/7 0 18/7", 3, WrongSign,
         "S2: R2 <- R2 + 1/5 R1: 1/5 + 1/5 x (-2/7) = 1/7, not -1/7 (wrong sign)"},
        {"AddedNotSubtracted", false, 2, "0 0 -6/7 8/7 1 122/7", 5, AddedNotSubtracted,
         "Bi: R3 <- R3 - 6/5 R1: 14 - 6/5 x 20/7 = 74/7, not 122/7 (added instead of "
         "subtracted)"},
        {"PivotRowBeforeItsDivision", false, 2, "0 0 -6/7 8/7 1 46/5", 5, OldPivotRow,
         "Bi: R3 <- R3 - 6/5 R1: 14 - 6/5 x 20/7 = 74/7, not 46/5 (used the pivot row before "
         "its division)"},
        {"ArithmeticSlip", false, 2, "0 0 -6/7 8/7 1 10", 5, Arithmetic,
         "Bi: R3 <- R3 - 6/5 R1: 14 - 6/5 x 20/7 = 74/7, not 10"},
        {"WrongCbInZj", false, 3, "1 3 3/7 1/7 0", 2, WrongCb,
         "Zj of S1: 1 x 5/7 + 3 x 1/7 + 0 x (-6/7) = 8/7, not 3/7 (multiplied by the wrong Cb)"},
        {"CjZjTheWrongWayRound", false, 4, "0 0 8/7 -1/7 0", 2, WrongSign,
         "Cj-Zj of S1: 0 - 8/7 = -8/7, not 8/7 (wrong sign)"},
        {"ForgotTheMPart", true, 2, "-2, -M, M, -M, -2", 4, ForgotM,
         "Zj of S2: (-M) x (-1) + (-2) x 1 = M - 2, not -2 (forgot the M part)"},
        {"MInARow", true, 0, "1 0 0 0 1 3M", 5, Arithmetic, "Bi: R2 <- R2 / 1: 3 / 1 = 3, not 3M"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const NextTableau next = c.diet ? NextOf(Diet, true, 0) : NextOf(Halves, false, 1);
        const StepCheck check = CheckTableauStep(next, c.step, SplitTypedRow(c.row), kFractions);
        ASSERT_FALSE(check.refused) << *check.refused;
        for (std::size_t k = 0; k < check.cells.size(); ++k) {
            SCOPED_TRACE(k);
            EXPECT_EQ(check.cells[k].right, k != c.column);
        }
        EXPECT_EQ(check.cells[c.column].mistake, c.mistake);
        EXPECT_EQ(check.cells[c.column].text, c.text);
    }
}

TEST(NextTableauTest, EveryEqualFormIsRightAndAShortRowCostsNothing) {
    const NextTableau halves = NextOf(Halves, false, 1);
    EXPECT_TRUE(
        CheckTableauStep(halves, 0, SplitTypedRow("1, 0.0, 10/14, -2/7, 0, 2 6/7"), kFractions)
            .AllRight());
    const NextTableau diet = NextOf(Diet, true, 0);
    EXPECT_TRUE(CheckTableauStep(diet, 2, SplitTypedRow("-2 (0, -1M) 1M -M (-2, M)"), kFractions)
                    .AllRight());
    EXPECT_EQ(CheckTableauStep(halves, 0, SplitTypedRow("1 0 5/7 -2/7 0"), kFractions).refused,
              "R1 (X1, the pivot row) has 6 cells (X1, X2, S1, S2, S3, Bi); 5 given");
    EXPECT_EQ(CheckTableauStep(halves, 0, SplitTypedRow("1 0 5/7 -2/7 0 x"), kFractions).refused,
              "\"x\" is not a number: write 3/2, 1.5, 1 1/2 or 2M - 3/2");
}

TEST(NextTableauTest, OperationsShowTheRowTheyGive) {
    struct Case {
        const char* name;
        std::size_t operation;  // the row, from 0
        const char* typed;
        bool right;
        const char* text;
        const char* gives;
    };
    const Case cases[] = {
        {"RightDivisor", 0, "1.4", true, "", "1 0 5/7 -2/7 0 20/7"},
        {"WrongDivisor", 0, "6/5", false,
         "R1 <- R1 / 6/5 leaves 7/6 in the X1 column, not 1: the divisor is the pivot, X1's "
         "entry in R1, 7/5",
         "7/6 0 5/6 -1/3 0 10/3"},
        {"WrongMultiplier", 2, "1", false,
         "R3 <- R3 - R1 leaves 1/5 in the X1 column, not 0: the multiplier is X1's entry in R3, "
         "6/5",
         "1/5 0 -5/7 38/35 1 78/7"},
        {"SignOfTheMultiplier", 1, "1/5", false,
         "R2 <- R2 - 1/5 R1 leaves -2/5 in the X1 column, not 0: the multiplier is X1's entry in "
         "R2, -1/5",
         "-2/5 1 -1/7 9/35 0 10/7"},
    };
    const NextTableau next = NextOf(Halves, false, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const OperationCheck check = CheckOperation(next, c.operation, c.typed, kFractions);
        ASSERT_FALSE(check.refused);
        EXPECT_EQ(check.right, c.right);
        EXPECT_EQ(check.text, c.text);
        std::string gives;
        for (const Rational& cell : check.gives) {
            gives += (gives.empty() ? "" : " ") + kFractions.Text(cell);
        }
        EXPECT_EQ(gives, c.gives);
    }
    EXPECT_EQ(OperationQuestion(next, 0), "R1 <- R1 / ?");
    EXPECT_EQ(OperationQuestion(next, 2), "R3 <- R3 - ? R1");
    EXPECT_EQ(CheckOperation(next, 0, "0", kFractions).refused, "A row cannot be divided by 0");
}

}  // namespace
}  // namespace vantrell
