// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/problem.h"

namespace vantrell {

// The main window's equation texts. Every term is its joiner (" + " or " - ", from the
// stored value's comparison with zero, not from its rounded text) and the absolute value
// with the decimal count, one blank and the name.

// The first term keeps its own sign and has no joiner: "3.000 X1 + 5.000 X2".
std::string PrimalObjectiveText(const ProblemSet& primal, int decimals);
// " + 3.000 X1 + 2.000 X2 >= 18.000; Plant3", one line per constraint.
std::vector<std::string> PrimalConstraintLines(const ProblemSet& primal, int decimals);
// Every term with its joiner, the first included; empty while the dual display is off.
std::string DualObjectiveText(const ProblemSet& dual, int decimals, bool displayDuality);
// As the primal lines without "; " and a name; none while the dual display is off.
std::vector<std::string> DualConstraintLines(const ProblemSet& dual, int decimals,
                                             bool displayDuality);

// The same texts with every number written by numberText instead of the decimal count:
// the fraction display passes its own.
using NumberTextFn = std::function<std::string(double)>;
std::string PrimalObjectiveText(const ProblemSet& primal, const NumberTextFn& numberText);
std::vector<std::string> PrimalConstraintLines(const ProblemSet& primal,
                                               const NumberTextFn& numberText);
std::string DualObjectiveText(const ProblemSet& dual, const NumberTextFn& numberText,
                              bool displayDuality);
std::vector<std::string> DualConstraintLines(const ProblemSet& dual, const NumberTextFn& numberText,
                                             bool displayDuality);

// Horizontal scroll extent of a list of generated lines: 12 pixels per character of
// the longest line, 0 for no lines.
int HorizontalExtent(const std::vector<std::string>& lines);

}  // namespace vantrell
