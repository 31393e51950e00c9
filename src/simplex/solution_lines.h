#pragma once

#include <string>
#include <vector>

#include "model/vantrell_state.h"

namespace vantrell {

// The "Complete Solution" lines of the run that just ended, by its outcome: the basis with
// its values and the objective value, or the line that says why there is none.
std::vector<std::string> SolutionLines(const VantrellState& state);

}  // namespace vantrell
