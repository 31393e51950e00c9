// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace vantrell {

// What a file dialog is opened with. initialName is relative to the working directory,
// such as "../Vantrell/data/*.lp"; the dialog opens in its folder when that exists.
struct FileDialogSpec {
    std::string initialName;
    std::string filterName;        // "Output File (*.lp)"
    std::string pattern;           // "*.lp"
    std::string defaultExtension;  // "lp", or empty for none
    // When the initial folder is missing, as it is for an installed program, the dialog
    // opens in the installed example problems rather than the working directory.
    bool showsExamples = false;
    // The dialog's title, "Save As" or "Open" when empty, and the file name it suggests.
    std::string title = {};
    std::string suggestedName = {};
};

// Every message, question and file choice of the commands goes through here, so the
// windows, the batch front end and the tests each answer them their own way.
class Prompt {
  public:
    virtual ~Prompt() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& question) = 0;
    // A question whose Yes deletes or discards something: No is the answer a stray Enter
    // gives. Front ends without a default answer ask it as any other question.
    virtual bool AskToDiscard(const std::string& question) { return AskYesNo(question); }
    virtual std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) = 0;
    // The dialog asks before overwriting an existing file.
    virtual std::optional<std::string> ChooseFileToSave(const FileDialogSpec& request) = 0;
};

// Says nothing and answers No to every question: for work that must not talk to the user,
// such as checking a generated exercise.
class SilentPrompt : public Prompt {
  public:
    void ShowMessage(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return false; }
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec&) override { return {}; }
};

}  // namespace vantrell
