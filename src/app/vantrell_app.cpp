// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/vantrell_app.h"

namespace vantrell {

CVantrellApp::CVantrellApp() : mPresenter(mPrompt), mMainDlg(mPrompt, mPresenter) {
    mPresenter.SetParentWindow(&mMainDlg);
}

int CVantrellApp::Run() {
    mMainDlg.exec();
    return 0;
}

}  // namespace vantrell
