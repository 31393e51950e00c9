// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <tuple>

#include "model/problem.h"

namespace vantrell::testing {

inline auto Key(const CostTerm& t) {
    return std::tie(t.id, t.name, t.cost, t.zero, t.hasM, t.mCost);
}
inline auto Key(const ConstraintRow& r) {
    return std::tie(r.columnIds, r.columnNames, r.coefficients, r.zeroMarks, r.relation,
                    r.relationText, r.rhs);
}

// Item by item, every field, so a failure names the one that differs.
template <typename T>
void ExpectSameItems(const std::vector<T>& a, const std::vector<T>& e, const char* what) {
    ASSERT_EQ(a.size(), e.size()) << what;
    for (std::size_t k = 0; k < e.size(); ++k) {
        EXPECT_EQ(Key(a[k]), Key(e[k])) << what << k + 1;
    }
}

inline void ExpectSameProblem(const ProblemSet& a, const ProblemSet& e) {
    EXPECT_EQ(std::tie(a.slope, a.constraintNames), std::tie(e.slope, e.constraintNames));
    ExpectSameItems(a.objective, e.objective, "objective term ");
    ExpectSameItems(a.constraints, e.constraints, "constraint ");
}

}  // namespace vantrell::testing
