// SPDX-License-Identifier: GPL-3.0-or-later
// Runs whatever the problem-file reader accepts through everything that follows an Open:
// Calculate Primal and Calculate Dual, the solution report, and the plot's geometry with
// a sweep of the objective line.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "commands/main_commands.h"
#include "export/report_builder.h"
#include "fuzz_check.h"
#include "model/problem_file_reader.h"
#include "model/prompt.h"
#include "open_problem.h"
#include "plot/plot_geometry.h"

namespace vantrell {
namespace {

// Enough ticks for any sweep that meets a point within a few extents; a window's timer
// would run longer, but each tick here is the same code.
constexpr int kSweepSteps = 2000;

bool ShowsNonFinite(std::string_view text) {
    return text.find("nan") != std::string_view::npos || text.find("inf") != std::string_view::npos;
}

// The tableau pages and the solution lines hold generated names and numbers only, so a
// "nan" or "inf" in them is a number that is not finite.
void CheckRun(const VantrellState& state, const PageStore& kept, std::int32_t keptCount) {
    FUZZ_CHECK(state.mTableauCount >= 0 && state.mTableauCount <= kTableauPages);
    FUZZ_CHECK(keptCount >= 0 && keptCount <= kTableauPages);
    for (std::int32_t p = 0; p < keptCount; ++p) {
        const TableauPage& page = kept[static_cast<std::size_t>(p)];
        FUZZ_CHECK(std::isfinite(page.mZ));
        FUZZ_CHECK(std::isfinite(page.mPivotValue));
        for (const TableauPage::Line& line : page.mRows) {
            for (const std::string& cell : line) {
                FUZZ_CHECK(!ShowsNonFinite(cell));
            }
        }
    }
    for (const std::string& line : state.mSolutionLines) {
        FUZZ_CHECK(!ShowsNonFinite(line));
    }
    if (state.mRunOutcome == RunOutcome::Optimal) {
        FUZZ_CHECK(state.mSolved);
    }
}

void Plot(VantrellState& state, SilentPrompt& prompt) {
    if (PlotRefusal(state)) {
        return;
    }
    PlotGeometry geometry;
    if (!geometry.ComputeFeasiblePoints(state, prompt)) {
        return;
    }
    FUZZ_CHECK(geometry.mListLines.size() == geometry.mFeasibleX1.size());
    geometry.BuildConstraintSeries(state, prompt);
    geometry.BuildRegionSeries(state, prompt);
    for (const PlotSeries& series : geometry.mSeries) {
        for (const PlotPoint& point : series.points) {
            FUZZ_CHECK(std::isfinite(point.x) && std::isfinite(point.y));
        }
    }
    if (geometry.PlayRefusal()) {
        return;
    }
    geometry.StartSweep(state.mMinimize);
    for (int step = 0; step < kSweepSteps; ++step) {
        const auto reached = geometry.SweepStep(state.mMinimize);
        if (reached) {
            state.mGraphPoint = *reached;
            state.mSolutionLines = GraphPointSolutionLines(geometry, state, *reached);
            FUZZ_CHECK(state.mSolutionLines.size() == 3);
        }
        if (geometry.mStopped) {
            break;
        }
    }
}

}  // namespace
}  // namespace vantrell

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrell;
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    VantrellState state;
    if (!OpenProblemText(content, state)) {
        return 0;
    }
    SilentPrompt prompt;
    SilentPresenter presenter;

    CalculatePrimal(state, prompt, presenter);
    CheckRun(state, state.mPrimalPages, state.mPrimalTableauCount);
    CalculateDual(state, prompt, presenter);
    CheckRun(state, state.mDualPages, state.mDualTableauCount);

    const std::string report = BuildReport(state, ReportClock{});
    FUZZ_CHECK(!report.empty());

    Plot(state, prompt);
    return 0;
}
