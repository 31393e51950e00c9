// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "model/vantrell_state.h"

namespace vantrell {

// Adds what a run means to its JSON object: "note" on each page, "special" (a list) and
// "sensitivity" (null unless the run ended optimal) with "shadow_prices" and "rhs_ranges"
// by constraint name, "reduced_costs" and "cost_ranges" by variable name, ranges as
// [low, high] exact strings with "-inf"/"inf" for no end.
void AddRunExplanations(nlohmann::ordered_json& run, const VantrellState& state, bool dual);

}  // namespace vantrell
