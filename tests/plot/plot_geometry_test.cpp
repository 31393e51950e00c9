// The geometry of the graphical solution: corners, lists, series and the sweep.
#include "plot/plot_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

using testing::RowSpec;
using Points = std::vector<std::pair<double, double>>;

// Maximize 3 X1 + 5 X2 with X1 <= 4, 2 X2 <= 12, 3 X1 + 2 X2 <= 18.
const std::vector<RowSpec> kThreePlants = {RowSpec({1, 0}, "<=", 4), RowSpec({0, 2}, "<=", 12),
                                           RowSpec({3, 2}, "<=", 18)};
const Points kThreePlantCorners = {{0, 0}, {4, 0}, {0, 6}, {6, 0}, {0, 9}, {4, 6}, {4, 3}, {2, 6}};

VantrellState Problem(const std::vector<RowSpec>& rows = kThreePlants, bool minimize = false) {
    VantrellState state;
    state.mPrimal = testing::MakeProblem({3, 5}, rows);
    state.mMinimize = minimize;
    state.mProblemName = "Three plants";
    return state;
}

// As a file saved with decimals reads back: every 0 written "0.00", so no marker is set.
void ClearZeroMarks(VantrellState& state) {
    for (CostTerm& term : state.mPrimal.objective)
        term.zero = false;
    for (ConstraintRow& row : state.mPrimal.constraints) {
        row.zeroMarks.assign(row.zeroMarks.size(), false);
    }
}

// The window's showing: the points, then the series of one display mode.
struct Shown {
    PlotGeometry g;
    testing::ScriptedPrompt prompt;
    bool computed = false;
};

Shown Show(const VantrellState& state, bool constraintMode = false, double scale = 0) {
    Shown shown;
    shown.g.mScale = scale;
    shown.computed = shown.g.ComputeFeasiblePoints(state, shown.prompt);
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
    Points pairs;
    for (const PlotPoint& p : points)
        pairs.emplace_back(p.x, p.y);
    return pairs;
}

Points Candidates(const PlotGeometry& g) {
    return Pairs(g.mCandidateX1, g.mCandidateX2);
}

// Nothing non-finite reaches the list, the series or the sweep.
void ExpectAllFinite(const PlotGeometry& g) {
    Points all = Candidates(g);
    for (const PlotSeries& series : g.mSeries) {
        for (const PlotPoint& p : series.points)
            all.emplace_back(p.x, p.y);
    }
    all.insert(all.end(), {{g.mExtent, g.mStep}, {g.mObjectiveOffset, g.mObjectiveSlope}});
    for (const auto& [x, y] : all)
        EXPECT_TRUE(std::isfinite(x) && std::isfinite(y)) << x << y;
    for (const std::string& line : g.mListLines) {
        EXPECT_EQ(line.find_first_of("ni"), std::string::npos) << line;  // no "inf", "nan"
    }
}

// Play and the timer ticks until the sweep stops, within a bound.
struct SweepResult {
    std::optional<int> line;
    int steps = 0;
};

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

