// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "teach/exact_run.h"
#include "teach/step_notes.h"

namespace vantrell {

// How one row of a tableau comes from the page before: the pivot row divided by the pivot,
// every other row less a multiple of the new pivot row. In exact numbers the ratio test
// keeps every Bi at 0 or above, so no row needs the pivot's turn by -1.
struct RowOperation {
    std::size_t row = 0;       // from 0; written R1, R2, ...
    std::size_t pivotRow = 0;  // the leaving row
    Rational factor;           // the pivot for the pivot row, the multiplier for the others

    bool Divides() const { return row == pivotRow; }
};

// The row operations that lead from a page to the next, one per row in row order, read off
// the page's pivot. Nothing on a page without one.
std::vector<RowOperation> RowOperationsOf(const ExactPage& before);

// "R2 <- R2 / 5/2", "R1 <- R1 - 1/2 R2", "R3 <- R3 + 2 R2", "R1 <- R1 - R2": numbers in
// the display options.
std::string RowOperationText(const RowOperation& operation, const NoteNumbers& numbers);
// The same with every number written by numberText: JSON passes the exact "p/q".
std::string RowOperationText(const RowOperation& operation, const RationalTextFn& numberText);

// The texts of the operations that made page index (from 0) of the run out of the page
// before it; none for the first page. Rows a multiple of 0 leaves alone are left out.
std::vector<std::string> RowOperationTexts(const ExactRun& run, std::size_t index,
                                           const RationalTextFn& numberText);
std::vector<std::string> RowOperationTexts(const ExactRun& run, std::size_t index,
                                           const NoteNumbers& numbers);
// "Row operations: R2 <- R2 / 5/2; R1 <- R1 - 1/2 R2", or nothing on the first page.
std::optional<std::string> RowOperationsLine(const ExactRun& run, std::size_t index,
                                             const NoteNumbers& numbers);

// The note of page index with its row operations on a line before it, as the explain
// option shows them; the note alone on the first page.
std::string WithRowOperations(std::string note, const ExactRun& run, std::size_t index,
                              const NoteNumbers& numbers);

// The row (cells, then Bi) an operation makes of the row before, given the new pivot row.
std::vector<Rational> ApplyRowOperation(const RowOperation& operation,
                                        const std::vector<Rational>& row,
                                        const std::vector<Rational>& newPivotRow);

// The row of a page as the operations see it: its cells, then its Bi.
std::vector<Rational> RowWithBi(const ExactPage& page, std::size_t row);

}  // namespace vantrell
