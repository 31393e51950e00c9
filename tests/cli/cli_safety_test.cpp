// The batch front end never destroys a file it was not told to write, says through its
// exit status whether every run it was asked for gave an answer, and ends with a message,
// not an abort, when a problem is too large.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/signal_cleanup.h"
#include "commands/command_guard.h"
#include "model/file_io.h"
#include "support/temp_dir.h"

namespace vantrell::cli {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::TempDir;
using testing::WriteWholeFile;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun RunCliWith(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    CliRun run;
    run.status = RunCli(args, out, err, ReportClock{12, 5, 2026, 9, 7});
    run.out = out.str();
    run.err = err.str();
    return run;
}

std::string ProblemText(const std::string& objective, const std::vector<std::string>& rows) {
    std::string text = "P# Problem Name\n3\n0\n\n" + objective + " #object function\n";
    for (const std::string& row : rows) {
        text += "\nC#\n" + row + "\n";
    }
    return text;
}

TEST(CliExitStatus, ARefusedRunFailsButInfeasibleAndUnboundedAreAnswers) {
    const struct {
        const char* name;
        std::string problem;
        int status;
    } cases[] = {
        // One objective term: the primal is refused, while its dual of two rows solves.
        {"primal refused", ProblemText("1X1", {"1X1 + 1X2 <= 4", "1X1 <= 3"}), kExitRefused},
        {"infeasible", ProblemText("1X1 + 1X2", {"1X1 + 1X2 <= 2", "1X1 + 1X2 >= 5"}),
         kExitSuccess},
        {"unbounded", ProblemText("1X1 + 1X2", {"1X1 - 1X2 <= 2", "0X1 - 1X2 <= 5"}), kExitSuccess},
        {"unknown relation", ProblemText("1X1 + 1X2", {"1X1 + 1X2 < 2", "1X1 <= 5"}),
         kExitUsageOrUnreadable},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteWholeFile(dir.File("p.lp"), c.problem);
        const CliRun run = RunCliWith({"report", dir.File("p.lp")});
        EXPECT_EQ(run.status, c.status) << c.name << "\n" << run.err;
    }
}

TEST(CliOutputs, AnOutputThatNamesAnInputOrTheOtherOutputIsRefusedBeforeAnything) {
    TempDir dir;
    const std::string problem = dir.File("x.lp");
    const std::string original = ProblemText("1X1 + 1X2", {"1X1 <= 4", "1X2 <= 5"});
    WriteWholeFile(problem, original);
    fs::create_symlink(problem, dir.File("link.out"));
    const std::string report = dir.File("r.out");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"-o", problem}, "Cannot write \"" + problem + "\": it is the problem file"},
        {{"--xlsx", dir.File("./x.lp")},
         "Cannot write \"" + dir.File("./x.lp") + "\": it is the problem file"},
        {{"-o", dir.File("link.out")},
         "Cannot write \"" + dir.File("link.out") + "\": it is the problem file"},
        {{"-o", report, "--xlsx", report},
         "Cannot write \"" + report + "\": it is the report file as well"},
    };
    for (const auto& [outputs, message] : cases) {
        std::vector<std::string> args = {"report", problem};
        args.insert(args.end(), outputs.begin(), outputs.end());
        const CliRun run = RunCliWith(args);
        EXPECT_EQ(run.status, kExitCannotWrite);
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(ReadWholeFile(problem), original);
        EXPECT_FALSE(fs::exists(report));
    }
}

TEST(CliOutputs, AReadOnlyReportIsKept) {
    TempDir dir;
    WriteWholeFile(dir.File("x.lp"), ProblemText("1X1 + 1X2", {"1X1 <= 4", "1X2 <= 5"}));
    const std::string report = dir.File("r.out");
    WriteWholeFile(report, "last year's key");
    ASSERT_EQ(::chmod(report.c_str(), 0444), 0);
    const CliRun run = RunCliWith({"report", dir.File("x.lp"), "-o", report});
    EXPECT_EQ(run.status, kExitCannotWrite);
    EXPECT_EQ(run.err, "Cannot write \"" + report + "\": Permission denied\n");
    EXPECT_EQ(ReadWholeFile(report), "last year's key");
}

