#include "dialogs/excel_dialog.h"

#include <QHeaderView>
#include <QLayout>
#include <QTableWidget>
#include <QtTest>

namespace vantrell {

class ExcelDialogTest : public QObject {
    Q_OBJECT

    static VantrellState TwoPages() {
        VantrellState state;
        state.mPages[0].mRows = {{"", "Cj", "(0.000, -1.000M)"},
                                 {"Cb", "Basis", "a1", "Bi", "Bi/Aij"}};
        state.mPages[1].mRows = {{"", "Cj", "-4.000"}, {"Cb", "Basis", "Y1", "Bi", "Bi/Aij"}};
        state.mTableauCount = 2;
        return state;
    }

    static QString Text(const QTableWidget* table, int row, int column) {
        const QTableWidgetItem* item = table->item(row, column);
        return item == nullptr ? QStringLiteral("<none>") : item->text();
    }

  private slots:
    void showsTheCellsWhereTheWorkbookHasThem() {
        CExcelDlg dialog(TwoPages());
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Excel Dialog"));
        auto* table = dialog.findChild<QTableWidget*>("sheetTable");
        QVERIFY(table != nullptr);
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("A"));
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("F"));
        QCOMPARE(table->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));

        QCOMPARE(Text(table, 0, 2), QStringLiteral("Cj"));
        QCOMPARE(Text(table, 0, 3), QStringLiteral("(0.000, -1.000M)"));
        QCOMPARE(Text(table, 0, 4), QStringLiteral("<none>"));
        QCOMPARE(Text(table, 1, 5), QStringLiteral("Bi/Aij"));
        QCOMPARE(Text(table, 3, 3), QStringLiteral("-4.000"));
        QCOMPARE(Text(table, 4, 3), QStringLiteral("Y1"));
        for (int row = 0; row < table->rowCount(); ++row) {
            QCOMPARE(Text(table, row, 0), QStringLiteral("<none>"));
        }
        for (int column = 0; column < table->columnCount(); ++column) {
            QCOMPARE(Text(table, 2, column), QStringLiteral("<none>"));
        }
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    }

    void sheetFillsTheResizedWindow() {
        CExcelDlg dialog(TwoPages());
        dialog.show();
        for (const QSize size : {QSize(900, 600), QSize(420, 260)}) {
            dialog.resize(size);
            dialog.layout()->activate();
            auto* table = dialog.findChild<QTableWidget*>("sheetTable");
            QCOMPARE(table->geometry(), QRect(0, 0, size.width() - 10, size.height() - 10));
        }
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::ExcelDialogTest)
#include "excel_dialog_test.moc"
