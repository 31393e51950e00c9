// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/help_text.h"

#include <algorithm>

#include "commands/shipped_files.h"

namespace vantrell {
namespace {

void AddLine(std::string_view line, std::vector<std::string>& lines) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    do {
        lines.emplace_back(line.substr(0, kGuideLineLimit));
        line.remove_prefix(std::min(line.size(), kGuideLineLimit));
    } while (!line.empty());
}

}  // namespace

std::filesystem::path GuidePath(const std::string& workDir) {
    if (workDir.empty()) {
        return kGuideFileName;
    }
    return std::filesystem::path(workDir) / kGuideFileName;
}

std::vector<std::string> GuideLines(std::string_view content) {
    std::vector<std::string> lines;
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        if (end == std::string_view::npos) {
            AddLine(content, lines);
            break;
        }
        AddLine(content.substr(0, end), lines);
        content.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::filesystem::path> GuideCandidates(const std::string& workDir,
                                                   const std::filesystem::path& programFolder) {
    std::vector<std::filesystem::path> paths{GuidePath(workDir)};
    if (!programFolder.empty()) {
        paths.push_back(InstalledDataFolder(programFolder) / kGuideFileName);
    }
    return paths;
}

GuideReading ReadGuide(const std::string& workDir, const std::filesystem::path& programFolder) {
    if (const auto content = ReadFirstFile(GuideCandidates(workDir, programFolder))) {
        return {true, GuideLines(*content)};
    }
    return {false, {kMissingGuideMessage}};
}

}  // namespace vantrell
