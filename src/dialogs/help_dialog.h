// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "commands/help_text.h"
#include "model/prompt.h"
#include "model/vantrell_state.h"

class QKeyEvent;
class QListWidget;

namespace vantrell {

// "Help Dialog": the user's guide, onlinehelp.txt from the start directory or else from the
// installed data folder, one list line per text line. A missing guide is reported through the
// prompt while the dialog is made, and the message stays in the list as its only line.
// A contents list beside it jumps to a section; the window is as wide as the guide's lines.
class CHelpDlg : public QDialog {
    Q_OBJECT

  public:
    CHelpDlg(VantrellState& state, Prompt& prompt, QWidget* parent = nullptr);

  protected:
    // Enter closes the guide like Esc does (there is no button to take it), except on the
    // contents, where it shows the section.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FillList(const std::vector<std::string>& lines);
    // Shows section `index` of the contents at the top of the guide.
    void JumpToSection(int index);

    QListWidget* mList = nullptr;
    QListWidget* mContents = nullptr;
    std::vector<GuideSection> mSections;
};

}  // namespace vantrell
