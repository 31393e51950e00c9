// SPDX-License-Identifier: GPL-3.0-or-later
#include "wasm/web_api.h"

#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>
#include <vector>

#include "commands/calculate_commands.h"
#include "commands/command_guard.h"
#include "commands/file_commands.h"
#include "commands/main_commands.h"
#include "commands/practice_commands.h"
#include "export/json_answer.h"
#include "export/latex_document.h"
#include "export/report_builder.h"
#include "model/equation_text.h"
#include "model/file_io.h"
#include "model/problem_file_writer.h"
#include "plot/plot_geometry.h"
#include "plot/simplex_path.h"
#include "teach/exact_page_text.h"
#include "teach/exact_run.h"
#include "teach/exercise_generator.h"
#include "teach/practice_checker.h"
#include "teach/practice_session.h"
#include "teach/run_explanation.h"
#include "teach/run_story.h"
#include "teach/sensitivity.h"
#include "teach/step_notes.h"
#include "wasm/web_problem.h"

namespace vantrell::web {
namespace {

using json = nlohmann::ordered_json;

// Collects every message the commands show; questions get No, file dialogs are cancelled:
// the page does its own asking before it calls.
class CollectingPrompt : public Prompt {
  public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string&) override { return false; }
    std::optional<std::string> ChooseFileToOpen(const FileDialogSpec&) override { return {}; }
    std::optional<std::string> ChooseFileToSave(const FileDialogSpec&) override { return {}; }
    std::vector<std::string> messages;
};

// A refusal of the request itself, said as a message.
struct Refusal {
    std::string message;
};

// The run options the page sends; every one is checked before anything changes.
struct RunOptions {
    SolveMethod method = SolveMethod::BigM;
    PivotRule rule = PivotRule::LargestCjZj;
    DisplayOptions display;
};

RunOptions ReadRunOptions(const nlohmann::json& request) {
    RunOptions options;
    const nlohmann::json given = request.value("options", nlohmann::json::object());
    const std::string method = given.value("method", "big-m");
    const auto chosen = SolveMethodFromWord(method);
    if (!chosen) {
        throw Refusal{"The method must be \"big-m\", \"two-phase\" or \"dual-simplex\", not \"" +
                      method + "\""};
    }
    options.method = *chosen;
    const std::string rule = given.value("rule", "largest");
    if (rule != "largest" && rule != "bland") {
        throw Refusal{"The pivot rule must be \"largest\" or \"bland\", not \"" + rule + "\""};
    }
    options.rule = rule == "bland" ? PivotRule::SmallestIndex : PivotRule::LargestCjZj;
    const std::string numbers = given.value("numbers", "decimals");
    if (numbers != "decimals" && numbers != "fractions") {
        throw Refusal{"Numbers must be \"decimals\" or \"fractions\", not \"" + numbers + "\""};
    }
    options.display.numbers =
        numbers == "fractions" ? NumberStyle::Fractions : NumberStyle::Decimals;
    const std::string bigM = given.value("bigM", "pairs");
    if (bigM != "pairs" && bigM != "expressions") {
        throw Refusal{"Big M must be \"pairs\" or \"expressions\", not \"" + bigM + "\""};
    }
    options.display.bigM = bigM == "expressions" ? BigMStyle::Expressions : BigMStyle::Pairs;
    return options;
}

json PageJson(const TableauPage& page, const std::string& note) {
    json rows = json::array();
    for (const TableauPage::Line& line : page.mRows) {
        rows.push_back(line);
    }
    return {{"rows", rows},
            {"entering", page.mEntering},
            {"leaving", page.mLeaving},
            {"note", note},
            {"phase", page.mPhase}};
}

json PlotPoints(const std::vector<PlotPoint>& points) {
    json out = json::array();
    for (const PlotPoint& point : points) {
        out.push_back({point.x, point.y});
    }
    return out;
}

json ExactPointJson(const ExactPoint& point) {
    return {{"x", ExactString(point.x)},
            {"y", ExactString(point.y)},
            {"at", {point.x.get_d(), point.y.get_d()}}};
}

// Far more ticks than Play ever needs; the page animates the offsets it gets.
constexpr int kMaxSweepSteps = 20000;

}  // namespace

