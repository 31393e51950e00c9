// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_marks.h"

#include <algorithm>
#include <cmath>

#include "model/number_text.h"

namespace vantrell {

double RoundTickStep(double extent, int divisions) {
    if (!std::isfinite(extent) || extent <= 0.0 || divisions < 1) {
        return 1.0;
    }
    const double raw = extent / divisions;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    // Of 1, 2, 5 and 10 times the power, the step whose tick count is nearest `divisions`.
    double best = power;
    for (const double factor : {2.0, 5.0, 10.0}) {
        const double step = factor * power;
        if (std::fabs(extent / step - divisions) < std::fabs(extent / best - divisions)) {
            best = step;
        }
    }
    return best;
}

std::optional<PlotOptimum> BestFeasiblePoint(const PlotGeometry& geometry,
                                             const VantrellState& state) {
    const std::vector<CostTerm>& objective = state.mPrimal.objective;
    const std::size_t count = std::min(geometry.mFeasibleX1.size(), geometry.mFeasibleX2.size());
    if (objective.size() < 2 || count == 0 || geometry.mUnboundedObjective) {
        return std::nullopt;
    }
    std::optional<PlotOptimum> best;
    for (std::size_t i = 0; i < count; ++i) {
        const PlotPoint point{geometry.mFeasibleX1[i], geometry.mFeasibleX2[i]};
        const double z = objective[0].cost * point.x + objective[1].cost * point.y;
        const bool better = !best || (state.mMinimize ? z < best->z : z > best->z);
        if (better) {
            best = PlotOptimum{point, z, {}};
        }
    }
    const std::string number = FillDecimals("%%.%dlf", state.mDecimalPlaces);
    best->label = CFormatDynamic("(" + number + ", " + number + ") Z = " + number, best->point.x,
                                 best->point.y, best->z);
    return best;
}

}  // namespace vantrell
