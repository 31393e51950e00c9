// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/vantrell_state.h"

namespace vantrell {

// One exercise of a sheet: the problem solved (its primal run kept) and what it was made as.
struct SheetExercise {
    const VantrellState* state = nullptr;
    std::string kind;  // "max", "degenerate", ...
    std::uint64_t seed = 0;
};

// The sheet for pdflatex: one section per exercise with the problem and a blank tableau for
// each tableau of its run. withKey appends the answer key after the exercises.
std::string BuildExerciseSheet(const std::vector<SheetExercise>& exercises, std::uint64_t seed,
                               bool withKey);
// The answer key alone: per exercise every tableau, the answer and the special cases.
std::string BuildExerciseKey(const std::vector<SheetExercise>& exercises, std::uint64_t seed);

}  // namespace vantrell
