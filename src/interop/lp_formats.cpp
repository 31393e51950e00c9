// SPDX-License-Identifier: GPL-3.0-or-later
#include "interop/lp_formats.h"

#include <glpk.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <vector>

#include "interop/glpk_problem.h"
#include "model/file_io.h"
#include "model/number_text.h"
#include "model/problem_file_writer.h"
#include "model/problem_limits.h"
#include "model/variable_names.h"

namespace vantrell {
namespace {

// GLPK stops the process on a name it cannot hold, so names are made safe before they
// reach it: no control characters, at most 255 bytes.
constexpr std::size_t kMaxGlpkName = 255;

std::string GlpkSafeName(const std::string& name) {
    std::string safe = name.substr(0, kMaxGlpkName);
    for (char& c : safe) {
        if (std::iscntrl(static_cast<unsigned char>(c)) != 0 || c == ' ') {
            c = '_';
        }
    }
    return safe;
}

// The problem file cuts a name at its "#"; an imported name must survive a save.
std::string ProblemFileSafeName(const char* name) {
    std::string safe = name == nullptr ? "" : name;
    for (char& c : safe) {
        if (c == '#') {
            c = '_';
        }
    }
    return safe;
}

const char* FormatName(LpFormat format) {
    return format == LpFormat::FreeMps ? "free MPS" : "CPLEX LP";
}

// ---- the objective's sense in MPS ----

// GLPK's MPS reader knows no OBJSENSE section, which other solvers read to tell a
// maximization: to GLPK every MPS model is a minimization, and it refuses the section.
// A maximization is therefore written as the minimization of -Z, with this comment line
// saying so; import reads it back as the maximization. An OBJSENSE section written by
// another solver is taken out before GLPK reads the rest.
constexpr std::string_view kNegatedMaximization =
    "* Vantrell: a maximization, written as the minimization of -Z";

struct MpsSense {
    std::string rest;  // the content without an OBJSENSE section
    std::optional<bool> maximize;
    bool negated = false;  // written by this program as the minimization of -Z
};

MpsSense SplitMpsSense(const std::string& content) {
    MpsSense split;
    std::size_t start = 0;
    bool inSection = false;
    while (start < content.size()) {
        std::size_t end = content.find('\n', start);
        end = end == std::string::npos ? content.size() : end + 1;
        const std::string line = content.substr(start, end - start);
        start = end;
        if (line.starts_with(kNegatedMaximization)) {
            split.negated = true;
        }
        const bool indicator =
            !line.empty() && std::isspace(static_cast<unsigned char>(line[0])) == 0;
        if (indicator) {
            inSection = line.rfind("OBJSENSE", 0) == 0;
        }
        if (!inSection) {
            split.rest += line;
            continue;
        }
        for (const char* word : {"MAX", "MIN"}) {
            const std::size_t at = line.find(word, indicator ? 8 : 0);
            if (at != std::string::npos) {
                split.maximize = std::string(word) == "MAX";
            }
        }
    }
    return split;
}

// The comment goes after GLPK's own header comments, before the NAME line.
std::string WithNegationComment(const std::string& text) {
    const std::size_t name = text.find("\nNAME");
    const std::size_t at = name == std::string::npos ? 0 : name + 1;
    return text.substr(0, at) + std::string(kNegatedMaximization) + "\n" + text.substr(at);
}

// A number's negation without making a zero "-0".
double Negated(double value) {
    return value == 0.0 ? 0.0 : -value;
}

// ---- import ----

// GLPK names the file it read in its messages; the user knows only the one they chose.
std::string ReplacedTemporaryName(std::string line, const std::string& temporary,
                                  const std::string& path) {
    const std::size_t at = temporary.empty() ? std::string::npos : line.find(temporary);
    if (at != std::string::npos) {
        line.replace(at, temporary.size(), path);
    }
    return line;
}

std::string ColumnName(glp_prob* model, int j) {
    const char* name = glp_get_col_name(model, j);
    return name == nullptr ? "column " + std::to_string(j) : name;
}

std::string RowName(glp_prob* model, int i) {
    const char* name = glp_get_row_name(model, i);
    return name == nullptr ? "row " + std::to_string(i) : name;
}

// Why the model cannot be held, or nothing. The checks run in the order a reader meets
// the model: its size, its variables, its objective, its rows.
std::optional<std::string> ModelRefusal(glp_prob* model, int maxVariables) {
    const int columns = glp_get_num_cols(model);
    const int rows = glp_get_num_rows(model);
    if (columns == 0) {
        return "it has no variables";
    }
    if (columns > maxVariables) {
        return "it has " + std::to_string(columns) + " variables, more than the " +
               std::to_string(maxVariables) + " Vantrell can hold";
    }
    if (rows > kMaxConstraints) {
        return "it has " + std::to_string(rows) + " constraints, more than the " +
               std::to_string(kMaxConstraints) + " Vantrell can hold";
    }
    for (int j = 1; j <= columns; ++j) {
        const std::string name = ColumnName(model, j);
        if (glp_get_col_kind(model, j) != GLP_CV) {
            return "variable \"" + name + "\" is integer; Vantrell's variables are continuous";
        }
        const int type = glp_get_col_type(model, j);
        if (type == GLP_FR) {
            return "variable \"" + name + "\" is free; Vantrell's variables are all >= 0";
        }
        if (type != GLP_LO || glp_get_col_lb(model, j) != 0.0) {
            return "variable \"" + name + "\" has a bound other than " + name + " >= 0";
        }
    }
    if (glp_get_obj_coef(model, 0) != 0.0) {
        return "the objective has a constant term";
    }
    for (int i = 1; i <= rows; ++i) {
        const int type = glp_get_row_type(model, i);
        if (type == GLP_DB) {
            return "constraint \"" + RowName(model, i) +
                   "\" is a ranged row; Vantrell's constraints have one right-hand side";
        }
        if (type == GLP_FR) {
            return "constraint \"" + RowName(model, i) + "\" has no right-hand side";
        }
    }
    return std::nullopt;
}

// Column j of the model becomes X(number[j-1]): by the names when they are X1..Xn in some
// order, by position otherwise.
std::vector<int> VariableNumbers(glp_prob* model) {
    const int columns = glp_get_num_cols(model);
    std::vector<int> numbers(static_cast<std::size_t>(columns));
    std::set<int> seen;
    for (int j = 1; j <= columns; ++j) {
        const std::string name = ColumnName(model, j);
        for (int k = 1; k <= columns; ++k) {
            if (name == DecisionName(k)) {
                numbers[static_cast<std::size_t>(j - 1)] = k;
                seen.insert(k);
            }
        }
    }
    if (static_cast<int>(seen.size()) != columns) {
        for (int j = 1; j <= columns; ++j) {
            numbers[static_cast<std::size_t>(j - 1)] = j;
        }
    }
    return numbers;
}

std::int32_t RelationOfRow(int type) {
    if (type == GLP_UP) {
        return kLessEqual;
    }
    return type == GLP_FX ? kEqual : kGreaterEqual;
}

ProblemFile ProblemOfModel(glp_prob* model, const std::vector<int>& numbers) {
    const int columns = glp_get_num_cols(model);
    ProblemFile file;
    file.minimize = glp_get_obj_dir(model) == GLP_MIN;
    std::vector<double> costs(static_cast<std::size_t>(columns), 0.0);
    for (int j = 1; j <= columns; ++j) {
        costs[static_cast<std::size_t>(numbers[static_cast<std::size_t>(j - 1)] - 1)] =
            glp_get_obj_coef(model, j);
    }
    for (int k = 0; k < columns; ++k) {
        CostTerm term;
        term.id = k;
        term.name = DecisionName(k + 1);
        term.cost = costs[static_cast<std::size_t>(k)];
        term.zero = term.cost == 0.0;  // a term the model does not have
        file.problem.objective.push_back(term);
    }
    std::vector<int> indices(static_cast<std::size_t>(columns) + 1);
    std::vector<double> values(static_cast<std::size_t>(columns) + 1);
    for (int i = 1; i <= glp_get_num_rows(model); ++i) {
        std::vector<double> coefficients(static_cast<std::size_t>(columns), 0.0);
        const int length = glp_get_mat_row(model, i, indices.data(), values.data());
        for (int t = 1; t <= length; ++t) {
            const int j = indices[static_cast<std::size_t>(t)];
            coefficients[static_cast<std::size_t>(numbers[static_cast<std::size_t>(j - 1)] - 1)] =
                values[static_cast<std::size_t>(t)];
        }
        ConstraintRow row;
        for (int k = 0; k < columns; ++k) {
            const double a = coefficients[static_cast<std::size_t>(k)];
            row.AppendColumn(k, DecisionName(k + 1), a, a == 0.0);
        }
        const int type = glp_get_row_type(model, i);
        row.relation = RelationOfRow(type);
        row.relationText = RelationSymbol(row.relation);
        row.rhs = type == GLP_UP ? glp_get_row_ub(model, i) : glp_get_row_lb(model, i);
        file.problem.constraints.push_back(std::move(row));
        file.problem.constraintNames.push_back(ProblemFileSafeName(glp_get_row_name(model, i)));
    }
    return file;
}

std::string MappingMessage(const std::string& path, glp_prob* model,
                           const std::vector<int>& numbers) {
    std::string message = "Imported \"" + path +
                          "\" as a new problem. Its variables are now named as Vantrell "
                          "names them:";
    for (int j = 1; j <= glp_get_num_cols(model); ++j) {
        message += "\n" + ColumnName(model, j) + " -> " +
                   DecisionName(numbers[static_cast<std::size_t>(j - 1)]);
    }
    return message;
}

// ---- export ----

int RowType(std::int32_t relation) {
    if (relation == kLessEqual) {
        return GLP_UP;
    }
    return relation == kEqual ? GLP_FX : GLP_LO;
}

std::optional<std::string> ExportRefusal(const ProblemSet& problem) {
    if (problem.WidestColumnCount() == 0) {
        return "the problem has no variables";
    }
    for (std::size_t i = 0; i < problem.constraints.size(); ++i) {
        const ConstraintRow& row = problem.constraints[i];
        if (row.relation == kUnknownRelation) {
            return "constraint " + std::to_string(i + 1) + " has no relation";
        }
        bool finite = std::isfinite(row.rhs);
        for (const double a : row.coefficients) {
            finite = finite && std::isfinite(a);
        }
        if (!finite) {
            return "constraint " + std::to_string(i + 1) + " has a number too large to write";
        }
    }
    for (const CostTerm& term : problem.objective) {
        if (!std::isfinite(term.cost)) {
            return "the objective has a number too large to write";
        }
    }
    return std::nullopt;
}

// ---- constraint names every reader takes back ----

// The characters besides letters and digits that a CPLEX LP name may hold, as GLPK's
// writer checks them; a name it finds wanting would get its generated "r_N", which may
// be taken.
constexpr std::string_view kCplexNameMarks = "!\"#$%&()/,.;?@_`'{}|~";

bool IsAsciiAlnum(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The name as the format can hold it. CPLEX LP: GLPK's own replacements for a blank, a
// minus and brackets, then "_" for any other mark it refuses (bytes past ASCII too, as a
// reader's locale may not count them as letters), and a leading digit or point escaped.
// Free MPS: no blanks, and no "'MARKER'", which opens an integer section.
std::string HeldName(const std::string& name, LpFormat format) {
    std::string held = GlpkSafeName(name);
    if (format == LpFormat::FreeMps) {
        return held == "'MARKER'" ? "MARKER" : held;
    }
    for (char& c : held) {
        const std::size_t at = std::string_view(" -[]").find(c);
        if (at != std::string_view::npos) {
            c = "_~()"[at];
        } else if (!IsAsciiAlnum(c) && kCplexNameMarks.find(c) == std::string_view::npos) {
            c = '_';
        }
    }
    if (!held.empty() && (held[0] == '.' || (held[0] >= '0' && held[0] <= '9'))) {
        held = "_" + held.substr(0, kMaxGlpkName - 1);
    }
    return held;
}

// What GLPK would have called an unnamed row: the name it always had in exports.
std::string GeneratedRowName(int row, LpFormat format) {
    return format == LpFormat::FreeMps ? CFormat("R%07d", row) : "r_" + std::to_string(row);
}

// Every row's name as written: held by the format, none the objective's (GLPK writes it
// as "Z" in CPLEX LP and "R0000000" in MPS) nor another row's. A taken name gets "_2",
// "_3", ... so a reader never sees one name twice.
std::vector<std::string> WrittenRowNames(const ProblemSet& problem, LpFormat format) {
    std::set<std::string> taken = {format == LpFormat::FreeMps ? "R0000000" : "Z"};
    const std::size_t rows = problem.constraints.size();
    std::vector<std::string> names(rows);
    // Names as given come first, so an unnamed row's generated name yields to them.
    std::vector<std::string> wanted(rows);
    for (std::size_t r = 0; r < rows; ++r) {
        const std::string given =
            r < problem.constraintNames.size() ? problem.constraintNames[r] : "";
        wanted[r] = HeldName(given, format);
    }
    for (const bool generated : {false, true}) {
        for (std::size_t r = 0; r < rows; ++r) {
            if (wanted[r].empty() != generated) {
                continue;
            }
            const std::string base =
                generated ? GeneratedRowName(static_cast<int>(r) + 1, format) : wanted[r];
            std::string name = base;
            for (int suffix = 2; !taken.insert(name).second; ++suffix) {
                const std::string tail = "_" + std::to_string(suffix);
                name = base.substr(0, kMaxGlpkName - tail.size()) + tail;
            }
            names[r] = name;
        }
    }
    return names;
}

// "a:b -> a_b" for every row whose name had to change; unnamed rows are not listed.
std::string RenameMessage(const ProblemSet& problem, const std::vector<std::string>& written) {
    std::string message;
    for (std::size_t r = 0; r < written.size(); ++r) {
        const std::string given =
            r < problem.constraintNames.size() ? problem.constraintNames[r] : "";
        if (!given.empty() && given != written[r]) {
            message += "\n" + given + " -> " + written[r];
        }
    }
    return message.empty()
               ? message
               : "Constraint names were changed so that every reader takes them back:" + message;
}

void FillModel(glp_prob* model, const ProblemFile& file, LpFormat format) {
    const ProblemSet& problem = file.problem;
    const int columns = static_cast<int>(problem.WidestColumnCount());
    glp_set_prob_name(model, GlpkSafeName(file.problemName).c_str());
    glp_set_obj_name(model, "Z");
    const bool negate = format == LpFormat::FreeMps && !file.minimize;
    glp_set_obj_dir(model, file.minimize || negate ? GLP_MIN : GLP_MAX);
    glp_add_cols(model, columns);
    for (int j = 1; j <= columns; ++j) {
        glp_set_col_name(model, j, DecisionName(j).c_str());
        glp_set_col_bnds(model, j, GLP_LO, 0.0, 0.0);
        const std::size_t k = static_cast<std::size_t>(j - 1);
        const double cost = k < problem.objective.size() ? problem.objective[k].cost : 0.0;
        glp_set_obj_coef(model, j, negate ? Negated(cost) : cost);
    }
    const int rows = static_cast<int>(problem.constraints.size());
    if (rows == 0) {
        return;
    }
    glp_add_rows(model, rows);
    const std::vector<std::string> names = WrittenRowNames(problem, format);
    std::vector<int> indices(static_cast<std::size_t>(columns) + 1);
    std::vector<double> values(static_cast<std::size_t>(columns) + 1);
    for (int i = 1; i <= rows; ++i) {
        const std::size_t r = static_cast<std::size_t>(i - 1);
        const ConstraintRow& row = problem.constraints[r];
        glp_set_row_name(model, i, names[r].c_str());
        glp_set_row_bnds(model, i, RowType(row.relation), row.rhs, row.rhs);
        int length = 0;
        for (std::size_t k = 0; k < row.coefficients.size(); ++k) {
            if (row.coefficients[k] != 0.0) {
                ++length;
                indices[static_cast<std::size_t>(length)] = static_cast<int>(k) + 1;
                values[static_cast<std::size_t>(length)] = row.coefficients[k];
            }
        }
        glp_set_mat_row(model, i, length, indices.data(), values.data());
    }
}

// ---- the program's own format ----

// The shortest text that reads back as the value, "1e-11" rather than "9.99...e-12".
std::string ShortestText(double value) {
    char text[64];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

bool KeptWithDecimals(double value, int decimals) {
    const auto read = ParseDecimalPrefix(FixedText(value, decimals));
    return read && read->value == value;
}

// The least decimal count, from the problem's own, at which every number of the problem
// is written so that it reads back as itself: a problem file gives every number the same
// count, and a count too small would round numbers silently. Nothing, with the refusal
// naming the first number no count up to the reader's limit keeps, when there is none.
std::optional<int> ExactDecimalPlaces(const ProblemFile& file, std::string& refusal) {
    struct Number {
        double value;
        std::string where;
    };
    std::vector<Number> numbers;
    for (const CostTerm& term : file.problem.objective) {
        numbers.push_back({term.cost, "the objective's " + term.name});
    }
    for (std::size_t i = 0; i < file.problem.constraints.size(); ++i) {
        const ConstraintRow& row = file.problem.constraints[i];
        const std::string where = "constraint " + std::to_string(i + 1);
        for (std::size_t k = 0; k < row.coefficients.size(); ++k) {
            numbers.push_back(
                {row.coefficients[k], where + "'s " + DecisionName(static_cast<int>(k) + 1)});
        }
        numbers.push_back({row.rhs, where + "'s right-hand side"});
    }
    int decimals = ClampDecimalPlaces(file.decimalPlaces);
    for (const Number& number : numbers) {
        while (decimals < kMaxDecimalPlaces && !KeptWithDecimals(number.value, decimals)) {
            ++decimals;
        }
        if (!KeptWithDecimals(number.value, decimals)) {
            refusal = ShortestText(number.value) + " (" + number.where +
                      ") cannot be written exactly with " + std::to_string(kMaxDecimalPlaces) +
                      " decimals, the most a problem file holds";
            return std::nullopt;
        }
    }
    return decimals;
}

}  // namespace

std::optional<LpFormat> LpFormatNamed(std::string_view name) {
    if (name == "vantrell") {
        return LpFormat::Vantrell;
    }
    if (name == "cplex") {
        return LpFormat::CplexLp;
    }
    if (name == "mps") {
        return LpFormat::FreeMps;
    }
    return std::nullopt;
}

LpFormat ExchangeFormatOfPath(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    for (char& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return extension == ".mps" ? LpFormat::FreeMps : LpFormat::CplexLp;
}

ImportResult ImportExchangeFile(const std::string& path, LpFormat format, int maxVariables,
                                int decimalPlaces) {
    ImportResult result;
    const std::string refused = "Cannot import \"" + path + "\": ";
    // Devices, pipes and huge files are refused before GLPK opens anything.
    std::string reason;
    const auto content = ReadRegularFile(path, kMaxProblemFileBytes, reason);
    if (!content) {
        result.message = refused + reason;
        return result;
    }
    GlpkProblem model;
    std::optional<bool> maximize;
    bool negated = false;
    // GLPK reads MPS only from a file, so the content without its OBJSENSE section goes
    // into one of its own; CPLEX LP is read where it is.
    std::optional<ScratchFile> rest;
    std::string readPath = path;
    if (format == LpFormat::FreeMps) {
        MpsSense split = SplitMpsSense(*content);
        maximize = split.maximize;
        negated = split.negated;
        rest.emplace();
        if (rest->path().empty()) {
            result.message = refused + rest->error();
            return result;
        }
        if (const auto failure = WriteFileAtomically(rest->path(), split.rest)) {
            result.message = refused + *failure;
            return result;
        }
        readPath = rest->path();
    }
    int status = 0;
    try {
        status = model.Run([&readPath, format](glp_prob* problem) {
            return format == LpFormat::FreeMps
                       ? glp_read_mps(problem, GLP_MPS_FILE, nullptr, readPath.c_str())
                       : glp_read_lp(problem, nullptr, readPath.c_str());
        });
    } catch (const GlpkFailure& failure) {
        result.message = refused + "GLPK stopped reading it (" + failure.what() + ")";
        return result;
    }
    if (status != 0) {
        result.message = refused + "it is no " + FormatName(format) + " file (" +
                         ReplacedTemporaryName(model.LastLogLine(), readPath, path) + ")";
        return result;
    }
    if (maximize) {
        glp_set_obj_dir(model.get(), *maximize ? GLP_MAX : GLP_MIN);
    }
    if (negated) {
        glp_set_obj_dir(model.get(), GLP_MAX);
        for (int j = 0; j <= glp_get_num_cols(model.get()); ++j) {
            glp_set_obj_coef(model.get(), j, Negated(glp_get_obj_coef(model.get(), j)));
        }
    }
    if (const auto refusal = ModelRefusal(model.get(), maxVariables)) {
        result.message = refused + *refusal;
        return result;
    }
    const std::vector<int> numbers = VariableNumbers(model.get());
    ProblemFile file = ProblemOfModel(model.get(), numbers);
    const char* modelName = glp_get_prob_name(model.get());
    file.problemName = modelName != nullptr
                           ? ProblemFileSafeName(modelName)
                           : ProblemFileSafeName(std::filesystem::path(path).stem().c_str());
    file.decimalPlaces = ClampDecimalPlaces(decimalPlaces);
    result.message = MappingMessage(path, model.get(), numbers);
    // What GLPK passed over (fields past the sixth, say) changes the model: the user hears it.
    for (const std::string& warning : model.Warnings()) {
        result.message += "\nGLPK: " + ReplacedTemporaryName(warning, readPath, path);
    }
    result.file = std::move(file);
    return result;
}

std::optional<std::string> ExchangeText(const ProblemFile& problem, LpFormat format,
                                        std::string& error, std::string* renames) {
    if (format == LpFormat::Vantrell) {
        std::string refusal;
        const auto decimals = ExactDecimalPlaces(problem, refusal);
        if (!decimals) {
            error = "Cannot export the problem: " + refusal;
            return std::nullopt;
        }
        return BuildProblemText(problem.problemName, *decimals, problem.minimize, problem.problem);
    }
    if (const auto refusal = ExportRefusal(problem.problem)) {
        error = "Cannot export the problem: " + *refusal;
        return std::nullopt;
    }
    GlpkProblem model;
    FillModel(model.get(), problem, format);
    if (renames != nullptr) {
        *renames = RenameMessage(problem.problem, WrittenRowNames(problem.problem, format));
    }
    const ScratchFile temporary;
    if (temporary.path().empty()) {
        error = "Cannot export the problem: " + temporary.error();
        return std::nullopt;
    }
    int status = 0;
    try {
        status = model.Run([&temporary, format](glp_prob* written) {
            return format == LpFormat::FreeMps
                       ? glp_write_mps(written, GLP_MPS_FILE, nullptr, temporary.path().c_str())
                       : glp_write_lp(written, nullptr, temporary.path().c_str());
        });
    } catch (const GlpkFailure& failure) {
        error = std::string("Cannot export the problem: GLPK stopped writing it (") +
                failure.what() + ")";
        return std::nullopt;
    }
    std::string reason;
    const auto text = status == 0
                          ? ReadRegularFile(temporary.path(), kMaxProblemFileBytes * 4, reason)
                          : std::nullopt;
    if (!text) {
        error = "Cannot export the problem: " + (status != 0 ? model.LastLogLine() : reason);
        return std::nullopt;
    }
    return format == LpFormat::FreeMps && !problem.minimize ? WithNegationComment(*text) : *text;
}

std::optional<std::string> ExportProblemFile(const std::string& path, LpFormat format,
                                             const ProblemFile& problem, std::string* renames) {
    std::string error;
    const auto text = ExchangeText(problem, format, error, renames);
    if (!text) {
        return error;
    }
    // The exchange formats keep GLPK's line ends; the program's own files have CR LF.
    return format == LpFormat::Vantrell ? WriteTextFileAtomically(path, *text)
                                        : WriteFileAtomically(path, *text);
}

}  // namespace vantrell
