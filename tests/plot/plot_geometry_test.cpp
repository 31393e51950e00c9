// SPDX-License-Identifier: GPL-3.0-or-later
// The geometry of the graphical solution over named problems: corners, feasible points,
// series, sweep stops, refusals and the guards that keep non-finite values out.
#include "plot/plot_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plot/plot_marks.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::RowSpec;
using Points = std::vector<std::pair<double, double>>;
using Change = void (*)(VantrellState&);

// Maximize 3 X1 + 5 X2 with X1 <= 4, 2 X2 <= 12, 3 X1 + 2 X2 <= 18.
const std::vector<RowSpec> kPlants = {RowSpec({1, 0}, "<=", 4), RowSpec({0, 2}, "<=", 12),
                                      RowSpec({3, 2}, "<=", 18)};
const std::vector<RowSpec> kPlantsAndIdle = {kPlants[0], RowSpec({0, 0}, "<=", 5, "Idle"),
                                             kPlants[1], kPlants[2]};
const std::vector<RowSpec> kFlat = {RowSpec({1, 1}, "<=", 0), RowSpec({1, -1}, ">=", 0)};
const std::vector<RowSpec> kNoneFeasible = {RowSpec({1, 1}, "<=", 4), RowSpec({1, 1}, ">=", 6)};
const Points kPlantCorners = {{0, 0}, {4, 0}, {0, 6}, {6, 0}, {0, 9}, {4, 6}, {4, 3}, {2, 6}};
const Points kPlantFeasible = {{0, 0}, {4, 0}, {0, 6}, {4, 3}, {2, 6}};

void Keep(VantrellState&) {}
// As a file saved with decimals reads back: every 0 written "0.00", so no marker is set.
void ClearZeroMarks(VantrellState& state) {
    for (CostTerm& term : state.mPrimal.objective)
        term.zero = false;
    for (ConstraintRow& row : state.mPrimal.constraints)
        row.zeroMarks.assign(row.zeroMarks.size(), false);
}
void DropX2OfFirstRow(VantrellState& state) {
    ConstraintRow& row = state.mPrimal.constraints[0];
    row.columnIds.resize(1);
    row.columnNames.resize(1);
    row.coefficients.resize(1);
    row.zeroMarks.resize(1);
}
void ZeroX2CostUnmarked(VantrellState& state) {
    state.mPrimal.objective[1].cost = 0.0;
    ClearZeroMarks(state);
}

VantrellState Problem(const std::vector<RowSpec>& rows, bool minimize = false,
                      Change change = Keep) {
    VantrellState state;
    state.mPrimal = testing::MakeProblem({3, 5}, rows);
    state.mMinimize = minimize;
    change(state);
    return state;
}

struct Shown {
    PlotGeometry g;
    testing::ScriptedPrompt prompt;
};

Shown Show(const VantrellState& state, bool constraintMode = false, double scale = 0) {
    Shown shown;
    shown.g.mScale = scale;
    EXPECT_TRUE(shown.g.ComputeFeasiblePoints(state, shown.prompt));
    if (constraintMode) {
        shown.g.BuildConstraintSeries(state, shown.prompt);
    } else {
        shown.g.BuildRegionSeries(state, shown.prompt);
    }
    return shown;
}

Points Pairs(const std::vector<double>& xs, const std::vector<double>& ys) {
    Points pairs;
    for (std::size_t i = 0; i < xs.size() && i < ys.size(); ++i)
        pairs.emplace_back(xs[i], ys[i]);
    return pairs;
}

Points Pairs(const std::vector<PlotPoint>& points) {
    std::vector<double> xs, ys;
    for (const PlotPoint& p : points)
        xs.push_back(p.x), ys.push_back(p.y);
    return Pairs(xs, ys);
}

// Nothing non-finite reaches the list, the series or the sweep.
void ExpectAllFinite(const PlotGeometry& g) {
    Points all = Pairs(g.mCandidateX1, g.mCandidateX2);
    for (const PlotSeries& series : g.mSeries) {
        const Points points = Pairs(series.points);
        all.insert(all.end(), points.begin(), points.end());
    }
    all.insert(all.end(), {{g.mExtent, g.mStep}, {g.mObjectiveOffset, g.mObjectiveSlope}});
    for (const auto& [x, y] : all)
        EXPECT_TRUE(std::isfinite(x) && std::isfinite(y)) << x << y;
    for (const std::string& line : g.mListLines)
        EXPECT_EQ(line.find_first_of("ni"), std::string::npos) << line;  // no "inf", "nan"
}

