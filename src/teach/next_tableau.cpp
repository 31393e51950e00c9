// SPDX-License-Identifier: GPL-3.0-or-later
#include "teach/next_tableau.h"

#include <algorithm>

#include "teach/typed_value.h"

namespace vantrell {
namespace {

using Kind = TableauRowKind;

ExactMValue Plain(const Rational& value) {
    return {value, 0, false};
}

ExactMValue Negated(const ExactMValue& value) {
    return {-value.c, -value.m, value.hasM};
}

bool HasMPart(const ExactMValue& value) {
    return value.hasM && sgn(value.m) != 0;
}

// A number inside a computation: a negative one or an M expression in brackets, so that
// "18 - 2 x (-4)" reads as it is meant.
std::string Operand(const std::string& text) {
    const bool bare = text.find(' ') == std::string::npos && text.front() != '-';
    return bare || text.front() == '(' ? text : "(" + text + ")";
}

std::size_t PivotRow(const NextTableau& next) {
    return static_cast<std::size_t>(next.before.leaving);
}

// Zj of column k with the Cb of every row as given.
ExactMValue ZjWith(const std::vector<ExactMValue>& cb, const ExactPage& page, std::size_t k) {
    ExactMValue zj;
    for (std::size_t r = 0; r < cb.size(); ++r) {
        zj.c += cb[r].c * page.cells[r][k];
        if (cb[r].hasM) {
            zj.hasM = true;
            zj.m += cb[r].m * page.cells[r][k];
        }
    }
    return zj;
}

ExactMValue Difference(const ExactMValue& a, const ExactMValue& b) {
    return {a.c - b.c, a.m - b.m, a.hasM || b.hasM};
}

std::string MistakeSuffix(CellMistake mistake) {
    if (mistake == CellMistake::Arithmetic || mistake == CellMistake::None) {
        return {};
    }
    return std::string(" (") + CellMistakeWords(mistake) + ")";
}

CellMistake RowMistake(const NextTableau& next, std::size_t row, std::size_t k,
                       const Rational& typed, const Rational& expected) {
    const RowOperation& operation = next.operations[row];
    const Rational old = RowWithBi(next.before, row)[k];
    if (sgn(expected) != 0 && typed == -expected) {
        return CellMistake::WrongSign;
    }
    if (operation.Divides()) {
        if (typed == old && operation.factor != 1) {
            return CellMistake::NotDivided;
        }
        // Another entry of the entering column or of the pivot row taken for the pivot.
        const auto j = static_cast<std::size_t>(next.before.entering);
        std::vector<Rational> divisors;
        for (const auto& cells : next.before.cells) {
            divisors.push_back(cells[j]);
        }
        divisors.insert(divisors.end(), next.before.cells[row].begin(),
                        next.before.cells[row].end());
        for (const Rational& d : divisors) {
            if (sgn(d) != 0 && d != operation.factor && typed == old / d) {
                return CellMistake::WrongDivisor;
            }
        }
        return CellMistake::Arithmetic;
    }
    const Rational newPivot = RowWithBi(next.after, PivotRow(next))[k];
    const Rational oldPivot = RowWithBi(next.before, PivotRow(next))[k];
    const Rational& m = operation.factor;
    if (sgn(m) != 0 && typed == old + m * newPivot) {
        return CellMistake::AddedNotSubtracted;
    }
    if (oldPivot != newPivot && typed == old - m * oldPivot) {
        return CellMistake::OldPivotRow;
    }
    return CellMistake::Arithmetic;
}

std::string RowComputation(const NextTableau& next, std::size_t row, std::size_t k,
                           const NoteNumbers& numbers) {
    const RowOperation& operation = next.operations[row];
    const std::string old = Operand(numbers.Text(RowWithBi(next.before, row)[k]));
    std::string sum;
    if (operation.Divides()) {
        sum = old + " / " + Operand(numbers.Text(operation.factor));
    } else {
        const Rational newPivot = RowWithBi(next.after, PivotRow(next))[k];
        sum = old + (sgn(operation.factor) < 0 ? " + " : " - ") +
              numbers.Text(Rational(abs(operation.factor))) + " x " +
              Operand(numbers.Text(newPivot));
    }
    return sum;
}

CellCheck CheckRowCell(const NextTableau& next, std::size_t row, std::size_t k,
                       const ExactMValue& typed, const NoteNumbers& numbers) {
    const Rational expected = RowWithBi(next.after, row)[k];
    if (!HasMPart(typed) && typed.c == expected) {
        return {true, CellMistake::None, {}};
    }
    const CellMistake mistake =
        HasMPart(typed) ? CellMistake::Arithmetic : RowMistake(next, row, k, typed.c, expected);
    const std::vector<std::string> columns = [&next] {
        std::vector<std::string> names = next.before.columnNames;
        names.emplace_back("Bi");
        return names;
    }();
    return {false, mistake,
            columns[k] + ": " + RowOperationText(next.operations[row], numbers) + ": " +
                RowComputation(next, row, k, numbers) + " = " + numbers.Text(expected) + ", not " +
                numbers.Text(typed) + MistakeSuffix(mistake)};
}

CellCheck CheckCostCell(const NextTableau& next, Kind kind, std::size_t k, const ExactMValue& typed,
                        const NoteNumbers& numbers) {
    const ExactPage& after = next.after;
    const ExactMValue expected = kind == Kind::Zj ? after.zj[k] : after.cjzj[k];
    if (SameMValue(typed, expected)) {
        return {true, CellMistake::None, {}};
    }
    // The Cb of the pivot row left as it was: the leaving variable's cost.
    std::vector<ExactMValue> oldCb = after.cb;
    oldCb[PivotRow(next)] = next.before.cb[PivotRow(next)];
    const ExactMValue wrongZj = ZjWith(oldCb, after, k);
    const ExactMValue wrongCb = kind == Kind::Zj ? wrongZj : Difference(after.cj[k], wrongZj);
    CellMistake mistake = CellMistake::Arithmetic;
    if (HasMPart(expected) && !HasMPart(typed) && typed.c == expected.c) {
        mistake = CellMistake::ForgotM;
    } else if (SameMValue(typed, Negated(expected))) {
        mistake = CellMistake::WrongSign;
    } else if (!SameMValue(wrongCb, expected) && SameMValue(typed, wrongCb)) {
        mistake = CellMistake::WrongCb;
    }
    std::string computation;
    if (kind == Kind::Zj) {
        for (std::size_t r = 0; r < after.cb.size(); ++r) {
            computation += (r == 0 ? "" : " + ") + Operand(numbers.Text(after.cb[r])) + " x " +
                           Operand(numbers.Text(after.cells[r][k]));
        }
    } else {
        computation =
            Operand(numbers.Text(after.cj[k])) + " - " + Operand(numbers.Text(after.zj[k]));
    }
    return {false, mistake,
            std::string(kind == Kind::Zj ? "Zj" : "Cj-Zj") + " of " + after.columnNames[k] + ": " +
                computation + " = " + numbers.Text(expected) + ", not " + numbers.Text(typed) +
                MistakeSuffix(mistake)};
}

std::string NotANumber(const std::string& cell) {
    return "\"" + cell + "\" is not a number: write 3/2, 1.5, 1 1/2 or 2M - 3/2";
}

}  // namespace

const char* CellMistakeWords(CellMistake mistake) {
    switch (mistake) {
        case CellMistake::WrongSign:
            return "wrong sign";
        case CellMistake::NotDivided:
            return "not divided by the pivot";
        case CellMistake::WrongDivisor:
            return "divided by the wrong pivot";
        case CellMistake::AddedNotSubtracted:
            return "added instead of subtracted";
        case CellMistake::OldPivotRow:
            return "used the pivot row before its division";
        case CellMistake::WrongMultiplier:
            return "the wrong multiplier";
        case CellMistake::WrongCb:
            return "multiplied by the wrong Cb";
        case CellMistake::ForgotM:
            return "forgot the M part";
        case CellMistake::Arithmetic:
            return "a slip in the arithmetic";
        case CellMistake::None:
            break;
    }
    return "no mistake";
}

const char* TableauRowWords(TableauRowKind kind) {
    switch (kind) {
        case Kind::PivotRow:
            return "Pivot row";
        case Kind::OtherRow:
            return "Other rows";
        case Kind::Zj:
            return "Zj row";
        case Kind::CjZj:
            break;
    }
    return "Cj-Zj row";
}

bool StepCheck::AllRight() const {
    return !refused && std::all_of(cells.begin(), cells.end(),
                                   [](const CellCheck& cell) { return cell.right; });
}

NextTableau NextTableauOf(const ExactPage& before, const ExactPage& after) {
    NextTableau next{before, after, RowOperationsOf(before), {}};
    const std::size_t pivot = PivotRow(next);
    next.steps.push_back({Kind::PivotRow, pivot});
    for (std::size_t r = 0; r < before.cells.size(); ++r) {
        if (r != pivot) {
            next.steps.push_back({Kind::OtherRow, r});
        }
    }
    next.steps.push_back({Kind::Zj, 0});
    next.steps.push_back({Kind::CjZj, 0});
    return next;
}

std::string StepLabel(const NextTableau& next, std::size_t step) {
    const TableauStep& s = next.steps[step];
    const std::string row = "R" + std::to_string(s.row + 1);
    switch (s.kind) {
        case Kind::PivotRow:
            return row + " (" + next.after.basisNames[s.row] + ", the pivot row)";
        case Kind::OtherRow:
            return row + " (" + next.after.basisNames[s.row] + ")";
        case Kind::Zj:
            return "Zj";
        case Kind::CjZj:
            break;
    }
    return "Cj-Zj";
}

std::vector<std::string> StepColumns(const NextTableau& next, std::size_t step) {
    std::vector<std::string> columns = next.after.columnNames;
    const Kind kind = next.steps[step].kind;
    if (kind == Kind::PivotRow || kind == Kind::OtherRow) {
        columns.emplace_back("Bi");
    }
    return columns;
}

std::vector<ExactMValue> StepValues(const NextTableau& next, std::size_t step) {
    const TableauStep& s = next.steps[step];
    if (s.kind == Kind::Zj) {
        return next.after.zj;
    }
    if (s.kind == Kind::CjZj) {
        return next.after.cjzj;
    }
    std::vector<ExactMValue> values;
    for (const Rational& cell : RowWithBi(next.after, s.row)) {
        values.push_back(Plain(cell));
    }
    return values;
}

std::vector<std::string> StepTexts(const NextTableau& next, std::size_t step,
                                   const NoteNumbers& numbers) {
    std::vector<std::string> texts;
    for (const ExactMValue& value : StepValues(next, step)) {
        texts.push_back(numbers.Text(value));
    }
    return texts;
}

StepCheck CheckTableauStep(const NextTableau& next, std::size_t step,
                           const std::vector<std::string>& typed, const NoteNumbers& numbers) {
    StepCheck check;
    const std::vector<std::string> columns = StepColumns(next, step);
    if (typed.size() != columns.size()) {
        std::string names;
        for (std::size_t k = 0; k < columns.size(); ++k) {
            names += (k == 0 ? "" : ", ") + columns[k];
        }
        check.refused = StepLabel(next, step) + " has " + std::to_string(columns.size()) +
                        " cells (" + names + "); " + std::to_string(typed.size()) + " given";
        return check;
    }
    std::vector<ExactMValue> values;
    for (const std::string& cell : typed) {
        const auto value = ParseTypedValue(cell);
        if (!value) {
            check.refused = NotANumber(cell);
            return check;
        }
        values.push_back(*value);
    }
    const TableauStep& s = next.steps[step];
    for (std::size_t k = 0; k < values.size(); ++k) {
        check.cells.push_back(s.kind == Kind::Zj || s.kind == Kind::CjZj
                                  ? CheckCostCell(next, s.kind, k, values[k], numbers)
                                  : CheckRowCell(next, s.row, k, values[k], numbers));
    }
    return check;
}

std::vector<std::size_t> OperationOrder(const NextTableau& next) {
    std::vector<std::size_t> order;
    for (const TableauStep& step : next.steps) {
        if (step.kind == Kind::PivotRow || step.kind == Kind::OtherRow) {
            order.push_back(step.row);
        }
    }
    return order;
}

std::string OperationQuestion(const NextTableau& next, std::size_t operation) {
    const RowOperation& op = next.operations[operation];
    const std::string row = "R" + std::to_string(op.row + 1);
    if (op.Divides()) {
        return row + " <- " + row + " / ?";
    }
    return row + " <- " + row + " - ? R" + std::to_string(op.pivotRow + 1);
}

OperationCheck CheckOperation(const NextTableau& next, std::size_t operation,
                              const std::string& typed, const NoteNumbers& numbers) {
    OperationCheck check;
    const auto value = ParseTypedValue(typed);
    if (!value || HasMPart(*value)) {
        check.refused = NotANumber(typed);
        return check;
    }
    const RowOperation& right = next.operations[operation];
    const RowOperation given{right.row, right.pivotRow, value->c};
    if (given.Divides() && sgn(given.factor) == 0) {
        check.refused = "A row cannot be divided by 0";
        return check;
    }
    check.right = given.factor == right.factor;
    const std::vector<Rational> newPivot = RowWithBi(next.after, right.pivotRow);
    check.gives = ApplyRowOperation(given, RowWithBi(next.before, right.row), newPivot);
    if (check.right) {
        return check;
    }
    const auto j = static_cast<std::size_t>(next.before.entering);
    const std::string& column = next.before.columnNames[j];
    const std::string row = "R" + std::to_string(right.row + 1);
    check.mistake = given.factor == -right.factor ? CellMistake::WrongSign
                    : given.Divides()             ? CellMistake::WrongDivisor
                                                  : CellMistake::WrongMultiplier;
    check.text = RowOperationText(given, numbers) + " leaves " + numbers.Text(check.gives[j]) +
                 " in the " + column + " column, not " +
                 numbers.Text(Rational(given.Divides() ? 1 : 0)) + ": the " +
                 (given.Divides() ? "divisor is the pivot, " : "multiplier is ") + column +
                 "'s entry in " + row + ", " + numbers.Text(right.factor);
    return check;
}

}  // namespace vantrell
