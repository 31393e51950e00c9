// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantrell {

inline constexpr const char* kGuideFileName = "onlinehelp.txt";
inline constexpr const char* kMissingGuideMessage =
    "Cannot open Help file. Move it to the release folder.";
// The longest line the Help dialog shows as one list line.
inline constexpr std::size_t kGuideLineLimit = 255;

// The guide in the start directory recorded when the main window opened, so a file dialog
// that moved the current directory does not lose it. An empty start directory means the
// current one.
std::filesystem::path GuidePath(const std::string& workDir);

// Where the guide is looked for, in order: the start directory (a build folder, or a copy
// the user keeps), then the installed data folder found from the program's folder. An
// empty program folder leaves the installed one out.
std::vector<std::filesystem::path> GuideCandidates(const std::string& workDir,
                                                   const std::filesystem::path& programFolder);

// The guide's text as list lines, in file order: line breaks (LF or CR LF) removed, empty
// lines kept, no extra line after a final break. A line longer than kGuideLineLimit goes
// on in the following list lines, kGuideLineLimit characters each, so nothing is lost.
std::vector<std::string> GuideLines(std::string_view content);

// A numbered section heading of the guide ("11. THE 2D PLOT") and its line index.
struct GuideSection {
    std::string title;
    std::size_t line = 0;
};
// The guide's sections in order: lines that start with a number, a full stop and a blank,
// followed by capitals.
std::vector<GuideSection> GuideSections(const std::vector<std::string>& lines);

struct GuideReading {
    bool found = false;
    // The guide's lines, or kMissingGuideMessage alone when it cannot be read.
    std::vector<std::string> lines;
};

// Reads the first of the guide candidates that is a file.
GuideReading ReadGuide(const std::string& workDir, const std::filesystem::path& programFolder);

}  // namespace vantrell
