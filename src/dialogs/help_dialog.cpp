// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/help_dialog.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QStringDecoder>
#include <QStyle>
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
    mContents = new QListWidget(this);
    mContents->setObjectName(QStringLiteral("helpContents"));
    mContents->setAccessibleName(QStringLiteral("Contents"));
    // A click or Enter on a section shows it; so do the arrow keys as they move.
    connect(mContents, &QListWidget::currentRowChanged, this, &CHelpDlg::JumpToSection);
    connect(mContents, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { JumpToSection(mContents->row(item)); });
    mContents->installEventFilter(this);
    auto* contentsLabel = new QLabel(QStringLiteral("&Contents"), this);
    contentsLabel->setBuddy(mContents);
    auto* side = new QVBoxLayout;
    side->addWidget(contentsLabel);
    side->addWidget(mContents, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(side);
    layout->addWidget(mList, 1);

    // Read from the start directory by its path: opening the guide leaves the process's
    // current directory alone. An installed program has it in its data folder.
    const GuideReading guide = ReadGuide(state.mWorkDir, ProgramFolder());
    if (!guide.found) {
        prompt.ShowMessage(kMissingGuideMessage);
    }
    FillList(guide.lines);

    // Wide enough for the guide's longest line beside the contents, tall enough for a
    // page of it; never larger than the screen.
    const QFontMetrics metrics(font());
    int guideWidth = 0;
    for (int row = 0; row < mList->count(); ++row) {
        guideWidth = std::max(guideWidth, metrics.horizontalAdvance(mList->item(row)->text()));
    }
    int contentsWidth = 0;
    for (int row = 0; row < mContents->count(); ++row) {
        contentsWidth =
            std::max(contentsWidth, metrics.horizontalAdvance(mContents->item(row)->text()));
    }
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    contentsWidth += scrollBar + 2 * mContents->frameWidth() + 16;
    mContents->setFixedWidth(std::min(contentsWidth, 360));
    const int listChrome = scrollBar + 2 * mList->frameWidth() + 16;
    QSize wanted(mContents->width() + guideWidth + listChrome + 20 + layout->spacing(),
                 metrics.lineSpacing() * 40);
    if (const QScreen* screen = this->screen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size() - QSize(40, 60));
    }
    resize(wanted);
}

void CHelpDlg::JumpToSection(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= mSections.size()) {
        return;
    }
    const GuideSection& section = mSections[static_cast<std::size_t>(index)];
    QListWidgetItem* item = mList->item(static_cast<int>(section.line));
    if (item != nullptr) {
        mList->setCurrentItem(item);
        mList->scrollToItem(item, QAbstractItemView::PositionAtTop);
    }
}

void CHelpDlg::FillList(const std::vector<std::string>& lines) {
    mList->clear();
    for (const std::string& line : lines) {
        mList->addItem(GuideLineText(line));
    }
    mSections = GuideSections(lines);
    mContents->clear();
    for (const GuideSection& section : mSections) {
        mContents->addItem(GuideLineText(section.title));
    }
}

bool CHelpDlg::eventFilter(QObject* watched, QEvent* event) {
    // On the contents Enter shows the section; the guide stays open.
    if (watched == mContents && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            JumpToSection(mContents->currentRow());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CHelpDlg::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vantrell
