// SPDX-License-Identifier: GPL-3.0-or-later
// The path of a run on the plot, read from the run record, for the primal and the dual.
#include "plot/simplex_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "plot/path_view.h"
#include "support/problem_builders.h"

namespace vantrell {
namespace {

using testing::MakeProblem;

// The path of a run solved from scratch.
std::optional<SimplexPath> PathOf(const ProblemSet& primal, bool minimize = false,
                                  bool dual = false) {
    using enum testing::Runs;
    return KeptRunPath(testing::SolvedState(primal, minimize, dual ? Dual : Primal), dual);
}

struct PathCase {
    const char* name;
    ProblemSet primal;
    // One line per page, as plot --path prints them.
    std::vector<std::string> lines;
    // The line each pivot moves onto: a constraint row or the axis where a variable is 0.
    std::vector<std::string> leavingLines;
    bool minimize = false;
    bool dual = false;
};

const PathCase kCases[] = {
    {"three_plants",
     testing::ThreePlants(),
     {"Page 1: (0, 0) feasible; X2 enters, S2 leaves",
      "Page 2: (0, 6) feasible; X1 enters, S3 leaves", "Page 3: (2, 6) feasible; optimal"},
     {"row 1", "row 2"}},
    {"infeasible_start",
     MakeProblem({2, 3}, {{{1, 1}, ">=", 4}, {{1, 0}, "<=", 3}}),
     {"Page 1: (0, 0) outside; X1 enters, S2 leaves",
      "Page 2: (3, 0) outside; X2 enters, a1 leaves", "Page 3: (3, 1) feasible; optimal"},
     {"row 1", "row 0"},
     true},
    {"dual_of_a_maximization",
     MakeProblem({3, 2}, {{{1, 1}, "<=", 4}, {{1, 3}, "<=", 6}}),
     {"Page 1: (0, 0) outside; Y2 enters, a2 leaves",
      "Page 2: (0, 2/3) outside; Y1 enters, Y2 leaves",
      "Page 3: (2, 0) outside; S2 enters, a1 leaves", "Page 4: (3, 0) feasible; optimal"},
     {"row 1", "axis 1", "row 0"},
     false,
     true},
    {"ends_outside",
     MakeProblem({1, 1}, {{{1, 1}, "<=", 2}, {{1, 1}, ">=", 5}}),
     {"Page 1: (0, 0) outside; X1 enters, S1 leaves", "Page 2: (2, 0) outside; infeasible",
      kPathEndsOutsideText},
     {"row 0"}},
    {"unbounded",
     MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}}),
     {"Page 1: (0, 0) feasible; X1 enters, S1 leaves",
      "End: (1, 0) feasible; unbounded along (1, 1)"},
     {"row 0"}},
};

TEST(SimplexPath, PointsOfEveryPageFromTheRunRecord) {
    for (const PathCase& c : kCases) {
        SCOPED_TRACE(c.name);
        const auto path = PathOf(c.primal, c.minimize, c.dual);
        ASSERT_TRUE(path.has_value());
        EXPECT_EQ(PathLines(*path), c.lines);
        std::vector<std::string> leavingLines;
        for (const PathPoint& point : path->points) {
            if (point.leavingConstraint) {
                leavingLines.push_back("row " + std::to_string(*point.leavingConstraint));
            } else if (point.leavingAxis) {
                leavingLines.push_back("axis " + std::to_string(*point.leavingAxis));
            }
        }
        EXPECT_EQ(leavingLines, c.leavingLines);
    }
    // The entering edge runs from a page's point to the next one's.
    const auto plants = PathOf(testing::ThreePlants());
    const ExactPoint& second = *plants->points[1].enteringDirection;
    EXPECT_EQ(second.x, 1);
    EXPECT_EQ(second.y, 0);
    EXPECT_EQ(PathExtent(*plants), 6.0);
}

// A drawn segment as text, to six digits and round-off dropped: "(0, 9) (6, 0)".
std::string Segment(const std::vector<PlotPoint>& points) {
    const auto clean = [](double v) { return std::abs(v) < 1e-9 ? 0.0 : v; };
    std::string text;
    char point[64];
    for (const PlotPoint& p : points) {
        std::snprintf(point, sizeof point, "%s(%.6g, %.6g)", text.empty() ? "" : " ", clean(p.x),
                      clean(p.y));
        text += point;
    }
    return text;
}

// What the plot draws for a page: lines clipped to the view, the arrow of an unbounded run
// running on to its edge.
TEST(SimplexPath, ViewOfAPageStaysInsideTheView) {
    // The second page of the three plants: the leaving line 3X1 + 2X2 = 18, Z through (0, 6).
    const auto plants = PathOf(testing::ThreePlants());
    const PathView second = ViewOfPage(*plants, testing::ThreePlants(), 1, 10.0, true);
    EXPECT_EQ(second.highlighted, 1);
    EXPECT_EQ(Segment(second.leavingLine), "(0, 9) (6, 0)");
    EXPECT_EQ(Segment(second.objectiveLine), "(0, 6) (10, 0)");
    EXPECT_EQ(Segment(second.unboundedArrow), "");

    const ProblemSet unbounded = MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}});
    const PathView first = ViewOfPage(*PathOf(unbounded), unbounded, 0, 10.0, true);
    EXPECT_EQ(Segment(first.leavingLine), "(1, 0) (10, 9)");
    EXPECT_EQ(Segment(first.unboundedArrow), "(1, 0) (10, 9)");
}

}  // namespace
}  // namespace vantrell
