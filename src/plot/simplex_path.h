// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/problem.h"
#include "model/vantrell_state.h"
#include "plot/plot_geometry.h"
#include "teach/exact_run.h"

namespace vantrell {

// A point or a direction in the plane of the problem's two variables, exactly.
struct ExactPoint {
    Rational x;
    Rational y;
};

// One step of a run seen on the plot: the basic solution of a page.
struct PathPoint {
    ExactPoint point;
    // Inside the feasible region: every constraint holds. Pages of the big-M phase whose
    // artificial variables still carry a value lie outside it.
    bool feasible = false;
    int page = -1;  // -1 for the corner an unbounded run ends at, which has no page
    std::string entering;
    std::string leaving;
    // How the point moves while the entering variable grows; nothing without a pivot.
    std::optional<ExactPoint> enteringDirection;
    // The line the pivot moves onto: the constraint whose slack, surplus or artificial
    // variable leaves, or the axis of a leaving variable (0: the first variable is 0).
    std::optional<int> leavingConstraint;
    std::optional<int> leavingAxis;
};

// The run from its first page to its last as points, for a problem in two variables.
struct SimplexPath {
    std::vector<std::string> axisNames;
    std::vector<PathPoint> points;
    RunOutcome outcome = RunOutcome::NotRun;
    // An unbounded run: the direction along which the objective grows without end, from
    // the last point.
    std::optional<ExactPoint> unboundedDirection;
    // An infeasible run: its last point is outside the region.
    bool endsOutside = false;
};

inline constexpr const char* kPathEndsOutsideText =
    "The path ends outside the feasible region: the problem has no feasible solution";
inline constexpr const char* kPathNeedsTwoVariablesText =
    "The path is drawn for a problem in two variables only";

// The values of the run's two variables on a page: Bi where basic, 0 where not. Nothing
// when the run has more or fewer variables.
std::optional<ExactPoint> PagePoint(const ExactRun& run, const ExactPage& page);

// The path of an exact run over the problem it solved (the primal, or the dual as the
// engine solves it). Nothing when the problem does not have two variables.
std::optional<SimplexPath> BuildSimplexPath(const ExactRun& run, const ProblemSet& problem);
// The path of the kept primal or dual run.
std::optional<SimplexPath> KeptRunPath(const VantrellState& state, bool dual);

// One line per page: "Page 2: (0, 6) feasible; X1 enters, S3 leaves", the last page's
// outcome, and the unbounded direction.
std::vector<std::string> PathLines(const SimplexPath& path);

PlotPoint ToPlotPoint(const ExactPoint& point);
// The largest coordinate of any path point: the view must reach at least this far.
double PathExtent(const SimplexPath& path);

}  // namespace vantrell
