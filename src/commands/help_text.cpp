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

std::vector<GuideSection> GuideSections(const std::vector<std::string>& lines) {
    std::vector<GuideSection> sections;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        std::size_t digits = 0;
        while (digits < line.size() && line[digits] >= '0' && line[digits] <= '9') {
            ++digits;
        }
        // The contents list is indented and in mixed case: only the headings match, in
        // capitals up to a bracket such as "(.lp)".
        const std::string words = line.substr(0, line.find('('));
        if (digits == 0 || line.size() < digits + 3 || line.compare(digits, 2, ". ") != 0 ||
            line[digits + 2] < 'A' || line[digits + 2] > 'Z' ||
            words.find_first_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos) {
            continue;
        }
        sections.push_back({line, i});
    }
    return sections;
}

}  // namespace vantrell
