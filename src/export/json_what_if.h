// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "teach/duality.h"
#include "teach/what_if.h"

namespace vantrell {

// whatif --json: the changes, the check line by line, whether the final basis stays, and
// the run from the changed final tableau as solve --json writes a run.
nlohmann::ordered_json WhatIfJson(const WhatIfAnswer& answer,
                                  const std::vector<WhatIfChange>& changes,
                                  const NoteNumbers& numbers);

// The "duality" section of the primal run: each dual value with the column it is read from,
// W and Z, and the complementary slackness rows, in exact strings.
nlohmann::ordered_json DualityJson(const Duality& duality);

}  // namespace vantrell
