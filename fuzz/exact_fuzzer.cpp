// SPDX-License-Identifier: GPL-3.0-or-later
// The exact run on badly scaled problems with ties and degenerate rows: its answer passes
// its proof check and equals GLPK's exact simplex.
#include <cstdio>

#include "exact_differential.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace vantrell::differential;
    ByteSource source(bytes, size);
    const std::string text = ProblemText(source);
    const std::string fault = Fault(text);
    if (!fault.empty()) {
        std::fprintf(stderr, "%s\n%s", fault.c_str(), text.c_str());
    }
    FUZZ_CHECK(fault.empty());
    return 0;
}
