// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/shipped_files.h"

#include <system_error>

#include "model/file_io.h"

namespace vantrell {

std::filesystem::path InstalledDataFolder(const std::filesystem::path& programFolder) {
    if (programFolder.empty()) {
        return {};
    }
    // Lexical: the program folder comes resolved, and a missing share folder must not
    // make the path fail.
    return (programFolder / ".." / "share" / "vantrell").lexically_normal();
}

std::filesystem::path InstalledExamplesFolder(const std::filesystem::path& programFolder) {
    if (programFolder.empty()) {
        return {};
    }
    return InstalledDataFolder(programFolder) / "examples";
}

std::filesystem::path InstalledDocFolder(const std::filesystem::path& programFolder) {
    if (programFolder.empty()) {
        return {};
    }
    return (programFolder / ".." / "share" / "doc" / "vantrell").lexically_normal();
}

std::optional<std::string> ReadFirstFile(const std::vector<std::filesystem::path>& paths) {
    for (const std::filesystem::path& path : paths) {
        // A folder or a device of that name is passed over like a missing file.
        if (auto content = ReadFileContent(path.string())) {
            return content;
        }
    }
    return std::nullopt;
}

std::vector<std::filesystem::path> DialogFolderCandidates(
    const FileDialogSpec& dialog, const std::filesystem::path& currentDir,
    const std::filesystem::path& programFolder) {
    std::vector<std::filesystem::path> folders;
    const std::filesystem::path initialFolder =
        std::filesystem::path(dialog.initialName).parent_path();
    if (!initialFolder.empty()) {
        folders.push_back((currentDir / initialFolder).lexically_normal());
    }
    if (dialog.showsExamples && !programFolder.empty()) {
        folders.push_back(InstalledExamplesFolder(programFolder));
    }
    folders.push_back(currentDir);
    return folders;
}

std::filesystem::path DialogFolder(const FileDialogSpec& dialog,
                                   const std::filesystem::path& currentDir,
                                   const std::filesystem::path& programFolder) {
    for (const std::filesystem::path& folder :
         DialogFolderCandidates(dialog, currentDir, programFolder)) {
        std::error_code error;
        if (std::filesystem::is_directory(folder, error)) {
            return folder;
        }
    }
    return currentDir;
}

}  // namespace vantrell
