// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

#include "model/tableau_page.h"

class QGridLayout;
class QLineEdit;
class QListWidget;

namespace vantrell {

// Item data of a tableau line: the span of the entering column in its text (a QPoint of
// first character and width), and whether the line is the pivot row.
inline constexpr int kEnteringSpanRole = Qt::UserRole + 1;
inline constexpr int kPivotRowRole = Qt::UserRole + 2;

// Paints a tableau line with its entering column shaded and in bold, and the pivot cell
// (the column on the pivot row) in a stronger shade, bold and underlined: colour is never
// the only sign. The text stays where the plain line would put it, character for character.
class TableauMarksDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

// A list that shows tableau lines in the fixed font with the marks: the tableau and the
// review window both show their pages through it.
void SetUpTableauList(QListWidget* list);
// Replaces the list's lines by the page's, marking the entering column and, where
// leavingRow is a row of the page (0 the first constraint row), the pivot row, which
// becomes the current line. Returns the widest line's width in pixels.
int ShowTableauLines(QListWidget* list, const TableauPage& page, int leavingRow);
// The second row of a page window's fields: "X leaves Y enters Pivot Value P".
void AddPivotFieldsRow(QGridLayout* fields, QLineEdit* leaving, QLineEdit* entering,
                       QLineEdit* pivot);

}  // namespace vantrell
