#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "SceneGeometry.h"

namespace {

// The main window's box in a square view of `side` pixels.
SceneGeometry mainBox(int side, float zoom)
{
    SceneGeometry g;
    g.Zoom = zoom;
    g.SetupWorld(side, side);
    return g;
}

ScreenPoint projectWorld(const SceneGeometry &g, float X, float Y, float Z)
{
    return g.Project(X - g.cx(), Y - g.cy(), Z - g.cz());
}

} // namespace

TEST(TrigTables, AreBuiltWithTheShortPi)
{
    // With 3.1415 a right angle falls 4.63e-5 rad short, half a turn 9.27e-5:
    // visibly different from the true values a full-pi table would give.
    EXPECT_FLOAT_EQ(SceneGeometry::cosDeg(0), 1.0f);
    EXPECT_EQ(SceneGeometry::sinDeg(0), 0.0f);
    EXPECT_NEAR(SceneGeometry::cosDeg(90), 4.63e-5, 2e-7);
    EXPECT_NEAR(SceneGeometry::sinDeg(180), 9.265e-5, 2e-7);
    EXPECT_NEAR(SceneGeometry::sinDeg(359), -0.017637, 2e-6); // true: -0.017452
}

TEST(TrigTables, AnglesOutsideOneTurnAreWrapped)
{
    const struct { int in, out; } cases[] = {
        {0, 0}, {359, 359}, {360, 0}, {-1, 359}, {725, 5}, {-360, 0},
        {INT_MAX, INT_MAX % 360}, {INT_MIN, 360 + INT_MIN % 360},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(SceneGeometry::wrapDegrees(c.in), c.out) << c.in;
        EXPECT_EQ(SceneGeometry::cosDeg(c.in), SceneGeometry::cosDeg(c.out)) << c.in;
    }
}

TEST(SetupWorld, MapsTheBoxOntoTheView)
{
    SceneGeometry g;
    g.XMin = -10, g.XMax = 30; // 40
    g.YMin = 0, g.YMax = 80;   // 80: the largest extent
    g.ZMin = 5, g.ZMax = 25;
    g.SetupWorld(401, 200);
    EXPECT_FLOAT_EQ(g.kx(), 401.0f / 80.0f);
    EXPECT_FLOAT_EQ(g.ky(), 200.0f / 80.0f);
    EXPECT_EQ(g.Wc(), 200.0f); // integer half
    EXPECT_EQ(g.Hc(), 100.0f);
    EXPECT_EQ(g.cx(), 10.0f);
    EXPECT_EQ(g.cy(), 40.0f);
    EXPECT_EQ(g.cz(), 15.0f);
    EXPECT_EQ(g.D(), 80.0f);
}

TEST(Project, MainWindowBoxExamples)
{
    const SceneGeometry g = mainBox(308, 0.55f);
    const struct { float X, Y, Z; int sx, sy; const char *what; } cases[] = {
        {50, 50, 50, 154, 154, "centre"},
        {50, 100, 50, 238, 154, "+y is right: 154 + 0.55*50*3.08 = 238.7"},
        {50, 0, 50, 69, 154, "-y is left: 154 - 84.7"},
        {50, 50, 100, 154, 69, "+z is up"},
        {100, 50, 50, 154, 154, "+x points at the viewer"},
        // Nearer than the centre plane: 84.7 / (1 - 27.5/100) = 116.8.
        {100, 100, 50, 270, 154, "near point enlarged"},
        // Farther: 84.7 / (1 + 27.5/100) = 66.4.
        {0, 100, 50, 220, 154, "far point reduced"},
    };
    for (const auto &c : cases) {
        const ScreenPoint s = projectWorld(g, c.X, c.Y, c.Z);
        EXPECT_EQ(s.x, c.sx) << c.what;
        EXPECT_EQ(s.y, c.sy) << c.what;
    }
}

TEST(Project, CameraAnglesTurnTheAxes)
{
    SceneGeometry g = mainBox(308, 0.55f);
    g.Alfa = 90;
    EXPECT_EQ(projectWorld(g, 100, 50, 50).x, 238) << "Alfa 90: x points right";
    EXPECT_EQ(projectWorld(g, 100, 50, 50).y, 154);
    g.Alfa = 0;
    g.Beta = 90;
    EXPECT_EQ(projectWorld(g, 50, 100, 50).y, 69) << "Beta 90: y points up";
    EXPECT_EQ(projectWorld(g, 50, 100, 50).x, 154);

    // Out-of-range angles behave as their wrapped values.
    SceneGeometry wrapped = mainBox(308, 0.55f);
    for (int turns : {-3, 2, 1000}) {
        g.Alfa = 37, g.Beta = 301;
        wrapped.Alfa = 37 + 360 * turns, wrapped.Beta = 301 - 360 * turns;
        const ScreenPoint a = projectWorld(g, 80, 20, 65);
        const ScreenPoint b = projectWorld(wrapped, 80, 20, 65);
        EXPECT_EQ(a.x, b.x);
        EXPECT_EQ(a.y, b.y);
    }
}

