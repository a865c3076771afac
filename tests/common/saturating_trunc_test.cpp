#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>

#include "common/SaturatingTrunc.h"

TEST(SaturatingTrunc, TruncatesTowardZeroAndSaturatesWhatTheTypeCannotHold)
{
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double in;
        int out;
    } cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.0, 0},
        {-0.4, 0},
        {1e30, INT_MAX},
        {-1e30, INT_MIN},
        {1e300, INT_MAX},
        {-1e300, INT_MIN},
        {inf, INT_MAX},
        {-inf, INT_MIN},
        {std::nan(""), 0},
        {2147483646.7, 2147483646},
        {2147483647.5, INT_MAX},
        {2147483648.0, INT_MAX},
        {-2147483648.0, INT_MIN},
        {-2147483648.9, INT_MIN},
    };
    for (const auto &c : cases)
        EXPECT_EQ(orvalis::saturatingTrunc(c.in), c.out) << c.in;
    EXPECT_EQ(orvalis::saturatingTrunc<std::int64_t>(9.3e18), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(orvalis::saturatingTrunc<std::int64_t>(4370.25), 4370);
}
