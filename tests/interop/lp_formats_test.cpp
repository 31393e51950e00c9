// SPDX-License-Identifier: GPL-3.0-or-later
// Problems through CPLEX LP and free MPS and back, the models the program refuses, and
// GLPK's own optimum of what the program exports.
#include "interop/lp_formats.h"

#include <glpk.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <tuple>

#include "cli/cli_run.h"
#include "commands/command_guard.h"
#include "commands/interop_commands.h"
#include "model/file_io.h"
#include "support/problem_builders.h"
#include "support/scripted_prompt.h"
#include "support/temp_dir.h"
#include "teach/exact_run.h"

namespace vantrell {
namespace {

using testing::TempDir;

ProblemFile ProblemAt(const std::string& path) {
    auto content = ReadFileContent(path);
    ProblemFileReading reading = ReadProblemText(content.value_or(""));
    return reading.file.value_or(ProblemFile{});
}

ProblemFile ExampleProblem(const std::string& name) {
    return ProblemAt(testing::Example(name));
}

// Every coefficient by variable, a missing one as 0: what a solver sees.
auto Dense(const ProblemFile& file) {
    const std::size_t n = file.problem.WidestColumnCount();
    std::vector<double> costs(n, 0.0);
    for (std::size_t k = 0; k < file.problem.objective.size(); ++k) {
        costs[k] = file.problem.objective[k].cost;
    }
    std::vector<std::tuple<std::vector<double>, std::int32_t, double>> rows;
    for (const ConstraintRow& row : file.problem.constraints) {
        std::vector<double> a(n, 0.0);
        std::copy(row.coefficients.begin(), row.coefficients.end(), a.begin());
        rows.emplace_back(a, row.relation, row.rhs);
    }
    return std::tuple(file.minimize, costs, rows, file.problem.constraintNames);
}

const char* const kExamples[] = {"sample.lp",   "maximize.lp",  "minimize.lp",
                                 "equality.lp", "unbounded.lp", "infeasible.lp"};

// Out to each format and back with convert, as a teacher would from a shell.
TEST(LpFormats, EveryExampleComesBackThroughConvertAsTheSameProblem) {
    const TempDir dir;
    for (const char* format : {"cplex", "mps"}) {
        for (const char* example : kExamples) {
            SCOPED_TRACE(example + std::string(" ") + format);
            const auto there =
                testing::RunVantrellCli({"convert", testing::Example(example), dir.File("out"),
                                         "--from", "vantrell", "--to", format});
            ASSERT_EQ(there.status, 0) << there.err;
            // GLPK's own heading of each format, so the two names cannot be swapped unseen.
            EXPECT_NE(testing::ReadWholeFile(dir.File("out"))
                          .find(std::string(format) == "mps" ? "\nROWS\n" : "\nSubject To\n"),
                      std::string::npos);
            const auto back =
                testing::RunVantrellCli({"convert", dir.File("out"), dir.File("back.lp"), "--from",
                                         format, "--to", "vantrell"});
            ASSERT_EQ(back.status, 0) << back.err;
            EXPECT_EQ(Dense(ProblemAt(dir.File("back.lp"))), Dense(ExampleProblem(example)));
        }
    }
    EXPECT_EQ(testing::RunVantrellCli({"convert", "a", "b", "--from", "xls", "--to", "mps"}).status,
              2);
}

// A problem file gives every number one decimal count: the count written is the least that
// keeps every number, or the conversion is refused naming the first number none keeps.
TEST(LpFormats, ConvertToTheProgramsFormatKeepsEveryNumberExactly) {
    struct Row {
        const char* name;
        const char* model;
        const char* decimals;  // the count line written, or nothing when refused
        const char* refusal;
    };
    const Row rows[] = {
        {"ten thousandths", " c1: 0.0004 x + y <= 0.0002\n c2: x + y <= 1000\n", "4 #", ""},
        {"one number needs four", " c1: 4.0006 x + y <= 4\n", "4 #", ""},
        {"whole numbers keep the default", " c1: x + 2 y <= 4\n", "3 #", ""},
        {"ten decimals", " c1: x + y <= 0.0000000001\n", "10 #", ""},
        {"beyond ten decimals", " c1: x + y <= 4\n c2: x + 0.00000000001 y <= 1\n", nullptr,
         "1e-11 (constraint 2's X2) cannot be written exactly with 10 "
         "decimals"},
        {"a third", " c1: 0.3333333333333333 x + y <= 1\n", nullptr,
         "0.3333333333333333 (constraint 1's X1) cannot be written exactly"},
    };
    const TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        testing::WriteWholeFile(
            dir.File("m.lp"),
            std::string("Maximize\n obj: x + y\nSubject To\n") + row.model + "End\n");
        std::filesystem::remove(dir.File("back.lp"));
        const auto run = testing::RunVantrellCli({"convert", dir.File("m.lp"), dir.File("back.lp"),
                                                  "--from", "cplex", "--to", "vantrell"});
        if (row.decimals == nullptr) {
            EXPECT_EQ(run.status, cli::kExitCannotWrite);
            EXPECT_NE(run.err.find("Cannot export the problem: " + std::string(row.refusal)),
                      std::string::npos)
                << run.err;
            EXPECT_FALSE(std::filesystem::exists(dir.File("back.lp")));
            continue;
        }
        ASSERT_EQ(run.status, 0) << run.err;
        const std::string written = testing::ReadWholeFile(dir.File("back.lp"));
        EXPECT_NE(written.find("\r\n" + std::string(row.decimals)), std::string::npos) << written;
        const ImportResult model = ImportExchangeFile(dir.File("m.lp"), LpFormat::CplexLp, 9, 3);
        ASSERT_TRUE(model.file);
        EXPECT_EQ(Dense(ProblemAt(dir.File("back.lp"))), Dense(*model.file));
    }
}

TEST(LpFormats, ModelsNamedOtherwiseAreNumberedInOrderAndTheMappingIsShown) {
    const TempDir dir;
    testing::WriteWholeFile(dir.File("m.lp"),
                            "Minimize\n cost: 2 beta + 3 alpha\nSubject To\n"
                            " need: alpha + beta >= 4\nEnd\n");
    const ImportResult imported = ImportExchangeFile(dir.File("m.lp"), LpFormat::CplexLp, 9, 2);
    ASSERT_TRUE(imported.file);
    EXPECT_EQ(Dense(*imported.file),
              std::tuple(true, std::vector<double>{2, 3},
                         std::vector<std::tuple<std::vector<double>, std::int32_t, double>>{
                             {{1, 1}, kGreaterEqual, 4}},
                         std::vector<std::string>{"need"}));
    EXPECT_NE(imported.message.find("\nbeta -> X1\nalpha -> X2"), std::string::npos)
        << imported.message;
    EXPECT_EQ(imported.file->problemName, "m");
}

// n more rows of a CPLEX LP file over x and y, and its end.
std::string Rows(int n) {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += " r" + std::to_string(i) + ": x + y <= " + std::to_string(i + 5) + "\n";
    }
    return text + "End\n";
}