TEST(PlotWorkedExample, CornersListRegionAndObjectiveLine) {
    const Shown shown = Show(Problem());
    const PlotGeometry& g = shown.g;
    ASSERT_TRUE(shown.computed);
    EXPECT_TRUE(shown.prompt.messages.empty());
    EXPECT_EQ(Candidates(g), kThreePlantCorners);
    EXPECT_DOUBLE_EQ(g.mExtent, 13.5);
    EXPECT_EQ(Pairs(g.mFeasibleX1, g.mFeasibleX2),
              (Points{{0, 0}, {4, 0}, {0, 6}, {4, 3}, {2, 6}}));
    EXPECT_EQ(g.mListLines.front(), "X1: 0.000, X2: 0.000, Z: 0.000");
    EXPECT_EQ(g.mListLines.back(), "X1: 2.000, X2: 6.000, Z: 36.000");
    EXPECT_EQ(g.mListLines.size(), 5u);
    // Around the centre (2, 3) by decreasing angle, closed by the first point again.
    EXPECT_EQ(g.mRegionOrder, (std::vector<std::int32_t>{2, 4, 3, 1, 0}));
    ASSERT_EQ(g.mSeries.size(), 2u);
    EXPECT_EQ(Pairs(g.mSeries[0].points), (Points{{0, 6}, {2, 6}, {4, 3}, {4, 0}, {0, 0}, {0, 6}}));
    EXPECT_EQ(g.mObjectiveSeries, 1);
    EXPECT_EQ(Pairs(g.mSeries[1].points), (Points{{0, 13.5}, {13.5, 5.4}}));
    EXPECT_DOUBLE_EQ(g.mObjectiveSlope, -0.6);
    EXPECT_EQ(g.mSlopeText, "-0.600");
    EXPECT_DOUBLE_EQ(g.mStep, 0.135);
    // The room factor applies only while the extent is automatic; a Scale only grows.
    for (const auto& [scale, extent] : Points{{13.5, 13.5}, {20, 20}, {5, 9}}) {
        EXPECT_DOUBLE_EQ(Show(Problem(), false, scale).g.mExtent, extent) << scale;
    }
}

TEST(PlotWorkedExample, CopiesOfACornerAreAllListedAndKeepListOrderAroundTheRegion) {
    // Both lines meet on the X1 axis at (4, 0): two intercepts and their intersection.
    const Shown shown = Show(Problem({RowSpec({1, 1}, "<=", 4), RowSpec({1, 2}, "<=", 4)}));
    EXPECT_EQ(Pairs(shown.g.mFeasibleX1, shown.g.mFeasibleX2),
              (Points{{0, 0}, {4, 0}, {4, 0}, {0, 2}, {4, 0}}));
    EXPECT_EQ(shown.g.mRegionOrder, (std::vector<std::int32_t>{3, 1, 2, 4, 0}));
}

TEST(PlotSweep, StopsAtTheBestCornerAndMovesTheLineThroughIt) {
    struct Case {
        bool minimize;
        int line, steps;
        double offset;
        std::vector<std::string> solution;
    } const cases[] = {
        {false, 4, 47, 7.2, {"X1 = 2.000", "X2 = 6.000", "Solution = 36.000"}},
        {true, 0, 1, 0.0, {"X1 = 0.000", "X2 = 0.000", "Solution = 0.000"}},
    };
    for (const Case& c : cases) {
        const VantrellState state = Problem(kThreePlants, c.minimize);
        Shown shown = Show(state);
        ASSERT_EQ(shown.g.PlayRefusal(), std::nullopt);
        for (int play = 0; play < 2; ++play) {  // Play again starts over
            const SweepResult result = Sweep(shown.g, c.minimize);
            EXPECT_EQ(result.line, c.line);
            EXPECT_EQ(result.steps, c.steps);
        }
        EXPECT_DOUBLE_EQ(shown.g.mSeries[1].points[0].y, c.offset);
        EXPECT_EQ(GraphPointSolutionLines(shown.g, state, c.line), c.solution);
        for (const int point : {-1, 5}) {
            EXPECT_TRUE(GraphPointSolutionLines(shown.g, state, point).empty()) << point;
        }
    }
}

TEST(PlotFeasibility, EqualityToleranceAndStrictInequalities) {
    struct Case {
        const char* relation;
        double rhs;
        bool originListed;
    } const cases[] = {{"=", 0.00001, true},
                       {"=", -0.00001, true},
                       {"=", 0.00002, false},
                       {">=", 0.00001, false},
                       {"<=", -0.00001, false}};
    for (const Case& c : cases) {
        const Shown shown = Show(Problem({RowSpec({1, 1}, c.relation, c.rhs)}));
        const Points feasible = Pairs(shown.g.mFeasibleX1, shown.g.mFeasibleX2);
        EXPECT_EQ(!feasible.empty() && feasible[0] == std::pair(0.0, 0.0), c.originListed)
            << c.relation << " " << c.rhs;
    }
}

