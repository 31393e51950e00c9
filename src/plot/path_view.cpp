// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/path_view.h"

#include <algorithm>
#include <cmath>

namespace vantrell {
namespace {

double Value(const ConstraintRow& row, std::size_t k) {
    const bool zero =
        k >= row.coefficients.size() || (k < row.zeroMarks.size() && row.zeroMarks[k]);
    return zero ? 0.0 : row.coefficients[k];
}

double Cost(const ProblemSet& problem, std::size_t k) {
    return k < problem.objective.size() && !problem.objective[k].zero ? problem.objective[k].cost
                                                                      : 0.0;
}

// From p along d to where the ray leaves the view.
std::vector<PlotPoint> RayToEdge(const PlotPoint& p, const PlotPoint& d, double extent) {
    double t = INFINITY;
    for (const auto& [from, step] : {std::pair{p.x, d.x}, std::pair{p.y, d.y}}) {
        if (step > 0) {
            t = std::min(t, (extent - from) / step);
        } else if (step < 0) {
            t = std::min(t, -from / step);
        }
    }
    if (!std::isfinite(t) || t <= 0) {
        return {};
    }
    return {p, {p.x + t * d.x, p.y + t * d.y}};
}

}  // namespace

std::vector<PlotPoint> ClipLine(double a1, double a2, double b, double extent) {
    std::vector<PlotPoint> hits;
    const auto keep = [&hits, extent](double x, double y) {
        const double slack = 1e-9 * std::max(1.0, extent);
        if (std::isfinite(x) && std::isfinite(y) && x >= -slack && y >= -slack &&
            x <= extent + slack && y <= extent + slack) {
            hits.push_back({x, y});
        }
    };
    if (a2 != 0.0) {
        keep(0.0, b / a2);
        keep(extent, (b - a1 * extent) / a2);
    }
    if (a1 != 0.0) {
        keep(b / a1, 0.0);
        keep((b - a2 * extent) / a1, extent);
    }
    if (hits.size() < 2) {
        return {};
    }
    // The two hits farthest apart: corners can be met twice.
    const auto byX = [](const PlotPoint& l, const PlotPoint& r) {
        return l.x < r.x || (l.x == r.x && l.y < r.y);
    };
    const auto [low, high] = std::minmax_element(hits.begin(), hits.end(), byX);
    return {*low, *high};
}

int PathIndexOfPage(const SimplexPath& path, int page) {
    for (std::size_t i = 0; i < path.points.size(); ++i) {
        if (path.points[i].page == page && page >= 0) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

PathView ViewOfPage(const SimplexPath& path, const ProblemSet& problem, int page, double extent,
                    bool objectiveThroughPoint) {
    PathView view;
    for (const PathPoint& point : path.points) {
        view.points.push_back(ToPlotPoint(point.point));
        view.feasible.push_back(point.feasible);
    }
    if (path.unboundedDirection && !view.points.empty()) {
        view.unboundedArrow =
            RayToEdge(view.points.back(), ToPlotPoint(*path.unboundedDirection), extent);
    }
    view.highlighted = PathIndexOfPage(path, page);
    if (view.highlighted < 0) {
        return view;
    }
    const auto index = static_cast<std::size_t>(view.highlighted);
    const PathPoint& shown = path.points[index];
    const PlotPoint at = view.points[index];
    if (shown.enteringDirection) {
        // Up to the next page's corner, where the pivot takes the point.
        view.enteringEdge = index + 1 < view.points.size()
                                ? std::vector<PlotPoint>{at, view.points[index + 1]}
                                : RayToEdge(at, ToPlotPoint(*shown.enteringDirection), extent);
    }
    if (shown.leavingConstraint &&
        static_cast<std::size_t>(*shown.leavingConstraint) < problem.constraints.size()) {
        const ConstraintRow& row =
            problem.constraints[static_cast<std::size_t>(*shown.leavingConstraint)];
        view.leavingLine = ClipLine(Value(row, 0), Value(row, 1), row.rhs, extent);
    } else if (shown.leavingAxis) {
        view.leavingLine =
            *shown.leavingAxis == 0 ? ClipLine(1, 0, 0, extent) : ClipLine(0, 1, 0, extent);
    }
    if (objectiveThroughPoint) {
        const double c1 = Cost(problem, 0);
        const double c2 = Cost(problem, 1);
        view.objectiveLine = ClipLine(c1, c2, c1 * at.x + c2 * at.y, extent);
    }
    return view;
}

}  // namespace vantrell
