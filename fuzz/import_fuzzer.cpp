// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the CPLEX LP and free MPS import (the first byte chooses), and
// checks that what it accepts is a problem the program holds, and that its export is
// read back by GLPK as the same problem.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "interop/lp_formats.h"
#include "model/file_io.h"
#include "model/problem_limits.h"

namespace vantrell {
namespace {

// GLPK reads files only: each input goes to one of its own, made once.
const std::string& InputPath(LpFormat format) {
    static const ScratchFile lp;
    static const ScratchFile mps;
    static const std::string lpPath = lp.path();
    static const std::string mpsPath = mps.path();
    return format == LpFormat::FreeMps ? mpsPath : lpPath;
}

void CheckProblem(const ProblemFile& file) {
    const ProblemSet& problem = file.problem;
    FUZZ_CHECK(!problem.objective.empty());
    FUZZ_CHECK(problem.objective.size() <= static_cast<std::size_t>(kMaxVariables));
    FUZZ_CHECK(problem.constraints.size() <= static_cast<std::size_t>(kMaxConstraints));
    FUZZ_CHECK(problem.constraintNames.size() == problem.constraints.size());
    FUZZ_CHECK(file.problemName.find('#') == std::string::npos);
    for (const std::string& name : problem.constraintNames) {
        FUZZ_CHECK(name.find('#') == std::string::npos);
    }
    for (const ConstraintRow& row : problem.constraints) {
        FUZZ_CHECK(row.relation == kLessEqual || row.relation == kEqual ||
                   row.relation == kGreaterEqual);
        FUZZ_CHECK(row.coefficients.size() == problem.objective.size());
    }
}

// What a solver sees: the sense, every number, every relation.
bool SameNumbers(const ProblemFile& a, const ProblemFile& b) {
    if (a.minimize != b.minimize || a.problem.objective.size() != b.problem.objective.size() ||
        a.problem.constraints.size() != b.problem.constraints.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.problem.objective.size(); ++k) {
        if (a.problem.objective[k].cost != b.problem.objective[k].cost) {
            return false;
        }
    }
    for (std::size_t i = 0; i < a.problem.constraints.size(); ++i) {
        const ConstraintRow& x = a.problem.constraints[i];
        const ConstraintRow& y = b.problem.constraints[i];
        if (x.relation != y.relation || x.rhs != y.rhs || x.coefficients != y.coefficients) {
            return false;
        }
    }
    return true;
}

// GLPK writes numbers with 15 significant digits; a number that needs more cannot come
// back the same, so the round trip is held only to numbers that do not.
bool FifteenDigits(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", value);
    return std::strtod(text, nullptr) == value;
}

bool AllFifteenDigits(const ProblemFile& file) {
    bool fits = true;
    for (const CostTerm& term : file.problem.objective) {
        fits = fits && FifteenDigits(term.cost);
    }
    for (const ConstraintRow& row : file.problem.constraints) {
        fits = fits && FifteenDigits(row.rhs);
        for (const double a : row.coefficients) {
            fits = fits && FifteenDigits(a);
        }
    }
    return fits;
}

void CheckRoundTrip(const ProblemFile& file, LpFormat format) {
    std::string error;
    const auto text = ExchangeText(file, format, error);
    if (!text) {
        FUZZ_CHECK(error.starts_with("Cannot export the problem: "));
        return;
    }
    const std::string& path = InputPath(format);
    FUZZ_CHECK(!WriteFileAtomically(path, *text));
    const ImportResult back = ImportExchangeFile(path, format, kMaxVariables, 3);
    FUZZ_CHECK(back.file.has_value());
    FUZZ_CHECK(!AllFifteenDigits(file) || SameNumbers(*back.file, file));
}

}  // namespace
}  // namespace vantrell

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantrell;
    if (size == 0) {
        return 0;
    }
    const LpFormat format = data[0] % 2 == 0 ? LpFormat::CplexLp : LpFormat::FreeMps;
    const std::string_view content(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string& path = InputPath(format);
    FUZZ_CHECK(!WriteFileAtomically(path, content));
    const ImportResult imported = ImportExchangeFile(path, format, kMaxVariables, 3);
    if (!imported.file) {
        FUZZ_CHECK(imported.message.starts_with("Cannot import \"" + path + "\": "));
        return 0;
    }
    CheckProblem(*imported.file);
    CheckRoundTrip(*imported.file, format);
    return 0;
}
