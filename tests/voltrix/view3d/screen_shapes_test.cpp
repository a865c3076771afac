#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "voltrix/view3d/ScreenShapes.h"

using namespace voltrix;

TEST(ArrowShape, HeadIsNinePixelsLongAndNineWide)
{
    const struct {
        long long x1, y1, x2, y2;
        ArrowShape want;
        const char *what;
    } cases[] = {
        {5, 5, 5, 5, {-4, 5, -4, 9, -4, 1}, "zero length points right"},
        {0, 0, 100, 0, {91, 0, 91, 4, 91, -4}, "horizontal"},
        {100, 0, 0, 0, {9, 0, 9, -4, 9, 4}, "leftwards"},
        {0, 0, 0, 100, {0, 91, -4, 91, 4, 91}, "downwards"},
        // ux = uy = 0.7071: 9u = 6.36 -> 6, 4.5u = 3.18 -> 3.
        {100, 100, 150, 150, {144, 144, 141, 147, 147, 141}, "diagonal"},
    };
    for (const auto &c : cases) {
        const ArrowShape a = arrowShape(c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(a.baseX, c.want.baseX) << c.what;
        EXPECT_EQ(a.baseY, c.want.baseY) << c.what;
        EXPECT_EQ(a.c1x, c.want.c1x) << c.what;
        EXPECT_EQ(a.c1y, c.want.c1y) << c.what;
        EXPECT_EQ(a.c2x, c.want.c2x) << c.what;
        EXPECT_EQ(a.c2y, c.want.c2y) << c.what;
    }
}

TEST(ClipLine, KeepsTheDirectionOfFarLines)
{
    const DrawBox box = safeDrawBox(300, 200);
    EXPECT_EQ(box.left, -1e6);
    EXPECT_EQ(box.bottom, 200 + 1e6);

    double x1 = 0, y1 = 0, x2 = 4e9, y2 = 2e9;
    ASSERT_TRUE(clipLine(x1, y1, x2, y2, box));
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(y1, 0);
    EXPECT_DOUBLE_EQ(x2, box.right);
    EXPECT_DOUBLE_EQ(y2 / x2, 0.5);

    x1 = INT_MIN, y1 = 100, x2 = INT_MAX, y2 = 100;
    ASSERT_TRUE(clipLine(x1, y1, x2, y2, box));
    EXPECT_EQ(x1, box.left);
    EXPECT_EQ(x2, box.right);
    EXPECT_EQ(y1, 100);

    // Wholly outside, or not a number: nothing to draw.
    x1 = 2e6, y1 = 0, x2 = 3e6, y2 = 5;
    EXPECT_FALSE(clipLine(x1, y1, x2, y2, box));
    x1 = std::nan(""), y1 = 0, x2 = 3, y2 = 5;
    EXPECT_FALSE(clipLine(x1, y1, x2, y2, box));
}