// Points cut from the view's edges are computed, not typed: equal to 1e-12.
void ExpectNear(const Points& actual, const Points& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_NEAR(actual[i].first, expected[i].first, 1e-12) << i;
        EXPECT_NEAR(actual[i].second, expected[i].second, 1e-12) << i;
    }
}

struct SweepResult {
    std::optional<int> line;
    int steps = 0;
};

// Play, then the timer ticks until the sweep stops, within a bound.
SweepResult Sweep(PlotGeometry& g, bool minimize) {
    g.StartSweep(minimize);
    SweepResult result;
    while (result.steps < 100000 && !g.mStopped) {
        ++result.steps;
        result.line = g.SweepStep(minimize);
    }
    g.mStopped = false;
    return result;
}

// Maximize X1 + X2 with X1 - X2 <= 1 and -X1 + X2 <= 1: a strip without end.
const std::vector<RowSpec> kStrip = {RowSpec({1, -1}, "<=", 1), RowSpec({-1, 1}, "<=", 1)};

TEST(PlotCorners, CandidatesAndFeasiblePoints) {
    struct Case {
        const char* name;
        std::vector<RowSpec> rows;
        Points candidates, feasible;
    } const cases[] = {
        {"three plants", kPlants, kPlantCorners, kPlantFeasible},
        {"a corner rows share is listed once",
         {RowSpec({1, 1}, "<=", 4), RowSpec({1, 2}, "<=", 4), RowSpec({2, 1}, "<=", 8)},
         {{0, 0}, {4, 0}, {0, 4}, {0, 2}, {0, 8}},
         {{0, 0}, {4, 0}, {0, 2}}},
        {"crossing left of the X2 axis is no corner",
         {RowSpec({1, 1}, "<=", 4), RowSpec({-1, 1}, "<=", 6)},
         {{0, 0}, {4, 0}, {0, 4}, {0, 6}},
         {{0, 0}, {4, 0}, {0, 4}}},
        {"intercepts below the axes are no corners",
         kStrip,
         {{0, 0}, {1, 0}, {0, 1}},
         {{0, 0}, {1, 0}, {0, 1}}},
        {"no feasible point", kNoneFeasible, {{0, 0}, {4, 0}, {0, 4}, {6, 0}, {0, 6}}, {}},
    };
    for (const Case& c : cases) {
        const Shown shown = Show(Problem(c.rows));
        EXPECT_EQ(Pairs(shown.g.mCandidateX1, shown.g.mCandidateX2), c.candidates) << c.name;
        EXPECT_EQ(Pairs(shown.g.mFeasibleX1, shown.g.mFeasibleX2), c.feasible) << c.name;
        EXPECT_EQ(shown.g.mListLines.size(), c.feasible.size()) << c.name;
        EXPECT_TRUE(shown.prompt.messages.empty()) << c.name;
    }
}

// Every line that crosses the view is drawn across it, whatever its slope.
TEST(PlotLines, TheLineInsideTheView) {
    struct Case {
        const char* name;
        double a1, a2, b;
        Points ends;
    } const cases[] = {
        {"falling", 3, 2, 18, {{0, 9}, {6, 0}}},
        {"rising from the X1 axis", 1, -1, 1, {{1, 0}, {10, 9}}},
        {"rising from the X2 axis", -1, 1, 1, {{0, 1}, {9, 10}}},
        {"vertical", 1, 0, 4, {{4, 10}, {4, 0}}},
        {"horizontal", 0, 2, 12, {{0, 6}, {10, 6}}},
        {"falling out through the right edge", 1, 4, 30, {{0, 7.5}, {10, 5}}},
        {"falling in through the top", 4, 1, 30, {{5, 10}, {7.5, 0}}},
        {"below the view", 1, 1, -1, {}},
        {"touching the origin only", 1, 1, 0, {}},
        {"no line at all", 0, 0, 5, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Pairs(LineInView(c.a1, c.a2, c.b, 10)), c.ends) << c.name;
    }
}