// What fits is taken whole: up to the limits, X1..Xn by name in any order, the model's name,
// names a problem file can hold, the decimals asked for.
TEST(LpFormats, ImportTakesModelsUpToTheLimitsWithTheirNames) {
    struct Case {
        const char* file;
        std::string content;
        const char* problemName;
        std::vector<double> costs;
        std::size_t rows;
        const char* firstRowName;
    };
    const Case cases[] = {
        {"nine.lp",
         "Maximize\n z: a1 + a2 + a3 + a4 + a5 + a6 + a7 + a8 + 2 a9\nSubject To\n"
         " c: a1 <= 1\nEnd\n",
         "nine",
         {1, 1, 1, 1, 1, 1, 1, 1, 2},
         1,
         "c"},
        {"hundred.lp",
         "Maximize\n z: x + 2 y\nSubject To\n" + Rows(100),
         "hundred",
         {1, 2},
         100,
         "r0"},
        {"order.lp",
         "Maximize\n z: 3 X2 + 2 X1\nSubject To\n c#1: X1 + X2 <= 4\nEnd\n",
         "order",
         {2, 3},
         1,
         "c_1"},
        {"named.mps",
         "NAME plant\nROWS\n N z\n L c1\nCOLUMNS\n x z 5 c1 1\nRHS\n R c1 4\nENDATA\n",
         "plant",
         {5},
         1,
         "c1"},
    };
    const TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir.File(c.file);
        testing::WriteWholeFile(path, c.content);
        const ImportResult result = ImportExchangeFile(path, ExchangeFormatOfPath(path), 9, 2);
        ASSERT_TRUE(result.file) << result.message;
        EXPECT_EQ(result.file->problemName, c.problemName);
        EXPECT_EQ(result.file->decimalPlaces, 2);
        EXPECT_EQ(std::get<1>(Dense(*result.file)), c.costs);
        ASSERT_EQ(result.file->problem.constraintNames.size(), c.rows);
        EXPECT_EQ(result.file->problem.constraintNames[0], c.firstRowName);
    }
}

