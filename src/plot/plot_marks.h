// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/vantrell_state.h"
#include "plot/plot_geometry.h"

namespace vantrell {

// The step between axis ticks: 1, 2 or 5 times a power of ten, giving about `divisions`
// ticks over the extent, so they fall on round numbers. 1 for an extent that is not
// positive and finite.
double RoundTickStep(double extent, int divisions);

// The feasible corner the objective is best at, for the problem's sense, with its label
// "(4.000, 6.000) Z = 42.000". Nothing without feasible corners or two objective terms,
// and nothing when the objective improves without end over the region.
struct PlotOptimum {
    PlotPoint point;
    double z = 0.0;
    std::string label;
};
std::optional<PlotOptimum> BestFeasiblePoint(const PlotGeometry& geometry,
                                             const VantrellState& state);

}  // namespace vantrell
