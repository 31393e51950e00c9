// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <vector>

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vantrell {

// Widgets the two input dialogs share.

// A box of fixed items with an edit part the user may type into. Typed text is never
// added as an item, and leaving the box after typing does not pick an item: that would
// count as a pick and replace the coefficient the user typed before. The press that uses
// the box reads its text.
QComboBox* MakeItemBox(const std::vector<std::string>& items, const QString& objectName,
                       QWidget* parent);

// A push button that Enter never presses, not even while it has the focus.
QPushButton* MakePressButton(const QString& caption, const QString& objectName, QWidget* parent);

// A read-only field; a disabled one is greyed as well.
QLineEdit* MakeShownField(const QString& objectName, bool enabled, QWidget* parent);

QLineEdit* MakeInputField(const QString& objectName, QWidget* parent);

// A read-only field of a page window, named for screen readers.
QLineEdit* MakeReadOnlyField(const char* name, const char* accessibleName, QWidget* parent);

// Selects an item, or none with -1 (which empties the edit part).
void SelectItem(QComboBox* box, int item);

std::string TextOf(const QLineEdit* field);
std::string TextOf(const QComboBox* box);
void SetText(QLineEdit* field, const std::string& text);

bool IsEnterKey(const QKeyEvent* event);

// The name a screen reader gives the control; an item box's edit part gets it too, since
// that is what holds the focus.
void NameForScreenReaders(QWidget* widget, const QString& name);

}  // namespace vantrell
