// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/help_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QListWidget>
#include <QStringDecoder>
#include <QVBoxLayout>

#include "commands/help_text.h"
#include "dialogs/program_folder.h"

namespace vantrell {
namespace {

// The guide is 8-bit text; a copy saved as UTF-8 is shown as such, anything else byte
// for byte.
QString GuideLineText(const std::string& line) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(QByteArray::fromStdString(line));
    return utf8.hasError() ? QString::fromLatin1(line.data(), static_cast<qsizetype>(line.size()))
                           : text;
}

}  // namespace

CHelpDlg::CHelpDlg(VantrellState& state, Prompt& prompt, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Help Dialog"));
    setWindowFlag(Qt::WindowMinMaxButtonsHint);
    setSizeGripEnabled(true);
    // Proportional text, even when opened from a window with the fixed font.
    setFont(QApplication::font());

    mList = new QListWidget(this);
    mList->setObjectName(QStringLiteral("helpList"));
    mList->setAccessibleName(QStringLiteral("User's Guide"));
    mList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mList->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(mList);

    // About the size the guide window has always had: 376 x 248 dialog units.
    const QFontMetrics metrics(font());
    resize(metrics.averageCharWidth() * 376 / 4, metrics.height() * 248 / 8);

    // Read from the start directory by its path: opening the guide leaves the process's
    // current directory alone. An installed program has it in its data folder.
    const GuideReading guide = ReadGuide(state.mWorkDir, ProgramFolder());
    if (!guide.found) {
        prompt.ShowMessage(kMissingGuideMessage);
    }
    FillList(guide.lines);
}

void CHelpDlg::FillList(const std::vector<std::string>& lines) {
    mList->clear();
    for (const std::string& line : lines) {
        mList->addItem(GuideLineText(line));
    }
}

void CHelpDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vantrell
