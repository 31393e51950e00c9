// SPDX-License-Identifier: GPL-3.0-or-later
// Every command ends with the exit status its help gives, and solve's JSON is valid UTF-8
// whatever bytes the problem file holds.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/cli_app.h"
#include "cli/cli_run.h"
#include "support/temp_dir.h"

namespace vantrell::cli {
namespace {

using testing::Example;
using testing::RunVantrellCli;

// The objective's value is beyond a double after the first pivot.
const char* const kOverflowing =
    "Overflow# Problem Name\n3\n0\n\n1e300X1 + 1X2 #object function\n\n"
    "C1#\n1X1 + 1X2 <= 1e10\n\nC2#\n1X2 <= 1\n";
const char* const kLatin1Names =
    "M\xe9lange# Problem Name\n3\n0\n\n3X1 + 2X2 #object function\n\n"
    "Gr\xfc\xdf\x65#\n1X1 + 1X2 <= 4\n\nC\xe2\x82#\n1X1 + 3X2 <= 6\n";

TEST(CliExitStatus, EveryCommandAsTheHelpSays) {
    const testing::TempDir dir;
    testing::WriteWholeFile(dir.File("overflow.lp"), kOverflowing);
    testing::WriteWholeFile(dir.File("latin1.lp"), kLatin1Names);
    // A name in Chinese: pdflatex has no font for it.
    std::string chinese = testing::ReadWholeFile(Example("sample.lp"));
    chinese.insert(0, "\xe4\xb8\xad");
    testing::WriteWholeFile(dir.File("chinese.lp"), chinese);
    const std::string sample = dir.File("sample.lp");
    testing::WriteWholeFile(sample, testing::ReadWholeFile(Example("sample.lp")));
    const std::string missing = dir.File("missing/out");
    struct Row {
        const char* name;
        std::vector<std::string> args;
        int status;
    };
    const Row rows[] = {
        {"report solves", {"report", sample}, kExitSuccess},
        {"report overflows", {"report", dir.File("overflow.lp")}, kExitRefused},
        {"report unwritable", {"report", sample, "-o", missing}, kExitCannotWrite},
        {"pages overflow", {"pages", dir.File("overflow.lp")}, kExitRefused},
        {"pages unreadable", {"pages", dir.File("none.lp")}, kExitUsageOrUnreadable},
        {"solve infeasible is an answer",
         {"solve", Example("infeasible.lp"), "--json"},
         kExitSuccess},
        {"solve overflows", {"solve", dir.File("overflow.lp"), "--json"}, kExitRefused},
        {"solve latin1 names", {"solve", dir.File("latin1.lp"), "--json"}, kExitSuccess},
        {"latex solves", {"latex", sample}, kExitSuccess},
        {"latex overflows", {"latex", dir.File("overflow.lp")}, kExitRefused},
        {"latex over the problem file", {"latex", sample, "-o", sample}, kExitCannotWrite},
        {"latex unwritable", {"latex", sample, "-o", missing}, kExitCannotWrite},
        {"latex name it cannot print", {"latex", dir.File("chinese.lp")}, kExitCannotWrite},
        {"latex accented and Greek names", {"latex", dir.File("latin1.lp")}, kExitSuccess},
        {"plot three variables", {"plot", Example("equality.lp")}, kExitRefused},
        {"plot usage", {"plot", sample, "--dual"}, kExitUsageOrUnreadable},
        {"practice without answers", {"practice", sample}, kExitSuccess},
        {"exercise unwritable",
         {"exercise", "--seed", "1", "--kind", "max", "-o", missing},
         kExitCannotWrite},
        {"exercise usage", {"exercise", "--seed", "1"}, kExitUsageOrUnreadable},
        {"convert unreadable",
         {"convert", dir.File("none.lp"), dir.File("o.mps"), "--from", "vantrell", "--to", "mps"},
         kExitUsageOrUnreadable},
        {"convert over its input",
         {"convert", sample, sample, "--from", "vantrell", "--to", "mps"},
         kExitCannotWrite},
        {"help", {"--help"}, kExitSuccess},
    };
    for (const Row& row : rows) {
        const testing::CliRun run = RunVantrellCli(row.args);
        EXPECT_EQ(run.status, row.status) << row.name << "\n" << run.err;
    }
    EXPECT_EQ(testing::ReadWholeFile(sample), testing::ReadWholeFile(Example("sample.lp")));
}

TEST(CliSolveJson, NamesThatAreNotUtf8AreReadAsLatin1) {
    const testing::TempDir dir;
    testing::WriteWholeFile(dir.File("latin1.lp"), kLatin1Names);
    const testing::CliRun run = RunVantrellCli({"solve", dir.File("latin1.lp"), "--json"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const nlohmann::json doc = nlohmann::json::parse(run.out);
    EXPECT_EQ(doc["problem"]["name"], "M\xc3\xa9lange");
    EXPECT_EQ(doc["problem"]["constraints"][0]["name"], "Gr\xc3\xbc\xc3\x9f\x65");
    EXPECT_EQ(doc["problem"]["constraints"][1]["name"], "C\xc3\xa2\xc2\x82");
    EXPECT_TRUE(doc["primal"]["sensitivity"]["shadow_prices"].contains("Gr\xc3\xbc\xc3\x9f\x65"));
}

}  // namespace
}  // namespace vantrell::cli