TEST(LpFormats, ExchangeFormatFollowsTheExtensionInAnyCase) {
    const std::pair<const char*, LpFormat> cases[] = {
        {"a.mps", LpFormat::FreeMps}, {"A.MPS", LpFormat::FreeMps}, {"d/a.Mps", LpFormat::FreeMps},
        {"a.lp", LpFormat::CplexLp},  {"mps", LpFormat::CplexLp},   {"a.mps.lp", LpFormat::CplexLp},
    };
    for (const auto& [path, format] : cases) {
        EXPECT_EQ(ExchangeFormatOfPath(path), format) << path;
    }
}

// Two constraints of one name: the second gets GLPK's own, or no format could read it back.
TEST(LpFormats, ExportedNamesAreUniqueInBothFormats) {
    ProblemFile file = ExampleProblem("maximize.lp");
    file.problem.constraintNames = {"Same", "Same"};
    const TempDir dir;
    for (const LpFormat format : {LpFormat::CplexLp, LpFormat::FreeMps}) {
        const std::string path = dir.File(format == LpFormat::FreeMps ? "s.mps" : "s.lp");
        ASSERT_EQ(ExportProblemFile(path, format, file), std::nullopt);
        const ImportResult back = ImportExchangeFile(path, format, 9, 3);
        ASSERT_TRUE(back.file) << back.message;
        EXPECT_EQ(back.file->problem.constraintNames.size(), 2u);
        EXPECT_EQ(back.file->problem.constraintNames[0], "Same");
        EXPECT_NE(back.file->problem.constraintNames[1], "Same");
    }
}

TEST(LpFormats, ImportRefusesWhatTheProgramCannotHoldAndSaysWhat) {
    struct Case {
        const char* file;
        const char* content;
        const char* reason;
    };
    const std::string head = "Maximize\n z: x + y\nSubject To\n c1: x + y <= 4\n";
    const std::string mpsHead = "NAME m\nROWS\n N z\n L c1\nCOLUMNS\n x z 1 c1 1\nRHS\n R c1 4\n";
    const Case cases[] = {
        {"bound.lp", "Bounds\n y <= 3\nEnd\n", "variable \"y\" has a bound other than y >= 0"},
        {"lower_bound.lp", "Bounds\n x >= 1\nEnd\n",
         "variable \"x\" has a bound other than x >= 0"},
        {"free.lp", "Bounds\n y free\nEnd\n",
         "variable \"y\" is free; Vantrell's variables are all >= 0"},
        {"integer.lp", "General\n x\nEnd\n",
         "variable \"x\" is integer; Vantrell's variables are continuous"},
        {"ranged.mps", "RANGES\n R c1 2\nENDATA\n",
         "constraint \"c1\" is a ranged row; Vantrell's constraints have one right-hand side"},
        {"too_many.lp", " c3: a1 + a2 + a3 + a4 + a5 + a6 + a7 + a8 <= 1\nEnd\n",
         "it has 10 variables, more than the 9 Vantrell can hold"},
        {"too_many_rows.lp", nullptr,
         "it has 101 constraints, more than the 100 Vantrell can hold"},
        {"constant.mps", " R z 3\nENDATA\n", "the objective has a constant term"},
        {"syntax.lp", " c2: x +\nEnd\n", "it is no CPLEX LP file ("},
        // GLPK read a copy; the message names the user's file.
        {"syntax.mps", "BOUNDS\n XX B x 1\nENDATA\n", "it is no free MPS file (@:10: invalid"},
    };
    const TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = dir.File(c.file);
        std::string reason = c.reason;
        if (const std::size_t at = reason.find('@'); at != std::string::npos) {
            reason.replace(at, 1, path);
        }
        const LpFormat format = ExchangeFormatOfPath(path);
        testing::WriteWholeFile(path, (format == LpFormat::FreeMps ? mpsHead : head) +
                                          (c.content != nullptr ? c.content : Rows(100)));
        const ImportResult result = ImportExchangeFile(path, format, 9, 3);
        EXPECT_FALSE(result.file);
        EXPECT_EQ(result.message.rfind("Cannot import \"" + path + "\": " + reason, 0), 0u)
            << result.message;
    }
}

