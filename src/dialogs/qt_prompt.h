// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <map>
#include <memory>

class QMessageBox;

#include "model/prompt.h"

namespace vantrell {

// Message boxes and file dialogs, parented to the window that is active when they are
// asked for, so they stay above it.
class QtPrompt : public Prompt {
  public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    bool AskToDiscard(const std::string& question) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec& request) override;

    // The folder each kind of file dialog (by its filter) was last left in; a dialog
    // opens there while the folder exists. Kept in the settings between sessions.
    using Folders = std::map<std::string, std::string>;
    const Folders& LastFolders() const { return mLastFolders; }
    void SetLastFolders(Folders folders) { mLastFolders = std::move(folders); }

  private:
    QString StartFolder(const FileDialogSpec& request) const;
    void Remember(const FileDialogSpec& request, const QString& chosen);
    Folders mLastFolders;
};

// The question box; defaultNo makes No the button Enter presses.
std::unique_ptr<QMessageBox> MakeQuestionBox(const std::string& question, bool defaultNo,
                                             QWidget* parent);

// The size a file dialog opens at: wide enough for the name, size, type and date columns.
inline constexpr int kFileDialogWidth = 900;
inline constexpr int kFileDialogHeight = 560;

// The folder a file dialog opens in: the folder of the initial name when it exists
// (relative to the working directory), else the installed examples for a dialog that shows
// them, else the working directory.
QString InitialFolder(const FileDialogSpec& request);

}  // namespace vantrell