struct Session::State {
    VantrellState state;
    // The decimal solution lines of each kept run, as the run listed them.
    std::map<bool, std::vector<std::string>> solutionLines;
    // Practice: the session, the side, the page asked and the pages as shown.
    std::optional<PracticeSession> practice;
    bool practiceDual = false;
    std::size_t practicePage = 0;
    std::vector<TableauPage> practiceShown;

    json Dispatch(const std::string& op, const nlohmann::json& request, CollectingPrompt& prompt);

    json Open(const nlohmann::json& request, CollectingPrompt& prompt);
    json SetProblem(const nlohmann::json& request, CollectingPrompt& prompt);
    json Save();
    json Run(const nlohmann::json& request, CollectingPrompt& prompt);
    json View(bool dual);
    json Solve(CollectingPrompt& prompt);
    json Report(const nlohmann::json& request, CollectingPrompt& prompt);
    json Latex(bool dual, CollectingPrompt& prompt);
    json Plot(bool dual, CollectingPrompt& prompt);
    json Sensitivity(bool dual, CollectingPrompt& prompt);
    json Practice(const nlohmann::json& request, CollectingPrompt& prompt);
    json Answer(const nlohmann::json& request);
    json Exercise(const nlohmann::json& request);

    json ProblemJson() const;
    void Calculate(bool dual, CollectingPrompt& prompt);
    // Makes the side's run unless a run of the problem now held is kept: never twice.
    bool EnsureRun(bool dual, CollectingPrompt& prompt);
    void ReplaceProblem(ProblemFile file, const std::string& path);
    bool BeginPracticePage();
    json PracticeView() const;
};

Session::Session() : mState(std::make_unique<State>()) {}
Session::~Session() = default;

std::string Session::Call(const std::string& request) {
    CollectingPrompt prompt;
    json answer;
    std::optional<nlohmann::json> parsed;
    try {
        parsed = nlohmann::json::parse(request);
    } catch (const nlohmann::json::exception&) {
        prompt.messages.push_back("The request is not JSON");
    }
    if (parsed &&
        (!parsed->is_object() || !parsed->contains("op") || !(*parsed)["op"].is_string())) {
        prompt.messages.push_back("The request names no operation");
        parsed.reset();
    }
    if (parsed) {
        const std::string op = (*parsed)["op"].get<std::string>();
        const GuardedEnd end = RunGuarded(prompt, [&] {
            try {
                answer = mState->Dispatch(op, *parsed, prompt);
            } catch (const Refusal& refusal) {
                prompt.messages.push_back(refusal.message);
                answer = {{"ok", false}};
            } catch (const nlohmann::json::exception&) {
                prompt.messages.push_back("The request's fields have the wrong types");
                answer = {{"ok", false}};
            }
        });
        if (end != GuardedEnd::Completed) {
            answer = {{"ok", false}};
        }
    } else {
        answer = {{"ok", false}};
    }
    if (!answer.contains("ok")) {
        answer["ok"] = true;
    }
    answer["messages"] = prompt.messages;
    MakeJsonValidUtf8(answer);
    return answer.dump();
}