// An unbounded region goes to the edge of the view with its open side apart; when the
// objective grows along it there is no best corner and nothing to sweep to.
TEST(PlotUnbounded, RegionToTheEdgeAndNoBestCorner) {
    const VantrellState strip = Problem(kStrip);
    Shown region = Show(strip);
    EXPECT_DOUBLE_EQ(region.g.mExtent, 1.5);
    // The outline stops where the view cuts the region; the open side closes it there.
    ExpectNear(Pairs(region.g.mSeries[0].points),
               Points{{1.5, 0.5}, {1, 0}, {0, 0}, {0, 1}, {0.5, 1.5}});
    ExpectNear(Pairs(region.g.mOpenSide), Points{{0.5, 1.5}, {1.5, 1.5}, {1.5, 0.5}});
    EXPECT_TRUE(region.g.mUnboundedObjective);
    EXPECT_FALSE(BestFeasiblePoint(region.g, strip).has_value());
    EXPECT_EQ(region.g.PlayRefusal().value_or("none"), kUnboundedPlayMessage);

    const Shown lines = Show(strip, true);
    EXPECT_EQ(Pairs(lines.g.mSeries[0].points), (Points{{1, 0}, {1.5, 0.5}}));
    EXPECT_EQ(Pairs(lines.g.mSeries[1].points), (Points{{0, 1}, {0.5, 1.5}}));

    // Minimized, the same strip has its best corner at the origin.
    VantrellState minimized = Problem(kStrip, true);
    const Shown low = Show(minimized);
    EXPECT_FALSE(low.g.mUnboundedObjective);
    ASSERT_TRUE(BestFeasiblePoint(low.g, minimized).has_value());
    EXPECT_EQ(BestFeasiblePoint(low.g, minimized)->label, "(0.000, 0.000) Z = 0.000");
    // A bounded region closes its outline and has no open side.
    const Shown plants = Show(Problem(kPlants));
    EXPECT_TRUE(plants.g.mOpenSide.empty());
    EXPECT_FALSE(plants.g.mUnboundedObjective);
}

TEST(PlotCorners, EqualityToleranceAndStrictInequalitiesAtTheOrigin) {
    const std::tuple<const char*, double, bool> cases[] = {{"=", 1e-5, true},
                                                           {"=", -1e-5, true},
                                                           {"=", 2e-5, false},
                                                           {">=", 1e-5, false},
                                                           {"<=", -1e-5, false}};
    for (const auto& [relation, rhs, originListed] : cases) {
        const Shown shown = Show(Problem({RowSpec({1, 1}, relation, rhs)}));
        const Points feasible = Pairs(shown.g.mFeasibleX1, shown.g.mFeasibleX2);
        EXPECT_EQ(!feasible.empty() && feasible[0] == std::pair(0.0, 0.0), originListed)
            << relation << " " << rhs;
    }
}

TEST(PlotSeries, RegionConstraintAndObjectiveLines) {
    const Shown region = Show(Problem(kPlants));
    ASSERT_EQ(region.g.mSeries.size(), 2u);
    EXPECT_EQ(Pairs(region.g.mSeries[0].points),
              (Points{{0, 6}, {2, 6}, {4, 3}, {4, 0}, {0, 0}, {0, 6}}));
    EXPECT_EQ(region.g.mObjectiveSeries, 1);
    EXPECT_EQ(Pairs(region.g.mSeries[1].points), (Points{{0, 13.5}, {13.5, 5.4}}));
    EXPECT_EQ(region.g.mSlopeText, "-0.600");
    EXPECT_DOUBLE_EQ(region.g.mStep, 0.135);

    // Vertical and horizontal lines run to the edges; the idle row keeps only its label.
    const Shown lines = Show(Problem(kPlantsAndIdle), true);
    ASSERT_EQ(lines.g.mSeries.size(), 5u);
    EXPECT_EQ(Pairs(lines.g.mSeries[0].points), (Points{{4, 13.5}, {4, 0}}));
    EXPECT_EQ(lines.g.mSeries[1].label, "Idle");
    EXPECT_TRUE(lines.g.mSeries[1].points.empty());
    EXPECT_EQ(Pairs(lines.g.mSeries[2].points), (Points{{0, 6}, {13.5, 6}}));
    EXPECT_EQ(lines.g.mObjectiveSeries, 4);

    // The room factor applies only while the extent is automatic; a Scale is the least.
    for (const auto& [scale, extent] : Points{{0, 13.5}, {13.5, 13.5}, {20, 20}, {5, 9}})
        EXPECT_DOUBLE_EQ(Show(Problem(kPlants), false, scale).g.mExtent, extent) << scale;
}

