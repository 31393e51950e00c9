// SPDX-License-Identifier: GPL-3.0-or-later
// Save Excel and the workbook writer against real files in a temporary folder. What the
// workbook holds is read back by an independent reader in check_workbook.py.
#include "export/workbook_writer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "commands/excel_commands.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

VantrellState SolvedState() {
    VantrellState state;
    state.mSolved = true;
    state.mPages[0].mRows = {{"", "Cj", "3.000"}, {"Cb", "Basis", "X1", "Bi", "Bi/Aij"}};
    state.mTableauCount = 1;
    return state;
}

bool IsZipArchive(const std::string& content) {
    return content.rfind("PK\x03\x04", 0) == 0;
}

Names FolderEntries(const testing::TempDir& dir) {
    Names names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(SaveExcel, RefusedUntilSolvedAndCancelWritesNothing) {
    testing::ScriptedPrompt prompt;
    EXPECT_FALSE(SaveExcel(VantrellState{}, prompt));
    EXPECT_EQ(prompt.messages, Names{"The problem must be solved first."});
    EXPECT_TRUE(prompt.saveSpecs.empty());
    prompt.messages.clear();
    EXPECT_TRUE(SaveExcel(SolvedState(), prompt));  // the sheet is still shown
    ASSERT_EQ(prompt.saveSpecs.size(), 1u);
    EXPECT_EQ(prompt.saveSpecs[0].initialName, "../excel/*.xlsx");
    EXPECT_EQ(prompt.saveSpecs[0].defaultExtension, "xlsx");
    EXPECT_TRUE(prompt.messages.empty());
}

TEST(SaveExcel, ReplacesAFileWholeKeepsItsModeAndWritesThroughALink) {
    testing::TempDir dir;
    const std::string target = dir.File("tableaus.xlsx");
    testing::WriteWholeFile(target, std::string(100000, 'x'));
    ::chmod(target.c_str(), 0640);
    fs::create_symlink("tableaus.xlsx", dir.File("link.xlsx"));
    testing::ScriptedPrompt prompt;
    prompt.saveFiles = {dir.File("link.xlsx")};
    EXPECT_TRUE(SaveExcel(SolvedState(), prompt));
    EXPECT_TRUE(prompt.messages.empty());
    const std::string written = testing::ReadWholeFile(target);
    EXPECT_TRUE(IsZipArchive(written));
    EXPECT_LT(written.size(), 100000u);
    EXPECT_TRUE(fs::is_symlink(dir.File("link.xlsx")));
    EXPECT_EQ(fs::status(target).permissions(), fs::perms(0640));
    EXPECT_EQ(FolderEntries(dir).size(), 2u);  // nothing left beside
}

// Each failure names the path and why, and leaves the folder as it was.
TEST(WorkbookFailures, MissingFolderDirectoryFullDeviceAndOversizedCells) {
    testing::TempDir dir;
    const std::string missing = dir.File("missing/tableaus.xlsx");
    EXPECT_EQ(WriteExcelWorkbook(SolvedState(), missing),
              "Cannot write \"" + missing + "\": No such file or directory");
    EXPECT_EQ(WriteExcelWorkbook(SolvedState(), dir.path().string()),
              "Cannot write \"" + dir.path().string() + "\": Is a directory");
    const auto full = WriteExcelWorkbook(SolvedState(), "/dev/full");
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->rfind("Cannot write \"/dev/full\": ", 0), 0u) << *full;
    EXPECT_NE(full->find("No space left on device"), std::string::npos) << *full;
    EXPECT_TRUE(fs::is_character_file("/dev/full"));

    const std::string target = dir.File("tableaus.xlsx");
    testing::WriteWholeFile(target, "old");
    EXPECT_EQ(
        CWebCalc({{1, 2, "X1"}, {2, 2, std::string(40000, '9')}}).SaveAs(target),
        "Cannot write \"" + target + "\": String exceeds Excel's limit of 32,767 characters.");
    const auto pastLastColumn = CWebCalc({{1, 16385, "X1"}}).SaveAs(target);
    ASSERT_TRUE(pastLastColumn.has_value());
    EXPECT_NE(pastLastColumn->find(target), std::string::npos);
    EXPECT_EQ(testing::ReadWholeFile(target), "old");
    EXPECT_EQ(FolderEntries(dir), Names{"tableaus.xlsx"});
}

TEST(WorkbookFailures, ClosedFolderKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes into any folder";
    testing::TempDir dir;
    const std::string target = dir.File("tableaus.xlsx");
    testing::WriteWholeFile(target, "old");
    ::chmod(dir.path().c_str(), 0555);
    const auto error = WriteExcelWorkbook(SolvedState(), target);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(error, "Cannot write \"" + target + "\": Permission denied");
    EXPECT_EQ(testing::ReadWholeFile(target), "old");
}

}  // namespace
}  // namespace vantrell
