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
    // and still carry messages: an unknown relation, a negative right-hand side, an
    // incomplete last constraint.
    std::vector<std::string> messages;
};

// Reads the content of a problem file. CR LF and LF line ends are read alike. Reading
// stops at the end of the content, whatever the content holds.
ProblemFileReading ReadProblemText(std::string_view content);

}  // namespace vantrell
