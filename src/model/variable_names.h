// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace vantrell {

// Column ids. Decision variable Xk and dual variable Yk have id k-1; the added columns
// share negative ids, so no size of problem makes them meet.
inline constexpr std::int32_t kSlackId = -1000;
inline constexpr std::int32_t kSurplusId = -2000;
inline constexpr std::int32_t kArtificialId = -3000;

// "X%d" with the 1-based number of a decision variable.
std::string DecisionName(int number);
// "S%d" for slack and surplus, "a%d" for artificial, by 1-based constraint row.
std::string SlackName(int row);
std::string ArtificialName(int row);
// "Y%d" for dual variables.
std::string DualName(int number);

}  // namespace vantrell
