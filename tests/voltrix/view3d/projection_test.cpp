#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "voltrix/view3d/SceneGeometry.h"

using namespace voltrix;

namespace {

// The main window's box (0..100) in a square view of `side` pixels.
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

TEST(TrigTables, AreBuiltWithTheShortPiAndWrapAngles)
{
    // With 3.1415 a right angle falls 4.63e-5 rad short; full-pi tables differ.
    EXPECT_EQ(SceneGeometry::cosDeg(0), 1.0f);
    EXPECT_NEAR(SceneGeometry::cosDeg(90), 4.63e-5, 2e-7);
    EXPECT_NEAR(SceneGeometry::sinDeg(180), 9.265e-5, 2e-7);
    EXPECT_NEAR(SceneGeometry::sinDeg(359), -0.017637, 2e-6); // true: -0.017452
    const struct {
        int in, out;
    } cases[] = {{359, 359}, {360, 0}, {-1, 359}, {725, 5}, {INT_MAX, INT_MAX % 360}, {INT_MIN, 360 + INT_MIN % 360}};
    for (const auto &c : cases)
        EXPECT_EQ(SceneGeometry::wrapDegrees(c.in), c.out) << c.in;
}

TEST(SetupWorld, MapsTheLargestExtentOntoTheView)
{
    SceneGeometry g;
    g.XMin = -10, g.XMax = 30, g.YMin = 0, g.YMax = 80, g.ZMin = 5, g.ZMax = 25;
    g.SetupWorld(401, 200);
    EXPECT_FLOAT_EQ(g.kx(), 401.0f / 80.0f);
    EXPECT_FLOAT_EQ(g.ky(), 200.0f / 80.0f);
    EXPECT_EQ(g.Wc(), 200.0f); // integer half
    EXPECT_EQ(g.Hc(), 100.0f);
    EXPECT_EQ(g.cx(), 10.0f);
    EXPECT_EQ(g.cz(), 15.0f);
    EXPECT_EQ(g.D(), 80.0f);
}

TEST(Project, MapsWorldPointsWithZoomAnglesAndPerspective)
{
    // 308 x 308, zoom 0.55: half the box is 0.55 * 50 * 3.08 = 84.7 pixels.
    const struct {
        int alfa, beta;
        float zoom, X, Y, Z;
        int sx, sy;
        const char *what;
    } cases[] = {
        {0, 0, 0.55f, 50, 50, 50, 154, 154, "centre"},
        {0, 0, 0.55f, 50, 100, 50, 238, 154, "+y is right"},
        {0, 0, 0.55f, 50, 0, 50, 69, 154, "-y is left"},
        {0, 0, 0.55f, 50, 50, 100, 154, 69, "+z is up"},
        {0, 0, 0.55f, 100, 50, 50, 154, 154, "+x points at the viewer"},
        {0, 0, 0.55f, 100, 100, 50, 270, 154, "nearer: 84.7 / (1 - 0.275)"},
        {0, 0, 0.55f, 0, 100, 50, 220, 154, "farther: 84.7 / (1 + 0.275)"},
        {90, 0, 0.55f, 100, 50, 50, 238, 154, "Alfa 90: x points right"},
        {0, 90, 0.55f, 50, 100, 50, 154, 69, "Beta 90: y points up"},
        {-270, 450, 0.55f, 100, 50, 50, 238, 154, "angles wrapped"},
        {0, 0, 1.0f, 150, 80, 30, 154, 154, "depth equal to D: the centre"},
        {0, 0, 1.0f, 200, 80, 50, -30, 154, "beyond the eye: p = -2, mirrored"},
        {0, 0, 0.0f, 50, 1e30f, 50, 154, 154, "zoom zero"},
    };
    for (const auto &c : cases) {
        SceneGeometry g = mainBox(308, c.zoom);
        g.Alfa = c.alfa, g.Beta = c.beta;
        const ScreenPoint s = projectWorld(g, c.X, c.Y, c.Z);
        EXPECT_EQ(s.x, c.sx) << c.what;
        EXPECT_EQ(s.y, c.sy) << c.what;
    }
}

TEST(Project, HugeAndInvalidCoordinatesSaturate)
{
    const SceneGeometry g = mainBox(308, 0.55f);
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        float x, y, z;
        int sx, sy;
    } cases[] = {
        {0, 1e30f, 0, INT_MAX, 154},
        {0, -1e30f, 0, INT_MIN, 154},
        {0, 0, 1e30f, 154, INT_MIN},
        {0, 0, -1e30f, 154, INT_MAX},
        {0, 3e38f, 3e38f, INT_MAX, INT_MIN},
        {0, inf, 0, 0, 0}, // inf * sin(0) is NaN
        {nan, 0, 0, 0, 0},
        {0, nan, nan, 0, 0},
    };
    for (const auto &c : cases) {
        const ScreenPoint s = g.Project(c.x, c.y, c.z);
        EXPECT_EQ(s.x, c.sx) << c.x << ' ' << c.y << ' ' << c.z;
        EXPECT_EQ(s.y, c.sy) << c.x << ' ' << c.y << ' ' << c.z;
    }
}

