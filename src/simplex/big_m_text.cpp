#include "simplex/big_m_text.h"

#include "model/number_text.h"

namespace vantrell {
namespace {

std::string TwoPartText(double constant, bool hasM, double multiplier, int decimals) {
    if (hasM) {
        return CFormatDynamic(FillDecimals("(%%.%dlf, %%.%dlfM)", decimals), constant, multiplier);
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
