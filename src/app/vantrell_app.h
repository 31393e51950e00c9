// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>
#include <optional>
#include <string>

#include "app/vantrell_dlg.h"
#include "app/window_places.h"
#include "dialogs/qt_page_presenter.h"
#include "dialogs/qt_prompt.h"

namespace vantrell {

// The application object: it holds the main window, and the program runs while that
// window is open. The options, recent files, dialog folders and window places are read
// from the settings at start and written back after every command and at the end.
class CVantrellApp {
  public:
    CVantrellApp();
    // Shows the main window modally, with the problem file given on the command line
    // opened; returns the process's exit status.
    int Run(const std::optional<std::string>& startFile = std::nullopt);

  private:
    void RestoreSettings();
    void SaveSettings();

    QSettings mSettings;
    WindowPlaces mPlaces;
    QtPrompt mPrompt;
    QtPagePresenter mPresenter;
    CVantrellDlg mMainDlg;
};

// What the settings keep of the main window, read into and written from it; the app
// and the tests use the same two functions.
void RestoreWindowSettings(const QSettings& settings, CVantrellDlg& window);
void SaveWindowSettings(QSettings& settings, const CVantrellDlg& window);

}  // namespace vantrell
