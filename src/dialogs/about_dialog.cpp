#include "dialogs/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "dialogs/program_icon.h"
#include "dialogs/ui_fonts.h"

namespace vantrell {
namespace {

constexpr int kIconSize = 32;

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Vantrell"));
    setFont(FixedDialogFont());

    auto* iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconLabel"));
    iconLabel->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    auto* versionLabel = new QLabel(QStringLiteral("Vantrell Version 1.0"), this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(iconLabel, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addWidget(versionLabel, 1, Qt::AlignVCenter);
    layout->addSpacing(24);
    layout->addWidget(okButton, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vantrell
