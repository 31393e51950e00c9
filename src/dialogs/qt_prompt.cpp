// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/qt_prompt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "commands/shipped_files.h"
#include "dialogs/program_folder.h"

namespace vantrell {
namespace {

QWidget* ActiveWindow() {
    return QApplication::activeWindow();
}

QString Title() {
    return QStringLiteral("Vantrell");
}

QString FilterText(const FileDialogSpec& request) {
    return QString::fromStdString(request.filterName);
}

}  // namespace

QString InitialFolder(const FileDialogSpec& request) {
    return QtPath(DialogFolder(request, LocalPath(QDir::currentPath()), ProgramFolder()));
}

QString QtPrompt::StartFolder(const FileDialogSpec& request) const {
    const auto last = mLastFolders.find(request.filterName);
    if (last != mLastFolders.end() && QDir(QString::fromStdString(last->second)).exists()) {
        return QString::fromStdString(last->second);
    }
    return InitialFolder(request);
}

void QtPrompt::Remember(const FileDialogSpec& request, const QString& chosen) {
    mLastFolders[request.filterName] = QFileInfo(chosen).absolutePath().toStdString();
}

void QtPrompt::ShowMessage(const std::string& text) {
    QMessageBox::information(ActiveWindow(), Title(), QString::fromStdString(text));
}

std::unique_ptr<QMessageBox> MakeQuestionBox(const std::string& question, bool defaultNo,
                                             QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Question, Title(),
                                             QString::fromStdString(question),
                                             QMessageBox::Yes | QMessageBox::No, parent);
    box->setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
    return box;
}

bool QtPrompt::AskYesNo(const std::string& question) {
    return MakeQuestionBox(question, false, ActiveWindow())->exec() == QMessageBox::Yes;
}

bool QtPrompt::AskToDiscard(const std::string& question) {
    return MakeQuestionBox(question, true, ActiveWindow())->exec() == QMessageBox::Yes;
}

std::optional<std::string> QtPrompt::ChooseFileToOpen(const FileDialogSpec& request) {
    QFileDialog dialog(ActiveWindow(), QStringLiteral("Open"), StartFolder(request),
                       FilterText(request));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.resize(kFileDialogWidth, kFileDialogHeight);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    Remember(request, dialog.selectedFiles().constFirst());
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

std::optional<std::string> QtPrompt::ChooseFileToSave(const FileDialogSpec& request) {
    const QString title =
        request.title.empty() ? QStringLiteral("Save As") : QString::fromStdString(request.title);
    QFileDialog dialog(ActiveWindow(), title, StartFolder(request), FilterText(request));
    if (!request.suggestedName.empty()) {
        dialog.selectFile(QString::fromStdString(request.suggestedName));
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.resize(kFileDialogWidth, kFileDialogHeight);
    // QFileDialog asks before overwriting an existing file unless told not to.
    if (!request.defaultExtension.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    Remember(request, dialog.selectedFiles().constFirst());
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace vantrell
