// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "commands/notice_files.h"
#include "dialogs/notice_dialog.h"
#include "dialogs/program_icon.h"
#include "dialogs/ui_fonts.h"
#include "model/program_version.h"

namespace vantrell {
namespace {

constexpr int kIconSize = 32;

QLabel* NamedLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// Enter stays with OK whichever of these has the focus.
QPushButton* NoticeButton(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    return button;
}

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CAboutDlg::CAboutDlg(Prompt& prompt, std::filesystem::path programFolder, QWidget* parent)
    : QDialog(parent), mPrompt(prompt), mProgramFolder(std::move(programFolder)) {
    setWindowTitle(QStringLiteral("About Vantrell"));
    setFont(FixedDialogFont());

    auto* iconLabel = NamedLabel({}, "iconLabel", this);
    iconLabel->setPixmap(ProgramIcon().pixmap(kIconSize, kIconSize));
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* versionLabel = NamedLabel(
        QStringLiteral("Vantrell Version ") + FromUtf8(ProgramVersion()), "versionLabel", this);
    auto* copyrightLabel =
        NamedLabel(QString::fromStdString(CopyrightLine()), "copyrightLabel", this);
    auto* licenceLabel = NamedLabel(FromUtf8(kLicenceLine), "licenceLabel", this);
    auto* licenceButton = NoticeButton(QStringLiteral("&License"), "licenceButton", this);
    connect(licenceButton, &QPushButton::clicked, this,
            [this] { ShowNotice(kLicenceFileName, QStringLiteral("License")); });
    auto* noticesButton =
        NoticeButton(QStringLiteral("&Third-Party Notices"), "noticesButton", this);
    connect(noticesButton, &QPushButton::clicked, this,
            [this] { ShowNotice(kThirdPartyFileName, QStringLiteral("Third-Party Notices")); });

    auto* noticeButtons = new QHBoxLayout;
    noticeButtons->addWidget(licenceButton);
    noticeButtons->addWidget(noticesButton);
    noticeButtons->addStretch(1);
    auto* texts = new QVBoxLayout;
    texts->addWidget(versionLabel);
    texts->addWidget(copyrightLabel);
    texts->addWidget(licenceLabel);
    texts->addLayout(noticeButtons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(iconLabel, 0, Qt::AlignTop);
    layout->addSpacing(12);
    layout->addLayout(texts, 1);
    layout->addSpacing(24);
    layout->addWidget(okButton, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CAboutDlg::ShowNotice(std::string_view fileName, const QString& title) {
    const auto text = ReadNotice(fileName, mProgramFolder);
    if (!text) {
        mPrompt.ShowMessage(MissingNoticeMessage(fileName));
        return;
    }
    // Over the About box without blocking it, and gone when closed.
    auto* notice = new CNoticeDlg(title, QString::fromStdString(*text), this);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->open();
}

}  // namespace vantrell
