// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

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

}  // namespace vantrell
