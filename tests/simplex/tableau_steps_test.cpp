// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/tableau_steps.h"

#include <gtest/gtest.h>

#include "model/variable_names.h"
#include "support/problem_builders.h"

namespace vantrell {
namespace {

std::vector<CostTerm> Columns(std::size_t count, int artificialAt = -1) {
    std::vector<CostTerm> objective(count);
    for (std::size_t k = 0; k < count; ++k) {
        objective[k].id = static_cast<int>(k) == artificialAt ? kArtificialId : static_cast<int>(k);
    }
    return objective;
}

BigMValue WithM(double m, double c) {
    return {m, true, c};
}
BigMValue Plain(double c) {
    return {0.0, false, c};
}

struct EnteringCase {
    const char* name;
    std::vector<BigMValue> cjzj;
    int artificialAt;
    int expected;
    PivotRule rule = PivotRule::LargestCjZj;
};

class EnteringRule : public ::testing::TestWithParam<EnteringCase> {};

TEST_P(EnteringRule, ChoosesOnlyImprovingColumns) {
    const EnteringCase& c = GetParam();
    EXPECT_EQ(ChooseEnteringColumn(Columns(c.cjzj.size(), c.artificialAt), c.cjzj, c.rule),
              c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnteringRule,
    ::testing::Values(
        EnteringCase{"LargestMPartWins", {WithM(1, 0), WithM(3, -5), WithM(2, 9)}, -1, 1},
        EnteringCase{
            "EqualMPartLargerConstantWins", {WithM(2, 1), WithM(2, 4), WithM(2, 3)}, -1, 1},
        EnteringCase{"EqualEverythingKeepsTheLeftmost", {WithM(2, 1), WithM(2, 1)}, -1, 0},
        EnteringCase{"ZeroMPartNeedsAPositiveConstant", {WithM(0, 0), WithM(0, -1)}, -1, -1},
        EnteringCase{"ZeroMPartWithPositiveConstantEnters", {WithM(0, 0), WithM(0, 2)}, -1, 1},
        EnteringCase{"NegativeMPartAboveMinusOneDoesNotEnter", {WithM(-0.5, 7)}, -1, -1},
        EnteringCase{"RoundOffMPartCountsAsZero", {WithM(1e-12, -1), WithM(-1e-12, 1e-12)}, -1, -1},
        EnteringCase{"ArtificialNeverEnters", {WithM(5, 5), WithM(1, 0)}, 0, 1},
        EnteringCase{"ConstantPassLargestWins", {Plain(1), Plain(3), Plain(3)}, -1, 1},
        EnteringCase{"RoundOffConstantDoesNotEnter", {Plain(1e-12), Plain(0)}, -1, -1},
        EnteringCase{"MPassBeatsConstantPass", {Plain(100), WithM(0, 1)}, -1, 1},
        EnteringCase{"BlandTakesTheLeftmostImproving",
                     {WithM(1, 0), WithM(3, -5)},
                     -1,
                     0,
                     PivotRule::SmallestIndex},
        EnteringCase{"BlandReadsTheMPartFirst",
                     {WithM(-1, 5), WithM(0, 1), WithM(2, 0)},
                     -1,
                     1,
                     PivotRule::SmallestIndex},
        EnteringCase{"BlandSkipsArtificialAndRoundOff",
                     {WithM(5, 5), Plain(1e-12), Plain(2)},
                     0,
                     2,
                     PivotRule::SmallestIndex}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// Tiny and zero-marked entries give no ratio, a round-off zero right-hand side gives 0,
// ties go to the first row, and no positive entry means no leaving row.
TEST(RatioTest, ChoosesTheFirstSmallestRatioOfAPositiveEntry) {
    const std::pair<std::vector<testing::RowSpec>, int> cases[] = {
        {{{{1e-12, 1}, "<=", 5}, {{0, 1}, "<=", 1}, {{2, 1}, "<=", -1e-12}, {{1, 1}, "<=", 0}}, 2},
        {{{{2, 1}, "<=", 4}, {{1, 1}, "<=", 2}}, 0},
        {{{{-1, 1}, "<=", 5}, {{0, 1}, "<=", 1}}, -1},
    };
    for (const auto& [rows, leaving] : cases) {
        ProblemSet work = testing::MakeProblem({1, 1}, rows);
        std::vector<double> ratios;
        EXPECT_EQ(ChooseLeavingRow(work, 0, ratios), leaving);
        if (leaving == 2) {
            EXPECT_EQ(std::tuple(ratios[0], ratios[1], ratios[3]),
                      std::tuple(kNoRatio, kNoRatio, 0.0));
        }
    }
}

TEST(RatioTest, BlandBreaksTiesByTheSmallestBasicIndex) {
    ProblemSet work = testing::MakeProblem({1, 1}, {{{2, 1}, "<=", 4}, {{1, 1}, "<=", 2}});
    const std::vector<CostTerm> basis = {work.objective[1], work.objective[0]};
    std::vector<double> ratios;
    EXPECT_EQ(ChooseLeavingRow(work, basis, 0, ratios, PivotRule::LargestCjZj), 0);
    EXPECT_EQ(ChooseLeavingRow(work, basis, 0, ratios, PivotRule::SmallestIndex), 1);
}

// A row whose right-hand side ends up negative is turned around, the pivot row first; one
// that is negative only by round-off is not.
TEST(Pivot, NegativeRightHandSidesAreTurnedAround) {
    ProblemSet work = testing::MakeProblem({1, 1}, {{{2, 1}, "<=", -4}, {{1, 1}, "<=", 1}});
    std::vector<CostTerm> basis(2);
    Pivot(work, basis, 0, 0);
    EXPECT_EQ(basis[0].name, "X1");
    EXPECT_EQ(work.constraints[0].coefficients, (std::vector<double>{-1.0, -0.5}));
    EXPECT_EQ(work.constraints[0].rhs, 2.0);
    EXPECT_EQ(work.constraints[1].coefficients, (std::vector<double>{-2.0, -1.5}));
    EXPECT_EQ(work.constraints[1].rhs, 1.0);

    work = testing::MakeProblem({1, 1}, {{{2, 1}, "<=", -1e-12}, {{1, 2}, "<=", -1e-12}});
    Pivot(work, basis, 0, 0);
    EXPECT_EQ(work.constraints[0].coefficients, (std::vector<double>{1.0, 0.5}));
    EXPECT_LT(work.constraints[1].rhs, 0.0);
    EXPECT_EQ(work.constraints[1].coefficients, (std::vector<double>{0.0, 1.5}));
    EXPECT_TRUE(work.constraints[1].zeroMarks[0]);
}

TEST(NoFeasibleSolution, NeedsAPositiveArtificialAndNoMImprovement) {
    ProblemSet work = testing::MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, "<=", 3}});
    std::vector<CostTerm> basis(2);
    basis[1].id = kArtificialId;
    const std::vector<BigMValue> stuck{WithM(0, 5), WithM(-1, 0)};
    EXPECT_TRUE(HasNoFeasibleSolution(work, basis, stuck));
    const std::vector<BigMValue> canImprove{WithM(1, 0), WithM(-1, 0)};
    EXPECT_FALSE(HasNoFeasibleSolution(work, basis, canImprove));
    work.constraints[1].rhs = 1e-12;
    EXPECT_FALSE(HasNoFeasibleSolution(work, basis, stuck));
}

}  // namespace
}  // namespace vantrell
