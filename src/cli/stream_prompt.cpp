// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/stream_prompt.h"

namespace vantrell::cli {

void StreamPrompt::ShowMessage(const std::string& text) {
    ++messageCount_;
    err_ << text;
    if (text.empty() || text.back() != '\n') {
        err_ << '\n';
    }
}

bool StreamPrompt::AskYesNo(const std::string&) {
    return false;
}

std::optional<std::string> StreamPrompt::ChooseFileToOpen(const FileDialogSpec&) {
    return openFile_;
}

std::optional<std::string> StreamPrompt::ChooseFileToSave(const FileDialogSpec&) {
    return saveFile_;
}

}  // namespace vantrell::cli
