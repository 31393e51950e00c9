#include "commands/help_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vantrell {
namespace {

using testing::TempDir;
using testing::WriteWholeFile;
using Lines = std::vector<std::string>;

TEST(GuideLines, KeepsEmptyLinesInFileOrder) {
    EXPECT_EQ(GuideLines("Title\n\nFirst\n\n\nSecond\n"),
              (Lines{"Title", "", "First", "", "", "Second"}));
}

TEST(GuideLines, ReadsCrLfLikeLf) {
    EXPECT_EQ(GuideLines("One\r\n\r\nTwo\r\n"), (Lines{"One", "", "Two"}));
}

TEST(GuideLines, LastLineWithoutBreakIsKept) {
    EXPECT_EQ(GuideLines("One\nTwo"), (Lines{"One", "Two"}));
}

TEST(GuideLines, EmptyTextGivesNoLines) {
    EXPECT_TRUE(GuideLines("").empty());
    EXPECT_EQ(GuideLines("\n"), (Lines{""}));
}

TEST(GuideLines, LineAtTheLimitStaysWhole) {
    const std::string line(kGuideLineLimit, 'a');
    EXPECT_EQ(GuideLines(line + "\nnext\n"), (Lines{line, "next"}));
}

TEST(GuideLines, LongerLineGoesOnInTheNextListLines) {
    const std::string first(kGuideLineLimit, 'a');
    const std::string second(kGuideLineLimit, 'b');
    EXPECT_EQ(GuideLines(first + second + "cc\nnext\n"), (Lines{first, second, "cc", "next"}));
}

TEST(GuideLines, CarriageReturnOfALongLineIsNotALineOfItsOwn) {
    const std::string line(kGuideLineLimit, 'a');
    EXPECT_EQ(GuideLines(line + "\r\n"), (Lines{line}));
}

TEST(ReadGuide, ReadsTheGuideOfTheStartDirectory) {
    const TempDir dir;
    WriteWholeFile(dir.File(kGuideFileName), "Vantrell\r\n\r\nUser's guide\r\n");
    const GuideReading guide = ReadGuide(dir.path().string(), {});
    EXPECT_TRUE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{"Vantrell", "", "User's guide"}));
}

TEST(ReadGuide, MissingGuideGivesTheMessageAsOnlyLine) {
    const TempDir dir;
    const GuideReading guide = ReadGuide(dir.path().string(), {});
    EXPECT_FALSE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{kMissingGuideMessage}));
    // Looking must not leave an empty guide behind.
    EXPECT_FALSE(std::filesystem::exists(dir.path() / kGuideFileName));
}

TEST(ReadGuide, FolderOfThatNameCountsAsMissing) {
    const TempDir dir;
    std::filesystem::create_directory(dir.path() / kGuideFileName);
    const GuideReading guide = ReadGuide(dir.path().string(), {});
    EXPECT_FALSE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{kMissingGuideMessage}));
}

TEST(ReadGuide, EmptyGuideIsFoundWithNoLines) {
    const TempDir dir;
    WriteWholeFile(dir.File(kGuideFileName), "");
    const GuideReading guide = ReadGuide(dir.path().string(), {});
    EXPECT_TRUE(guide.found);
    EXPECT_TRUE(guide.lines.empty());
}

// An installed program: its guide in usr/share/vantrell, the program in usr/bin, started
// from a folder of the user's.
class InstalledGuide : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(start);
        std::filesystem::create_directories(programFolder);
        std::filesystem::create_directories(dataFolder);
    }

    const TempDir dir;
    const std::filesystem::path start = dir.path() / "home";
    const std::filesystem::path programFolder = dir.path() / "usr" / "bin";
    const std::filesystem::path dataFolder = dir.path() / "usr" / "share" / "vantrell";
};

TEST_F(InstalledGuide, IsReadWhenTheStartDirectoryHasNone) {
    WriteWholeFile((dataFolder / kGuideFileName).string(), "Installed guide\n");
    const GuideReading guide = ReadGuide(start.string(), programFolder);
    EXPECT_TRUE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{"Installed guide"}));
}

TEST_F(InstalledGuide, GuideInTheStartDirectoryComesFirst) {
    WriteWholeFile((dataFolder / kGuideFileName).string(), "Installed guide\n");
    WriteWholeFile((start / kGuideFileName).string(), "Own guide\n");
    EXPECT_EQ(
        GuideCandidates(start.string(), programFolder),
        (std::vector<std::filesystem::path>{start / kGuideFileName, dataFolder / kGuideFileName}));
    EXPECT_EQ(ReadGuide(start.string(), programFolder).lines, (Lines{"Own guide"}));
}

TEST_F(InstalledGuide, FolderOfTheGuidesNameInTheStartDirectoryIsPassedOver) {
    std::filesystem::create_directory(start / kGuideFileName);
    WriteWholeFile((dataFolder / kGuideFileName).string(), "Installed guide\n");
    EXPECT_EQ(ReadGuide(start.string(), programFolder).lines, (Lines{"Installed guide"}));
}

TEST_F(InstalledGuide, MissingEverywhereGivesTheMessage) {
    const GuideReading guide = ReadGuide(start.string(), programFolder);
    EXPECT_FALSE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{kMissingGuideMessage}));
}

// The guide that ships with the program: 8-bit plain text that every list shows whole.
TEST(ShippedGuide, IsFoundBesideTheExamplesFolderAndFitsTheList) {
    const std::filesystem::path root = std::filesystem::path(VANTRELL_DATA_DIR).parent_path();
    const GuideReading guide = ReadGuide(root.string(), {});
    ASSERT_TRUE(guide.found);
    EXPECT_GT(guide.lines.size(), 100U);
    for (std::size_t i = 0; i < guide.lines.size(); ++i) {
        const std::string& line = guide.lines[i];
        EXPECT_LT(line.size(), 100U) << "line " << i + 1;
        for (const char c : line) {
            EXPECT_TRUE(c >= ' ' && c <= '~') << "line " << i + 1;
        }
    }
}

}  // namespace
}  // namespace vantrell
