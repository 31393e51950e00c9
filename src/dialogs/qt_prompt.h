#pragma once

#include <QPointer>
#include <QWidget>

#include "model/prompt.h"

namespace vantrell {

// Message boxes and file dialogs, parented to the window that is active when they are
// asked for, so they stay above it.
class QtPrompt : public Prompt {
  public:
    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec& request) override;
};

// The folder a file dialog opens in: the folder of the initial name when it exists
// (relative to the working directory), else the installed examples for a dialog that shows
// them, else the working directory.
QString InitialFolder(const FileDialogSpec& request);

}  // namespace vantrell
