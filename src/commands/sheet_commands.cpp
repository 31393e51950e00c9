// SPDX-License-Identifier: GPL-3.0-or-later
#include "commands/sheet_commands.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "commands/calculate_commands.h"
#include "commands/file_commands.h"
#include "export/exercise_sheet.h"
#include "model/file_io.h"

extern char** environ;

namespace vantrell {
namespace {

// Compiles document with pdflatex in a folder of its own and writes the PDF to path.
std::optional<std::string> WritePdf(const std::string& document, const std::string& path) {
    std::error_code ignored;
    std::string pattern = (std::filesystem::temp_directory_path(ignored) / "vantrell-sheet-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr) {
        return "Cannot write \"" + path + "\": no folder for pdflatex to work in";
    }
    const std::filesystem::path folder = pattern;
    struct Cleanup {
        std::filesystem::path folder;
        ~Cleanup() {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        }
    } cleanup{folder};
    if (const auto failure = WriteFileAtomically((folder / "sheet.tex").string(), document)) {
        return failure;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // pdflatex talks on standard output; its log stays in the folder.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    const std::string outputDirectory = "-output-directory=" + folder.string();
    const std::string input = (folder / "sheet.tex").string();
    std::vector<std::string> words = {"pdflatex",       "-interaction=nonstopmode",
                                      "-halt-on-error", "-no-shell-escape",
                                      outputDirectory,  input};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, "pdflatex", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return "Cannot write \"" + path + "\": pdflatex is needed for a PDF (write .tex instead)";
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    std::ifstream pdf(folder / "sheet.pdf", std::ios::binary);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !pdf) {
        return "Cannot write \"" + path + "\": pdflatex failed on the sheet (its log was " +
               (folder / "sheet.log").string() + ")";
    }
    const std::string bytes((std::istreambuf_iterator<char>(pdf)),
                            std::istreambuf_iterator<char>());
    return WriteFileAtomically(path, bytes);
}

}  // namespace

std::optional<std::string> WriteSheetDocument(const std::string& document,
                                              const std::string& path) {
    return path.ends_with(".pdf") ? WritePdf(document, path) : WriteFileAtomically(path, document);
}

void SaveExerciseSheet(Prompt& prompt, const SheetRequest& request) {
    const SheetDocuments documents = MakeExerciseSheet(request);
    if (documents.sheet.empty()) {
        prompt.ShowMessage(documents.error);
        return;
    }
    const auto save = [&prompt](const char* name, const char* filter, const std::string& text) {
        const auto path = prompt.ChooseFileToSave({name, filter, "*.pdf", "pdf", false});
        if (!path) {
            return false;
        }
        // A name without .pdf or .tex gets the PDF it was asked for.
        const std::string file =
            path->ends_with(".pdf") || path->ends_with(".tex") ? *path : *path + ".pdf";
        if (const auto failure = WriteSheetDocument(text, file)) {
            prompt.ShowMessage(*failure);
            return false;
        }
        return true;
    };
    if (save("exercise-sheet.pdf", "Exercise Sheet (*.pdf *.tex)", documents.sheet) &&
        request.separateKey) {
        save("exercise-key.pdf", "Answer Key (*.pdf *.tex)", documents.key);
    }
}

SheetDocuments MakeExerciseSheet(const SheetRequest& request) {
    SheetDocuments documents;
    if (request.count < 1 || request.count > kSheetMaxCount) {
        documents.error = "A sheet holds 1 to " + std::to_string(kSheetMaxCount) + " exercises";
        return documents;
    }
    // The exercises keep their solved states while the documents read them.
    std::deque<VantrellState> states;
    std::vector<SheetExercise> exercises;
    for (int i = 0; i < request.count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const ExerciseKind kind = request.kinds.empty()
                                      ? kExerciseKinds[index % std::size(kExerciseKinds)]
                                      : request.kinds[index % request.kinds.size()];
        const std::uint64_t seed = request.seed + index;
        ExerciseResult exercise = MakeExercise({kind, seed, 2, 3});
        if (!exercise.file) {
            documents.error = "Exercise " + std::to_string(i + 1) + ": " + exercise.error;
            return documents;
        }
        VantrellState& state = states.emplace_back();
        ApplyProblemFile(state, std::move(*exercise.file), "");
        state.mDisplay = {NumberStyle::Fractions, BigMStyle::Expressions};
        SilentPrompt prompt;
        SilentPresenter presenter;
        CalculatePrimal(state, prompt, presenter);
        exercises.push_back({&state, ToString(kind), seed});
    }
    documents.sheet = BuildExerciseSheet(exercises, request.seed, !request.separateKey);
    if (request.separateKey) {
        documents.key = BuildExerciseKey(exercises, request.seed);
    }
    return documents;
}

}  // namespace vantrell
