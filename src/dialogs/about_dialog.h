// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <filesystem>
#include <string_view>

#include "model/prompt.h"

namespace vantrell {

// "About Vantrell": the program icon, its name and version, the copyright and licence
// lines, buttons that show the licence and the third-party notices the program ships
// (found from the program's folder), and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    CAboutDlg(Prompt& prompt, std::filesystem::path programFolder, QWidget* parent = nullptr);

  private:
    // Opens the file in a window of its own over this one, or says it cannot be read.
    void ShowNotice(std::string_view fileName, const QString& title);

    Prompt& mPrompt;
    std::filesystem::path mProgramFolder;
};

}  // namespace vantrell