json Session::State::Dispatch(const std::string& op, const nlohmann::json& request,
                              CollectingPrompt& prompt) {
    const bool dual = request.value("dual", false);
    if (op == "open")
        return Open(request, prompt);
    if (op == "problem")
        return ProblemJson();
    if (op == "setProblem")
        return SetProblem(request, prompt);
    if (op == "save")
        return Save();
    if (op == "run")
        return Run(request, prompt);
    if (op == "view") {
        const RunOptions options = ReadRunOptions(request);
        state.mDisplay = options.display;
        return View(dual);
    }
    if (op == "solve") {
        // The document of the method and rule asked for, as solve --json --method gives it.
        if (request.contains("options")) {
            const RunOptions options = ReadRunOptions(request);
            state.mPivotRule = options.rule;
            state.mMethod = options.method;
        }
        return Solve(prompt);
    }
    if (op == "report")
        return Report(request, prompt);
    if (op == "latex")
        return Latex(dual, prompt);
    if (op == "plot")
        return Plot(dual, prompt);
    if (op == "sensitivity")
        return Sensitivity(dual, prompt);
    if (op == "practice")
        return Practice(request, prompt);
    if (op == "answer")
        return Answer(request);
    if (op == "exercise")
        return Exercise(request);
    throw Refusal{"Unknown operation \"" + op + "\""};
}

json Session::State::ProblemJson() const {
    const auto number = ShownNumberText(state);
    json equations = {
        {"primal", PrimalObjectiveText(state.mPrimal, number)},
        {"primalRows", PrimalConstraintLines(state.mPrimal, number)},
        {"dual", DualObjectiveText(state.mDual, number, state.mDisplayDuality)},
        {"dualRows", DualConstraintLines(state.mDual, number, state.mDisplayDuality)}};
    return {{"problem", ProblemForm(state)}, {"equations", equations}};
}

void Session::State::ReplaceProblem(ProblemFile file, const std::string& path) {
    ApplyProblemFile(state, std::move(file), path);
    solutionLines.clear();
    practice.reset();
}

json Session::State::Open(const nlohmann::json& request, CollectingPrompt& prompt) {
    const auto bytes = FromBase64(request.value("base64", ""));
    if (!bytes) {
        throw Refusal{"The file's content did not arrive whole"};
    }
    ProblemFileReading reading = ReadProblemText(*bytes);
    for (std::string& message : reading.messages) {
        prompt.messages.push_back(std::move(message));
    }
    if (!reading.file) {
        return {{"ok", false}};
    }
    ReplaceProblem(std::move(*reading.file), request.value("name", "problem.lp"));
    return ProblemJson();
}

json Session::State::SetProblem(const nlohmann::json& request, CollectingPrompt& prompt) {
    auto file = ProblemFromForm(request.value("problem", nlohmann::json()), prompt.messages);
    if (!file) {
        return {{"ok", false}};
    }
    const std::string path = state.mFileName;
    ReplaceProblem(std::move(*file), path);
    return ProblemJson();
}

json Session::State::Save() {
    return {{"base64", Base64(ToCrLf(BuildProblemText(state)))}};
}

void Session::State::Calculate(bool dual, CollectingPrompt& prompt) {
    SilentPresenter presenter;
    practice.reset();
    dual ? CalculateDual(state, prompt, presenter) : CalculatePrimal(state, prompt, presenter);
    solutionLines[dual] = state.mSolutionLines;
    if (const auto minimum = RunMinimumLine(state)) {
        solutionLines[dual].push_back(*minimum);
    }
}

bool Session::State::EnsureRun(bool dual, CollectingPrompt& prompt) {
    if (!KeptRunIsCurrent(state, dual) || KeptRun(state, dual).count <= 0) {
        Calculate(dual, prompt);
    }
    return KeptRunIsCurrent(state, dual) && KeptRun(state, dual).count > 0;
}

json Session::State::Run(const nlohmann::json& request, CollectingPrompt& prompt) {
    const RunOptions options = ReadRunOptions(request);
    const bool dual = request.value("dual", false);
    state.mPivotRule = options.rule;
    state.mMethod = options.method;
    state.mDisplay = options.display;
    Calculate(dual, prompt);
    if (KeptRun(state, dual).count <= 0) {
        return {{"ok", false}};  // refused before its first page; the messages say why
    }
    return View(dual);
}

