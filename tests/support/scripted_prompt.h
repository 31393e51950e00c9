// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/prompt.h"

namespace vantrell::testing {

// Records every message and question, and answers from queues filled by the test.
// An unexpected question or file dialog is answered No / Cancel and recorded.
class ScriptedPrompt : public Prompt {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    bool AskYesNo(const std::string& question) override {
        questions.push_back(question);
        if (answers.empty()) {
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    bool AskToDiscard(const std::string& question) override {
        discardQuestions.push_back(question);
        return AskYesNo(question);
    }

    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) override {
        openSpecs.push_back(request);
        return Next(openFiles);
    }

    std::optional<std::string> ChooseFileToSave(const FileDialogSpec& request) override {
        saveSpecs.push_back(request);
        return Next(saveFiles);
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    // The questions asked with No as the default answer.
    std::vector<std::string> discardQuestions;
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> openFiles;
    std::deque<std::optional<std::string>> saveFiles;
    std::vector<FileDialogSpec> openSpecs;
    std::vector<FileDialogSpec> saveSpecs;

  private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) {
            return std::nullopt;
        }
        auto next = queue.front();
        queue.pop_front();
        return next;
    }
};

}  // namespace vantrell::testing
