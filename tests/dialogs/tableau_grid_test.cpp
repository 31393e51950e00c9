// SPDX-License-Identifier: GPL-3.0-or-later
// The grid view of a tableau: one cell per number under its heading, the textbook's Z
// place, the marks that are more than colour, and which windows show it.
#include "dialogs/tableau_grid.h"

#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "commands/calculate_commands.h"
#include "dialogs/tableau_dialog.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"

namespace vantrell {
namespace {

// A page as the fraction view writes it: M expressions that, run together in a line of
// text, read as one expression ("-M + 2 -6").
TableauPage ExpressionPage() {
    TableauPage page;
    page.mRows = {{"", "Cj", "2", "-6", "0", "-M"},
                  {"Cb", "Basis", "X1", "X2", "S1", "a1", "Bi", "Bi/Aij"},
                  {"0", "S1", "1", "1", "1", "0", "4", "4"},
                  {"-M", "a1", "1", "-1/2", "0", "1", "3", "3"},
                  {"", "Zj", "-M", "M/2", "0", "-M"},
                  {"", "Cj-Zj", "M + 2", "-M/2 - 6", "0", "0", "-3M"}};
    page.mEntering = "X1";
    page.mLeaving = "a1";
    return page;
}

QStringList Headers(const QTableWidget& grid) {
    QStringList headers;
    for (int c = 0; c < grid.columnCount(); ++c) {
        headers << grid.horizontalHeaderItem(c)->text();
    }
    return headers;
}

QString Cell(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item != nullptr ? item->text() : QString();
}

}  // namespace

class TableauGridTest : public QObject {
    Q_OBJECT

  private slots:
    // Each number in a cell of its own under its heading; Z on the Zj row under Bi.
    void oneCellPerNumberUnderItsHeading() {
        TableauGrid grid;
        const TableauPage page = ExpressionPage();
        grid.ShowPage(page, 2, 1);
        QCOMPARE(Headers(grid),
                 (QStringList{"Cb", "Basis", "X1", "X2", "S1", "a1", "Bi", "Bi/Aij"}));
        QCOMPARE(grid.rowCount(), 5);
        const struct {
            const char* name;
            int row, column;
            const char* text;
        } cells[] = {
            {"Cj of X2", 0, 3, "-6"},
            {"Cj of a1", 0, 5, "-M"},
            {"Cb of the a1 row", 2, 0, "-M"},
            {"fraction", 2, 3, "-1/2"},
            {"ratio", 2, 7, "3"},
            {"Zj", 3, 3, "M/2"},
            {"Z on the Zj row", 3, 6, "-3M"},
            {"Cj-Zj with M", 4, 2, "M + 2"},
            {"next Cj-Zj apart", 4, 3, "-M/2 - 6"},
            {"no Z on Cj-Zj", 4, 6, ""},
        };
        for (const auto& c : cells) {
            QVERIFY2(Cell(grid, c.row, c.column) == QLatin1String(c.text), c.name);
        }
    }

    // The entering column bold, the pivot cell also underlined, the leaving row current
    // and marked by an arrow in front of it: colour is never the only sign.
    void marksAreMoreThanColour() {
        TableauGrid grid;
        grid.ShowPage(ExpressionPage(), 2, 1);
        for (int row = 0; row < grid.rowCount(); ++row) {
            QVERIFY(grid.item(row, 2)->font().bold());
            QCOMPARE(grid.item(row, 2)->font().underline(), row == 2);
            QVERIFY(!grid.item(row, 3) || !grid.item(row, 3)->font().bold());
        }
        QVERIFY(grid.horizontalHeaderItem(2)->font().bold());
        QCOMPARE(grid.currentRow(), 2);
        QCOMPARE(grid.verticalHeaderItem(2)->text(), QStringLiteral("\u2192"));
        QVERIFY(grid.verticalHeaderItem(1)->text().isEmpty());

        // A last page marks nothing and selects no row.
        grid.ShowPage(ExpressionPage(), std::nullopt, -1);
        QVERIFY(!grid.item(0, 2)->font().bold());
        QVERIFY(grid.selectedItems().isEmpty());
    }

    // Fractions and expressions show the grid; decimals keep the text lines unless the
    // option asks for the grid. The window is wide enough for every column.
    void theTableauWindowShowsTheGridForTheOptionsThatNeedIt() {
        const struct {
            const char* name;
            DisplayOptions display;
            bool grid;
        } rows[] = {
            {"decimals", {}, false},
            {"fractions", {NumberStyle::Fractions, BigMStyle::Pairs}, true},
            {"expressions", {NumberStyle::Decimals, BigMStyle::Expressions}, true},
            {"decimals in a grid", {NumberStyle::Decimals, BigMStyle::Pairs, true}, true},
        };
        for (const auto& r : rows) {
            VantrellState state;
            state.mDisplay = r.display;
            state.mLeavingRow = 1;
            testing::ScriptedPrompt prompt;
            CTableauDlg dialog(ExpressionPage(), state, prompt);
            dialog.show();
            auto* grid = dialog.findChild<TableauGrid*>("tableauGrid");
            auto* list = dialog.findChild<QListWidget*>("tableauList");
            QVERIFY2(grid->isVisible() == r.grid && list->isVisible() == !r.grid, r.name);
            if (r.grid) {
                int columns = grid->verticalHeader()->width();
                for (int c = 0; c < grid->columnCount(); ++c) {
                    columns += grid->columnWidth(c);
                }
                QVERIFY2(grid->viewport()->width() + grid->verticalHeader()->width() >= columns,
                         r.name);
            }
        }
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::TableauGridTest)
#include "tableau_grid_test.moc"
