// SPDX-License-Identifier: GPL-3.0-or-later
// The exact run on badly scaled problems with ties and degenerate rows, by each method: its
// answer passes its proof check and equals GLPK's exact simplex.
#include <cstdio>

#include "exact_differential.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace vantrell::differential;
    ByteSource source(bytes, size);
    const std::string text = ProblemText(source);
    for (const vantrell::SolveMethod method :
         {vantrell::SolveMethod::BigM, vantrell::SolveMethod::TwoPhase,
          vantrell::SolveMethod::DualSimplex}) {
        const std::string fault = Fault(text, method);
        if (!fault.empty()) {
            std::fprintf(stderr, "%s (%s)\n%s", fault.c_str(), vantrell::SolveMethodWord(method),
                         text.c_str());
        }
        FUZZ_CHECK(fault.empty());
    }
    return 0;
}
