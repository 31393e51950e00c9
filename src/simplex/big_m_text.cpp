// SPDX-License-Identifier: GPL-3.0-or-later
#include "simplex/big_m_text.h"

#include "model/number_text.h"

namespace vantrell {
namespace {

std::string TwoPartText(double constant, bool hasM, double multiplier, int decimals) {
    if (hasM) {
        // "(%.dlf, %.dlfM)" filled with the decimal count, built from its two numbers.
        return "(" + FixedText(constant, decimals) + ", " + FixedText(multiplier, decimals) + "M)";
    }
    return FixedText(constant, decimals);
}

}  // namespace

std::string CostText(const CostTerm& term, int decimals) {
    return TwoPartText(term.cost, term.hasM, term.mCost, decimals);
}

std::string BigMText(const BigMValue& value, int decimals) {
    return TwoPartText(value.constPart, value.hasM, value.mPart, decimals);
}

}  // namespace vantrell
