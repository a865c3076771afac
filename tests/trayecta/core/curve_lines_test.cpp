#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "trayecta/core/CurveLines.h"

using namespace trayecta;

namespace {

// A 100 × 50 frame at (10, 20) showing a 200 m × 100 m scale: 2 m a unit.
const GraphScale kScale{0.0f, 200.0f, 100.0f};
const PictureFrame kFrame{10.0, 20.0, 100.0, 50.0};

} // namespace

TEST(CurveLines, PointsMapFromTheUserScaleIntoTheFrame)
{
    const std::vector<PlotPoint> points = {{0.0f, 0.0f, false}, {100.0f, 50.0f, false}, {200.0f, 100.0f, false}};
    const std::vector<CurveLine> lines = curveLines(points, kScale, kFrame);
    ASSERT_EQ(lines.size(), 1u);
    ASSERT_EQ(lines[0].points.size(), 3u);
    EXPECT_DOUBLE_EQ(lines[0].points[0].x, 10.0);
    EXPECT_DOUBLE_EQ(lines[0].points[0].y, 20.0);
    EXPECT_DOUBLE_EQ(lines[0].points[1].x, 60.0);
    EXPECT_DOUBLE_EQ(lines[0].points[1].y, 45.0);
    EXPECT_DOUBLE_EQ(lines[0].points[2].x, 110.0);
    EXPECT_DOUBLE_EQ(lines[0].points[2].y, 70.0);

    // A negative width mirrors the path from the left edge; a left offset shifts it.
    const std::vector<CurveLine> mirrored =
        curveLines({{-50.0f, 0.0f}, {-100.0f, 0.0f}}, {0.0f, -200.0f, 100.0f}, kFrame);
    ASSERT_EQ(mirrored.size(), 1u);
    EXPECT_DOUBLE_EQ(mirrored[0].points[0].x, 35.0);
    EXPECT_DOUBLE_EQ(mirrored[0].points[1].x, 60.0);
    const std::vector<CurveLine> shifted =
        curveLines({{0.0f, 0.0f}, {0.0f, 100.0f}}, {-100.0f, 200.0f, 100.0f}, kFrame);
    ASSERT_EQ(shifted.size(), 1u);
    EXPECT_DOUBLE_EQ(shifted[0].points[0].x, 60.0);
}

TEST(CurveLines, SegmentsAreClippedToTheFrame)
{
    struct Case {
        const char *what;
        std::vector<PlotPoint> points;
        std::vector<std::vector<LinePoint>> lines;
    };
    const Case cases[] = {
        {"leaving through the right edge", {{100.0f, 50.0f}, {300.0f, 50.0f}}, {{{60.0, 45.0}, {110.0, 45.0}}}},
        {"entering through the top", {{100.0f, -100.0f}, {100.0f, 50.0f}}, {{{60.0, 20.0}, {60.0, 45.0}}}},
        {"wholly outside", {{300.0f, 50.0f}, {400.0f, 50.0f}}, {}},
        {"out and back in: two lines",
         {{100.0f, 50.0f}, {300.0f, 50.0f}, {100.0f, 60.0f}},
         {{{60.0, 45.0}, {110.0, 45.0}}, {{110.0, 47.5}, {60.0, 50.0}}}},
        {"a point far beyond the float range of the area",
         {{100.0f, 50.0f}, {3e38f, 50.0f}},
         {{{60.0, 45.0}, {110.0, 45.0}}}},
        {"a lone point inside", {{100.0f, 50.0f}}, {{{60.0, 45.0}}}},
        {"a lone point outside", {{-100.0f, 50.0f}}, {}},
        {"no point", {}, {}},
    };
    for (const Case &c : cases) {
        const std::vector<CurveLine> lines = curveLines(c.points, kScale, kFrame);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.what;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            ASSERT_EQ(lines[i].points.size(), c.lines[i].size()) << c.what;
            for (std::size_t j = 0; j < c.lines[i].size(); ++j) {
                EXPECT_NEAR(lines[i].points[j].x, c.lines[i][j].x, 1e-9) << c.what << " " << i << "," << j;
                EXPECT_NEAR(lines[i].points[j].y, c.lines[i][j].y, 1e-9) << c.what << " " << i << "," << j;
            }
        }
    }
}

TEST(CurveLines, TheStretchNearTheMaximumHeightIsALineOfItsOwn)
{
    const std::vector<PlotPoint> points = {{0.0f, 50.0f, false}, {20.0f, 40.0f, false}, {40.0f, 39.0f, true},
                                           {60.0f, 39.0f, true}, {80.0f, 40.0f, false}, {100.0f, 50.0f, false}};
    const std::vector<CurveLine> lines = curveLines(points, kScale, kFrame);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_FALSE(lines[0].apex);
    EXPECT_EQ(lines[0].points.size(), 3u); // up to the first red point
    EXPECT_TRUE(lines[1].apex);
    EXPECT_EQ(lines[1].points.size(), 2u);
    EXPECT_FALSE(lines[2].apex);
    EXPECT_EQ(lines[2].points.size(), 3u); // from the last red point on
    // The lines join: each begins where the one before ends.
    EXPECT_DOUBLE_EQ(lines[1].points.front().x, lines[0].points.back().x);
    EXPECT_DOUBLE_EQ(lines[2].points.front().x, lines[1].points.back().x);
}

// A dense line keeps its ends and one point per tolerance of its length, and no
// point it keeps lies off the line it was: the printed curve is the drawn one.
TEST(CurveLines, ThinningKeepsTheEndsAndAPointPerTolerance)
{
    CurveLine dense;
    for (int i = 0; i <= 10000; ++i) {
        const double x = i / 100.0; // 0 to 100, a hundredth apart
        dense.points.push_back({x, 0.01 * x * x});
    }
    CurveLine sparse{{{0, 0}, {5, 5}, {10, 0}}, true};
    std::vector<CurveLine> lines{dense, sparse};
    thinLines(lines, 0.25);

    const std::vector<LinePoint> &thin = lines[0].points;
    EXPECT_EQ(thin.front().x, 0.0);
    EXPECT_EQ(thin.back().x, 100.0);
    EXPECT_GT(thin.size(), 400u); // the curve is some 148 long
    EXPECT_LT(thin.size(), 620u);
    for (std::size_t i = 0; i < thin.size(); ++i) {
        EXPECT_DOUBLE_EQ(thin[i].y, 0.01 * thin[i].x * thin[i].x);
        if (i > 0 && i + 1 < thin.size()) {
            EXPECT_GE(std::hypot(thin[i].x - thin[i - 1].x, thin[i].y - thin[i - 1].y), 0.25);
            EXPECT_LT(std::hypot(thin[i].x - thin[i - 1].x, thin[i].y - thin[i - 1].y),
                      0.28); // a step of the dense line more
        }
    }
    EXPECT_EQ(lines[1].points.size(), 3u); // nothing to drop
    EXPECT_TRUE(lines[1].apex);
}
