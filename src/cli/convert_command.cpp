// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/convert_command.h"

#include <optional>

#include "cli/cli_app.h"
#include "interop/lp_formats.h"
#include "model/file_io.h"
#include "model/problem_limits.h"

namespace vantrell::cli {
namespace {

struct ConvertOptions {
    std::string input;
    std::string output;
    std::optional<LpFormat> from;
    std::optional<LpFormat> to;
};

std::optional<ConvertOptions> ParseConvert(const std::vector<std::string>& args,
                                           std::string& error) {
    ConvertOptions options;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--from" || arg == "--to") {
            const auto format =
                i + 1 < args.size() ? LpFormatNamed(args[i + 1]) : std::optional<LpFormat>();
            if (!format) {
                error = arg + " needs vantrell, cplex or mps";
                return std::nullopt;
            }
            (arg == "--from" ? options.from : options.to) = format;
            ++i;
        } else if (!arg.empty() && arg[0] == '-') {
            error = "unknown option \"" + arg + "\"";
            return std::nullopt;
        } else {
            files.push_back(arg);
        }
    }
    if (files.size() != 2 || !options.from || !options.to) {
        error = "convert needs IN OUT --from FORMAT --to FORMAT";
        return std::nullopt;
    }
    options.input = files[0];
    options.output = files[1];
    return options;
}

// The input as a problem, its messages on the error stream; nothing when it is refused.
std::optional<ProblemFile> ReadInput(const ConvertOptions& options, std::ostream& err) {
    if (*options.from != LpFormat::Vantrell) {
        ImportResult imported = ImportExchangeFile(options.input, *options.from, kMaxVariables, 3);
        err << imported.message << '\n';
        return std::move(imported.file);
    }
    std::string reason;
    const auto content = ReadRegularFile(options.input, kMaxProblemFileBytes, reason);
    if (!content) {
        err << "Cannot open LP file \"" << options.input << "\": " << reason << '\n';
        return std::nullopt;
    }
    ProblemFileReading reading = ReadProblemText(*content);
    for (const std::string& message : reading.messages) {
        err << message << '\n';
    }
    return std::move(reading.file);
}

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& err) {
    std::string error;
    const auto options = ParseConvert(args, error);
    if (!options) {
        err << "vantrell-cli: " << error << '\n';
        return kExitUsageOrUnreadable;
    }
    if (const auto clash = OutputClash(options->output, options->input, "the problem file")) {
        err << *clash << '\n';
        return kExitCannotWrite;
    }
    const auto problem = ReadInput(*options, err);
    if (!problem) {
        return kExitUsageOrUnreadable;
    }
    std::string renames;
    if (const auto failure = ExportProblemFile(options->output, *options->to, *problem, &renames)) {
        err << *failure << '\n';
        return kExitCannotWrite;
    }
    if (!renames.empty()) {
        err << renames << '\n';
    }
    return kExitSuccess;
}

}  // namespace vantrell::cli