// Runs body in a child process and returns how the child ended.
template <typename Body>
int InChild(Body body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return status;
}

TEST(CliSignals, TerminationRemovesTheHalfWrittenOutput) {
    TempDir dir;
    const std::string target = dir.File("key.out");
    WriteWholeFile(target, "old");
    const int status = InChild([&] {
        RemoveTemporariesOnSignals();
        const auto error = ReplaceFile(target, [](const std::string& file) {
            WriteWholeFile(file, "half");
            ::raise(SIGTERM);
            return std::optional<std::string>();
        });
        return error ? 1 : 0;
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(ReadWholeFile(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

#if defined(__SANITIZE_ADDRESS__)
#define VANTRELL_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VANTRELL_UNDER_ASAN 1
#endif
#endif

// Runs the batch front end in a child process whose address space may grow by `room`
// bytes at most; returns its exit status (-1 when it did not exit) and standard error.
std::pair<int, std::string> RunUnderMemoryLimit(const std::vector<std::string>& args,
                                                std::size_t room, const std::string& errFile) {
    WriteWholeFile(errFile, "");
    const int status = InChild([&] {
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t bytes = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + room;
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_AS, &limit);
        const CliRun run = RunCliWith(args);
        WriteWholeFile(errFile, run.err);
        return run.status;
    });
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadWholeFile(errFile)};
}

std::string DenseEqualities(int rows, int variables) {
    std::string row;
    for (int j = 1; j <= variables; ++j) {
        row += (j > 1 ? " + " : "") + std::to_string(1 + j % 7) + ".5X" + std::to_string(j);
    }
    return ProblemText(row,
                       std::vector<std::string>(static_cast<std::size_t>(rows), row + " = 900"));
}

// A problem just above each limit, opened where memory runs short long before such a
// problem could be solved: the refusal comes first, with the sizes in its message.
TEST(CliSizeLimits, AProblemJustAboveALimitIsRefusedUnderAMemoryLimit) {
#ifdef VANTRELL_UNDER_ASAN
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    TempDir dir;
    const std::pair<std::string, std::string> cases[] = {
        {DenseEqualities(101, 2),
         "The problem has 101 constraints, more than the 100 this program solves\n"},
        {DenseEqualities(2, 101),
         "X101 in the objective function is beyond the 100 variables this program solves\n"},
    };
    for (const auto& [problem, message] : cases) {
        WriteWholeFile(dir.File("big.lp"), problem);
        const auto [status, err] =
            RunUnderMemoryLimit({"report", dir.File("big.lp"), "--xlsx", dir.File("b.xlsx")},
                                64u << 20, dir.File("err.txt"));
        EXPECT_EQ(status, kExitUsageOrUnreadable);
        EXPECT_EQ(err, message);
    }
#endif
}

// Within the limits, but with too little memory left to solve it: a message and its own
// exit status instead of an abort, and no half-written output left behind.
TEST(CliSizeLimits, RunningOutOfMemoryEndsWithAMessage) {
#ifdef VANTRELL_UNDER_ASAN
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    TempDir dir;
    WriteWholeFile(dir.File("full.lp"), DenseEqualities(100, 100));
    const auto [status, err] = RunUnderMemoryLimit(
        {"report", dir.File("full.lp"), "-o", dir.File("r.out")}, 24u << 20, dir.File("err.txt"));
    EXPECT_EQ(status, kExitOutOfMemory);
    EXPECT_EQ(err, std::string(kOutOfMemoryMessage) + "\n");
    EXPECT_FALSE(fs::exists(dir.File("r.out")));
#endif
}

}  // namespace
}  // namespace vantrell::cli
