// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gmpxx.h>

#include <functional>
#include <string>

#include "model/display_options.h"
#include "model/problem.h"

namespace vantrell {

using Rational = mpq_class;

// A tableau value a + bM with rationals a and b. hasM says whether an M part is shown
// at all, even one that sums to 0, as the float tableau does.
struct ExactMValue {
    Rational c;
    Rational m;
    bool hasM = false;
};

// The number the student typed: the shortest decimal that reads back as the same double,
// taken exactly, so 0.1 is 1/10 and -0 is 0. Not finite numbers give 0.
Rational ExactFromDouble(double value);
ExactMValue ExactCost(const CostTerm& term);

// Fractions longer than this many characters are shown as "~" and the decimal instead:
// a tableau of random four-decimal data otherwise grows cells of forty digits.
inline constexpr std::size_t kMaxFractionLength = 12;

// "3/2", "-1/3", "4", "0"; in decimals the fixed text with the decimal count.
std::string NumberText(const Rational& value, NumberStyle style, int decimals);
// "(a, bM)" as pairs; "-M", "2M - 3/2", "M + 4", "(3/2)M" as expressions; the constant
// alone when there is no M part.
std::string MValueText(const ExactMValue& value, const DisplayOptions& options, int decimals);
// The same rules with every number written by numberText: the LaTeX export passes \frac.
using RationalTextFn = std::function<std::string(const Rational&)>;
std::string MValueText(const ExactMValue& value, const DisplayOptions& options,
                       const RationalTextFn& numberText);

// Lowest terms "p/q" with q > 1, or "p": the form that tools read.
std::string ExactString(const Rational& value);

}  // namespace vantrell
