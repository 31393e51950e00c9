#include "dialogs/excel_dialog.h"

#include <QLayout>
#include <QTableWidget>
#include <QtTest>

namespace vantrell {

class ExcelDialogTest : public QObject {
    Q_OBJECT

  private slots:
    // Page rows from column B on, one empty row between pages; the sheet fills the window.
    void showsTheCellsWhereTheWorkbookHasThemAndFillsTheWindow() {
        VantrellState state;
        state.mPages[0].mRows = {{"", "Cj", "(0.000, -1.000M)"},
                                 {"Cb", "Basis", "a1", "Bi", "Bi/Aij"}};
        state.mPages[1].mRows = {{"", "Cj", "-4.000"}, {"Cb", "Basis", "Y1", "Bi", "Bi/Aij"}};
        state.mTableauCount = 2;
        CExcelDlg dialog(state);
        auto* table = dialog.findChild<QTableWidget*>("sheetTable");
        const auto text = [table](int row, int column) {
            const QTableWidgetItem* item = table->item(row, column);
            return item == nullptr ? QStringLiteral("<none>") : item->text();
        };
        QCOMPARE(table->rowCount(), 5);
        QCOMPARE(table->columnCount(), 6);
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QStringLiteral("F"));
        QCOMPARE(table->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("3"));
        QCOMPARE(text(0, 3), QStringLiteral("(0.000, -1.000M)"));
        QCOMPARE(text(0, 4), QStringLiteral("<none>"));
        QCOMPARE(text(1, 5), QStringLiteral("Bi/Aij"));
        QCOMPARE(text(4, 3), QStringLiteral("Y1"));
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(text(i % 5, 0), QStringLiteral("<none>"));
            QCOMPARE(text(2, i), QStringLiteral("<none>"));
        }
        QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);

        dialog.show();
        for (const QSize size : {QSize(900, 600), QSize(420, 260)}) {
            dialog.resize(size);
            dialog.layout()->activate();
            QCOMPARE(table->geometry(), QRect(0, 0, size.width() - 10, size.height() - 10));
        }
    }
};

}  // namespace vantrell

QTEST_MAIN(vantrell::ExcelDialogTest)
#include "excel_dialog_test.moc"
