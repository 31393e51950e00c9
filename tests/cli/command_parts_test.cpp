// SPDX-License-Identifier: GPL-3.0-or-later
// The parts vantrell-cli loads for some commands: found beside the program as built, and
// refused with a message that names the file when missing or not a part.
#include "cli/command_parts.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace vantrell::cli {
namespace {

namespace fs = std::filesystem;

// The parts are built into the folder the program looks in, so the batch tests, run from
// the build tree, load the same files an installed program does.
TEST(CommandParts, LoadFromBesideTheProgram) {
    std::string error;
    const WorkbookPart* workbook = LoadWorkbookPart(PartFolderOfProgram(), error);
    ASSERT_NE(workbook, nullptr) << error;
    EXPECT_NE(workbook->write, nullptr);
    const FormatsPart* formats = LoadFormatsPart(PartFolderOfProgram(), error);
    ASSERT_NE(formats, nullptr) << error;
    EXPECT_NE(formats->run, nullptr);
}

struct RefusedPart {
    const char* name;
    // What the part's file is: nothing, a file that is no shared object, the other part
    // (a shared object without this part's entry), or a part of another version.
    const char* content;
    const char* reason;
};

void PrintTo(const RefusedPart& row, std::ostream* out) {
    *out << row.name;
}

class CommandPartsRefused : public ::testing::TestWithParam<RefusedPart> {};

TEST_P(CommandPartsRefused, NamesTheFileAndWhatToDo) {
    testing::TempDir dir;
    const std::string file = dir.File(kWorkbookPartFile);
    const std::string content = GetParam().content;
    if (content == "other part") {
        fs::create_symlink(PartFolderOfProgram() + "/" + kFormatsPartFile, file);
    } else if (content == "other build") {
        fs::create_symlink(VANTRELL_OTHER_BUILD_PART, file);
    } else if (!content.empty()) {
        testing::WriteWholeFile(file, content);
    }
    std::string error;
    EXPECT_EQ(LoadWorkbookPart(dir.path().string(), error), nullptr);
    EXPECT_EQ(error.rfind("Cannot load \"" + file + "\", a part of vantrell-cli: ", 0), 0u)
        << error;
    EXPECT_NE(error.find(GetParam().reason), std::string::npos) << error;
    EXPECT_TRUE(error.ends_with(". Reinstall Vantrell.")) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CommandPartsRefused,
    ::testing::Values(
        RefusedPart{"Missing", "", "No such file or directory"},
        RefusedPart{"NotASharedObject", "text\n", "file too short"},
        RefusedPart{"WithoutTheEntry", "other part", "it has no vantrell_workbook_part"},
        RefusedPart{"OtherBuild", "other build", "it comes from another build (version 0.9"}),
    [](const ::testing::TestParamInfo<RefusedPart>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace vantrell::cli
