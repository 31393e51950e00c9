// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "model/prompt.h"

namespace vantrell::cli {

// Answers the commands' questions without a person: messages go to the error stream,
// questions are answered No, the Open dialog picks the file given on the command line
// and the Save As dialog the output file (or is cancelled when there is none).
class StreamPrompt : public Prompt {
  public:
    StreamPrompt(std::ostream& err, std::string openFile, std::optional<std::string> saveFile)
        : err_(err), openFile_(std::move(openFile)), saveFile_(std::move(saveFile)) {}

    void ShowMessage(const std::string& text) override;
    bool AskYesNo(const std::string& question) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec& request) override;

    int messageCount() const { return messageCount_; }

  private:
    std::ostream& err_;
    std::string openFile_;
    std::optional<std::string> saveFile_;
    int messageCount_ = 0;
};

}  // namespace vantrell::cli
