// SPDX-License-Identifier: GPL-3.0-or-later
#include "plot/plot_marks.h"

#include <gtest/gtest.h>

#include <limits>

namespace vantrell {
namespace {

TEST(RoundTickStep, OneTwoOrFiveTimesAPowerOfTen) {
    const std::pair<double, double> extentAndStep[] = {
        {13.5, 2.0},
        {100.0, 20.0},
        {0.7, 0.2},
        {1e6, 2e5},
        {0.0, 1.0},
        {-3.0, 1.0},
        {std::numeric_limits<double>::infinity(), 1.0}};
    for (const auto& [extent, step] : extentAndStep) {
        EXPECT_DOUBLE_EQ(RoundTickStep(extent, 5), step) << extent;
    }
}

}  // namespace
}  // namespace vantrell
