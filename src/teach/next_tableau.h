// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "teach/exact_run.h"
#include "teach/row_operations.h"
#include "teach/step_notes.h"

namespace vantrell {

// The rows of the next tableau in the order a student makes them: the pivot row, every
// other row, then Zj and Cj-Zj.
enum class TableauRowKind { PivotRow, OtherRow, Zj, CjZj };

struct TableauStep {
    TableauRowKind kind = TableauRowKind::PivotRow;
    std::size_t row = 0;  // the tableau row of the first two kinds
};

// What goes wrong in a cell, as far as the numbers tell.
enum class CellMistake {
    None,
    WrongSign,
    NotDivided,          // the pivot row copied, not divided
    WrongDivisor,        // divided by another entry than the pivot
    AddedNotSubtracted,  // the multiple of the pivot row added
    OldPivotRow,         // subtracted a multiple of the pivot row before its division
    WrongMultiplier,     // a row operation with another multiple than the column's entry
    WrongCb,             // Zj with the leaving variable's Cb in the pivot row
    ForgotM,             // the M part left out
    Arithmetic,
};

// "multiplied by the wrong Cb", "the M part left out", ...
const char* CellMistakeWords(CellMistake mistake);
// "Pivot row", "Other rows", "Zj row", "Cj-Zj row".
const char* TableauRowWords(TableauRowKind kind);

// A pivot to be worked by hand: the page before with its pivot, the tableau it gives, and
// the steps in order.
struct NextTableau {
    ExactPage before;
    ExactPage after;
    std::vector<RowOperation> operations;  // one per row, in row order
    std::vector<TableauStep> steps;
};

// The pivot of before (its entering and leaving) and the page it gives.
NextTableau NextTableauOf(const ExactPage& before, const ExactPage& after);

// "R2 (X2 enters, the pivot row)", "R1 (S1)", "Zj", "Cj-Zj"; then the columns asked.
std::string StepLabel(const NextTableau& next, std::size_t step);
std::vector<std::string> StepColumns(const NextTableau& next, std::size_t step);
// The right values of a step, as the page shows them.
std::vector<ExactMValue> StepValues(const NextTableau& next, std::size_t step);
std::vector<std::string> StepTexts(const NextTableau& next, std::size_t step,
                                   const NoteNumbers& numbers);

struct CellCheck {
    bool right = false;
    CellMistake mistake = CellMistake::None;
    std::string text;  // a wrong cell: its column, the operation and the computation
};

struct StepCheck {
    // A row that cannot be checked (a cell that is not a number, too few or too many
    // cells): it costs no try.
    std::optional<std::string> refused;
    std::vector<CellCheck> cells;
    bool AllRight() const;
};

// Checks one typed row of cells against the step's values.
StepCheck CheckTableauStep(const NextTableau& next, std::size_t step,
                           const std::vector<std::string>& typed, const NoteNumbers& numbers);

// The row operations level: the first question is the pivot row's divisor, then each other
// row's multiplier, in row order.
struct OperationCheck {
    std::optional<std::string> refused;  // not a number
    bool right = false;
    CellMistake mistake = CellMistake::None;
    std::string text;             // the explanation of a wrong answer
    std::vector<Rational> gives;  // the row the typed operation gives (cells, then Bi)
};
// "R2 <- R2 / ?", "R1 <- R1 - ? R2".
std::string OperationQuestion(const NextTableau& next, std::size_t operation);
OperationCheck CheckOperation(const NextTableau& next, std::size_t operation,
                              const std::string& typed, const NoteNumbers& numbers);
// The operations in the order asked: the pivot row's first.
std::vector<std::size_t> OperationOrder(const NextTableau& next);

}  // namespace vantrell
