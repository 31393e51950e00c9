// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;
using namespace vantrell::testing;

std::ptrdiff_t EntryCount(const fs::path& folder) {
    return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
}

TEST(WriteTextFileAtomically, ReplacesTheWholeFileOrNothingKeepingModeAndLink) {
    TempDir dir;
    const std::string target = dir.File("target.lp");
    WriteWholeFile(target, std::string(5000, 'o'));
    ASSERT_EQ(::chmod(target.c_str(), 0640), 0);
    fs::create_symlink(target, dir.File("link.lp"));

    EXPECT_EQ(WriteTextFileAtomically(dir.File("link.lp"), "new\ncontent\r\n"), std::nullopt);
    EXPECT_EQ(ReadWholeFile(target), "new\r\ncontent\r\n");
    EXPECT_TRUE(fs::is_symlink(dir.File("link.lp")));
    EXPECT_EQ(fs::status(target).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntryCount(dir.path()), 2);  // no temporary file left beside

    // Failures name the path and the system's reason, and leave the old file whole.
    const std::string missing = dir.File("missing/problem.lp");
    EXPECT_EQ(WriteTextFileAtomically(missing, "text\n"),
              "Cannot write \"" + missing + "\": No such file or directory");
    if (fs::is_character_file("/dev/full")) {  // written to, never replaced
        EXPECT_EQ(WriteTextFileAtomically("/dev/full", "text\n"),
                  "Cannot write \"/dev/full\": No space left on device");
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
    }

    // A write failing part way, as on a full disk: files may not grow past 16 bytes.
    const std::string path = dir.File("problem.lp");
    WriteWholeFile(path, "old content");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const rlimit limit{16, saved.rlim_max};
    const sighandler_t handler = ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    const std::optional<std::string> error = WriteTextFileAtomically(path, std::string(4096, 'n'));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, handler);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("Cannot write \"" + path + "\": ", 0), 0u) << *error;
    EXPECT_EQ(ReadWholeFile(path), "old content");
    EXPECT_EQ(EntryCount(dir.path()), 3);  // nothing half-written left beside
}

// A link is written through or refused, never replaced by a regular file, also when its
// target cannot be named (a pipe behind /proc/self/fd) or is not there yet.
TEST(ReplaceFile, ALinkIsWrittenThroughOrRefusedNeverRenamedOver) {
    TempDir dir;
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const std::string descriptor = "/proc/self/fd/" + std::to_string(pipeEnds[1]);
    struct Row {
        const char* name;
        std::string target;
        std::optional<std::string> reason;  // nothing when written
    };
    const Row rows[] = {
        {"pipe behind a descriptor", descriptor, std::nullopt},
        {"not there yet", dir.File("new.out"), std::nullopt},
        {"closed descriptor", "/proc/self/fd/999", "No such file or directory"},
        {"missing folder", dir.File("gone/new.out"), "No such file or directory"},
        {"loop", "loop", "Too many levels of symbolic links"},
    };
    for (const Row& row : rows) {
        const std::string link =
            row.name == std::string("loop") ? dir.File("loop") : dir.File("link");
        fs::create_symlink(row.target, link);
        const auto error = WriteFileAtomically(link, "text");
        if (row.reason) {
            EXPECT_EQ(error, "Cannot write \"" + link + "\": " + *row.reason) << row.name;
        } else {
            EXPECT_EQ(error, std::nullopt) << row.name;
        }
        EXPECT_TRUE(fs::is_symlink(link)) << row.name;
        fs::remove(link);
    }
    ::close(pipeEnds[1]);
    char read[16] = {};
    EXPECT_EQ(::read(pipeEnds[0], read, sizeof read), 4);
    EXPECT_STREQ(read, "text");
    ::close(pipeEnds[0]);
    EXPECT_EQ(ReadWholeFile(dir.File("new.out")), "text");
}

TEST(ReplaceFile, AReadOnlyTargetIsRefusedAndKept) {
    TempDir dir;
    const std::string target = dir.File("answer.out");
    WriteWholeFile(target, "keep me");
    ASSERT_EQ(::chmod(target.c_str(), 0444), 0);
    EXPECT_EQ(WriteTextFileAtomically(target, "new"),
              "Cannot write \"" + target + "\": Permission denied");
    EXPECT_EQ(ReadWholeFile(target), "keep me");
    EXPECT_EQ(EntryCount(dir.path()), 1);
}

TEST(ReadFileContent, ReadsEveryByteButOnlyOfRegularFiles) {
    TempDir dir;
    const std::string bytes("a\0b\r\n\xff", 6);
    WriteWholeFile(dir.File("binary.lp"), bytes);
    EXPECT_EQ(ReadFileContent(dir.File("binary.lp")), bytes);
    ASSERT_EQ(::mkfifo(dir.File("pipe").c_str(), 0600), 0);

    for (const std::string& path : {dir.File("missing.lp"), dir.path().string(),
                                    std::string("/dev/zero"), dir.File("pipe")}) {
        std::string error;
        EXPECT_EQ(ReadFileContent(path, &error), std::nullopt) << path;
        EXPECT_EQ(error.rfind("Cannot read \"" + path + "\": ", 0), 0u) << error;
    }
}

// A library's scratch file goes when a signal ends the process, as a half-written output does.
TEST(ScratchFile, IsRemovedWithTheObjectOrByTheSignalCleanup) {
    std::string path;
    {
        const ScratchFile scratch;
        path = scratch.path();
        ASSERT_TRUE(fs::exists(path)) << scratch.error();
        RemovePendingTemporaries();
        EXPECT_FALSE(fs::exists(path));
        WriteWholeFile(path, "again");
    }
    EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace vantrell
