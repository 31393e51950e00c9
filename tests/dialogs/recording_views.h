// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QtTest>
#include <initializer_list>

#include "dialogs/main_views.h"

namespace vantrell::testing {

// Stands in for the main window: records which refreshes were asked for, in order, and
// lets the test choose the selected line of the primal list. Like the real list, a
// redraw of the primal constraints leaves no line selected.
class RecordingViews : public MainViews {
  public:
    void ShowPrimalObjective() override { calls << QStringLiteral("ShowPrimalObjective"); }
    void ShowPrimalConstraints() override {
        calls << QStringLiteral("ShowPrimalConstraints");
        selected = -1;
    }
    void ShowDualObjective() override { calls << QStringLiteral("ShowDualObjective"); }
    void ShowDualConstraints() override { calls << QStringLiteral("ShowDualConstraints"); }
    void RebuildDual() override { calls << QStringLiteral("RebuildDual"); }
    int SelectedConstraint() const override { return selected; }

    QStringList calls;
    int selected = -1;
};

// What the dialogs ask after a press that changed the primal.
inline QStringList RefreshAfterChange() {
    return {QStringLiteral("ShowPrimalConstraints"), QStringLiteral("ShowPrimalObjective"),
            QStringLiteral("RebuildDual"), QStringLiteral("ShowDualObjective")};
}

// Return and the keypad's Enter on each widget in turn, as a user ending a field would.
inline void PressEnterIn(std::initializer_list<QWidget*> widgets) {
    for (QWidget* widget : widgets) {
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key_Return);
        QTest::keyClick(widget, Qt::Key_Enter, Qt::KeypadModifier);
    }
}

}  // namespace vantrell::testing