json Session::State::View(bool dual) {
    if (!KeptRunIsCurrent(state, dual) || KeptRun(state, dual).count <= 0) {
        throw Refusal{"There is no run of this problem to show: run it first"};
    }
    const NoteNumbers numbers = NoteNumbersOf(state);
    const RunExplanation explanation = ExplainKeptRun(state, dual, numbers);
    json pages = json::array();
    const std::vector<ShownPage> shown = DisplayedKeptPages(state, dual);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        pages.push_back(
            PageJson(shown[i].Page(), i < explanation.notes.size() ? explanation.notes[i] : ""));
        pages.back()["marks"] = shown[i].notes;
    }
    const ExactRun* run = KeptExactRun(state, dual);
    if (const auto deciding =
            DecidingPage(run, KeptRun(state, dual).count, state.mDisplay, state.mDecimalPlaces)) {
        const std::size_t i = shown.size();
        pages.push_back(
            PageJson(*deciding, i < explanation.notes.size() ? explanation.notes[i] : ""));
        pages.back()["unbounded"] = true;
    }
    std::vector<std::string> lines = solutionLines[dual];
    if (!state.mDisplay.IsDefault() && run != nullptr) {
        lines = ExactSolutionLines(*run, state.mDisplay, state.mDecimalPlaces);
        if (const auto stated = StatedOptimumLine(*run, numbers);
            stated && state.mMinimize != dual) {
            lines.push_back(*stated);
        }
    }
    return {{"dual", dual},
            {"outcome", ToString(KeptRun(state, dual).outcome)},
            {"setup", SetupLines(state, dual, numbers)},
            {"pages", pages},
            {"solution", lines},
            {"special", explanation.special}};
}

json Session::State::Solve(CollectingPrompt& prompt) {
    // The document tells of this solve alone, as a fresh vantrell-cli solve does: a run the
    // method now refuses must not stand in it as a run of another method made before.
    for (const bool dual : {false, true}) {
        const KeptRunOf<VantrellState> kept = KeptRun(state, dual);
        kept.count = 0;
        kept.outcome = RunOutcome::NotRun;
        kept.record = {};
        kept.solved = {};
    }
    RunMessages messages;
    Calculate(false, prompt);
    messages.primal = prompt.messages.empty() ? "" : prompt.messages.back();
    const std::size_t before = prompt.messages.size();
    Calculate(true, prompt);
    messages.dual = prompt.messages.size() > before ? prompt.messages.back() : "";
    return {{"answer", SolveAnswer(state, messages)}};
}

json Session::State::Report(const nlohmann::json& request, CollectingPrompt& prompt) {
    EnsureRun(false, prompt);
    EnsureRun(true, prompt);
    if (!state.mSolved) {
        throw Refusal{"Nothing was solved: the report needs a run"};
    }
    const nlohmann::json clock = request.value("clock", nlohmann::json::object());
    ReportClock when;
    when.year = clock.value("year", 1970);
    when.month = clock.value("month", 1);
    when.day = clock.value("day", 1);
    when.hour = clock.value("hour", 0);
    when.minute = clock.value("minute", 0);
    return {{"base64", Base64(ToCrLf(BuildReport(state, when)))}};
}

json Session::State::Latex(bool dual, CollectingPrompt& prompt) {
    if (!EnsureRun(dual, prompt)) {
        return {{"ok", false}};
    }
    if (const auto refusal = LatexRefusal(state)) {
        throw Refusal{*refusal};
    }
    return {{"base64", Base64(BuildLatexDocument(state, dual))}};
}

