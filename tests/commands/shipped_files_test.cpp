#include "commands/shipped_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "commands/export_commands.h"
#include "commands/file_commands.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

TEST(InstalledFolders, AreUnderShareBesideTheProgramsFolder) {
    // The install rules put the guide and the examples here; the two must agree.
    EXPECT_EQ(InstalledDataFolder("/opt/vantrell/bin"), fs::path("/opt/vantrell/share/vantrell"));
    EXPECT_EQ(InstalledExamplesFolder("/opt/vantrell/bin/"),
              fs::path("/opt/vantrell/share/vantrell/examples"));
}

TEST(InstalledFolders, UnknownProgramFolderGivesNone) {
    EXPECT_TRUE(InstalledDataFolder({}).empty());
    EXPECT_TRUE(InstalledExamplesFolder({}).empty());
}

// A start directory "work" beside the build's "Vantrell/data", and an installed program in
// "usr/bin" with its examples in "usr/share/vantrell/examples"; each made on demand.
class DialogFolders : public ::testing::Test {
  protected:
    fs::path Work() const { return dir.path() / "work"; }
    fs::path DataFolder() const { return dir.path() / "Vantrell" / "data"; }
    fs::path ProgramFolder() const { return dir.path() / "usr" / "bin"; }
    fs::path Examples() const { return dir.path() / "usr" / "share" / "vantrell" / "examples"; }

    void SetUp() override {
        fs::create_directories(Work());
        fs::create_directories(ProgramFolder());
    }

    TempDir dir;
};

TEST_F(DialogFolders, OpenPrefersTheDataFolderBesideTheStartDirectory) {
    fs::create_directories(DataFolder());
    fs::create_directories(Examples());
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), Work(), ProgramFolder()), DataFolder());
}

TEST_F(DialogFolders, OpenFallsBackToTheInstalledExamples) {
    fs::create_directories(Examples());
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), Work(), ProgramFolder()), Examples());
}

TEST_F(DialogFolders, OpenWithoutEitherFolderStaysInTheStartDirectory) {
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), Work(), ProgramFolder()), Work());
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), Work(), {}), Work());
}

TEST_F(DialogFolders, SavingNeverOffersTheReadOnlyExamples) {
    fs::create_directories(Examples());
    EXPECT_EQ(DialogFolder(SaveProblemDialog(), Work(), ProgramFolder()), Work());
    EXPECT_EQ(DialogFolder(ExportSolutionDialog(), Work(), ProgramFolder()), Work());
}

TEST_F(DialogFolders, OtherDialogsStillUseTheirOwnFolder) {
    fs::create_directories(dir.path() / "Vantrell" / "out");
    EXPECT_EQ(DialogFolder(ExportSolutionDialog(), Work(), ProgramFolder()),
              dir.path() / "Vantrell" / "out");
}

TEST_F(DialogFolders, FileOfTheFoldersNameDoesNotCount) {
    fs::create_directories(DataFolder().parent_path());
    testing::WriteWholeFile(DataFolder().string(), "");
    fs::create_directories(Examples());
    EXPECT_EQ(DialogFolder(OpenProblemDialog(), Work(), ProgramFolder()), Examples());
}

TEST_F(DialogFolders, CandidatesAreTheOwnFolderThenTheExamplesThenTheStartDirectory) {
    EXPECT_EQ(DialogFolderCandidates(OpenProblemDialog(), Work(), ProgramFolder()),
              (std::vector<fs::path>{DataFolder(), Examples(), Work()}));
    // A name without a folder has no folder of its own to try.
    FileDialogSpec dialog = OpenProblemDialog();
    dialog.initialName = "*.lp";
    EXPECT_EQ(DialogFolderCandidates(dialog, Work(), ProgramFolder()),
              (std::vector<fs::path>{Examples(), Work()}));
}

}  // namespace
}  // namespace vantrell
