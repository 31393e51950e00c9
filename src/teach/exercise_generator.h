// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/problem_file_reader.h"

namespace vantrell {

enum class ExerciseKind { Max, Min, Mixed, Degenerate, Alternative, Unbounded, Infeasible };

inline constexpr ExerciseKind kExerciseKinds[] = {
    ExerciseKind::Max,        ExerciseKind::Min,         ExerciseKind::Mixed,
    ExerciseKind::Degenerate, ExerciseKind::Alternative, ExerciseKind::Unbounded,
    ExerciseKind::Infeasible};

// "max", "min", "mixed", "degenerate", "alternative", "unbounded", "infeasible".
const char* ToString(ExerciseKind kind);
std::optional<ExerciseKind> ParseExerciseKind(std::string_view text);

inline constexpr int kExerciseMinSize = 2;
inline constexpr int kExerciseMaxSize = 4;
// Every number of every tableau of an exercise is a fraction with at most this denominator.
inline constexpr int kExerciseMaxDenominator = 12;
inline constexpr int kExerciseMinPivots = 2;
inline constexpr int kExerciseMaxPivots = 4;

struct ExerciseRequest {
    ExerciseKind kind = ExerciseKind::Max;
    std::uint64_t seed = 1;
    int vars = 2;
    int rows = 3;
};

struct ExerciseResult {
    std::optional<ProblemFile> file;  // nothing when no exercise could be made
    std::string error;
};

// Makes a problem of small whole numbers of the requested kind and size whose run keeps to
// the promise: the kind's outcome, 2 to 4 pivots, small denominators in every tableau.
// The same request gives the same problem on every machine.
ExerciseResult MakeExercise(const ExerciseRequest& request);

// The problem file's text, as Save writes it.
std::string ExerciseFileText(const ProblemFile& file);

}  // namespace vantrell
