// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "model/prompt.h"
#include "model/vantrell_state.h"

class QKeyEvent;
class QListWidget;

namespace vantrell {

// "Help Dialog": the user's guide, onlinehelp.txt from the start directory or else from the
// installed data folder, one list line per text line. A missing guide is reported through the
// prompt while the dialog is made, and the message stays in the list as its only line.
class CHelpDlg : public QDialog {
    Q_OBJECT

  public:
    CHelpDlg(VantrellState& state, Prompt& prompt, QWidget* parent = nullptr);

  protected:
    // Enter closes the guide like Esc does; there is no button to take it.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FillList(const std::vector<std::string>& lines);

    QListWidget* mList = nullptr;
};

}  // namespace vantrell
