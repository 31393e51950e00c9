// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/notice_files.h"

#include "commands/shipped_files.h"

namespace vantrell {

std::vector<std::filesystem::path> NoticeCandidates(std::string_view fileName,
                                                    const std::filesystem::path& programFolder) {
    if (programFolder.empty()) {
        return {};
    }
    return {programFolder / fileName, InstalledDocFolder(programFolder) / fileName};
}

std::optional<std::string> ReadNotice(std::string_view fileName,
                                      const std::filesystem::path& programFolder) {
    return ReadFirstFile(NoticeCandidates(fileName, programFolder));
}

std::string MissingNoticeMessage(std::string_view fileName) {
    return "Cannot open " + std::string(fileName) +
           ". It belongs beside the program or in ../share/doc/vantrell.";
}

}  // namespace vantrell
