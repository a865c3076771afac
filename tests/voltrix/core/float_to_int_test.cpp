#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FloatToInt.h"

TEST(SaturatingTrunc, TruncatesTowardZeroAndSaturatesWhatIntCannotHold)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct { double in; int out; } cases[] = {
        {2.9, 2}, {-2.9, -2}, {0.0, 0}, {-0.4, 0},
        {1e30, INT_MAX}, {-1e30, INT_MIN}, {inf, INT_MAX}, {-inf, INT_MIN},
        {std::nan(""), 0}, {2147483646.7, 2147483646}, {-2147483648.0, INT_MIN},
    };
    for (const auto &c : cases)
        EXPECT_EQ(saturatingTrunc(c.in), c.out) << c.in;
}
