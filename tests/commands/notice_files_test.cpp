// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/notice_files.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;

// A program in "usr/bin" with its installed documents in "usr/share/doc/vantrell".
TEST(ReadNotice, BesideTheProgramComesBeforeTheInstalledFolder) {
    const testing::TempDir dir;
    const fs::path program = dir.path() / "usr" / "bin";
    const fs::path docs = dir.path() / "usr" / "share" / "doc" / "vantrell";
    EXPECT_EQ(NoticeCandidates(kLicenceFileName, program.string() + "/"),
              (std::vector<fs::path>{program / kLicenceFileName, docs / kLicenceFileName}));
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
