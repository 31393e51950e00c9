#include "dialogs/qt_prompt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
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

QString FilterText(const FileDialogSpec& spec) {
    return QString::fromStdString(spec.filterName);
}

}  // namespace

QString InitialFolder(const FileDialogSpec& spec) {
    return QtPath(DialogFolder(spec, LocalPath(QDir::currentPath()), ProgramFolder()));
}

void QtPrompt::ShowMessage(const std::string& text) {
    QMessageBox::information(ActiveWindow(), Title(), QString::fromStdString(text));
}

bool QtPrompt::AskYesNo(const std::string& question) {
    return QMessageBox::question(ActiveWindow(), Title(), QString::fromStdString(question),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<std::string> QtPrompt::ChooseFileToOpen(const FileDialogSpec& spec) {
    const QString path = QFileDialog::getOpenFileName(ActiveWindow(), QStringLiteral("Open"),
                                                      InitialFolder(spec), FilterText(spec));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(path).toStdString();
}

std::optional<std::string> QtPrompt::ChooseFileToSave(const FileDialogSpec& spec) {
    QFileDialog dialog(ActiveWindow(), QStringLiteral("Save As"), InitialFolder(spec),
                       FilterText(spec));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // QFileDialog asks before overwriting an existing file unless told not to.
    if (!spec.defaultExtension.empty()) {
        dialog.setDefaultSuffix(QString::fromStdString(spec.defaultExtension));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

}  // namespace vantrell
