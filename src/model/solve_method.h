// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrell {

// How a run reaches its first feasible tableau. Big M is the program's own; two-phase and
// the dual simplex method run in exact numbers, and their decimals are shown from that run.
enum class SolveMethod { BigM, TwoPhase, DualSimplex };

// The method's name as the Options dialog and the notes show it.
inline const char* SolveMethodName(SolveMethod method) {
    switch (method) {
        case SolveMethod::TwoPhase:
            return "Two-phase";
        case SolveMethod::DualSimplex:
            return "Dual simplex";
        case SolveMethod::BigM:
            break;
    }
    return "Big M";
}

// The word --method takes and the settings keep.
inline const char* SolveMethodWord(SolveMethod method) {
    switch (method) {
        case SolveMethod::TwoPhase:
            return "two-phase";
        case SolveMethod::DualSimplex:
            return "dual-simplex";
        case SolveMethod::BigM:
            break;
    }
    return "big-m";
}

inline std::optional<SolveMethod> SolveMethodFromWord(std::string_view word) {
    for (const SolveMethod method :
         {SolveMethod::BigM, SolveMethod::TwoPhase, SolveMethod::DualSimplex}) {
        if (word == SolveMethodWord(method)) {
            return method;
        }
    }
    return std::nullopt;
}

// What a page's heading adds for its phase: " (Phase I)", " (Phase II)", or nothing for a
// method without phases.
inline std::string PhaseSuffix(int phase) {
    return phase == 1 ? " (Phase I)" : phase == 2 ? " (Phase II)" : "";
}

}  // namespace vantrell
