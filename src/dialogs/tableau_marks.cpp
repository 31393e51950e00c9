// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/tableau_marks.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPoint>
#include <algorithm>

namespace vantrell {
namespace {

const QColor kColumnShade(255, 214, 120, 150);
const QColor kPivotShade(240, 140, 40, 200);
// Room around an item's text: the delegate's margins on both sides.
constexpr int kItemMargin = 8;

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
    painter->fillRect(
        QRect(spanLeft - 2, textRect.top(), spanRight - spanLeft + 4, textRect.height()),
        pivot ? kPivotShade : kColumnShade);
    const bool selected = (item.state & QStyle::State_Selected) != 0;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    painter->setFont(item.font);
    painter->drawText(QRect(left, textRect.top(), spanLeft - left, textRect.height()), flags,
                      text.left(span.x()));
    painter->drawText(
        QRect(spanRight, textRect.top(), textRect.right() - spanRight, textRect.height()), flags,
        text.mid(span.x() + span.y()));
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

void SetUpTableauList(QListWidget* list) {
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setItemDelegate(new TableauMarksDelegate(list));
}

int ShowTableauLines(QListWidget* list, const TableauPage& page, int leavingRow) {
    list->clear();
    // Every line has the fixed font's height, so the list need not shape each long line to
    // measure it: all items take the widest line's size, measured once.
    const std::vector<std::string> lines = page.Lines();
    std::size_t widest = 0;
    for (const std::string& line : lines) {
        widest = std::max(widest, line.size());
    }
    const QFontMetrics metrics(list->font());
    const int widestPixels =
        metrics.horizontalAdvance(QString(static_cast<qsizetype>(widest), u'0'));
    const QSize itemSize(widestPixels + kItemMargin, metrics.height());
    list->setUniformItemSizes(true);

    const std::optional<std::size_t> entering = page.EnteringColumn();
    const TableauPage::Span span = entering ? page.ColumnSpan(*entering) : TableauPage::Span{};
    // The first two lines are the Cj line and the headings; the pivot row follows.
    const int pivotLine = leavingRow != -1 ? leavingRow + 2 : -1;
    for (std::size_t line = 0; line < lines.size(); ++line) {
        auto* item = new QListWidgetItem(QString::fromStdString(lines[line]));
        item->setSizeHint(itemSize);
        if (entering) {
            item->setData(kEnteringSpanRole,
                          QPoint(static_cast<int>(span.start), static_cast<int>(span.length)));
            item->setData(kPivotRowRole, static_cast<int>(line) == pivotLine);
        }
        list->addItem(item);
    }
    if (pivotLine != -1) {
        list->setCurrentRow(pivotLine);
    }
    return widestPixels;
}

void AddPivotFieldsRow(QGridLayout* fields, QLineEdit* leaving, QLineEdit* entering,
                       QLineEdit* pivot) {
    QWidget* window = leaving->parentWidget();
    fields->addWidget(leaving, 1, 0);
    fields->addWidget(new QLabel(QStringLiteral("leaves"), window), 1, 1);
    fields->addWidget(entering, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("enters"), window), 1, 3);
    fields->addWidget(new QLabel(QStringLiteral("Pivot Value"), window), 1, 4, Qt::AlignRight);
    fields->addWidget(pivot, 1, 5);
    fields->setColumnStretch(0, 1);
    fields->setColumnStretch(2, 1);
}

}  // namespace vantrell
