// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/constraint_editing.h"

#include <algorithm>
#include <cmath>

#include "commands/objective_editing.h"
#include "model/number_text.h"
#include "model/text_blanks.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

// Fills a row with marked zero columns up to, not including, index.
void FillColumnsBefore(ConstraintRow& row, std::size_t index) {
    for (std::size_t j = row.ColumnCount(); j < index; ++j) {
        row.AppendMarkedZeroColumn(static_cast<int>(j));
    }
}

void SetRelation(ConstraintRow& row, std::int32_t relation) {
    row.relation = relation;
    row.relationText = RelationSymbol(relation);
}

}  // namespace

std::vector<std::string> RelationItems() {
    return {RelationSymbol(kLessEqual), RelationSymbol(kEqual), RelationSymbol(kGreaterEqual)};
}

std::optional<std::int32_t> RelationItemIndex(std::string_view text) {
    const std::string packed = WithoutSpacesOrTabs(text);
    for (std::int32_t code : {kLessEqual, kEqual, kGreaterEqual}) {
        if (packed == RelationSymbol(code)) {
            return code;
        }
    }
    return std::nullopt;
}

std::string ConstraintPreviewText(const ConstraintRow& row, std::string_view relationText,
                                  int decimals) {
    const std::string termFormat = FillDecimals("%%.%dlf %%s", decimals);
    std::string text;
    const std::size_t columns = std::min(row.coefficients.size(), row.columnNames.size());
    for (std::size_t k = 0; k < columns; ++k) {
        const double coefficient = row.coefficients[k];
        text += coefficient < 0.0 ? " - " : " + ";
        text += CFormatDynamic(termFormat, std::fabs(coefficient), row.columnNames[k].c_str());
    }
    text += ' ';
    text += relationText;
    return text + CFormatDynamic(FillDecimals(" %%.%dlf", decimals), row.rhs);
}

ConstraintEditor::ConstraintEditor(VantrellState& state, int selectedLine) : mState(state) {
    const bool valid = selectedLine >= 0 &&
                       static_cast<std::size_t>(selectedLine) < mState.mPrimal.constraints.size();
    mEditIndex = valid ? selectedLine : -1;
    SetRelation(mPending, kLessEqual);
}

ConstraintOpenFields ConstraintEditor::OpenFields() const {
    ConstraintOpenFields fields;
    if (mEditIndex < 0) {
        fields.rhs = "0.0";
        return fields;
    }
    const std::size_t index = static_cast<std::size_t>(mEditIndex);
    const ConstraintRow& row = mState.mPrimal.constraints[index];
    const int decimals = mState.mDecimalPlaces;
    if (index < mState.mPrimal.constraintNames.size()) {
        fields.name = mState.mPrimal.constraintNames[index];
    }
    fields.rhs = FixedText(row.rhs, decimals);
    if (!row.coefficients.empty()) {
        fields.coefficient = FixedText(row.coefficients.front(), decimals);
    }
    // A relation read from a file that is none of the three leaves the box unselected.
    const bool known = row.relation >= kLessEqual && row.relation <= kGreaterEqual;
    fields.relation = known ? row.relation : -1;
    return fields;
}

std::optional<std::string> ConstraintEditor::CoefficientText(int item) const {
    if (mEditIndex < 0 || item < 0) {
        return std::nullopt;
    }
    const ConstraintRow& row = mState.mPrimal.constraints[static_cast<std::size_t>(mEditIndex)];
    const std::size_t k = static_cast<std::size_t>(item);
    if (k >= row.coefficients.size()) {
        return std::string();
    }
    return FixedText(row.coefficients[k], mState.mDecimalPlaces);
}

bool ConstraintEditor::EditMode(int selectedLine) const {
    // The list cannot change while the dialog is open, so a selected line is the one the
    // dialog was opened on; mEditIndex is checked anyway so no press reaches past the rows.
    return selectedLine >= 0 && mEditIndex >= 0;
}

ConstraintRow& ConstraintEditor::EditedRow() {
    return mState.mPrimal.constraints[static_cast<std::size_t>(mEditIndex)];
}

ConstraintEditor::VariableResult ConstraintEditor::AddVariable(int selectedLine,
                                                               const ConstraintFields& fields,
                                                               Prompt& prompt) {
    const std::optional<int> item = VariableItemIndex(fields.variable);
    if (!item) {
        prompt.ShowMessage(kChooseVariableMessage);
        return {};
    }
    if (EditMode(selectedLine)) {
        if (!TypedNumberValue(fields.coefficient, prompt)) {
            return {};
        }
        return AddEditedVariable(*item, fields);
    }
    // The pending row takes the relation now, so it must be one of the three.
    const std::optional<std::int32_t> relation = RelationItemIndex(fields.relation);
    if (!relation) {
        prompt.ShowMessage(kChooseRelationMessage);
        return {};
    }
    // ... and the right-hand side for the preview, so both must be numbers.
    if (!TypedNumberValue(fields.coefficient, prompt) || !TypedNumberValue(fields.rhs, prompt)) {
        return {};
    }
    return AddPendingVariable(*item, *relation, fields);
}

