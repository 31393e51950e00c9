// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/json_point.h"

#include "plot/simplex_path.h"

namespace vantrell {

nlohmann::ordered_json PagePointJson(const ExactRun& run, const ExactPage& page) {
    const auto point = PagePoint(run, page);
    if (!point) {
        return nullptr;
    }
    return {{run.variableNames[0], ExactString(point->x)},
            {run.variableNames[1], ExactString(point->y)}};
}

}  // namespace vantrell
