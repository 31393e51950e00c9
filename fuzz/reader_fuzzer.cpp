// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the problem-file reader and the row parser, and checks that
// what they accept is well formed and survives being written and read again.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "model/file_io.h"
#include "model/number_text.h"
#include "model/problem_file_reader.h"
#include "model/problem_file_writer.h"
#include "model/problem_limits.h"
#include "model/row_parser.h"

namespace vantrell {
namespace {

void CheckParsedRow(std::string_view line) {
    const ParsedRow row = ParseRow(line);
    if (row.error) {
        return;
    }
    // Every upper-case X of the line belongs to exactly one term.
    const auto xs = static_cast<std::size_t>(std::count(line.begin(), line.end(), 'X'));
    FUZZ_CHECK(row.terms.size() == xs);
    for (const RowTerm& term : row.terms) {
        FUZZ_CHECK(std::isfinite(term.coefficient));
        FUZZ_CHECK(term.number >= 1);
        FUZZ_CHECK(!term.zero || term.coefficient == 0.0);
    }
    for (const std::string& token : row.rest) {
        FUZZ_CHECK(!token.empty());
        FUZZ_CHECK(token.find(' ') == std::string::npos);
    }
}

void CheckProblem(const ProblemFile& file) {
    FUZZ_CHECK(file.decimalPlaces >= kMinDecimalPlaces);
    FUZZ_CHECK(file.decimalPlaces <= kMaxDecimalPlaces);
    const ProblemSet& problem = file.problem;
    FUZZ_CHECK(problem.constraintNames.size() == problem.constraints.size());
    FUZZ_CHECK(problem.constraints.size() <= static_cast<std::size_t>(kMaxConstraints));
    FUZZ_CHECK(problem.objective.size() <= static_cast<std::size_t>(kMaxVariables));
    for (const CostTerm& term : problem.objective) {
        FUZZ_CHECK(std::isfinite(term.cost));
        FUZZ_CHECK(term.id == &term - problem.objective.data());
        FUZZ_CHECK(!term.hasM);
    }
    for (const ConstraintRow& row : problem.constraints) {
        const std::size_t columns = row.ColumnCount();
        FUZZ_CHECK(row.columnNames.size() == columns);
        FUZZ_CHECK(row.coefficients.size() == columns);
        FUZZ_CHECK(row.zeroMarks.size() == columns);
        FUZZ_CHECK(std::isfinite(row.rhs));
        for (const double coefficient : row.coefficients) {
            FUZZ_CHECK(std::isfinite(coefficient));
        }
        // A row the run could not use is refused at open.
        FUZZ_CHECK(row.relation == kLessEqual || row.relation == kEqual ||
                   row.relation == kGreaterEqual);
        FUZZ_CHECK(row.relationText == RelationSymbol(row.relation));
        // Column k is always variable k + 1, whatever order the file wrote the terms in.
        FUZZ_CHECK(columns <= static_cast<std::size_t>(kMaxVariables));
        for (std::size_t k = 0; k < columns; ++k) {
            FUZZ_CHECK(row.columnIds[k] == static_cast<std::int32_t>(k));
            FUZZ_CHECK(row.columnNames[k] == "X" + std::to_string(k + 1));
        }
    }
}

// As Save Text puts it on disk.
std::string Written(const ProblemFile& file) {
    return ToCrLf(
        BuildProblemText(file.problemName, file.decimalPlaces, file.minimize, file.problem));
}

// A name can hold a line end when it runs on to the next '#'. A CR just before such a
// line end is taken for part of the CR LF line end when the file is read again.
std::string WithoutCrBeforeLf(std::string_view text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            kept += text[i];
        }
    }
    return kept;
}

std::string WithoutCrs(std::string text) {
    std::erase(text, '\r');
    return text;
}

std::vector<std::string> WithoutCrBeforeLf(const std::vector<std::string>& names) {
    std::vector<std::string> kept;
    for (const std::string& name : names) {
        kept.push_back(WithoutCrBeforeLf(name));
    }
    return kept;
}

// What the writer produces reads back into a problem of the same shape, and from the
// second writing on the text no longer changes (the first may still round, and turn a
// written "-0.00" into "0.00").
void CheckRoundTrip(const ProblemFile& file) {
    const std::string first = Written(file);
    const ProblemFileReading again = ReadProblemText(first);
    FUZZ_CHECK(again.file.has_value());
    const ProblemSet& before = file.problem;
    const ProblemSet& after = again.file->problem;
    FUZZ_CHECK(again.file->problemName == WithoutCrBeforeLf(file.problemName));
    FUZZ_CHECK(again.file->decimalPlaces == file.decimalPlaces);
    FUZZ_CHECK(again.file->minimize == file.minimize);
    FUZZ_CHECK(after.objective.size() == before.objective.size());
    FUZZ_CHECK(after.constraints.size() == before.constraints.size());
    FUZZ_CHECK(after.constraintNames == WithoutCrBeforeLf(before.constraintNames));
    for (std::size_t i = 0; i < before.constraints.size(); ++i) {
        FUZZ_CHECK(after.constraints[i].ColumnCount() == before.constraints[i].ColumnCount());
        FUZZ_CHECK(after.constraints[i].relation == before.constraints[i].relation);
        FUZZ_CHECK(after.constraints[i].relationText == before.constraints[i].relationText);
    }
    // Each saving keeps a CR LF inside a name as it is, and each reading takes one CR off
    // a run of CRs before a line end, so only the CRs may still change.
    const std::string second = Written(*again.file);
    const ProblemFileReading third = ReadProblemText(second);
    FUZZ_CHECK(third.file.has_value());
    FUZZ_CHECK(WithoutCrs(Written(*third.file)) == WithoutCrs(second));
}

}  // namespace
}  // namespace vantrell

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrell;
    const std::string_view content(reinterpret_cast<const char*>(data), size);

    std::size_t start = 0;
    while (start <= content.size()) {
        const std::size_t end = std::min(content.find('\n', start), content.size());
        CheckParsedRow(content.substr(start, end - start));
        start = end + 1;
    }

    const ProblemFileReading reading = ReadProblemText(content);
    if (!reading.file) {
        FUZZ_CHECK(!reading.messages.empty());
        return 0;
    }
    CheckProblem(*reading.file);
    CheckRoundTrip(*reading.file);
    return 0;
}
