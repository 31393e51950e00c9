// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/problem.h"

namespace vantrell {

// What a problem file holds.
struct ProblemFile {
    std::string problemName;
    // Brought into the range the number texts are made with.
    int decimalPlaces = 0;
    bool minimize = false;
    // The objective, the constraints and their names; the slope is not in the file.
    ProblemSet problem;
};

struct ProblemFileReading {
    // Nothing when the content could not be read; the last message says why.
    std::optional<ProblemFile> file;
    // Every message for the user, in the order the reading met them. A file can be read
    // and still carry messages: negative right-hand sides (one message for all such rows),
    // an incomplete last constraint.
    std::vector<std::string> messages;
};

// Reads the content of a problem file. CR LF, LF and (in a file without any LF) CR line
// ends are read alike. Every term goes to the column of its variable number. Reading stops
// at the end of the content, whatever the content holds; a problem beyond the size limits
// is refused as soon as the reading meets its first variable or row too many.
ProblemFileReading ReadProblemText(std::string_view content);

}  // namespace vantrell
