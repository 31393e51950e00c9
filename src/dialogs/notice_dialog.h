// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace vantrell {

// A text the program ships, such as the licence, read-only in the fixed font (the licence
// is laid out in columns), with Close.
class CNoticeDlg : public QDialog {
    Q_OBJECT

  public:
    CNoticeDlg(const QString& title, const QString& text, QWidget* parent = nullptr);
};

}  // namespace vantrell