TEST(PlotFeasibility, BadEqualityEndsTheListing) {
    VantrellState state = Problem();
    state.mPrimal.constraints[1].relation = kUnknownRelation;
    Shown shown;
    shown.g.mTitle = "earlier";
    EXPECT_FALSE(shown.g.ComputeFeasiblePoints(state, shown.prompt));
    EXPECT_EQ(shown.prompt.messages, std::vector<std::string>{"Bad equality!"});
    EXPECT_TRUE(shown.g.mListLines.empty());
    EXPECT_EQ(shown.g.mTitle, "earlier");
}

// Marked zeros, zeros written "0.00" (no marker) and a row that stops after X1 all mean the
// same lines; dividing by an unmarked 0 would put infinities into the list.
TEST(PlotZeros, UnmarkedZerosAndShortRowsGiveTheMarkedResult) {
    const auto dropX2 = [](VantrellState& state) {
        ConstraintRow& row = state.mPrimal.constraints[0];
        row.columnIds.resize(1);
        row.columnNames.resize(1);
        row.coefficients.resize(1);
        row.zeroMarks.resize(1);
    };
    for (const bool minimize : {false, true}) {
        Shown expected = Show(Problem(kThreePlants, minimize), true);
        const std::vector<PlotSeries> expectedSeries = expected.g.mSeries;
        const SweepResult expectedSweep = Sweep(expected.g, minimize);
        for (void (*change)(VantrellState&) : {+ClearZeroMarks, +dropX2}) {
            VantrellState state = Problem(kThreePlants, minimize);
            change(state);
            Shown shown = Show(state, true);
            EXPECT_TRUE(shown.prompt.messages.empty());
            EXPECT_EQ(Candidates(shown.g), Candidates(expected.g));
            EXPECT_EQ(shown.g.mListLines, expected.g.mListLines);
            ASSERT_EQ(shown.g.mSeries.size(), expectedSeries.size());
            for (std::size_t s = 0; s < expectedSeries.size(); ++s) {
                EXPECT_EQ(Pairs(shown.g.mSeries[s].points), Pairs(expectedSeries[s].points));
            }
            const SweepResult sweep = Sweep(shown.g, minimize);
            EXPECT_EQ(sweep.line, expectedSweep.line);
            EXPECT_EQ(sweep.steps, expectedSweep.steps);
            ExpectAllFinite(shown.g);
        }
    }
}

TEST(PlotZeros, RowWithBothCoefficientsZeroDrawsNothing) {
    for (const bool marked : {true, false}) {
        VantrellState state = Problem(
            {kThreePlants[0], RowSpec({0, 0}, "<=", 5, "Idle"), kThreePlants[1], kThreePlants[2]});
        if (!marked)
            ClearZeroMarks(state);
        Shown shown = Show(state, true);
        PlotGeometry& g = shown.g;
        // The corners and extent of the three plants: the idle row adds nothing.
        EXPECT_EQ(Candidates(g), kThreePlantCorners);
        EXPECT_EQ(g.mListLines.size(), 5u);
        EXPECT_DOUBLE_EQ(g.mExtent, 13.5);
        // Vertical and horizontal lines run to the edges; the idle row keeps only its label.
        ASSERT_EQ(g.mSeries.size(), 5u);
        EXPECT_EQ(Pairs(g.mSeries[0].points), (Points{{4, 13.5}, {4, 0}}));
        EXPECT_EQ(g.mSeries[1].label, "Idle");
        EXPECT_TRUE(g.mSeries[1].points.empty());
        EXPECT_EQ(Pairs(g.mSeries[2].points), (Points{{0, 6}, {13.5, 6}}));
        EXPECT_EQ(g.mObjectiveSeries, 4);
        EXPECT_EQ(Sweep(g, false).line, 4);
        ExpectAllFinite(g);
    }
}

