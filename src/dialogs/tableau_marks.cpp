// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tableau_marks.h"

#include <QApplication>
#include <QPainter>
#include <QPoint>

namespace vantrell {
namespace {

const QColor kColumnShade(255, 214, 120, 150);
const QColor kPivotShade(240, 140, 40, 200);

}  // namespace

void TableauMarksDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    const QVariant spanData = index.data(kEnteringSpanRole);
    if (!spanData.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &item, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QFontMetrics metrics(item.font);
    const QPoint span = spanData.toPoint();
    const int left = textRect.left() + margin;
    const int spanLeft = left + metrics.horizontalAdvance(text.left(span.x()));
    const int spanRight = left + metrics.horizontalAdvance(text.left(span.x() + span.y()));
    const bool pivot = index.data(kPivotRowRole).toBool();

    painter->save();
    painter->fillRect(QRect(spanLeft - 2, textRect.top(), spanRight - spanLeft + 4,
                            textRect.height()),
                      pivot ? kPivotShade : kColumnShade);
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter->setFont(item.font);
    painter->drawText(QRect(left, textRect.top(), spanLeft - left, textRect.height()), flags,
                      text.left(span.x()));
    painter->drawText(QRect(spanRight, textRect.top(), textRect.right() - spanRight,
                            textRect.height()),
                      flags, text.mid(span.x() + span.y()));
    // The marked column in bold; the pivot cell also underlined.
    QFont marked = item.font;
    marked.setBold(true);
    marked.setUnderline(pivot);
    painter->setFont(marked);
    painter->setPen(item.palette.color(QPalette::Text));
    painter->drawText(QRect(spanLeft, textRect.top(), spanRight - spanLeft + 8, textRect.height()),
                      flags, text.mid(span.x(), span.y()));
    painter->restore();
}

}  // namespace vantrell
