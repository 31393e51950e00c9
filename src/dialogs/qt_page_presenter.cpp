#include "dialogs/qt_page_presenter.h"

#include "dialogs/tableau_dialog.h"

namespace vantrell {

void QtPagePresenter::ShowPage(const VantrellState& state, const TableauPage& page) {
    CTableauDlg dialog(page, state, mPrompt, mParent);
    dialog.exec();
}

}  // namespace vantrell