TEST(PlotZeros, ZeroX2CostLeavesNoLineToMove) {
    for (const bool marked : {true, false}) {
        VantrellState state = Problem();
        state.mPrimal.objective[1].cost = 0.0;
        state.mPrimal.objective[1].zero = marked;
        Shown shown;
        PlotGeometry& g = shown.g;
        g.mSlopeText = "-0.600";  // from an earlier problem: the field keeps it
        g.ComputeFeasiblePoints(state, shown.prompt);
        g.BuildConstraintSeries(state, shown.prompt);
        g.BuildRegionSeries(state, shown.prompt);
        EXPECT_EQ(shown.prompt.messages, std::vector<std::string>(2, kObjectiveYZeroMessage));
        EXPECT_EQ(g.mSeries.size(), 1u);  // the region only
        EXPECT_FALSE(g.HasObjectiveLine());
        EXPECT_EQ(g.mSlopeText, "-0.600");
        EXPECT_EQ(g.PlayRefusal(), std::string(kObjectiveYZeroMessage));
        const double offset = g.mObjectiveOffset;
        EXPECT_EQ(Sweep(g, false).steps, 1);
        EXPECT_EQ(g.mObjectiveOffset, offset);
        ExpectAllFinite(g);
    }
}

TEST(PlotZeros, InterceptsTooLargeToRepresentAreLeftOut) {
    Shown shown =
        Show(Problem({RowSpec({1e-300, 1}, "<=", 1e300), RowSpec({1, 1}, "<=", 10)}), true);
    // The X1 intercept 1e600 is dropped; the X2 intercept 1e300 is a real extent.
    EXPECT_EQ(shown.g.mCandidateX1.size(), 4u);
    EXPECT_DOUBLE_EQ(shown.g.mExtent, 1.5e300);
    ExpectAllFinite(shown.g);
    EXPECT_TRUE(Sweep(shown.g, false).line.has_value());
}

TEST(PlotSweepGuards, TheSweepAlwaysEnds) {
    // No feasible point: an empty region and no sweep.
    Shown none = Show(Problem({RowSpec({1, 1}, "<=", 4), RowSpec({1, 1}, ">=", 6)}));
    EXPECT_TRUE(none.g.mListLines.empty());
    ASSERT_EQ(none.g.mSeries.size(), 2u);
    EXPECT_TRUE(none.g.mSeries[0].points.empty());
    EXPECT_EQ(none.g.PlayRefusal(), std::string(kNoFeasiblePointsMessage));
    const SweepResult result = Sweep(none.g, false);
    EXPECT_EQ(result.line, std::nullopt);
    EXPECT_EQ(result.steps, 1);
    EXPECT_DOUBLE_EQ(none.g.mObjectiveOffset, none.g.mExtent);

    // Every intercept 0: the extent and with it the step are 0.
    Shown flat = Show(Problem({RowSpec({1, 1}, "<=", 0), RowSpec({1, -1}, ">=", 0)}));
    ASSERT_FALSE(flat.g.mFeasibleX1.empty());
    EXPECT_EQ(flat.g.PlayRefusal(), std::string(kZeroExtentMessage));
    EXPECT_EQ(Sweep(flat.g, false).steps, 1);

    // Far from the origin one step no longer changes the offset.
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

TEST(PlotObjectiveLine, SecondPointOnTheAxisOrTheEdge) {
    // Meets the X1 axis inside, beyond the extent, horizontal.
    EXPECT_EQ(Pairs(ObjectiveLinePoints(6, -1, 10)), (Points{{0, 6}, {6, 0}}));
    EXPECT_EQ(Pairs(ObjectiveLinePoints(10, -0.5, 10)), (Points{{0, 10}, {10, 5}}));
    for (const double slope : {0.0, -0.0}) {
        EXPECT_EQ(Pairs(ObjectiveLinePoints(4, slope, 10)), (Points{{0, 4}, {10, 4}}));
    }
}

}  // namespace
}  // namespace vantrell
