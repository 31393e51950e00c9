// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/prompt.h"
#include "teach/exercise_generator.h"

namespace vantrell {

inline constexpr int kSheetMaxCount = 20;

struct SheetRequest {
    std::uint64_t seed = 1;
    int count = 4;
    // The kinds in turn; every kind in turn when empty.
    std::vector<ExerciseKind> kinds;
    bool separateKey = false;  // the key as its own document, not at the end of the sheet
};

struct SheetDocuments {
    std::string sheet;  // LaTeX for pdflatex; empty when the sheet could not be made
    std::string key;    // with separateKey
    std::string error;
};

// Writes a sheet document to path: compiled by pdflatex when path ends in ".pdf", else the
// LaTeX text. "Cannot write ..." on failure.
std::optional<std::string> WriteSheetDocument(const std::string& document, const std::string& path);

// File > New Exercise Sheet: makes the sheet and asks where to save it (and its key, when
// that is a file of its own); every failure is a message.
void SaveExerciseSheet(Prompt& prompt, const SheetRequest& request);

// Makes count exercises (exercise i of the kind i in turn, from seed + i), solves each in
// fractions and writes the sheet and its key. The same request gives the same documents.
SheetDocuments MakeExerciseSheet(const SheetRequest& request);

}  // namespace vantrell