TEST(LpFormats, RefusedImportKeepsTheProblemAndAnImportedOneHasNoFileName) {
    const TempDir dir;
    testing::WriteWholeFile(dir.File("int.lp"),
                            "Maximize\n z: x\nSubject To\n c: x <= 1\n"
                            "General\n x\nEnd\n");
    ASSERT_EQ(ExportProblemFile(dir.File("s.mps"), LpFormat::FreeMps, ExampleProblem("sample.lp")),
              std::nullopt);
    VantrellState state;
    ApplyProblemFile(state, ExampleProblem("maximize.lp"), "maximize.lp");
    const ProblemSet before = state.mPrimal;
    testing::ScriptedPrompt prompt;
    prompt.openFiles = {dir.File("int.lp"), dir.File("s.mps")};
    EXPECT_EQ(ImportProblem(state, prompt, 9), OpenResult::Failed);
    EXPECT_EQ(state.mFileName, "maximize.lp");
    EXPECT_EQ(state.mPrimal.constraintNames, before.constraintNames);
    EXPECT_EQ(ImportProblem(state, prompt, 9), OpenResult::Opened);
    EXPECT_EQ(state.mFileName, "");
    EXPECT_EQ(state.mPrimal.constraintNames,
              (std::vector<std::string>{"Plant1", "Plant2", "Plant3"}));
    EXPECT_EQ(prompt.questions,
              std::vector<std::string>{"Do you want to save the current inputs?"});
}

// GLPK's own reader on an exported file as it is: nothing, or why it cannot read it.
std::optional<std::string> GlpkReadFailure(const std::string& path, LpFormat format,
                                           glp_prob* model) {
    glp_term_out(GLP_OFF);
    const int read = format == LpFormat::FreeMps
                         ? glp_read_mps(model, GLP_MPS_FILE, nullptr, path.c_str())
                         : glp_read_lp(model, nullptr, path.c_str());
    glp_term_out(GLP_ON);
    if (read == 0) {
        return std::nullopt;
    }
    return ReadFileContent(path).value_or("");
}

// GLPK's simplex on the exported file, for the examples that have an optimum. A
// maximization in free MPS is, to GLPK, the minimization of -Z.
double GlpkOptimum(const std::string& path, LpFormat format, bool maximize) {
    glp_prob* model = glp_create_prob();
    EXPECT_EQ(GlpkReadFailure(path, format, model), std::nullopt);
    glp_term_out(GLP_OFF);
    EXPECT_EQ(glp_simplex(model, nullptr), 0);
    glp_term_out(GLP_ON);
    EXPECT_EQ(glp_get_status(model), GLP_OPT);
    const double optimum = glp_get_obj_val(model);
    glp_delete_prob(model);
    return format == LpFormat::FreeMps && maximize ? -optimum : optimum;
}

TEST(LpFormats, GlpkFindsTheProgramsOptimumInTheExportedFiles) {
    const TempDir dir;
    for (const char* example : {"sample.lp", "maximize.lp", "minimize.lp", "equality.lp"}) {
        const ProblemFile file = ExampleProblem(example);
        const VantrellState state = testing::SolvedState(file.problem, file.minimize);
        const ExactRun* run = KeptExactRun(state, false);
        ASSERT_TRUE(run != nullptr);
        const auto optimum = StatedObjective(*run);
        ASSERT_TRUE(optimum) << example;
        for (const LpFormat format : {LpFormat::CplexLp, LpFormat::FreeMps}) {
            SCOPED_TRACE(example + std::string(format == LpFormat::CplexLp ? " cplex" : " mps"));
            const std::string path = dir.File("solve");
            ASSERT_EQ(ExportProblemFile(path, format, file), std::nullopt);
            EXPECT_NEAR(GlpkOptimum(path, format, !file.minimize), optimum->get_d(), 1e-9);
        }
    }
}

