// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>

#include "teach/exact_run.h"

namespace vantrell {

// A page's basic solution in the problem's two variables, {"X1": "2", "X2": "6"}; null
// when the problem has more or fewer variables.
nlohmann::ordered_json PagePointJson(const ExactRun& run, const ExactPage& page);

}  // namespace vantrell