json Session::State::Plot(bool dual, CollectingPrompt& prompt) {
    if (const auto refusal = PlotRefusal(state)) {
        throw Refusal{*refusal};
    }
    PlotGeometry region;
    if (!region.ComputeFeasiblePoints(state, prompt)) {
        return {{"ok", false}};
    }
    region.BuildRegionSeries(state, prompt);
    PlotGeometry lines;
    lines.ComputeFeasiblePoints(state, prompt);
    lines.BuildConstraintSeries(state, prompt);

    json corners = json::array();
    for (std::size_t i = 0; i < region.mFeasibleX1.size(); ++i) {
        corners.push_back({{"at", {region.mFeasibleX1[i], region.mFeasibleX2[i]}},
                           {"line", i < region.mListLines.size() ? region.mListLines[i] : ""}});
    }
    json series = json::array();
    for (std::size_t s = 0; s < lines.mSeries.size(); ++s) {
        if (static_cast<std::int32_t>(s) != lines.mObjectiveSeries) {
            series.push_back({{"label", lines.mSeries[s].label},
                              {"points", PlotPoints(lines.mSeries[s].points)}});
        }
    }
    json polygon = json::array();
    for (const PlotSeries& s : region.mSeries) {
        if (s.label == kRegionLabel) {
            polygon = PlotPoints(s.points);
        }
    }
    json out = {{"title", region.mTitle},
                {"extent", region.mExtent},
                {"region", polygon},
                {"openSide", PlotPoints(region.mOpenSide)},
                {"constraints", series},
                {"corners", corners},
                {"unbounded", region.mUnboundedObjective},
                {"slope", region.HasObjectiveLine() ? json(region.mSlopeText) : json(nullptr)}};

    // Play: every offset the objective line takes until it reaches its corner.
    json sweep = json::array();
    if (const auto refusal = region.PlayRefusal()) {
        out["sweepRefusal"] = *refusal;
    } else {
        region.StartSweep(state.mMinimize);
        for (int steps = 1; steps <= kMaxSweepSteps; ++steps) {
            const auto reached = region.SweepStep(state.mMinimize);
            sweep.push_back(PlotPoints(ObjectiveLinePoints(
                region.mObjectiveOffset, region.mObjectiveSlope, region.mExtent)));
            if (reached) {
                out["sweepStops"] = *reached;
                break;
            }
            if (region.mStopped) {
                break;
            }
        }
    }
    out["sweep"] = sweep;

    // The run's path, read off the kept run: only a run already made is drawn.
    if (KeptRunIsCurrent(state, dual) && KeptRun(state, dual).count > 0) {
        if (const auto path = KeptRunPath(state, dual)) {
            json points = json::array();
            for (const PathPoint& point : path->points) {
                json p = ExactPointJson(point.point);
                p["feasible"] = point.feasible;
                p["page"] = point.page;
                p["entering"] = point.entering;
                p["leaving"] = point.leaving;
                if (point.enteringDirection) {
                    p["direction"] = ExactPointJson(*point.enteringDirection);
                }
                if (point.leavingConstraint) {
                    p["leavingConstraint"] = *point.leavingConstraint;
                }
                points.push_back(p);
            }
            out["path"] = {{"points", points}, {"lines", PathLines(*path)}};
            if (path->unboundedDirection) {
                out["path"]["direction"] = ExactPointJson(*path->unboundedDirection);
            }
        }
    }
    return out;
}

json Session::State::Sensitivity(bool dual, CollectingPrompt& prompt) {
    if (!EnsureRun(dual, prompt)) {
        return {{"ok", false}};
    }
    const auto sensitivity = KeptRunSensitivity(state, dual);
    if (!sensitivity) {
        throw Refusal{kNoOptimalRunMessage};
    }
    const NoteNumbers numbers = NoteNumbersOf(state);
    return {{"constraints", ConstraintTable(*sensitivity, numbers)},
            {"variables", VariableTable(*sensitivity, numbers)},
            {"degenerate", sensitivity->degenerate}};
}

