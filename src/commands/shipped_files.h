// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "model/prompt.h"

namespace vantrell {

// An installed program lives in <prefix>/bin with its guide in <prefix>/share/vantrell and
// the example problems in <prefix>/share/vantrell/examples. Both are found from the
// program's own folder, so an installation that was moved elsewhere still finds them. An
// empty program folder (not known) gives an empty path.
std::filesystem::path InstalledDataFolder(const std::filesystem::path& programFolder);
std::filesystem::path InstalledExamplesFolder(const std::filesystem::path& programFolder);
// The licence and the third-party notices: <prefix>/share/doc/vantrell.
std::filesystem::path InstalledDocFolder(const std::filesystem::path& programFolder);

// The content of the first of the paths that is a readable file, read as bytes; a folder
// of that name is passed over. Nothing when none is.
std::optional<std::string> ReadFirstFile(const std::vector<std::filesystem::path>& paths);

// The folders a file dialog may open in, best first: the folder of the dialog's initial
// name relative to currentDir, then the installed examples when the dialog shows them (and
// the program folder is known), then currentDir itself.
std::vector<std::filesystem::path> DialogFolderCandidates(
    const FileDialogSpec& dialog, const std::filesystem::path& currentDir,
    const std::filesystem::path& programFolder);

// The first of those candidates that is an existing folder; currentDir when none is.
std::filesystem::path DialogFolder(const FileDialogSpec& dialog,
                                   const std::filesystem::path& currentDir,
                                   const std::filesystem::path& programFolder);

}  // namespace vantrell
