// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrell {

// How the entering column is chosen. The largest Cj-Zj is the textbook rule and the
// program's own; the smallest index (Bland's rule) never lets a basis come back.
enum class PivotRule { LargestCjZj, SmallestIndex };

// The rule's name as the Options dialog and the step notes show it.
inline const char* PivotRuleName(PivotRule rule) {
    return rule == PivotRule::SmallestIndex ? "Smallest index (Bland's rule)" : "Largest Cj-Zj";
}

}  // namespace vantrell
