// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "model/problem.h"
#include "plot/plot_geometry.h"
#include "plot/simplex_path.h"

namespace vantrell {

// What the plot draws of a path while page `page` is on show: every point (hollow where it
// lies outside the region), the arrows between them, and for the page on show its entering
// edge, the line of its leaving row and the objective line through it. Lines are clipped
// to the view [0, extent] x [0, extent]; an empty vector draws nothing.
struct PathView {
    std::vector<PlotPoint> points;
    std::vector<bool> feasible;
    int highlighted = -1;  // index into points
    std::vector<PlotPoint> enteringEdge;
    std::vector<PlotPoint> leavingLine;
    std::vector<PlotPoint> objectiveLine;
    std::vector<PlotPoint> unboundedArrow;
};

// The part of the line a1 x + a2 y = b inside the view: two points, or none.
std::vector<PlotPoint> ClipLine(double a1, double a2, double b, double extent);

// The path point of page `page` (counting from 0), or -1.
int PathIndexOfPage(const SimplexPath& path, int page);

// problem is the one the run solved (its rows are the leaving lines, its costs the objective).
PathView ViewOfPage(const SimplexPath& path, const ProblemSet& problem, int page, double extent,
                    bool objectiveThroughPoint);

}  // namespace vantrell
