#pragma once

#include <gtest/gtest.h>

#include "model/problem.h"

namespace vantrell::testing {

// Every field of two problems, so a test sees which one differs.
inline void ExpectSameProblem(const ProblemSet& actual, const ProblemSet& expected) {
    ASSERT_EQ(actual.objective.size(), expected.objective.size());
    for (std::size_t k = 0; k < expected.objective.size(); ++k) {
        SCOPED_TRACE("objective term " + std::to_string(k + 1));
        const CostTerm& a = actual.objective[k];
        const CostTerm& e = expected.objective[k];
        EXPECT_EQ(a.id, e.id);
        EXPECT_EQ(a.name, e.name);
        EXPECT_DOUBLE_EQ(a.cost, e.cost);
        EXPECT_EQ(a.zero, e.zero);
        EXPECT_EQ(a.hasM, e.hasM);
        EXPECT_DOUBLE_EQ(a.mCost, e.mCost);
    }
    EXPECT_DOUBLE_EQ(actual.slope, expected.slope);
    EXPECT_EQ(actual.constraintNames, expected.constraintNames);
    ASSERT_EQ(actual.constraints.size(), expected.constraints.size());
    for (std::size_t k = 0; k < expected.constraints.size(); ++k) {
        SCOPED_TRACE("constraint " + std::to_string(k + 1));
        const ConstraintRow& a = actual.constraints[k];
        const ConstraintRow& e = expected.constraints[k];
        EXPECT_EQ(a.columnIds, e.columnIds);
        EXPECT_EQ(a.columnNames, e.columnNames);
        ASSERT_EQ(a.coefficients.size(), e.coefficients.size());
        for (std::size_t c = 0; c < e.coefficients.size(); ++c) {
            EXPECT_DOUBLE_EQ(a.coefficients[c], e.coefficients[c]) << "column " << c + 1;
        }
        EXPECT_EQ(a.zeroMarks, e.zeroMarks);
        EXPECT_EQ(a.relation, e.relation);
        EXPECT_EQ(a.relationText, e.relationText);
        EXPECT_DOUBLE_EQ(a.rhs, e.rhs);
    }
}

}  // namespace vantrell::testing