// Names as a hostile user might type them: marks each format refuses, GLPK's generated
// names, the objective's names, blanks, bytes past ASCII, duplicates and the empty name.
// Every export is read by GLPK's own reader, and import gives the same problem back
// under names that are all different.
TEST(LpFormats, NameFuzzedExportsAreReadBackByGlpkAsTheSameProblem) {
    const std::vector<std::string> pieces = {
        "R0000000", "R0000002", "r_1", "r_3", "C0000001", "Z",  "obj", "a:b", "-",
        "[",        "]",        " ",   ".",   "1",        "e",  "st",  "end", "'MARKER'",
        "\xe9",     "<=",       "*",   "+",   ":",        "_2", "x"};
    std::mt19937 random(28);
    const auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    const TempDir dir;
    for (int round = 0; round < 60; ++round) {
        ProblemFile file = ExampleProblem("maximize.lp");
        file.minimize = round % 2 == 1;
        const std::size_t rows = 2 + pick(5);
        file.problem.constraints.resize(rows, file.problem.constraints[0]);
        file.problem.constraintNames.resize(rows);
        for (std::size_t r = 0; r < rows; ++r) {
            file.problem.constraints[r].rhs = static_cast<double>(r + 1);
            std::string name;
            for (std::size_t k = pick(3); k > 0; --k) {
                name += pieces[pick(pieces.size())];
            }
            file.problem.constraintNames[r] = name;
        }
        for (const LpFormat format : {LpFormat::CplexLp, LpFormat::FreeMps}) {
            SCOPED_TRACE(::testing::PrintToString(file.problem.constraintNames) +
                         (format == LpFormat::CplexLp ? " cplex" : " mps"));
            const std::string path = dir.File(format == LpFormat::CplexLp ? "f.lp" : "f.mps");
            ASSERT_EQ(ExportProblemFile(path, format, file), std::nullopt);
            glp_prob* model = glp_create_prob();
            EXPECT_EQ(GlpkReadFailure(path, format, model), std::nullopt);
            glp_delete_prob(model);
            const ImportResult back = ImportExchangeFile(path, format, 9, 3);
            ASSERT_TRUE(back.file) << back.message;
            auto [minimize, costs, denseRows, names] = Dense(*back.file);
            auto [minimize0, costs0, denseRows0, names0] = Dense(file);
            EXPECT_EQ(std::tie(minimize, costs, denseRows),
                      std::tie(minimize0, costs0, denseRows0));
            EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), rows);
        }
    }
}

// GLPK ends the process when its memory runs out unless it is contained: here the batch
// front end ends with exit 4 and the message, and the next import works again.
TEST(LpFormats, GlpkOutOfMemoryIsExitFourAndTheNextImportWorks) {
    const TempDir dir;
    std::string big = "Maximize\n z: x + y\nSubject To\n";
    for (int i = 0; i < 30000; ++i) {
        big += " c" + std::to_string(i) + ": x + y <= 1\n";
    }
    testing::WriteWholeFile(dir.File("big.lp"), big + "End\n");
    glp_mem_limit(1);
    const auto run = testing::RunVantrellCli(
        {"convert", dir.File("big.lp"), dir.File("out.lp"), "--from", "cplex", "--to", "vantrell"});
    EXPECT_EQ(run.status, cli::kExitOutOfMemory);
    EXPECT_EQ(run.err, std::string(kOutOfMemoryMessage) + "\n");
    testing::WriteWholeFile(dir.File("small.lp"), "Maximize\n z: x\nSubject To\n c: x <= 1\nEnd\n");
    EXPECT_TRUE(ImportExchangeFile(dir.File("small.lp"), LpFormat::CplexLp, 9, 3).file);
}

// GLPK's warnings reach the user under the file's own name; the MPS import's copy is made
// in the temporary folder only when it is needed, and when it cannot be made it says why.
TEST(LpFormats, ImportPassesOnGlpkWarningsAndNeedsATemporaryFileOnlyForMps) {
    const TempDir dir;
    const std::string mps = dir.File("w.mps");
    testing::WriteWholeFile(mps,
                            "NAME m\nROWS\n N z\n L c1\n L c2\nCOLUMNS\n x z 1 c1 1\n y z 1 c2 1\n"
                            "RHS\n R c1 4 c2 9 z -3\nENDATA\n");
    const ImportResult warned = ImportExchangeFile(mps, LpFormat::FreeMps, 9, 3);
    ASSERT_TRUE(warned.file) << warned.message;
    EXPECT_TRUE(warned.message.ends_with(
        "\nGLPK: " + mps +
        ":10: warning: some extra field(s) detected beyond field 6; field(s) "
        "ignored"))
        << warned.message;

    const std::string lp = dir.File("m.lp");
    testing::WriteWholeFile(lp, "Maximize\n z: x\nSubject To\n c: x <= 1\nEnd\n");
    const char* saved = std::getenv("TMPDIR");
    const std::string savedValue = saved == nullptr ? "" : saved;
    ::setenv("TMPDIR", dir.File("gone").c_str(), 1);
    const ImportResult cplex = ImportExchangeFile(lp, LpFormat::CplexLp, 9, 3);
    const ImportResult noFolder = ImportExchangeFile(mps, LpFormat::FreeMps, 9, 3);
    saved == nullptr ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", savedValue.c_str(), 1);
    EXPECT_TRUE(cplex.file) << cplex.message;
    EXPECT_FALSE(noFolder.file);
    EXPECT_TRUE(noFolder.message.starts_with("Cannot import \"" + mps +
                                             "\": no temporary file can be made"))
        << noFolder.message;
}

}  // namespace
}  // namespace vantrell