TEST(Project, DepthAtTheEyeLandsOnTheCentreAndBeyondItMirrors)
{
    const SceneGeometry g = mainBox(308, 1.0f);
    // d = x * Zoom = 100 = D exactly.
    const ScreenPoint eye = g.Project(100, 30, -20);
    EXPECT_EQ(eye.x, 154);
    EXPECT_EQ(eye.y, 154);
    // d = 150: p = 100 / -50 = -2, so +30 in y lands 184.8 px left of centre.
    const ScreenPoint beyond = g.Project(150, 30, 0);
    EXPECT_EQ(beyond.x, -30);
    EXPECT_EQ(beyond.y, 154);
}

TEST(Project, NonSquareViewStretchesTheBox)
{
    SceneGeometry g;
    g.Zoom = 0.5f;
    g.SetupWorld(400, 200);
    // Cube edge 1 runs along y, edge 8 along z, both at x = XMin.
    const ScreenLine along = g.cubeScreen()[1];
    const ScreenLine up = g.cubeScreen()[8];
    const int width = std::abs(along.x2 - along.x1);
    const int height = std::abs(up.y2 - up.y1);
    EXPECT_NEAR(width, 2 * height, 2);
    EXPECT_GT(height, 50);
}

TEST(Project, HugeAndInvalidCoordinatesSaturate)
{
    const SceneGeometry g = mainBox(308, 0.55f);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct { float x, y, z; int sx, sy; } cases[] = {
        {0, 1e30f, 0, INT_MAX, 154},
        {0, -1e30f, 0, INT_MIN, 154},
        {0, 0, 1e30f, 154, INT_MIN},
        {0, 0, -1e30f, 154, INT_MAX},
        {0, 3e38f, 3e38f, INT_MAX, INT_MIN}, // near the largest float
        {0, inf, 0, 0, 0},                   // inf * sin(0) is NaN
        {nan, 0, 0, 0, 0},
        {0, nan, nan, 0, 0},
    };
    for (const auto &c : cases) {
        const ScreenPoint s = g.Project(c.x, c.y, c.z);
        EXPECT_EQ(s.x, c.sx) << c.x << ' ' << c.y << ' ' << c.z;
        EXPECT_EQ(s.y, c.sy) << c.x << ' ' << c.y << ' ' << c.z;
    }
    // A zoom driven through zero puts everything on the centre.
    SceneGeometry zero = mainBox(308, 0.0f);
    EXPECT_EQ(zero.Project(10, 1e30f, -7).x, 154);
}

TEST(ProjectAll, ZoomTakesEffectOnlyWhenReprojected)
{
    SceneGeometry g = mainBox(308, 0.55f);
    g.AddNParticles(2, 1, 3, 0, 0, 0, 0xFF, 0);
    g.NParticles = 2;
    g.MoveParticle(1, 50, 100, 50);
    EXPECT_EQ(g.particle(1).screen.x, 238);

    g.Zoom = 0.275f;
    EXPECT_EQ(g.particle(1).screen.x, 238) << "stale until ProjectAll";
    g.MoveParticle(2, 50, 100, 50);
    EXPECT_EQ(g.particle(2).screen.x, 196) << "placed after the change: 154 + 42.35";
    g.ProjectAll();
    EXPECT_EQ(g.particle(1).screen.x, 196);
}

TEST(ProjectAll, KeepsTheCoordinatesRelativeToTheCentreOfPlacement)
{
    SceneGeometry g = mainBox(308, 0.55f);
    g.AddNLabels(1, 12, 0, 0, 0, 0xFFFFFF, "V");
    g.NLabels = 1;
    g.MoveLabel(1, 50, 100, 50);
    g.XMax = g.YMax = g.ZMax = 200; // centre moves to 100
    g.SetupWorld(308, 308);
    g.ProjectAll();
    EXPECT_EQ(g.label(1).y, 50.0f);
    // Same relative place, new scale 308/200: 154 + 0.55 * 50 * 1.54 = 196.35.
    EXPECT_EQ(g.label(1).screen.x, 196);
}

TEST(ProjectAll, CountersAboveTheStoreReadNothingBeyondIt)
{
    SceneGeometry g = mainBox(308, 0.55f);
    g.AddNParticles(2, 1, 3, 0, 0, 0, 0xFF, 0);
    g.AddNSegments(1, 0, 1, 0, 0, 0, 0, 0, 0, 0xFF, 0);
    g.AddNTraces(1, 0, 0xFF, 1, 4);
    g.NParticles = 7, g.NSegments = 3, g.NPlanes = 2, g.NPoints = 1, g.NLabels = 4, g.NTraces = 9;
    g.MoveParticle(2, 50, 100, 50);
    g.ProjectAll();
    EXPECT_EQ(g.particle(2).screen.x, 238);
}