TEST(Project, NonSquareViewStretchesTheBox)
{
    SceneGeometry g;
    g.Zoom = 0.5f;
    g.SetupWorld(400, 200);
    // Cube edge 1 runs along y, edge 8 along z, both at x = XMin.
    const ScreenLine along = g.cubeScreen()[1], up = g.cubeScreen()[8];
    // 25 * p * k pixels each way from the centre, p = 0.8, k = 4 and 2
    // (plus one where truncation toward zero meets the negative side).
    EXPECT_NEAR(std::abs(along.x2 - along.x1), 160, 1);
    EXPECT_NEAR(std::abs(up.y2 - up.y1), 80, 1);
}

TEST(ProjectAll, ReprojectsStoredRelativeCoordinatesWithTheNewCamera)
{
    SceneGeometry g = mainBox(308, 0.55f);
    g.AddNParticles(2, 1, 3, 0, 0, 0, 0xFF, 0);
    g.AddNLabels(1, 12, 0, 0, 0, 0xFFFFFF, "V");
    g.NParticles = 2, g.NLabels = 1;
    g.MoveParticle(1, 50, 100, 50);
    g.MoveLabel(1, 50, 100, 50);
    g.Zoom = 0.275f;
    EXPECT_EQ(g.particle(1).screen.x, 238) << "stale until ProjectAll";
    g.MoveParticle(2, 50, 100, 50);
    EXPECT_EQ(g.particle(2).screen.x, 196) << "placed after the change: 154 + 42.35";
    g.ProjectAll();
    EXPECT_EQ(g.particle(1).screen.x, 196);

    // A new box moves the centre; objects keep their place relative to the old one.
    g.Zoom = 0.55f;
    g.XMax = g.YMax = g.ZMax = 200;
    g.SetupWorld(308, 308);
    g.ProjectAll();
    EXPECT_EQ(g.label(1).y, 50.0f);
    EXPECT_EQ(g.label(1).screen.x, 196) << "154 + 0.55 * 50 * 1.54";

    // Counters above their stores must not read past them.
    g.NParticles = 7, g.NSegments = 3, g.NPlanes = 2, g.NPoints = 1, g.NLabels = 4, g.NTraces = 9;
    g.ProjectAll();
    EXPECT_EQ(g.particle(2).screen.x, 196);
}

TEST(Axes, SeventeenSegmentsWithLettersAndArrowheads)
{
    SceneGeometry g;
    // A box whose corner is not at 0, so each term of the geometry shows.
    g.XMin = 10, g.XMax = 110, g.YMin = -20, g.YMax = 80, g.ZMin = 0, g.ZMax = 50;
    g.SetupWorld(300, 300);
    g.SetAxes(0x00FF00, true);
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
    }
}
