// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "model/prompt.h"

namespace vantrell::fuzz {

// Answers like a user who reads every message, says No and cancels every file dialog,
// so a run never touches the file system.
class QuietPrompt : public Prompt {
  public:
    void ShowMessage(const std::string&) override { ++messages; }
    bool AskYesNo(const std::string&) override { return false; }
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec&) override {
        return std::nullopt;
    }

    int messages = 0;
};

}  // namespace vantrell::fuzz
