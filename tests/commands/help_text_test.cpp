// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/help_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::WriteWholeFile;
using Lines = std::vector<std::string>;

TEST(GuideLines, KeepEmptyLinesInOrderReadCrLfLikeLfAndContinueLongLines) {
    const std::string full(kGuideLineLimit, 'a');
    const std::string other(kGuideLineLimit, 'b');
    const std::vector<std::pair<std::string, Lines>> rows = {
        {"Title\n\nFirst\n\n\nSecond\n", {"Title", "", "First", "", "", "Second"}},
        {"One\nTwo", {"One", "Two"}},
        {"", {}},
        {"\n", {""}},
        {full + "\nnext\n", {full, "next"}},
        {full + other + "cc\nnext\n", {full, other, "cc", "next"}},
        {full + "\r\n", {full}},
    };
    for (const auto& [text, lines] : rows) {
        EXPECT_EQ(GuideLines(text), lines) << text.substr(0, 40);
    }
}

// An installed program: its guide in usr/share/vantrell, the program in usr/bin, started
// from a folder of the user's.
TEST(ReadGuide, StartDirectoryComesBeforeTheInstalledFolderAndMissingGivesTheMessage) {
    const TempDir dir;
    const fs::path start = dir.path() / "home";
    const fs::path program = dir.path() / "usr" / "bin";
    const fs::path data = dir.path() / "usr" / "share" / "vantrell";
    fs::create_directories(start);
    fs::create_directories(data);

    GuideReading guide = ReadGuide(start.string(), program);
    EXPECT_FALSE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{kMissingGuideMessage}));
    EXPECT_FALSE(fs::exists(start / kGuideFileName));  // looking leaves no empty guide

    WriteWholeFile((data / kGuideFileName).string(), "Installed guide\n");
    fs::create_directory(start / kGuideFileName);  // a folder of that name is passed over
    EXPECT_EQ(ReadGuide(start.string(), program).lines, (Lines{"Installed guide"}));

    fs::remove(start / kGuideFileName);
    WriteWholeFile((start / kGuideFileName).string(), "Own\r\n\r\nguide\r\n");
    guide = ReadGuide(start.string(), program);
    EXPECT_TRUE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{"Own", "", "guide"}));
}

}  // namespace
}  // namespace vantrell
