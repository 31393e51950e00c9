// SPDX-License-Identifier: GPL-3.0-or-later
// Row operations, typed values and the next tableau checked cell by cell, on worked examples.
#include "teach/next_tableau.h"

#include <gtest/gtest.h>

#include "support/problem_builders.h"
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
        {"ThreePlantsZeroMultiplierLeftOut", ThreePlants, false, 1,
         {"R2 <- R2 / 2", "R3 <- R3 - 2 R2"}},
        {"ThreePlantsMultiplierOneUnwritten", ThreePlants, false, 2,
         {"R3 <- R3 / 3", "R1 <- R1 - R3"}},
        {"DietPivotOfOne", Diet, true, 1, {"R2 <- R2 / 1", "R1 <- R1 - R2"}},
        {"HalvesAddsANegativeMultiple", Halves, false, 1,
         {"R2 <- R2 / 5", "R1 <- R1 - 2 R2", "R3 <- R3 + 4 R2"}},
        {"HalvesFractions", Halves, false, 2,
         {"R1 <- R1 / 7/5", "R2 <- R2 + 1/5 R1", "R3 <- R3 - 6/5 R1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const VantrellState state = SolvedState(c.problem(), c.minimize);
        EXPECT_EQ(RowOperationTexts(PrimalRun(state), c.page, kFractions), c.texts);
    }
}

// Every row of every next page is its operation applied to the page before, and a pivot
// worked afresh from a page gives the run's own next page.
TEST(RowOperationsTest, OperationsMakeTheNextPage) {
    for (const auto& [problem, minimize] : {std::pair{ThreePlants(), false}, {Diet(), true},
                                           {Halves(), false}}) {
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
            const ExactPage pivoted = PivotedExactPage(run, before, before.entering, before.leaving);
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
    for (const char* bad : {"", "3/0", "1.2.3", "abc", "2M -", "(2, 3)", "(M, 2M)", "1 1/2/3",
                            "2 3", "M M"}) {
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

}  // namespace
}  // namespace vantrell
