// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheet_command.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "commands/sheet_commands.h"
#include "model/file_io.h"
#include "model/number_text.h"

extern char** environ;

namespace vantrell::cli {
namespace {

struct SheetOptions {
    SheetRequest request;
    bool seedGiven = false;
    bool countGiven = false;
    std::string sheetFile;
    std::string keyFile;
};

std::optional<long long> WholeNumber(const std::string& text) {
    const auto parsed = ParseIntegerPrefix(text);
    if (!parsed || parsed->length != text.size()) {
        return std::nullopt;
    }
    return parsed->value;
}

bool EndsWith(const std::string& text, const char* end) {
    return text.ends_with(end);
}

std::optional<SheetOptions> ParseSheetOptions(const std::vector<std::string>& args,
                                              std::string& error) {
    SheetOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg != "--seed" && arg != "--count" && arg != "--kinds" && arg != "-o" &&
            arg != "--key") {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        }
        if (i + 1 >= args.size()) {
            error = arg + " needs a value";
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (arg == "-o" || arg == "--key") {
            if (!EndsWith(value, ".pdf") && !EndsWith(value, ".tex")) {
                error = arg + " needs a file name ending in .pdf or .tex";
                return std::nullopt;
            }
            (arg == "-o" ? options.sheetFile : options.keyFile) = value;
        } else if (arg == "--kinds") {
            std::istringstream list(value);
            for (std::string name; std::getline(list, name, ',');) {
                const auto kind = ParseExerciseKind(name);
                if (!kind) {
                    error =
                        "--kinds needs a list of max, min, mixed, degenerate, alternative, "
                        "unbounded and infeasible, separated by commas";
                    return std::nullopt;
                }
                options.request.kinds.push_back(*kind);
            }
        } else if (arg == "--seed") {
            const auto seed = WholeNumber(value);
            if (!seed || *seed < 0 || *seed > std::numeric_limits<int>::max()) {
                error = "--seed needs a whole number from 0 to " +
                        std::to_string(std::numeric_limits<int>::max());
                return std::nullopt;
            }
            options.request.seed = static_cast<std::uint64_t>(*seed);
            options.seedGiven = true;
        } else {
            const auto count = WholeNumber(value);
            if (!count || *count < 1 || *count > kSheetMaxCount) {
                error = "--count needs a whole number from 1 to " + std::to_string(kSheetMaxCount);
                return std::nullopt;
            }
            options.request.count = static_cast<int>(*count);
            options.countGiven = true;
        }
    }
    if (!options.seedGiven || !options.countGiven || options.sheetFile.empty()) {
        error = "sheet needs --seed, --count and -o";
        return std::nullopt;
    }
    if (!options.keyFile.empty()) {
        if (const auto clash = OutputClash(options.keyFile, options.sheetFile, "the sheet")) {
            error = *clash;
            return std::nullopt;
        }
    }
    options.request.separateKey = !options.keyFile.empty();
    return options;
}

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

std::optional<std::string> WriteDocument(const std::string& document, const std::string& path) {
    return EndsWith(path, ".pdf") ? WritePdf(document, path) : WriteFileAtomically(path, document);
}

}  // namespace

int RunSheetCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsageText;
        return kExitSuccess;
    }
    std::string error;
    const auto options = ParseSheetOptions(args, error);
    if (!options) {
        err << "vantrell-cli: " << error << "\n\n" << kUsageText;
        return kExitUsageOrUnreadable;
    }
    const SheetDocuments documents = MakeExerciseSheet(options->request);
    if (documents.sheet.empty()) {
        err << documents.error << '\n';
        return kExitRefused;
    }
    int status = kExitSuccess;
    if (const auto failure = WriteDocument(documents.sheet, options->sheetFile)) {
        err << *failure << '\n';
        status = kExitCannotWrite;
    }
    if (!options->keyFile.empty()) {
        if (const auto failure = WriteDocument(documents.key, options->keyFile)) {
            err << *failure << '\n';
            status = kExitCannotWrite;
        }
    }
    return status;
}

}  // namespace vantrell::cli
