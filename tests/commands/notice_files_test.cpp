// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/notice_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;

// A program in "usr/bin" with its installed documents in "usr/share/doc/vantrell"; each row
// puts the licence in some of the two places, a folder of that name counting as absent.
TEST(ReadNotice, BesideTheProgramComesBeforeTheInstalledFolder) {
    enum class Kind { None, File, Folder };
    struct Row {
        const char* name;
        Kind beside;
        Kind installed;
        std::optional<std::string> read;
    };
    const Row rows[] = {
        {"beside only", Kind::File, Kind::None, "beside"},
        {"installed only", Kind::None, Kind::File, "installed"},
        {"both", Kind::File, Kind::File, "beside"},
        {"folder beside", Kind::Folder, Kind::File, "installed"},
        {"neither", Kind::None, Kind::Folder, std::nullopt},
    };
    for (const Row& row : rows) {
        const testing::TempDir dir;
        const fs::path program = dir.path() / "usr" / "bin";
        const fs::path docs = dir.path() / "usr" / "share" / "doc" / "vantrell";
        const auto place = [](Kind kind, const fs::path& folder, const std::string& text) {
            fs::create_directories(folder);
            if (kind == Kind::File) {
                testing::WriteWholeFile((folder / kLicenceFileName).string(), text);
            } else if (kind == Kind::Folder) {
                fs::create_directory(folder / kLicenceFileName);
            }
        };
        place(row.beside, program, "beside");
        place(row.installed, docs, "installed");
        EXPECT_EQ(NoticeCandidates(kLicenceFileName, program.string() + "/"),
                  (std::vector<fs::path>{program / kLicenceFileName, docs / kLicenceFileName}))
            << row.name;
        EXPECT_EQ(ReadNotice(kLicenceFileName, program), row.read) << row.name;
        EXPECT_EQ(ReadNotice(kLicenceFileName, {}), std::nullopt) << row.name;
    }
}

}  // namespace
}  // namespace vantrell
