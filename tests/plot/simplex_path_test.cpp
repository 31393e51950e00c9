// SPDX-License-Identifier: GPL-3.0-or-later
// The path of a run on the plot, read from the run record, for the primal and the dual.
#include "plot/simplex_path.h"

#include <gtest/gtest.h>

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

// What the plot draws for a page: lines clipped to the view, the arrow of an unbounded run
// running on to its edge.
TEST(SimplexPath, ViewOfAPageStaysInsideTheView) {
    struct Row {
        const char* name;
        ProblemSet primal;
        int page;
        std::vector<PlotPoint> leavingLine;
        std::vector<PlotPoint> objectiveLine;
        std::vector<PlotPoint> unboundedArrow;
    };
    const Row rows[] = {
        {"three_plants_second_page",
         testing::ThreePlants(),
         1,
         {{0, 9}, {6, 0}},
         {{0, 6}, {10, 0}},
         {}},
        {"unbounded_first_page",
         MakeProblem({1, 1}, {{{1, -1}, "<=", 1}, {{-1, 1}, "<=", 1}}),
         0,
         {{1, 0}, {10, 9}},
         {},
         {{1, 0}, {10, 9}}},
    };
    const auto same = [](const std::vector<PlotPoint>& a, const std::vector<PlotPoint>& b) {
        return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                                  [](const PlotPoint& p, const PlotPoint& q) {
                                                      return std::abs(p.x - q.x) < 1e-9 &&
                                                             std::abs(p.y - q.y) < 1e-9;
                                                  });
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto path = PathOf(row.primal);
        ASSERT_TRUE(path.has_value());
        const PathView view = ViewOfPage(*path, row.primal, row.page, 10.0, true);
        EXPECT_TRUE(same(view.leavingLine, row.leavingLine));
        EXPECT_EQ(view.highlighted, row.page);
        EXPECT_TRUE(same(view.unboundedArrow, row.unboundedArrow));
        if (!row.objectiveLine.empty()) {
            EXPECT_TRUE(same(view.objectiveLine, row.objectiveLine));
        }
    }
}

}  // namespace
}  // namespace vantrell
