// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrell {

// +1 when the tableaus' maximum is the objective as the problem states it, -1 when they
// maximize it negated: a minimization, or the dual of a maximization (which minimizes W).
inline int StatedSign(bool minimize, bool dual) {
    return minimize != dual ? -1 : 1;
}

// "Z" for the problem, "W" for its dual.
inline const char* ObjectiveName(bool dual) {
    return dual ? "W" : "Z";
}

}  // namespace vantrell
