// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/vantrell_dlg.h"
#include "dialogs/qt_page_presenter.h"
#include "dialogs/qt_prompt.h"

namespace vantrell {

// The application object: it holds the main window, and the program runs while that
// window is open.
class CVantrellApp {
  public:
    CVantrellApp();
    // Shows the main window modally; returns the process's exit status.
    int Run();

  private:
    QtPrompt mPrompt;
    QtPagePresenter mPresenter;
    CVantrellDlg mMainDlg;
};

}  // namespace vantrell
