// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds any line to the readers of a student's typed answers: a row is split into cells
// and each cell read as a value. A value read back from its own text, in every display,
// is the same value; nothing the student types can crash the practice.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "teach/typed_value.h"

namespace vantrell {
namespace {

void CheckRoundTrip(const ExactMValue& value) {
    for (const BigMStyle bigM : {BigMStyle::Pairs, BigMStyle::Expressions}) {
        const DisplayOptions display{NumberStyle::Fractions, bigM};
        const std::string text = MValueText(value, display, 3);
        if (text.find('~') != std::string::npos) {
            continue;  // a fraction too long to show is shortened on purpose
        }
        const auto again = ParseTypedValue(text);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(SameMValue(*again, value));
    }
}

}  // namespace
}  // namespace vantrell

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    for (const std::string& cell : vantrell::SplitTypedRow(line)) {
        FUZZ_CHECK(!cell.empty());
        if (const auto value = vantrell::ParseTypedValue(cell)) {
            vantrell::CheckRoundTrip(*value);
        }
    }
    if (const auto value = vantrell::ParseTypedValue(line)) {
        vantrell::CheckRoundTrip(*value);
    }
    return 0;
}