TEST(PlotSweep, StopsAndRefusals) {
    struct Case {
        const char* name;
        std::vector<RowSpec> rows;
        bool minimize;
        Change change;
        std::optional<int> line;
        int steps;
        const char* refusal;
    } const cases[] = {
        {"maximize", kPlants, false, Keep, 4, 47, nullptr},  // line 4 is (2, 6)
        {"minimize", kPlants, true, Keep, 0, 1, nullptr},
        {"maximize, zeros unmarked", kPlants, false, ClearZeroMarks, 4, 47, nullptr},
        {"maximize, short first row", kPlants, false, DropX2OfFirstRow, 4, 47, nullptr},
        {"idle row", kPlantsAndIdle, false, ClearZeroMarks, 4, 47, nullptr},
        {"no feasible point", kNoneFeasible, false, Keep, std::nullopt, 1,
         kNoFeasiblePointsMessage},
        {"every intercept zero", kFlat, false, Keep, std::nullopt, 1, kZeroExtentMessage},
        {"zero X2 cost unmarked", kPlants, false, ZeroX2CostUnmarked, std::nullopt, 1,
         kObjectiveYZeroMessage},
    };
    for (const Case& c : cases) {
        Shown shown = Show(Problem(c.rows, c.minimize, c.change), true);
        const std::optional<std::string> refusal = shown.g.PlayRefusal();
        EXPECT_EQ(refusal.value_or("none"), c.refusal ? c.refusal : "none") << c.name;
        for (int play = 0; play < 2; ++play) {  // Play again starts over
            const SweepResult result = Sweep(shown.g, c.minimize);
            EXPECT_EQ(result.line, c.line) << c.name;
            EXPECT_EQ(result.steps, c.steps) << c.name;
        }
        ExpectAllFinite(shown.g);
    }
}

TEST(PlotRefusals, BadEqualityKeepsTheEarlierPlot) {
    VantrellState bad = Problem(kPlants);
    bad.mPrimal.constraints[1].relation = kUnknownRelation;
    Shown shown;
    shown.g.mTitle = "earlier";
    EXPECT_FALSE(shown.g.ComputeFeasiblePoints(bad, shown.prompt));
    EXPECT_EQ(shown.prompt.messages, std::vector<std::string>{kBadEqualityMessage});
    EXPECT_TRUE(shown.g.mListLines.empty());
    EXPECT_EQ(shown.g.mTitle, "earlier");
}

// Dividing by an unmarked 0 or far from the origin would put infinities into the list.
TEST(PlotNonFinite, GuardsKeepEveryValueFinite) {
    // The X1 intercept 1e600 is dropped; the X2 intercept 1e300 is a real extent.
    Shown huge = Show(Problem({RowSpec({1e-300, 1}, "<=", 1e300), RowSpec({1, 1}, "<=", 10)}));
    EXPECT_EQ(huge.g.mCandidateX1.size(), 4u);
    EXPECT_DOUBLE_EQ(huge.g.mExtent, 1.5e300);
    EXPECT_TRUE(Sweep(huge.g, false).line.has_value());
    ExpectAllFinite(huge.g);

    // Far from the origin one step no longer changes the offset: the sweep stops.
    PlotGeometry far;
    far.mFeasibleX1 = {-1e20};
    far.mFeasibleX2 = {0};
    far.mSeries.resize(1);
    far.mObjectiveSeries = 0;
    far.mObjectiveSlope = -0.6;
    far.mStep = 1;
    far.mObjectiveOffset = 1e17;
    EXPECT_EQ(far.SweepStep(false), std::nullopt);
    EXPECT_TRUE(far.mStopped);
    PlotGeometry nothingBuilt;
    EXPECT_EQ(Sweep(nothingBuilt, true).steps, 1);
}

TEST(RoundTickStep, OneTwoOrFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(RoundTickStep(13.5, 5), 2.0);
    EXPECT_DOUBLE_EQ(RoundTickStep(100.0, 5), 20.0);
    EXPECT_DOUBLE_EQ(RoundTickStep(0.7, 5), 0.2);
    EXPECT_DOUBLE_EQ(RoundTickStep(1e6, 5), 2e5);
    // No extent to divide: a step of 1.
    for (const double extent : {0.0, -3.0, std::numeric_limits<double>::infinity()}) {
        EXPECT_DOUBLE_EQ(RoundTickStep(extent, 5), 1.0) << extent;
    }
}

}  // namespace
}  // namespace vantrell
