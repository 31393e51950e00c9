#pragma once

#include <QDialog>

namespace vantrell {

// "About Vantrell": the program icon, its name and version, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT

  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace vantrell
