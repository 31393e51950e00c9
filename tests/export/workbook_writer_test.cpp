// SPDX-License-Identifier: GPL-3.0-or-later
// Save Excel and the workbook writer against real files in a temporary folder. What the
// workbook holds is read back by an independent reader in check_workbook.py.
#include "export/workbook_writer.h"

#include <gtest/gtest.h>

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

// What the library refuses names the path and why, and leaves the old file and the folder
// as they were (missing folders and devices are the file writer's, pinned with it).
TEST(WorkbookFailures, OversizedCellsKeepTheOldFile) {
    testing::TempDir dir;
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

}  // namespace
}  // namespace vantrell
