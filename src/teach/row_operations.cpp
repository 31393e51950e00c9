// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/row_operations.h"

#include <algorithm>

namespace vantrell {
namespace {

std::string RowName(std::size_t row) {
    return "R" + std::to_string(row + 1);
}

}  // namespace

std::vector<Rational> RowWithBi(const ExactPage& page, std::size_t row) {
    std::vector<Rational> cells = page.cells[row];
    cells.push_back(page.bi[row]);
    return cells;
}

std::vector<Rational> ApplyRowOperation(const RowOperation& operation,
                                        const std::vector<Rational>& row,
                                        const std::vector<Rational>& newPivotRow) {
    std::vector<Rational> result(row.size());
    for (std::size_t k = 0; k < row.size(); ++k) {
        result[k] = operation.Divides() ? Rational(row[k] / operation.factor)
                                        : Rational(row[k] - operation.factor * newPivotRow[k]);
    }
    return result;
}

std::vector<RowOperation> RowOperationsOf(const ExactPage& before) {
    std::vector<RowOperation> operations;
    if (before.entering < 0 || before.leaving < 0) {
        return operations;
    }
    const auto l = static_cast<std::size_t>(before.leaving);
    const auto j = static_cast<std::size_t>(before.entering);
    // The pivot row is divided by its entry, every other row loses its entry's multiple.
    for (std::size_t i = 0; i < before.cells.size(); ++i) {
        operations.push_back({i, l, before.cells[i][j]});
    }
    return operations;
}

std::string RowOperationText(const RowOperation& operation, const NoteNumbers& numbers) {
    return RowOperationText(operation,
                            [&numbers](const Rational& value) { return numbers.Text(value); });
}

std::string RowOperationText(const RowOperation& operation, const RationalTextFn& numberText) {
    const std::string row = RowName(operation.row);
    std::string right;
    if (operation.Divides()) {
        right = row + " / " + numberText(operation.factor);
    } else {
        const bool add = sgn(operation.factor) < 0;
        const Rational size = abs(operation.factor);
        right = row + (add ? " + " : " - ") + (size == 1 ? "" : numberText(size) + " ") +
                RowName(operation.pivotRow);
    }
    return row + " <- " + right;
}

std::vector<std::string> RowOperationTexts(const ExactRun& run, std::size_t index,
                                           const NoteNumbers& numbers) {
    return RowOperationTexts(run, index,
                             [&numbers](const Rational& value) { return numbers.Text(value); });
}

std::vector<std::string> RowOperationTexts(const ExactRun& run, std::size_t index,
                                           const RationalTextFn& numberText) {
    std::vector<std::string> texts;
    if (index == 0 || index >= run.pages.size()) {
        return texts;
    }
    std::vector<RowOperation> operations = RowOperationsOf(run.pages[index - 1]);
    // The pivot row first, as it is worked first.
    std::stable_partition(operations.begin(), operations.end(),
                          [](const RowOperation& operation) { return operation.Divides(); });
    for (const RowOperation& operation : operations) {
        if (operation.Divides() || sgn(operation.factor) != 0) {
            texts.push_back(RowOperationText(operation, numberText));
        }
    }
    return texts;
}

std::optional<std::string> RowOperationsLine(const ExactRun& run, std::size_t index,
                                             const NoteNumbers& numbers) {
    const std::vector<std::string> texts = RowOperationTexts(run, index, numbers);
    if (texts.empty()) {
        return std::nullopt;
    }
    std::string line = "Row operations: ";
    for (std::size_t k = 0; k < texts.size(); ++k) {
        line += (k == 0 ? "" : "; ") + texts[k];
    }
    return line;
}

std::string WithRowOperations(std::string note, const ExactRun& run, std::size_t index,
                              const NoteNumbers& numbers) {
    const auto line = RowOperationsLine(run, index, numbers);
    if (!line) {
        return note;
    }
    return note.empty() ? *line : *line + "\n" + note;
}

}  // namespace vantrell
