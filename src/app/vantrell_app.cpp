// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/vantrell_app.h"

#include <QApplication>

#include "app/program_settings.h"

namespace vantrell {

void RestoreWindowSettings(const QSettings& settings, CVantrellDlg& window) {
    ReadOptions(settings, window.State());
    window.SetRecentFiles(ReadRecentFiles(settings));
}

void SaveWindowSettings(QSettings& settings, const CVantrellDlg& window) {
    WriteOptions(settings, window.State());
    WriteRecentFiles(settings, window.RecentFilePaths());
}

CVantrellApp::CVantrellApp()
    : mPlaces(mSettings), mPresenter(mPrompt), mMainDlg(mPrompt, mPresenter) {
    mPresenter.SetParentWindow(&mMainDlg);
    mMainDlg.SetAfterCommandHook([this] { SaveSettings(); });
    mPresenter.SetPageShownHook(
        [this](const VantrellState& state, int page) { mMainDlg.ShowRunPageOnPlot(state, page); });
    qApp->installEventFilter(&mPlaces);
}

void CVantrellApp::RestoreSettings() {
    RestoreWindowSettings(mSettings, mMainDlg);
    mPrompt.SetLastFolders(ReadLastFolders(mSettings));
}

void CVantrellApp::SaveSettings() {
    SaveWindowSettings(mSettings, mMainDlg);
    WriteLastFolders(mSettings, mPrompt.LastFolders());
    mSettings.sync();
}

int CVantrellApp::Run(const std::optional<std::string>& startFile) {
    RestoreSettings();
    if (startFile) {
        mMainDlg.show();
        mMainDlg.OpenFile(*startFile);
    }
    mMainDlg.exec();
    SaveSettings();
    return 0;
}

}  // namespace vantrell
