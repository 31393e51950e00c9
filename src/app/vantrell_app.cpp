// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/vantrell_app.h"

namespace vantrell {

CVantrellApp::CVantrellApp() : mPresenter(mPrompt), mMainDlg(mPrompt, mPresenter) {
    mPresenter.SetParentWindow(&mMainDlg);
    mPresenter.SetPageShownHook(
        [this](const VantrellState& state, int page) { mMainDlg.ShowRunPageOnPlot(state, page); });
}

int CVantrellApp::Run() {
    mMainDlg.exec();
    return 0;
}

}  // namespace vantrell
