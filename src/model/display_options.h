// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vantrell {

// How numbers and big-M values are shown. The defaults are the program's original texts:
// decimals with the problem's decimal count and M values as "(a, bM)" pairs.
enum class NumberStyle { Decimals, Fractions };
enum class BigMStyle { Pairs, Expressions };

struct DisplayOptions {
    NumberStyle numbers = NumberStyle::Decimals;
    BigMStyle bigM = BigMStyle::Pairs;

    bool IsDefault() const { return numbers == NumberStyle::Decimals && bigM == BigMStyle::Pairs; }
    bool operator==(const DisplayOptions&) const = default;
};

}  // namespace vantrell