TEST(Cube, HasTheTwelveEdgesFloorLidUprights)
{
    SceneGeometry g;
    g.XMin = -10, g.XMax = 30, g.YMin = 0, g.YMax = 80, g.ZMin = 5, g.ZMax = 25;
    g.Zoom = 0.5f;
    g.SetupWorld(300, 300);
    g.SetCube(0xFF, false);
    EXPECT_FALSE(g.ShowCube);
    EXPECT_EQ(g.cubeColor(), 0xFFu);
    const float zlo = 5 - 15.0f, zhi = 25 - 15.0f;
    for (int i = 0; i < SceneGeometry::kCubeEdges; ++i) {
        const SpaceLine &e = g.cubeEdges()[i];
        const int changed = (e.x1 != e.x2) + (e.y1 != e.y2) + (e.z1 != e.z2);
        EXPECT_EQ(changed, 1) << "edge " << i;
        for (float v : {e.x1, e.x2})
            EXPECT_TRUE(v == -20.0f || v == 20.0f) << i;
        for (float v : {e.y1, e.y2})
            EXPECT_TRUE(v == -40.0f || v == 40.0f) << i;
        if (i < 4)
            EXPECT_TRUE(e.z1 == zlo && e.z2 == zlo) << i;
        else if (i < 8)
            EXPECT_TRUE(e.z1 == zhi && e.z2 == zhi) << i;
        else
            EXPECT_TRUE(e.z1 == zlo && e.z2 == zhi) << i;
        const ScreenLine expected{g.Project(e.x1, e.y1, e.z1).x, g.Project(e.x1, e.y1, e.z1).y,
                                  g.Project(e.x2, e.y2, e.z2).x, g.Project(e.x2, e.y2, e.z2).y};
        EXPECT_EQ(g.cubeScreen()[i].x2, expected.x2) << i;
        EXPECT_EQ(g.cubeScreen()[i].y1, expected.y1) << i;
    }
    // All twelve distinct.
    for (int i = 0; i < 12; ++i)
        for (int j = i + 1; j < 12; ++j) {
            const SpaceLine &a = g.cubeEdges()[i], &b = g.cubeEdges()[j];
            EXPECT_FALSE(a.x1 == b.x1 && a.y1 == b.y1 && a.z1 == b.z1 && a.x2 == b.x2
                         && a.y2 == b.y2 && a.z2 == b.z2)
                << i << ' ' << j;
        }
}

TEST(Axes, SeventeenSegmentsWithLettersAndArrowheads)
{
    SceneGeometry g;
    // A box whose corner is not at 0, so each term of the geometry shows.
    g.XMin = 10, g.XMax = 110, g.YMin = -20, g.YMax = 80, g.ZMin = 0, g.ZMax = 50;
    g.SetupWorld(300, 300);
    g.SetAxes(0x00FF00, true);
    EXPECT_TRUE(g.ShowAxes);
    const double xm = 10, XM = 110, ym = -20, YM = 80, zm = 0, ZM = 50;
    const double A = 1.1 * XM, w = (XM - xm) / 30;
    const double want[17][6] = {
        {xm, ym, zm, 1.2 * XM, ym, zm},
        {xm, ym, zm, xm, 1.2 * YM, zm},
        {xm, ym, zm, xm, ym, 1.2 * ZM},
        {A, ym, -0.05 * A, 1.05 * A, ym, -0.1 * A},
        {1.05 * A, ym, -0.05 * A, A, ym, -0.1 * A},
        {0, ym + A, -0.05 * A, 0, ym + 1.025 * A, -0.1 * A},
        {0, ym + 1.05 * A, -0.05 * A, 0, ym + 1.025 * A, -0.1 * A},
        {0, ym + 1.025 * A, -0.1 * A, 0, ym + 1.025 * A, -0.13 * A},
        {0, ym, 1.05 * ZM, 0, ym - 0.05 * YM, 1.05 * ZM},
        {0, ym - 0.05 * YM, 1.05 * ZM, 0, ym, 1.1 * ZM},
        {0, ym, 1.1 * ZM, 0, ym - 0.05 * YM, 1.1 * ZM},
        {xm, ym, 1.2 * ZM, xm, ym - w, 1.15 * ZM},
        {xm, ym, 1.2 * ZM, xm, ym + w, 1.15 * ZM},
        {xm, 1.2 * YM, zm, xm, 1.15 * YM, zm + w},
        {xm, 1.2 * YM, zm, xm, 1.15 * YM, zm - w},
        {1.2 * XM, ym, zm, 1.15 * XM, ym - w, zm},
        {1.2 * XM, ym, zm, 1.15 * XM, ym + w, zm},
    };
    const double c[3] = {g.cx(), g.cy(), g.cz()};
    for (int i = 0; i < SceneGeometry::kAxisSegments; ++i) {
        const SpaceLine &s = g.axisSegments()[i];
        const float got[6] = {s.x1, s.y1, s.z1, s.x2, s.y2, s.z2};
        for (int k = 0; k < 6; ++k)
            EXPECT_NEAR(got[k], want[i][k] - c[k % 3], 1e-3) << "segment " << i << " value " << k;
        const ScreenPoint tip = g.Project(s.x2, s.y2, s.z2);
        EXPECT_EQ(g.axesScreen()[i].x2, tip.x) << i;
        EXPECT_EQ(g.axesScreen()[i].y2, tip.y) << i;
    }
}
