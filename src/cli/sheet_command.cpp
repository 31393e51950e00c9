// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/sheet_command.h"

#include <optional>
#include <sstream>

#include "cli/cli_app.h"
#include "cli/cli_options.h"
#include "cli/exercise_command.h"
#include "commands/sheet_commands.h"
#include "model/file_io.h"
#include "model/number_text.h"

namespace vantrell::cli {
namespace {

struct SheetOptions {
    SheetRequest request;
    bool seedGiven = false;
    bool countGiven = false;
    std::string sheetFile;
    std::string keyFile;
};

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
            const auto seed = ReadSeed(value, error);
            if (!seed) {
                return std::nullopt;
            }
            options.request.seed = *seed;
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
    if (const auto failure = WriteSheetDocument(documents.sheet, options->sheetFile)) {
        err << *failure << '\n';
        status = kExitCannotWrite;
    }
    if (!options->keyFile.empty()) {
        if (const auto failure = WriteSheetDocument(documents.key, options->keyFile)) {
            err << *failure << '\n';
            status = kExitCannotWrite;
        }
    }
    return status;
}

}  // namespace vantrell::cli
