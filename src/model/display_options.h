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
    // Decimal tableaus in a grid of cells too; only the windows read it, never a file.
    bool decimalGrid = false;

    // The numbers as first printed: what every text and file is made from.
    bool IsDefault() const { return numbers == NumberStyle::Decimals && bigM == BigMStyle::Pairs; }
    // A window shows its tableaus as a grid: fractions and M expressions always do, as
    // their cells differ in width too much to read as lines of text.
    bool ShowsGrid() const { return !IsDefault() || decimalGrid; }
    bool operator==(const DisplayOptions&) const = default;
};

}  // namespace vantrell
