#include "dialogs/qt_page_presenter.h"

#include "dialogs/tableau_dialog.h"

namespace vantrell {

void QtPagePresenter::ShowPage(const VantrellState& state, const TableauPage& page) {
    CTableauDlg dialog(page, state, mPrompt, mParent);
    if (state.mTableauCount <= 1) {
        mGeometry.clear();  // a new run
    }
    if (!mGeometry.isEmpty()) {
        dialog.restoreGeometry(mGeometry);
    }
    dialog.exec();
    mGeometry = dialog.saveGeometry();
}

}  // namespace vantrell
