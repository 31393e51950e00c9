// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/notice_dialog.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantrell {

CNoticeDlg::CNoticeDlg(const QString& title, const QString& text, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    setSizeGripEnabled(true);

    auto* view = new QPlainTextEdit(text, this);
    view->setObjectName(QStringLiteral("noticeText"));
    view->setAccessibleName(title);
    view->setReadOnly(true);
    view->setLineWrapMode(QPlainTextEdit::NoWrap);
    view->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("closeButton"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(buttons);

    // Wide enough for the licence's 80 columns, and a page of it.
    const QFontMetrics metrics(view->font());
    resize(metrics.horizontalAdvance(QLatin1Char('x')) * 84, metrics.lineSpacing() * 36);
}

}  // namespace vantrell
