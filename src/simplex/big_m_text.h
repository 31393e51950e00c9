// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "model/problem.h"

namespace vantrell {

// "(0.000, -1.000M)" for a cost with an M part, "2.000" without.
std::string CostText(const CostTerm& term, int decimals);
// The same rule for a Zj or Cj-Zj cell.
std::string BigMText(const BigMValue& value, int decimals);

}  // namespace vantrell
