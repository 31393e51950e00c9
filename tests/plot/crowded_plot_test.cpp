// Plots with thousands of feasible points: every pair of rows through one corner lists
// that corner again, and the region must still be ordered as the step-by-step rule says.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "plot/plot_geometry.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::MakeProblem;
using testing::RowSpec;

// The region order as the rule states it: take the greatest angle left, a later point
// only replacing the choice when its angle is strictly greater.
std::vector<std::int32_t> OrderByRepeatedChoice(const PlotGeometry& g) {
    const std::size_t count = g.mFeasibleX1.size();
    double mx = 0.0;
    double my = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        mx += g.mFeasibleX1[i];
        my += g.mFeasibleX2[i];
    }
    mx /= static_cast<double>(count);
    my /= static_cast<double>(count);
    std::vector<double> angles;
    for (std::size_t i = 0; i < count; ++i) {
        angles.push_back(std::atan2(g.mFeasibleX2[i] - my, g.mFeasibleX1[i] - mx));
    }
    std::vector<bool> taken(count, false);
    std::vector<std::int32_t> order;
    while (order.size() < count) {
        double best = -720.0;
        std::size_t choice = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (!taken[i] && angles[i] > best) {
                best = angles[i];
                choice = i;
            }
        }
        taken[choice] = true;
        order.push_back(static_cast<std::int32_t>(choice));
    }
    return order;
}

TEST(CrowdedPlot, FanOfRowsThroughOneCornerKeepsEveryCopyInRuleOrder) {
    // Row k: k X1 + X2 <= k + 1, every line through (1, 1) and feasible there.
    constexpr int kRows = 60;
    std::vector<RowSpec> rows;
    for (int k = 1; k <= kRows; ++k) {
        rows.emplace_back(std::vector<double>{static_cast<double>(k), 1.0}, "<=", k + 1.0);
    }
    VantrellState state;
    state.mPrimal = MakeProblem({1, 1}, rows);
    testing::ScriptedPrompt prompt;
    PlotGeometry g;

    ASSERT_TRUE(g.ComputeFeasiblePoints(state, prompt));
    g.BuildRegionSeries(state, prompt);

    std::size_t copies = 0;
    for (std::size_t i = 0; i < g.mFeasibleX1.size(); ++i) {
        copies += g.mFeasibleX1[i] == 1.0 && g.mFeasibleX2[i] == 1.0 ? 1 : 0;
    }
    EXPECT_GE(copies, std::size_t{kRows * (kRows - 1) / 2});
    EXPECT_EQ(g.mListLines.size(), g.mFeasibleX1.size());
    EXPECT_EQ(g.mRegionOrder, OrderByRepeatedChoice(g));
    ASSERT_EQ(g.mSeries.front().points.size(), g.mFeasibleX1.size() + 1);
    EXPECT_EQ(g.mSeries.front().points.front().x, g.mSeries.front().points.back().x);
    EXPECT_EQ(g.mSeries.front().points.front().y, g.mSeries.front().points.back().y);
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace vantrell
