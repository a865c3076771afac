#include <gtest/gtest.h>

#include "voltrix/core/Figures.h"

using namespace voltrix;

namespace {

std::array<float, 3> xyz(Point3 p) { return {p.x, p.y, p.z}; }

using P = std::array<float, 3>;

} // namespace

TEST(Figures, SegmentsPlaneAndLabelOfAGeneralFigure)
{
    const FigureGeometry g = figureGeometry({1, 2, 3}, {4, 5, 6}, {0.5f, 0, -1});
    const P ends[4][2] = {
        {{1, 2, 3}, {5, 7, 9}}, // arrow A → A + w
        {{1, 7, 3}, {5, 7, 3}}, // (Ax, Ay+wy, Az) → (Ax+wx, Ay+wy, Az)
        {{5, 2, 3}, {5, 7, 3}}, // (Ax+wx, Ay, Az) → (Ax+wx, Ay+wy, Az)
        {{5, 7, 3}, {5, 7, 9}}, // vertical part
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(xyz(g.segments[i].from), ends[i][0]) << "segment " << i;
        EXPECT_EQ(xyz(g.segments[i].to), ends[i][1]) << "segment " << i;
    }
    const P corners[4] = {{1, 2, 3}, {5, 2, 3}, {5, 7, 3}, {1, 7, 3}};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(xyz(g.planeCorners[i]), corners[i]) << "corner " << i;
    EXPECT_EQ(xyz(g.label), (P{3.5f, 4.5f, 5}));
}

TEST(Figures, FiguresOfTheState)
{
    SimState s;
    DrawingFactors f;
    struct Case {
        const char *name;
        FigureGeometry g;
        P from, to, label;
    } cases[] = {
        {"magnetic B=(2,0,0)", magneticFigure(s, f.FactorB), {70, 70, 70}, {90, 70, 70}, {80, 70, 70}},
        {"velocity at start", vectorFigure(VectorQuantity::Velocity, s, f), {0, 20, 40}, {0, 20, 90}, {5, 25, 70}},
        {"velocity true length", velocityFigure(s, 1.0f), {0, 20, 40}, {0, 20, 90}, {5, 25, 70}},
        {"position", vectorFigure(VectorQuantity::Position, s, f), {0, 0, 0}, {0, 20, 40}, {0, 20, 25}},
        {"position, panel offset", positionFigure(s, {0, 15, 5}), {0, 0, 0}, {0, 20, 40}, {0, 25, 25}},
        {"electric zero", electricFigure(s, f.FactorE), {50, 50, 50}, {50, 50, 50}, {50, 50, 50}},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(xyz(c.g.segments[0].from), c.from) << c.name;
        EXPECT_EQ(xyz(c.g.segments[0].to), c.to) << c.name;
        EXPECT_EQ(xyz(c.g.label), c.label) << c.name;
    }

    s.Bx = 0;
    s.Bz = 1;
    EXPECT_EQ(vectorFigure(VectorQuantity::Magnetic, s, f).label.z, 75.0f);
    f.FactorV = 2;
    s.ax = 1, s.ay = -2, s.az = 0;
    f.FactorA = 3;
    EXPECT_EQ(xyz(vectorFigure(VectorQuantity::Velocity, s, f).segments[0].to), (P{0, 20, 140}));
    EXPECT_EQ(xyz(vectorFigure(VectorQuantity::Acceleration, s, f).segments[0].to), (P{3, 14, 40}));
    // A zero vector collapses onto the anchor; the label keeps its offset.
    s.vx = s.vy = s.vz = 0;
    const FigureGeometry v = velocityFigure(s, f.FactorV);
    for (const Point3 &corner : v.planeCorners)
        EXPECT_EQ(xyz(corner), (P{0, 20, 40}));
    EXPECT_EQ(xyz(v.label), (P{5, 25, 45}));
}
