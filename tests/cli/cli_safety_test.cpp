// SPDX-License-Identifier: GPL-3.0-or-later
// The batch front end destroys no file it was not told to write, fails when a requested
// run gives no answer, and ends with a message, not an abort, when a problem is too large.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <streambuf>

#include "cli/cli_app.h"
#include "cli/signal_cleanup.h"
#include "commands/command_guard.h"
#include "model/file_io.h"
#include "support/temp_dir.h"

namespace vantrell::cli {
namespace {

namespace fs = std::filesystem;
using testing::ReadWholeFile;
using testing::WriteWholeFile;

// Runs the batch front end; standard error goes to errFile, as a child has no other way back.
int RunTo(const std::vector<std::string>& args, const std::string& errFile) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err, ReportClock{});
    WriteWholeFile(errFile, err.str());
    return status;
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

// n dense equality rows over X1..Xv.
std::string Equalities(int rows, int variables) {
    std::string row;
    for (int j = 1; j <= variables; ++j) {
        row += (j > 1 ? " + " : "") + std::to_string(1 + j % 7) + ".5X" + std::to_string(j);
    }
    std::string text = "P# Problem Name\n3\n0\n\n" + row + " #object function\n";
    for (int i = 0; i < rows; ++i) {
        text += "\nC#\n" + row + " = 900\n";
    }
    return text;
}

class CliSafety : public ::testing::Test {
  protected:
    std::string Err() const { return ReadWholeFile(dir.File("err.txt")); }
    testing::TempDir dir;
};

TEST_F(CliSafety, OutputsThatNameAnInputOrEachOtherAreRefusedBeforeAnything) {
    const std::string problem = dir.File("x.lp");
    WriteWholeFile(problem, Equalities(2, 2));
    fs::create_symlink(problem, dir.File("link.out"));
    const std::string report = dir.File("r.out");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"-o", dir.File("./x.lp")}, dir.File("./x.lp") + "\": it is the problem file"},
        {{"--xlsx", dir.File("link.out")}, dir.File("link.out") + "\": it is the problem file"},
        {{"-o", report, "--xlsx", report}, report + "\": it is the report file as well"},
    };
    for (const auto& [outputs, message] : cases) {
        std::vector<std::string> args = {"report", problem};
        args.insert(args.end(), outputs.begin(), outputs.end());
        EXPECT_EQ(RunTo(args, dir.File("err.txt")), kExitCannotWrite);
        EXPECT_EQ(Err(), "Cannot write \"" + message + "\n");
        EXPECT_EQ(ReadWholeFile(problem), Equalities(2, 2));
        EXPECT_FALSE(fs::exists(report));
    }
}

TEST_F(CliSafety, TerminationRemovesTheHalfWrittenOutput) {
    const std::string target = dir.File("key.out");
    WriteWholeFile(target, "old");
    const int status = InChild([&] {
        RemoveTemporariesOnSignals();
        return ReplaceFile(target,
                           [](const std::string& file) {
                               WriteWholeFile(file, "half");
                               ::raise(SIGTERM);
                               return std::optional<std::string>();
                           })
                   ? 1
                   : 0;
    });
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(ReadWholeFile(target), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

// Under a memory limit: a problem just above a size limit is refused before it could use
// much memory; one within the limits but with too little memory ends with a message. A
// refused run fails the report even when the other run solves.
TEST_F(CliSafety, RefusalsAndMemoryExhaustionEndWithAMessageAndAFailure) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    const std::tuple<std::string, std::size_t, int, std::string> cases[] = {
        {Equalities(101, 2), 64u << 20, kExitUsageOrUnreadable,
         "The problem has 101 constraints, more than the 100 this program solves"},
        {Equalities(2, 101), 64u << 20, kExitUsageOrUnreadable,
         "X101 in the objective function is beyond the 100 variables this program solves"},
        {Equalities(100, 100), 24u << 20, kExitOutOfMemory, kOutOfMemoryMessage},
        {"P#\n3\n0\n\n1X1\n\nC#\n1X1 + 1X2 <= 4\n\nC#\n1X1 <= 3\n", 64u << 20, kExitRefused,
         "The objective function is empty"},
    };
    for (const auto& [problem, room, expected, message] : cases) {
        WriteWholeFile(dir.File("big.lp"), problem);
        const int status = InChild([&, room = room] {
            std::size_t pages = 0;
            std::ifstream("/proc/self/statm") >> pages;
            const rlim_t bytes = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + room;
            const rlimit limit{bytes, bytes};
            ::setrlimit(RLIMIT_AS, &limit);
            return RunTo({"report", dir.File("big.lp"), "-o", dir.File("r.out")},
                         dir.File("err.txt"));
        });
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == expected) << status;
        EXPECT_EQ(Err(), message + "\n");
        // The report of the run that solved is still written.
        EXPECT_EQ(fs::remove(dir.File("r.out")), expected == kExitRefused);
    }
#endif
}

// Standard input that makes its characters as they are read: a line of count bytes, then
// the rest, without holding the line anywhere.
class LongLineInput : public std::streambuf {
  public:
    LongLineInput(std::size_t count, std::string rest) : left_(count), rest_(std::move(rest)) {}

  protected:
    int_type underflow() override {
        if (left_ > 0) {
            const std::size_t n = std::min(left_, sizeof chunk_);
            std::fill_n(chunk_, n, 'x');
            left_ -= n;
            setg(chunk_, chunk_, chunk_ + n);
        } else if (!restGiven_) {
            restGiven_ = true;
            setg(rest_.data(), rest_.data(), rest_.data() + rest_.size());
        } else {
            return traits_type::eof();
        }
        return traits_type::to_int_type(*gptr());
    }

  private:
    std::size_t left_;
    std::string rest_;
    bool restGiven_ = false;
    char chunk_[65536];
};

// A practice answer line longer than the memory left is an answer not understood, not the
// end of the memory.
TEST_F(CliSafety, AnEndlessPracticeLineIsNoAnswerAndCostsNoMemory) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    const int status = InChild([&] {
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t bytes = pages * static_cast<rlim_t>(::sysconf(_SC_PAGESIZE)) + (32u << 20);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_AS, &limit);
        LongLineInput input(std::size_t{64} << 20, "\nX1\n");
        std::istream in(&input);
        std::ostringstream out;
        std::ostringstream err;
        const int ran =
            RunCli({"practice", VANTRELL_DATA_DIR "/maximize.lp"}, in, out, err, ReportClock{});
        const std::string said = out.str();
        WriteWholeFile(dir.File("err.txt"), err.str());
        return ran == kExitSuccess &&
                       said.find("Answer with a column or row name") != std::string::npos &&
                       said.find("Tableau 1: X1 enters; which row leaves?") != std::string::npos
                   ? 0
                   : 1;
    });
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << " " << Err();
#endif
}

}  // namespace
}  // namespace vantrell::cli