bool Session::State::BeginPracticePage() {
    const ExactRun* run = KeptExactRun(state, practiceDual);
    if (run == nullptr || practice->Finished() || practicePage >= practiceShown.size()) {
        return false;
    }
    auto page = ReadPracticePage(*run, practicePage, NoteNumbersOf(state));
    if (!page) {
        return false;
    }
    practice->BeginPage(std::move(*page), practiceShown[practicePage],
                        static_cast<int>(practicePage) + 1);
    return true;
}

json Session::State::PracticeView() const {
    json out = {{"dual", practiceDual},
                {"tableau", practicePage + 1},
                {"feedback", practice->LastFeedback()}};
    if (practice->PageOpen()) {
        out["page"] = PageJson(practice->View(), "");
        out["question"] = practice->QuestionText();
        out["asking"] = static_cast<int>(practice->Question());
        if (const auto column = practice->SettledColumn()) {
            out["settledColumn"] = *column;
        }
        if (const auto row = practice->SettledRow()) {
            out["settledRow"] = *row;
        }
        out["rowsMade"] = practice->RowsMade();
    } else {
        out["summary"] = PracticeSummaryLines(practice->Record());
    }
    return out;
}

json Session::State::Practice(const nlohmann::json& request, CollectingPrompt& prompt) {
    const bool dual = request.value("dual", false);
    const std::string levelName = request.value("level", "choices");
    PracticeLevel level = PracticeLevel::Choices;
    if (levelName == "operations") {
        level = PracticeLevel::Operations;
    } else if (levelName == "tableau") {
        level = PracticeLevel::Tableau;
    } else if (levelName != "choices") {
        throw Refusal{"The practice level must be \"choices\", \"operations\" or \"tableau\""};
    }
    if (!EnsureRun(dual, prompt)) {
        return {{"ok", false}};
    }
    // The pages as the student sees them, the deciding page of an unbounded run last.
    practiceShown.clear();
    for (const ShownPage& shown : DisplayedKeptPages(state, dual)) {
        practiceShown.push_back(shown.Page());
    }
    if (const auto deciding = DecidingPage(KeptExactRun(state, dual), KeptRun(state, dual).count,
                                           state.mDisplay, state.mDecimalPlaces)) {
        practiceShown.push_back(*deciding);
    }
    practice.emplace(dual, level);
    practiceDual = dual;
    practicePage = 0;
    if (!BeginPracticePage()) {
        practice.reset();
        throw Refusal{"This run has no page to practise"};
    }
    return PracticeView();
}

json Session::State::Answer(const nlohmann::json& request) {
    if (!practice || !practice->PageOpen()) {
        throw Refusal{"No practice question is open: start practising first"};
    }
    const PracticeFeedback feedback = practice->AnswerLine(request.value("text", ""));
    static constexpr const char* kResults[] = {"right", "wrong", "not-a-choice"};
    if (!practice->PageOpen()) {
        ++practicePage;
        if (!BeginPracticePage()) {
            KeptRun(state, practiceDual).record.practice = PracticeRecordLines(practice->Record());
        }
    }
    json out = PracticeView();
    out["result"] = kResults[static_cast<int>(feedback.result)];
    out["feedback"] = feedback.text;
    return out;
}

json Session::State::Exercise(const nlohmann::json& request) {
    const auto kind = ParseExerciseKind(request.value("kind", "max"));
    if (!kind) {
        throw Refusal{
            "The kind must be max, min, mixed, degenerate, alternative, unbounded or infeasible"};
    }
    const long long seed = request.value("seed", 1LL);
    if (seed < 0) {
        throw Refusal{"The seed must be a whole number from 0"};
    }
    ExerciseRequest wanted;
    wanted.kind = *kind;
    wanted.seed = static_cast<std::uint64_t>(seed);
    ExerciseResult made = MakeExercise(wanted);
    if (!made.file) {
        throw Refusal{made.error};
    }
    ReplaceProblem(std::move(*made.file),
                   "exercise-" + std::string(ToString(*kind)) + "-" + std::to_string(seed) + ".lp");
    return ProblemJson();
}

}  // namespace vantrell::web
