// SPDX-License-Identifier: GPL-3.0-or-later
// The Sensitivity window's what-if: typed in the command line's words, applied with Enter or
// the button, answered in its list as the core answers it.
#include "dialogs/sensitivity_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "support/problem_builders.h"
#include "teach/duality.h"
#include "teach/run_story.h"
#include "teach/what_if_text.h"

namespace vantrell {

class SensitivityDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void WhatIfAppliesAndRefuses() {
        const VantrellState state = testing::SolvedState(testing::ThreePlants());
        const NoteNumbers numbers = NoteNumbersOf(state);
        const auto current = SensitivityOfCurrentRun(state);
        QVERIFY(current.has_value());
        CSensitivityDlg dialog(*current, numbers, nullptr,
                               DualityLines(*KeptRunDuality(state), numbers),
                               [&](const std::string& typed) {
                                   return WhatIfLines(typed, state.mPrimal, state.mMinimize,
                                                      state.mPivotRule, numbers);
                               });
        dialog.show();
        auto* field = dialog.findChild<QLineEdit*>("whatIfField");
        auto* list = dialog.findChild<QListWidget*>("whatIfList");
        auto* constraints = dialog.findChild<QTableWidget*>("constraintsTable");
        QVERIFY(field && list && constraints);
        bool labelled = false;
        for (const QLabel* label : dialog.findChildren<QLabel*>()) {
            labelled = labelled || (label->buddy() == field && label->text().startsWith("&W"));
        }
        QVERIFY(labelled);
        const auto lines = [list] {
            QStringList text;
            for (int i = 0; i < list->count(); ++i) {
                text << list->item(i)->text();
            }
            return text;
        };
        const auto price = constraints->item(2, 1)->text();

        const struct {
            const char* name;
            const char* typed;
            bool enter;                         // Enter in the field, else the Apply button
            std::vector<WhatIfChange> changes;  // none: a change that is refused
            const char* shows;                  // a line the list must hold
        } rows[] = {
            {"OutOfRangeRhsReoptimized",
             "rhs C3=30",
             true,
             {{WhatIfChange::Kind::Rhs, "C3", 30.0, {}, kLessEqual}},
             "C3: right-hand side"},
            {"SeveralChangesByTheButton",
             "rhs C2=13; rhs C3=19",
             false,
             {{WhatIfChange::Kind::Rhs, "C2", 13.0, {}, kLessEqual},
              {WhatIfChange::Kind::Rhs, "C3", 19.0, {}, kLessEqual}},
             "100"},
            {"BadChangeShowsItsMessage", "rhs C9=1", true, {}, "There is no constraint named C9"},
        };
        for (const auto& row : rows) {
            field->clear();
            QTest::keyClicks(field, row.typed);
            if (row.enter) {
                QTest::keyClick(field, Qt::Key_Return);
            } else {
                QTest::mouseClick(dialog.findChild<QPushButton*>("applyButton"), Qt::LeftButton);
            }
            QVERIFY2(dialog.isVisible(), row.name);
            const QStringList shown = lines();
            QVERIFY2(shown.filter(row.shows).size() > 0, row.name);
            if (row.changes.empty()) {
                QCOMPARE(shown, QStringList{row.shows});
                QCOMPARE(constraints->item(2, 1)->text(), price);
                continue;
            }
            // The new optimum is the one the whatif command prints from the same core.
            const WhatIfAnswer answer =
                WhatIf(state.mPrimal, state.mMinimize, state.mPivotRule, row.changes, numbers);
            const auto optimum = StatedOptimumLine(answer.run, numbers);
            QVERIFY2(optimum.has_value(), row.name);
            QVERIFY2(shown.contains(QString::fromStdString(*optimum)), row.name);
        }
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::SensitivityDialogTest)
#include "sensitivity_dialog_test.moc"
