// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/simplex_path.h"

#include <algorithm>

namespace vantrell {
namespace {

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
    const auto it = std::find(names.begin(), names.end(), name);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

Rational Coefficient(const ConstraintRow& row, std::size_t k) {
    if (k >= row.coefficients.size() || (k < row.zeroMarks.size() && row.zeroMarks[k])) {
        return 0;
    }
    return ExactFromDouble(row.coefficients[k]);
}

bool Satisfies(const ProblemSet& problem, const ExactPoint& p) {
    if (p.x < 0 || p.y < 0) {
        return false;
    }
    for (const ConstraintRow& row : problem.constraints) {
        const Rational sum = Coefficient(row, 0) * p.x + Coefficient(row, 1) * p.y;
        const Rational rhs = ExactFromDouble(row.rhs);
        const bool holds = row.relation == kLessEqual ? sum <= rhs
                           : row.relation == kEqual   ? sum == rhs
                                                      : sum >= rhs;
        if (!holds) {
            return false;
        }
    }
    return true;
}

// How the two variables change per unit of column j entering: +1 for the column itself,
// -a(r, j) for the variable basic in row r.
ExactPoint ColumnDirection(const ExactRun& run, const ExactPage& page, int j) {
    const auto column = static_cast<std::size_t>(j);
    ExactPoint d;
    for (int axis = 0; axis < 2; ++axis) {
        const std::string& name = run.variableNames[static_cast<std::size_t>(axis)];
        Rational change = page.columnNames[column] == name ? 1 : 0;
        const int row = IndexOf(page.basisNames, name);
        if (row >= 0) {
            change -= page.cells[static_cast<std::size_t>(row)][column];
        }
        (axis == 0 ? d.x : d.y) = change;
    }
    return d;
}

// The leaving variable's line: an axis for a variable of the problem, else the constraint
// its column belonged to at the start (the one row where that column is not zero).
void SetLeavingLine(const ExactRun& run, const ExactPage& page, PathPoint& point) {
    const int axis = IndexOf(run.variableNames, point.leaving);
    if (axis >= 0) {
        point.leavingAxis = axis;
        return;
    }
    const ExactPage& first = run.pages.front();
    const int column = IndexOf(first.columnNames, point.leaving);
    if (column < 0 || page.leaving < 0) {
        return;
    }
    std::optional<int> row;
    for (std::size_t r = 0; r < first.cells.size(); ++r) {
        if (first.cells[r][static_cast<std::size_t>(column)] != 0) {
            if (row) {
                return;
            }
            row = static_cast<int>(r);
        }
    }
    point.leavingConstraint = row;
}

PathPoint PointOfPage(const ExactRun& run, const ExactPage& page, const ProblemSet& problem) {
    PathPoint point;
    point.point = *PagePoint(run, page);
    point.feasible = Satisfies(problem, point.point);
    if (page.entering >= 0) {
        point.entering = page.columnNames[static_cast<std::size_t>(page.entering)];
        point.enteringDirection = ColumnDirection(run, page, page.entering);
    }
    if (page.leaving >= 0) {
        point.leaving = page.basisNames[static_cast<std::size_t>(page.leaving)];
        SetLeavingLine(run, page, point);
    }
    return point;
}

std::string PointText(const ExactPoint& p) {
    return "(" + ExactString(p.x) + ", " + ExactString(p.y) + ")";
}

}  // namespace

std::optional<ExactPoint> PagePoint(const ExactRun& run, const ExactPage& page) {
    if (run.variableNames.size() != 2) {
        return std::nullopt;
    }
    ExactPoint point;
    for (int axis = 0; axis < 2; ++axis) {
        const int row = IndexOf(page.basisNames, run.variableNames[static_cast<std::size_t>(axis)]);
        if (row >= 0) {
            (axis == 0 ? point.x : point.y) = page.bi[static_cast<std::size_t>(row)];
        }
    }
    return point;
}

std::optional<SimplexPath> BuildSimplexPath(const ExactRun& run, const ProblemSet& problem) {
    if (run.variableNames.size() != 2 || run.pages.empty()) {
        return std::nullopt;
    }
    SimplexPath path;
    path.axisNames = run.variableNames;
    path.outcome = run.outcome;
    for (std::size_t p = 0; p < run.pages.size(); ++p) {
        path.points.push_back(PointOfPage(run, run.pages[p], problem));
        path.points.back().page = static_cast<int>(p);
    }
    if (run.unboundedEnd) {
        const ExactPage& end = *run.unboundedEnd;
        PathPoint corner;
        corner.point = *PagePoint(run, end);
        corner.feasible = Satisfies(problem, corner.point);
        path.points.push_back(corner);
        if (end.entering >= 0) {
            path.unboundedDirection = ColumnDirection(run, end, end.entering);
        }
    }
    path.endsOutside = run.outcome == RunOutcome::Infeasible && !path.points.back().feasible;
    return path;
}

std::optional<SimplexPath> KeptRunPath(const VantrellState& state, bool dual) {
    const ExactRun* run = KeptExactRun(state, dual);
    if (run == nullptr || KeptRun(state, dual).count <= 0) {
        return std::nullopt;
    }
    return BuildSimplexPath(*run, KeptRun(state, dual).problem);
}

std::vector<std::string> PathLines(const SimplexPath& path) {
    std::vector<std::string> lines;
    for (const PathPoint& point : path.points) {
        std::string line = point.page >= 0 ? "Page " + std::to_string(point.page + 1) : "End";
        line += ": " + PointText(point.point) + (point.feasible ? " feasible" : " outside");
        if (!point.entering.empty()) {
            line += "; " + point.entering + " enters";
            if (!point.leaving.empty()) {
                line += ", " + point.leaving + " leaves";
            }
        } else if (&point == &path.points.back()) {
            line += path.unboundedDirection
                        ? "; unbounded along " + PointText(*path.unboundedDirection)
                        : "; " + std::string(ToString(path.outcome));
        }
        lines.push_back(std::move(line));
    }
    if (path.endsOutside) {
        lines.emplace_back(kPathEndsOutsideText);
    }
    return lines;
}

PlotPoint ToPlotPoint(const ExactPoint& point) {
    return {point.x.get_d(), point.y.get_d()};
}

double PathExtent(const SimplexPath& path) {
    double extent = 0.0;
    for (const PathPoint& point : path.points) {
        const PlotPoint p = ToPlotPoint(point.point);
        extent = std::max({extent, p.x, p.y});
    }
    return extent;
}

}  // namespace vantrell
