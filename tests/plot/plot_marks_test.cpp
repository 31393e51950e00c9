#include "plot/plot_marks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

TEST(RoundTickStep, OneTwoOrFiveTimesAPowerOfTen) {
    struct Row {
        const char* name;
        double extent;
        double step;
    };
    const Row rows[] = {
        {"sample extent", 13.5, 2.0},
        {"hundred", 100.0, 20.0},
        {"below one", 0.7, 0.2},
        {"million", 1e6, 2e5},
        {"exactly five ticks", 5.0, 1.0},
        {"zero", 0.0, 1.0},
        {"negative", -3.0, 1.0},
        {"infinite", std::numeric_limits<double>::infinity(), 1.0},
    };
    for (const Row& row : rows) {
        EXPECT_DOUBLE_EQ(RoundTickStep(row.extent, 5), row.step) << row.name;
    }
}

TEST(BestFeasiblePoint, TheCornerOfTheBestValueForTheSense) {
    VantrellState state;
    state.mPrimal =
        testing::MakeProblem({3, 5}, {{{1, 0}, "<=", 4}, {{0, 2}, "<=", 12}, {{3, 2}, "<=", 18}});
    state.mDecimalPlaces = 2;
    PlotGeometry geometry;
    EXPECT_FALSE(BestFeasiblePoint(geometry, state).has_value());  // no corners yet
    testing::ScriptedPrompt prompt;
    ASSERT_TRUE(geometry.ComputeFeasiblePoints(state, prompt));
    EXPECT_EQ(BestFeasiblePoint(geometry, state)->label, "(2.00, 6.00) Z = 36.00");
    state.mMinimize = true;
    EXPECT_EQ(BestFeasiblePoint(geometry, state)->label, "(0.00, 0.00) Z = 0.00");
}

}  // namespace
}  // namespace vantrell
