// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "teach/what_if.h"

namespace vantrell {

// One change of kind as typed: NAME=VALUE for a right-hand side or a cost, "NAME: 1X1 +
// 2X2 <= 8" for a row. word names the change in the messages ("--rhs" on the command line,
// "rhs" in the window). Nothing, with error naming what is wrong, when the value does not
// read.
std::optional<WhatIfChange> ParseWhatIfChange(WhatIfChange::Kind kind, const std::string& word,
                                              const std::string& value, std::string& error);

// Changes typed on one line, separated by ";", each a word and its value as the command
// line's flags take them: "rhs C1=20", "cost X1=4", "row R4: 1X1 + 2X2 <= 8". Nothing,
// with error, when a change does not read or the line holds none.
std::optional<std::vector<WhatIfChange>> ParseWhatIfLine(const std::string& line,
                                                         std::string& error);

// The Sensitivity window's what-if: the changes typed on one line made to the final tableau
// of problem's optimal run (solved by rule), as lines: the check, each page from the changed
// final tableau on with its note, then the new answer. A line that does not read, or a
// change that cannot be made, gives its message alone.
std::vector<std::string> WhatIfLines(const std::string& typed, const ProblemSet& problem,
                                     bool minimize, PivotRule rule, const NoteNumbers& numbers);

}  // namespace vantrell
