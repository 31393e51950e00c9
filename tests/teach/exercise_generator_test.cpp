// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of exercise keeps its promise over many seeds, the same way every time.
#include "teach/exercise_generator.h"

#include <gtest/gtest.h>

#include <cmath>

#include "commands/calculate_commands.h"

namespace vantrell {
namespace {

bool SmallDenominator(double value) {
    for (int q = 1; q <= kExerciseMaxDenominator; ++q) {
        if (std::fabs(value * q - std::round(value * q)) < 1e-6) {
            return true;
        }
    }
    return false;
}

// Checks every number of every shown page, independently of the generator's own watch.
class DenominatorCheck : public PagePresenter {
  public:
    void ShowPage(const VantrellState& state, const TableauPage&) override {
        for (const ConstraintRow& row : state.mWork.constraints) {
            nice = nice && SmallDenominator(row.rhs);
            for (const double a : row.coefficients) {
                nice = nice && SmallDenominator(a);
            }
        }
        for (const BigMValue& value : state.mCjZj) {
            nice = nice && SmallDenominator(value.constPart) && SmallDenominator(value.mPart);
        }
    }
    bool nice = true;
};

RunOutcome Promised(ExerciseKind kind) {
    switch (kind) {
        case ExerciseKind::Unbounded:
            return RunOutcome::Unbounded;
        case ExerciseKind::Infeasible:
            return RunOutcome::Infeasible;
        default:
            return RunOutcome::Optimal;
    }
}

TEST(ExerciseGeneratorTest, EveryKindKeepsItsPromiseOver200Seeds) {
    for (const ExerciseKind kind : kExerciseKinds) {
        for (std::uint64_t seed = 1; seed <= 200; ++seed) {
            SCOPED_TRACE(std::string(ToString(kind)) + " seed " + std::to_string(seed));
            const ExerciseRequest request{kind, seed, 2 + static_cast<int>(seed % 3),
                                          2 + static_cast<int>(seed / 3 % 3)};
            const ExerciseResult result = MakeExercise(request);
            ASSERT_TRUE(result.file.has_value()) << result.error;
            EXPECT_NE(result.file->problemName.find(ToString(kind)), std::string::npos);
            EXPECT_EQ(result.file->problem.objective.size(),
                      static_cast<std::size_t>(request.vars));
            EXPECT_EQ(result.file->problem.constraints.size(),
                      static_cast<std::size_t>(request.rows));

            VantrellState state;
            state.mPrimal = result.file->problem;
            state.mMinimize = result.file->minimize;
            SilentPrompt prompt;
            DenominatorCheck check;
            CalculatePrimal(state, prompt, check);
            EXPECT_EQ(state.mRunOutcome, Promised(kind));
            EXPECT_TRUE(check.nice);
            const int pivots = state.mRunOutcome == RunOutcome::Unbounded ? state.mTableauCount
                                                                          : state.mTableauCount - 1;
            EXPECT_GE(pivots, kExerciseMinPivots);
            EXPECT_LE(pivots, kExerciseMaxPivots);
        }
    }
}

TEST(ExerciseGeneratorTest, SameSeedSameFileOtherSeedOtherFile) {
    const ExerciseRequest request{ExerciseKind::Mixed, 42, 3, 3};
    const std::string first = ExerciseFileText(*MakeExercise(request).file);
    EXPECT_EQ(first, ExerciseFileText(*MakeExercise(request).file));
    ExerciseRequest other = request;
    other.seed = 43;
    EXPECT_NE(first, ExerciseFileText(*MakeExercise(other).file));
}

TEST(ExerciseGeneratorTest, SizesOutsideTheRangeAreRefused) {
    EXPECT_FALSE(MakeExercise({ExerciseKind::Max, 1, 5, 3}).file.has_value());
    EXPECT_FALSE(MakeExercise({ExerciseKind::Max, 1, 2, 1}).file.has_value());
}

}  // namespace
}  // namespace vantrell
