// A fan of rows through one corner lists that corner again for every pair of rows, and the
// region must still be ordered as the step-by-step rule says.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/plot_geometry.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

TEST(CrowdedPlot, FanOfRowsThroughOneCornerKeepsEveryCopyInRuleOrder) {
    constexpr int kRows = 60;  // row k: k X1 + X2 <= k + 1, all through (1, 1)
    std::vector<testing::RowSpec> rows;
    for (int k = 1; k <= kRows; ++k)
        rows.emplace_back(std::vector<double>{k * 1.0, 1.0}, "<=", k + 1.0);
    VantrellState state;
    state.mPrimal = testing::MakeProblem({1, 1}, rows);
    testing::ScriptedPrompt prompt;
    PlotGeometry g;
    ASSERT_TRUE(g.ComputeFeasiblePoints(state, prompt));
    g.BuildRegionSeries(state, prompt);
    const std::vector<double>&xs = g.mFeasibleX1, &ys = g.mFeasibleX2;
    const std::size_t count = xs.size();

    // The rule: take the greatest angle left around the centre; only a strictly greater
    // angle of a later point replaces the choice.
    double mx = 0.0, my = 0.0, copies = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        mx += xs[i], my += ys[i];
        copies += xs[i] == 1.0 && ys[i] == 1.0 ? 1 : 0;
    }
    mx /= static_cast<double>(count), my /= static_cast<double>(count);
    std::vector<double> angles;
    for (std::size_t i = 0; i < count; ++i)
        angles.push_back(std::atan2(ys[i] - my, xs[i] - mx));
    std::vector<std::int32_t> order;
    for (std::vector<bool> taken(count, false); order.size() < count;) {
        std::size_t choice = 0;
        for (std::size_t i = 0, best = count; i < count; ++i) {
            if (!taken[i] && (best == count || angles[i] > angles[best]))
                best = choice = i;
        }
        taken[choice] = true;
        order.push_back(static_cast<std::int32_t>(choice));
    }

    EXPECT_GE(copies, kRows * (kRows - 1) / 2);
    EXPECT_EQ(g.mListLines.size(), count);
    EXPECT_EQ(g.mRegionOrder, order);
    ASSERT_EQ(g.mSeries.front().points.size(), count + 1);
    EXPECT_EQ(g.mSeries.front().points.front().x, g.mSeries.front().points.back().x);
    EXPECT_EQ(g.mSeries.front().points.front().y, g.mSeries.front().points.back().y);
    EXPECT_TRUE(prompt.messages.empty());
}

}  // namespace
}  // namespace vantrell
