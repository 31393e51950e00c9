#include "model/file_io.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempDir;
using testing::WriteWholeFile;

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    return names;
}

TEST(WriteTextFileAtomically, ReplacesTheWholeFileKeepingItsModeAndLink) {
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
    EXPECT_EQ(FolderEntries(dir.path()).size(), 2u);  // no temporary file left beside
}

TEST(WriteTextFileAtomically, FailuresNameThePathAndTheSystemsReason) {
    TempDir dir;
    const std::string missing = dir.File("missing/problem.lp");
    EXPECT_EQ(WriteTextFileAtomically(missing, "text\n"),
              "Cannot write \"" + missing + "\": No such file or directory");
    EXPECT_TRUE(FolderEntries(dir.path()).empty());

    if (fs::is_character_file("/dev/full")) {
        EXPECT_EQ(WriteTextFileAtomically("/dev/full", "text\n"),
                  "Cannot write \"/dev/full\": No space left on device");
        EXPECT_TRUE(fs::is_character_file("/dev/full"));  // written to, never replaced
    }
}

// Makes writes fail part way through, as on a full disk: files may not grow beyond a few
// bytes, and the signal that would end the process is ignored meanwhile.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    sighandler_t previousHandler_;
    rlimit saved_{};
};

TEST(WriteTextFileAtomically, WriteFailingPartWayKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.File("problem.lp");
    WriteWholeFile(path, "old content");
    std::optional<std::string> error;
    {
        FileSizeLimit limit(16);
        error = WriteTextFileAtomically(path, std::string(4096, 'n'));
    }
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->rfind("Cannot write \"" + path + "\": ", 0), 0u) << *error;
    EXPECT_EQ(ReadWholeFile(path), "old content");
    EXPECT_EQ(FolderEntries(dir.path()), std::vector<std::string>{"problem.lp"});
}

TEST(ReadFileContent, ReadsEveryByteButOnlyOfRegularFiles) {
    TempDir dir;
    const std::string bytes("a\0b\r\n\xff", 6);
    WriteWholeFile(dir.File("binary.lp"), bytes);
    EXPECT_EQ(ReadFileContent(dir.File("binary.lp")), bytes);

    for (const std::string& path :
         {dir.File("missing.lp"), dir.path().string(), std::string("/dev/zero")}) {
        std::string error;
        EXPECT_EQ(ReadFileContent(path, &error), std::nullopt) << path;
        EXPECT_EQ(error.rfind("Cannot read \"" + path + "\": ", 0), 0u) << error;
    }
}

}  // namespace
}  // namespace vantrell
