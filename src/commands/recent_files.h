// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/prompt.h"

namespace vantrell {

// The problems last opened or saved, newest first, as the File menu lists them.
class RecentFiles {
  public:
    static constexpr std::size_t kMaxEntries = 5;

    // The list as it was stored: empty and repeated entries are dropped, and only the
    // first five are kept, so a damaged store cannot make a long menu.
    void Assign(const std::vector<std::string>& paths);
    // Puts path first; an entry for the same file moves up rather than appearing twice.
    void Add(const std::string& path);
    void Remove(const std::string& path);
    const std::vector<std::string>& Paths() const { return paths_; }

  private:
    std::vector<std::string> paths_;
};

// The menu caption of entry index (0-based): "&1 sample.lp", the number its mnemonic.
// An "&" in the file name is doubled so that it shows as itself.
std::string RecentFileCaption(std::size_t index, const std::string& path);

// Passes everything on to the prompt it wraps and keeps the last file chosen to save, so
// the window learns where Save Text wrote without the command telling it.
class SaveChoiceRecorder : public Prompt {
  public:
    explicit SaveChoiceRecorder(Prompt& inner) : inner_(inner) {}
    void ShowMessage(const std::string& text) override { inner_.ShowMessage(text); }
    bool AskYesNo(const std::string& question) override { return inner_.AskYesNo(question); }
    bool AskToDiscard(const std::string& question) override {
        return inner_.AskToDiscard(question);
    }
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec& request) override {
        return inner_.ChooseFileToOpen(request);
    }
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec& request) override {
        lastSaved = inner_.ChooseFileToSave(request);
        return lastSaved;
    }
    std::optional<std::string> lastSaved;

  private:
    Prompt& inner_;
};

}  // namespace vantrell