ConstraintEditor::VariableResult ConstraintEditor::AddPendingVariable(
    int item, std::int32_t relation, const ConstraintFields& fields) {
    const std::size_t k = static_cast<std::size_t>(item);
    const double value = DecimalTextValue(fields.coefficient);
    const bool zero = IsZeroText(fields.coefficient);
    if (k < mPending.ColumnCount()) {
        mPending.coefficients[k] = value;
        mPending.zeroMarks[k] = zero;
    } else {
        FillColumnsBefore(mPending, k);
        mPending.AppendColumn(item, DecisionName(item + 1), value, zero);
    }
    SetRelation(mPending, relation);
    mPending.rhs = DecimalTextValue(fields.rhs);

    VariableResult result;
    result.done = true;
    result.item = item;
    result.nextItem = NextVariableItem(item);
    result.relation = relation;
    result.preview = ConstraintPreviewText(mPending, mPending.relationText, mState.mDecimalPlaces);
    return result;
}

ConstraintEditor::VariableResult ConstraintEditor::AddEditedVariable(
    int item, const ConstraintFields& fields) {
    ConstraintRow& edited = EditedRow();
    const std::size_t k = static_cast<std::size_t>(item);
    const std::string& typed = fields.coefficient;
    if (k < edited.ColumnCount()) {
        // An emptied field clears the coefficient rather than reading as "no change".
        edited.coefficients[k] = typed.empty() ? 0.0 : DecimalTextValue(typed);
        edited.zeroMarks[k] = typed.empty() || IsZeroText(typed);
    } else {
        // Every row widens from its own count, so rows of different lengths from a file
        // still get each column at its own index.
        for (ConstraintRow& row : mState.mPrimal.constraints) {
            FillColumnsBefore(row, k);
            if (&row == &edited) {
                row.AppendColumn(item, DecisionName(item + 1), DecimalTextValue(typed), false);
            } else if (row.ColumnCount() == k) {
                row.AppendMarkedZeroColumn(item);
            }
        }
        CompleteRows(mState.mPrimal);
    }

    const std::optional<std::int32_t> relation = RelationItemIndex(fields.relation);
    VariableResult result;
    result.done = true;
    result.item = item;
    result.nextItem = item;
    result.relation = relation.value_or(-1);
    const std::string relationText =
        relation ? std::string(RelationSymbol(*relation)) : fields.relation;
    result.preview = ConstraintPreviewText(EditedRow(), relationText, mState.mDecimalPlaces);
    return result;
}

bool ConstraintEditor::AddConstraint(int selectedLine, const ConstraintFields& fields,
                                     Prompt& prompt) {
    const bool stored = EditMode(selectedLine) ? StoreEditedConstraint(fields, prompt)
                                               : AddPendingConstraint(fields, prompt);
    if (stored) {
        FinishConstraint();
    }
    return stored;
}

bool ConstraintEditor::AddPendingConstraint(const ConstraintFields& fields, Prompt& prompt) {
    if (mPending.ColumnCount() == 0) {
        prompt.ShowMessage(kNoCoefficientsMessage);
        return false;
    }
    if (fields.rhs.empty()) {
        prompt.ShowMessage(kNoRhsMessage);
        return false;
    }
    // The relation and right-hand side are the ones on screen now, not the ones the last
    // Add Var saw: a student types the right-hand side last.
    const std::optional<std::int32_t> relation = RelationItemIndex(fields.relation);
    if (!relation) {
        prompt.ShowMessage(kChooseRelationMessage);
        return false;
    }
    const std::optional<double> rhs = TypedNumberValue(fields.rhs, prompt);
    if (!rhs) {
        return false;
    }
    SetRelation(mPending, *relation);
    mPending.rhs = *rhs;
    mState.mPrimal.constraints.push_back(mPending);
    mState.mPrimal.constraintNames.push_back(fields.name);
    return true;
}

bool ConstraintEditor::StoreEditedConstraint(const ConstraintFields& fields, Prompt& prompt) {
    // A negative right-hand side is fine: the standard form turns such a row around.
    const std::optional<double> typedRhs = TypedNumberValue(fields.rhs, prompt);
    if (!typedRhs) {
        return false;
    }
    const double rhs = *typedRhs;
    const std::optional<std::int32_t> relation = RelationItemIndex(fields.relation);
    if (!relation) {
        prompt.ShowMessage(kChooseRelationMessage);
        return false;
    }
    ConstraintRow& edited = EditedRow();
    edited.rhs = rhs;
    SetRelation(edited, *relation);
    std::vector<std::string>& names = mState.mPrimal.constraintNames;
    const std::size_t index = static_cast<std::size_t>(mEditIndex);
    if (index < names.size()) {
        names[index] = fields.name;
    }
    return true;
}

void ConstraintEditor::FinishConstraint() {
    CompleteRows(mState.mPrimal);
    mPending = ConstraintRow();
    SetRelation(mPending, kLessEqual);
}

std::string ConstraintEditor::PendingPreview() const {
    return ConstraintPreviewText(mPending, mPending.relationText, mState.mDecimalPlaces);
}

std::string ConstraintEditor::ModeText(int selectedLine) const {
    if (!EditMode(selectedLine)) {
        return CFormat("Adding constraint %d",
                       static_cast<int>(mState.mPrimal.constraints.size()) + 1);
    }
    const auto index = static_cast<std::size_t>(mEditIndex);
    const std::vector<std::string>& names = mState.mPrimal.constraintNames;
    const std::string name = index < names.size() ? names[index] : std::string();
    return CFormat("Editing constraint %d%s%s", mEditIndex + 1, name.empty() ? "" : ": ",
                   name.c_str());
}

}  // namespace vantrell
