// SPDX-License-Identifier: GPL-3.0-or-later
// A whole Calculate Primal run with its page texts, on problems of growing size.
#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <random>
#include <string>

#include "commands/calculate_commands.h"
#include "export/report_builder.h"
#include "model/file_io.h"
#include "model/problem_file_reader.h"
#include "model/variable_names.h"
#include "teach/exact_page_text.h"
#include "teach/step_notes.h"

namespace vantrell {
namespace {

ConstraintRow DenseRow(const std::vector<double>& coefficients, double rhs) {
    ConstraintRow row;
    for (std::size_t k = 0; k < coefficients.size(); ++k) {
        row.AppendColumn(static_cast<int>(k), DecisionName(static_cast<int>(k + 1)),
                         coefficients[k], false);
    }
    row.relationText = "<=";
    row.rhs = rhs;
    return row;
}

ProblemSet DenseProblem(int variables, int constraints, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> cost(1, 20);
    std::uniform_int_distribution<int> coefficient(1, 9);
    std::uniform_int_distribution<int> rhs(100, 1000);
    ProblemSet problem;
    for (int k = 0; k < variables; ++k) {
        problem.objective.push_back(
            {k, DecisionName(k + 1), double(cost(random)), false, false, 0});
    }
    for (int r = 0; r < constraints; ++r) {
        std::vector<double> row;
        for (int k = 0; k < variables; ++k) {
            row.push_back(coefficient(random));
        }
        problem.constraints.push_back(DenseRow(row, rhs(random)));
        problem.constraintNames.push_back("R" + std::to_string(r + 1));
    }
    return problem;
}

void RunPrimal(benchmark::State& bench, VantrellState& state) {
    SilentPrompt prompt;
    SilentPresenter presenter;
    for (auto _ : bench) {
        CalculatePrimal(state, prompt, presenter);
        benchmark::DoNotOptimize(state.mPages[0].mRows.data());
    }
    bench.counters["pages"] = state.mTableauCount;
}

void TwoVariableExample(benchmark::State& bench) {
    VantrellState state;
    state.mPrimal.objective = {{0, "X1", 3, false, false, 0}, {1, "X2", 2, false, false, 0}};
    state.mPrimal.constraints = {DenseRow({1, 1}, 4), DenseRow({1, 3}, 6)};
    state.mPrimal.constraintNames = {"C1", "C2"};
    RunPrimal(bench, state);
}

void Dense9By30(benchmark::State& bench) {
    VantrellState state;
    state.mPrimal = DenseProblem(9, 30, 930);
    RunPrimal(bench, state);
}

std::optional<ProblemSet> BenchProblem(benchmark::State& bench, const std::string& name) {
    const auto content = ReadFileContent(VANTRELL_BENCH_PROBLEMS "/" + name);
    const auto reading = content ? ReadProblemText(*content) : ProblemFileReading{};
    if (!reading.file) {
        bench.SkipWithError(("cannot read " + name).c_str());
        return std::nullopt;
    }
    return reading.file->problem;
}

// The peak resident memory of the process so far: run one benchmark per process to read it.
double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}

void Dense40By40FromFile(benchmark::State& bench) {
    VantrellState state;
    if (auto problem = BenchProblem(bench, "dense_40x40.lp")) {
        state.mPrimal = *problem;
        RunPrimal(bench, state);
    }
}

// 9 x 100 at-least rows (the largest the program accepts is 100 x 100): every row brings an
// artificial, so the run fills all 30 pages of about 100 lines of 200 cells. Run one of these per
// process to read its peak memory.
void Dense9By100(benchmark::State& bench, bool report) {
    VantrellState state;
    const auto problem = BenchProblem(bench, "dense_9x100_ge.lp");
    if (!problem) {
        return;
    }
    state.mPrimal = *problem;
    SilentPrompt prompt;
    SilentPresenter presenter;
    CalculatePrimal(state, prompt, presenter);
    bench.counters["first_run_peak_MB"] = PeakMegabytes();
    for (auto _ : bench) {
        if (report) {
            benchmark::DoNotOptimize(BuildReport(state, ReportClock{}).size());
        } else {
            CalculatePrimal(state, prompt, presenter);
        }
    }
    bench.counters["pages"] = state.mTableauCount;
    bench.counters["peak_MB"] = PeakMegabytes();
}

// The run with its kept pages.
void Dense9By100Run(benchmark::State& bench) {
    Dense9By100(bench, false);
}

// The whole report of that run, as Export Solution writes it.
void Dense9By100Report(benchmark::State& bench) {
    Dense9By100(bench, true);
}

// What the tableau window does at every page of that run in fractions: the page in exact
// numbers and its note, read off the run record. Page 1 makes the exact run (once per run);
// pages 2 and 30 are kept apart, as the window must cost the same per page at the end of a
// run as near its start.
class FractionsPresenter : public PagePresenter {
  public:
    void ShowPage(const VantrellState& state, const TableauPage& page) override {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(DisplayedCurrentPage(state, page).Page().mRows.size());
        benchmark::DoNotOptimize(
            RunNoteOfPage(state, static_cast<std::size_t>(state.mTableauCount - 1)).size());
        const auto took =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count();
        if (state.mTableauCount == 1) {
            mFirst += took;
        } else if (state.mTableauCount == 2) {
            mSecond += took;
        } else if (state.mTableauCount == kTableauPages) {
            mLast += took;
        }
    }
    double mFirst = 0.0;
    double mSecond = 0.0;
    double mLast = 0.0;
};

void Dense9By100FractionsStepping(benchmark::State& bench) {
    VantrellState state;
    const auto problem = BenchProblem(bench, "dense_9x100_ge.lp");
    if (!problem) {
        return;
    }
    state.mPrimal = *problem;
    state.mDisplay.numbers = NumberStyle::Fractions;
    SilentPrompt prompt;
    FractionsPresenter presenter;
    int runs = 0;
    for (auto _ : bench) {
        CalculatePrimal(state, prompt, presenter);
        ++runs;
    }
    bench.counters["page1_us"] = presenter.mFirst / std::max(runs, 1);
    bench.counters["page2_us"] = presenter.mSecond / std::max(runs, 1);
    bench.counters["page30_us"] = presenter.mLast / std::max(runs, 1);
}

BENCHMARK(TwoVariableExample);
BENCHMARK(Dense9By30);
BENCHMARK(Dense40By40FromFile)->Unit(benchmark::kMillisecond);
BENCHMARK(Dense9By100Run)->Unit(benchmark::kMillisecond);
BENCHMARK(Dense9By100Report)->Unit(benchmark::kMillisecond);
BENCHMARK(Dense9By100FractionsStepping)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vantrell

BENCHMARK_MAIN();
