// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/problem.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

namespace vantrell {

// The relation box's items, in the order of the relation codes: "<=", "=", ">=".
std::vector<std::string> RelationItems();

inline constexpr const char* kChooseRelationMessage = "Choose a relation: <=, = or >=";
inline constexpr const char* kNoCoefficientsMessage = "There are no coefficients";
inline constexpr const char* kNoRhsMessage = "There is no RHS";

// The relation code a relation box's text names, blanks ignored; nothing for any other
// text ("=<", "=>", "<"), so a row never gets a relation the solver does not know.
std::optional<std::int32_t> RelationItemIndex(std::string_view text);

// The dialog's fields as they read at a press.
struct ConstraintFields {
    std::string name;
    std::string coefficient;
    std::string variable;
    std::string relation;
    std::string rhs;
};

// What the dialog shows when it opens. -1 items leave a box without a selection.
struct ConstraintOpenFields {
    std::string name;
    std::string coefficient;
    std::string rhs;
    int variable = 0;
    int relation = kLessEqual;
};

// " + 2.000 X1 - 1.000 X2 <= 4.000": every column with its joiner, the relation text as
// given, the row's right-hand side.
std::string ConstraintPreviewText(const ConstraintRow& row, std::string_view relationText,
                                  int decimals);

// The model side of one Constraints dialog: the row being assembled in new mode and the
// line the dialog was opened on. Every press is told which line of the primal list is
// selected at that moment: none means new mode, a line means edit mode on the line the
// dialog was opened on.
class ConstraintEditor {
  public:
    ConstraintEditor(VantrellState& state, int selectedLine);

    ConstraintOpenFields OpenFields() const;
    int EditIndex() const { return mEditIndex; }
    const ConstraintRow& Pending() const { return mPending; }

    // The coefficient field's text for a variable item chosen in the box: nothing for a
    // dialog opened in new mode; in the opened line's coefficient, or empty beyond it.
    std::optional<std::string> CoefficientText(int item) const;

    struct VariableResult {
        bool done = false;  // false: refused with a message, nothing changed
        int item = -1;      // the variable item the press was for
        int nextItem = -1;  // the item to select next; -1 for none (after X9)
        int relation = -1;  // the relation item the box's text named, -1 for none
        std::string preview;
    };
    // Add Var. New mode: the column goes into the pending row, which also takes the
    // relation and right-hand side; the box moves on. Edit mode: the column goes into the
    // edited row, widening every row when it is new; the box stays. A number it would
    // store that is not finite gets a message and changes nothing.
    VariableResult AddVariable(int selectedLine, const ConstraintFields& fields, Prompt& prompt);

    // Add Con. New mode appends the pending row with the typed name, relation and
    // right-hand side; edit mode stores them into the edited row. Either way every row and
    // the objective are then completed to one width and a new empty row is pending.
    // Returns false after a message, with nothing changed.
    bool AddConstraint(int selectedLine, const ConstraintFields& fields, Prompt& prompt);

    // The preview of the pending row: after Add Con, the new empty constraint.
    std::string PendingPreview() const;
    // Which constraint the presses go to: "Adding constraint 4" or "Editing constraint 2: C2".
    std::string ModeText(int selectedLine) const;

  private:
    bool EditMode(int selectedLine) const;
    ConstraintRow& EditedRow();
    VariableResult AddPendingVariable(int item, std::int32_t relation,
                                      const ConstraintFields& fields);
    VariableResult AddEditedVariable(int item, const ConstraintFields& fields);
    bool AddPendingConstraint(const ConstraintFields& fields, Prompt& prompt);
    bool StoreEditedConstraint(const ConstraintFields& fields, Prompt& prompt);
    void FinishConstraint();

    VantrellState& mState;
    ConstraintRow mPending;
    int mEditIndex = -1;
};

}  // namespace vantrell
