// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/shipped_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "commands/export_commands.h"
#include "commands/file_commands.h"
#include "commands/notice_files.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;
using Paths = std::vector<fs::path>;

// A start directory "work" beside the build's "Vantrell/data", and an installed program in
// "usr/bin" with its examples in "usr/share/vantrell/examples".
TEST(DialogFolder, OwnFolderThenInstalledExamplesThenStartDirectory) {
    const testing::TempDir dir;
    const fs::path work = dir.path() / "work";
    const fs::path data = dir.path() / "Vantrell" / "data";
    const fs::path program = dir.path() / "usr" / "bin";
    const fs::path examples = dir.path() / "usr" / "share" / "vantrell" / "examples";
    EXPECT_EQ(InstalledExamplesFolder(program.string() + "/"), examples);
    EXPECT_TRUE(InstalledExamplesFolder({}).empty());
    auto named = OpenProblemDialog();
    named.initialName = "*.lp";  // a name without a folder has no folder of its own
    EXPECT_EQ(DialogFolderCandidates(named, work, program), (Paths{examples, work}));

    fs::create_directories(work);
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), work, program), work);
    fs::create_directories(examples);
    fs::create_directories(data.parent_path());
    testing::WriteWholeFile(data.string(), "");  // a file of the folder's name does not count
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), work, program), examples);
    // Saving never offers the read-only examples.
    EXPECT_EQ(DialogFolder(SaveProblemDialog(), work, program), work);
    EXPECT_EQ(DialogFolder(ExportSolutionDialog(), work, program), work);
    fs::remove(data);
    fs::create_directories(data);
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), work, program), data);
}

// A program in "usr/bin" with its installed documents in "usr/share/doc/vantrell".
TEST(ReadNotice, BesideTheProgramComesBeforeTheInstalledFolder) {
    const testing::TempDir dir;
    const fs::path program = dir.path() / "usr" / "bin";
    const fs::path docs = dir.path() / "usr" / "share" / "doc" / "vantrell";
    EXPECT_TRUE(NoticeCandidates(kLicenceFileName, {}).empty());

    fs::create_directories(program);
    fs::create_directories(docs);
    EXPECT_EQ(ReadNotice(kLicenceFileName, program), std::nullopt);
    testing::WriteWholeFile((docs / kLicenceFileName).string(), "installed");
    EXPECT_EQ(ReadNotice(kLicenceFileName, program), "installed");
    testing::WriteWholeFile((program / kLicenceFileName).string(), "beside");
    EXPECT_EQ(ReadNotice(kLicenceFileName, program), "beside");
    EXPECT_EQ(ReadNotice(kThirdPartyFileName, program), std::nullopt);
}

}  // namespace
}  // namespace vantrell
