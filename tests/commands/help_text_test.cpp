// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/help_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "plot/plot_geometry.h"
#include "simplex/solution_lines.h"
#include "support/temp_dir.h"

namespace vantrell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;
using testing::WriteWholeFile;
using Lines = std::vector<std::string>;

TEST(GuideLines, KeepEmptyLinesInOrderReadCrLfLikeLfAndContinueLongLines) {
    const std::string full(kGuideLineLimit, 'a');
    const std::string other(kGuideLineLimit, 'b');
    const std::vector<std::pair<std::string, Lines>> rows = {
        {"Title\n\nFirst\n\n\nSecond\n", {"Title", "", "First", "", "", "Second"}},
        {"One\nTwo", {"One", "Two"}},
        {"", {}},
        {"\n", {""}},
        {full + "\nnext\n", {full, "next"}},
        {full + other + "cc\nnext\n", {full, other, "cc", "next"}},
        {full + "\r\n", {full}},
    };
    for (const auto& [text, lines] : rows) {
        EXPECT_EQ(GuideLines(text), lines) << text.substr(0, 40);
    }
}

// An installed program: its guide in usr/share/vantrell, the program in usr/bin, started
// from a folder of the user's.
TEST(ReadGuide, StartDirectoryComesBeforeTheInstalledFolderAndMissingGivesTheMessage) {
    const TempDir dir;
    const fs::path start = dir.path() / "home";
    const fs::path program = dir.path() / "usr" / "bin";
    const fs::path data = dir.path() / "usr" / "share" / "vantrell";
    fs::create_directories(start);
    fs::create_directories(data);

    GuideReading guide = ReadGuide(start.string(), program);
    EXPECT_FALSE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{kMissingGuideMessage}));
    EXPECT_FALSE(fs::exists(start / kGuideFileName));  // looking leaves no empty guide

    WriteWholeFile((data / kGuideFileName).string(), "Installed guide\n");
    fs::create_directory(start / kGuideFileName);  // a folder of that name is passed over
    EXPECT_EQ(ReadGuide(start.string(), program).lines, (Lines{"Installed guide"}));

    fs::remove(start / kGuideFileName);
    WriteWholeFile((start / kGuideFileName).string(), "Own\r\n\r\nguide\r\n");
    guide = ReadGuide(start.string(), program);
    EXPECT_TRUE(guide.found);
    EXPECT_EQ(guide.lines, (Lines{"Own", "", "guide"}));
}

// The contents list of the Help window: the numbered headings, not the indented list.
TEST(GuideSections, TheNumberedHeadingsInCapitals) {
    const Lines lines = {"Contents",
                         "  1. A first problem",
                         "",
                         "1. A FIRST PROBLEM",
                         "text",
                         "13. PROBLEM FILES (.lp)",
                         "2. Not a heading",
                         "12.5 percent"};
    const std::vector<GuideSection> sections = GuideSections(lines);
    ASSERT_EQ(sections.size(), 2u);
    EXPECT_EQ(sections[0].title, "1. A FIRST PROBLEM");
    EXPECT_EQ(sections[0].line, 3u);
    EXPECT_EQ(sections[1].title, "13. PROBLEM FILES (.lp)");
    EXPECT_EQ(sections[1].line, 5u);
}

// What the shipped guide says the examples give, the program gives.
TEST(GuideExamples, TheGuideStatesWhatTheProgramDoes) {
    const std::string folder = VANTRELL_DATA_DIR;
    const GuideReading guide = ReadGuide(folder + "/..", {});
    ASSERT_TRUE(guide.found);
    std::string text;
    for (const std::string& line : guide.lines) {
        text += line + "\n";
    }
    EXPECT_EQ(GuideSections(guide.lines).size(), 19u);

    SilentPrompt prompt;
    SilentPresenter presenter;
    const auto open = [&](const char* name) {
        VantrellState state;
        state.mDecimalPlaces = 3;
        EXPECT_EQ(OpenProblemAt(state, prompt, folder + "/" + name), OpenResult::Opened);
        return state;
    };

    std::smatch said;
    ASSERT_TRUE(std::regex_search(
        text, said,
        std::regex(
            R"(Try sample\.lp: [^;]*; the line stops at X1 = (\d+), X2 = (\d+), Z = (\d+)\.)")));
    VantrellState sample = open("sample.lp");
    PlotGeometry plot;
    ASSERT_TRUE(plot.ComputeFeasiblePoints(sample, prompt));
    plot.BuildRegionSeries(sample, prompt);
    plot.StartSweep(sample.mMinimize);
    std::optional<int> reached;
    for (int step = 0; step < 10000 && !plot.mStopped; ++step) {
        reached = plot.SweepStep(sample.mMinimize);
    }
    ASSERT_TRUE(reached.has_value());
    const auto point = static_cast<std::size_t>(*reached);
    EXPECT_EQ(plot.mFeasibleX1[point], std::stod(said[1]));
    EXPECT_EQ(plot.mFeasibleX2[point], std::stod(said[2]));
    const std::vector<CostTerm>& costs = sample.mPrimal.objective;
    EXPECT_EQ(costs[0].cost * plot.mFeasibleX1[point] + costs[1].cost * plot.mFeasibleX2[point],
              std::stod(said[3]));

    // The solutions the guide quotes, each part of them a line of the program's list.
    std::string joined;  // the guide's lines joined by blanks: a quote may wrap
    for (const std::string& line : guide.lines) {
        joined += line + " ";
    }
    const struct {
        const char* file;
        bool dual;
        const char* quote;
        SolveMethod method = SolveMethod::BigM;
    } solutions[] = {
        {"maximize.lp", false, R"(The main window lists the solution: (.*?)\. )"},
        {"minimize.lp", false, R"(The run ends with (.*?): the minimum)"},
        {"maximize.lp", true, R"(Calculate Dual ends with (.*?): the dual minimum)"},
        {"equality.lp", false, R"(already optimal: (.*?), the minimum of Z)",
         SolveMethod::TwoPhase},
    };
    for (const auto& row : solutions) {
        ASSERT_TRUE(std::regex_search(joined, said, std::regex(row.quote))) << row.quote;
        VantrellState solved = open(row.file);
        solved.mDisplayDuality = true;
        solved.mMethod = row.method;
        row.dual ? CalculateDual(solved, prompt, presenter)
                 : CalculatePrimal(solved, prompt, presenter);
        const std::string quoted = std::regex_replace(said[1].str(), std::regex(" and "), ", ");
        std::size_t from = 0;
        while (from < quoted.size()) {
            const std::size_t to = std::min(quoted.find(", ", from), quoted.size());
            const std::string part = quoted.substr(from, to - from);
            EXPECT_NE(std::find(solved.mSolutionLines.begin(), solved.mSolutionLines.end(), part),
                      solved.mSolutionLines.end())
                << row.file << ": " << part;
            from = to + 2;
        }
    }
    ASSERT_TRUE(
        std::regex_search(joined, said, std::regex(R"re(last line: "(Minimum of Z[^"]*)")re")));
    VantrellState minimized = open("minimize.lp");
    CalculatePrimal(minimized, prompt, presenter);
    EXPECT_EQ(MinimumLine(minimized).value_or("none"), said[1].str());
}

}  // namespace
}  // namespace vantrell
