#include "commands/help_text.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

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

GuideReading ReadGuide(const std::string& workDir) {
    const std::filesystem::path path = GuidePath(workDir);
    std::error_code error;
    // A folder of that name opens on Linux but reads nothing.
    if (std::filesystem::is_directory(path, error)) {
        return {false, {kMissingGuideMessage}};
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return {false, {kMissingGuideMessage}};
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return {false, {kMissingGuideMessage}};
    }
    return {true, GuideLines(content)};
}

}  // namespace vantrell
