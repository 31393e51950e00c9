// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QStringList>
#include <QWidget>

namespace vantrell::testing {

// The widgets Tab visits in a window, in the order it visits them.
inline QList<QWidget*> TabOrder(QWidget* window) {
    QList<QWidget*> order;
    QWidget* widget = window;
    do {
        widget = widget->nextInFocusChain();
        if (widget != window && widget->isVisibleTo(window) && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus) && !order.contains(widget)) {
            order << widget;
        }
    } while (widget != window);
    return order;
}

inline QStringList ObjectNames(const QList<QWidget*>& widgets) {
    QStringList names;
    for (QWidget* widget : widgets) {
        names << widget->objectName();
    }
    return names;
}

// Focusable widgets that a screen reader could not name: no accessible name of their own,
// no caption, no label pointing at them.
inline QStringList UnnamedFocusables(QWidget* window) {
    QStringList unnamed;
    for (QWidget* widget : TabOrder(window)) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (accessible == nullptr || accessible->text(QAccessible::Name).trimmed().isEmpty()) {
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                     widget->metaObject()->className());
        }
    }
    return unnamed;
}

}  // namespace vantrell::testing
