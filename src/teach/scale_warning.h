// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/problem.h"

namespace vantrell {

// Numbers further apart than this (largest over smallest non-zero magnitude) make the
// decimal run round where the exact run does not.
inline constexpr double kScaleSpanLimit = 1e9;

// The warning for a problem whose costs, coefficients and right-hand sides span more than
// kScaleSpanLimit; nothing for any other problem.
std::optional<std::string> ScaleWarning(const ProblemSet& problem);

}  // namespace vantrell
