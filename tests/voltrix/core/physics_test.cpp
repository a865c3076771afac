#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "voltrix/core/Blink.h"
#include "voltrix/core/DrawingFactors.h"
#include "voltrix/core/Figures.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"
#include "voltrix/core/SliderRules.h"
#include "voltrix/core/ViewControls.h"

using namespace voltrix;

namespace {

float speed(const SimState &s)
{
    return static_cast<float>(std::sqrt(double(s.vx) * s.vx + double(s.vy) * s.vy + double(s.vz) * s.vz));
}

} // namespace

TEST(CrossProduct, RoundsEachProductDifferenceOnce)
{
    // (1 + 2^-12)^2 - 1 = 2^-11 + 2^-24 is a float, but the square alone is
    // not: rounding the products first would lose the 2^-24.
    const float e = std::ldexp(1.0f, -12);
    struct Case {
        std::array<float, 3> a, b, r;
    } cases[] = {
        {{0, 0, 50}, {2, 0, 0}, {0, 100, 0}},
        {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
        {{0, 1 + e, 1}, {0, 1, 1 + e}, {std::ldexp(1.0f, -11) + std::ldexp(1.0f, -24), 0, 0}},
        {{1, 1 + e, 0}, {1 + e, 1, 0}, {0, 0, -(std::ldexp(1.0f, -11) + std::ldexp(1.0f, -24))}},
        {{2, 3, 4}, {5, 6, 7}, {3 * 7 - 4 * 6, 4 * 5 - 2 * 7, 2 * 6 - 3 * 5}},
    };
    for (const Case &c : cases) {
        SimState s;
        s.PvA = c.a;
        s.PvB = c.b;
        PRODUCTO_VECTORIAL(s);
        EXPECT_EQ(s.PvR, c.r) << c.a[0] << "," << c.a[1] << "," << c.a[2];
    }
}

TEST(ForceLaw, StartStateAndRoundingPoints)
{
    SimState start;
    computeForceForDisplay(start);
    EXPECT_EQ((std::array{start.Fx, start.Fy, start.Fz}), (std::array<float, 3>{0, 100, 0}));
    EXPECT_EQ((std::array{start.ax, start.ay, start.az}), (std::array<float, 3>{0, 100, 0}));

    // The field sum is formed wide and multiplied by q before one rounding:
    // 1 + 2^-24 rounded first would give exactly 3.
    SimState s;
    s.Ex = 1;
    s.vx = 0, s.vy = std::ldexp(1.0f, -12), s.vz = 0;
    s.Bx = 0, s.By = 0, s.Bz = std::ldexp(1.0f, -12);
    s.q = 3;
    ACELERACION(s);
    EXPECT_EQ(s.Fx, std::nextafter(3.0f, 4.0f));
    EXPECT_EQ(s.ax, s.Fx);
}

TEST(ForceLaw, RegionTestIsStrictAndInDisplayUnits)
{
    struct Case {
        float x, y, z;
        bool positionInMetres;
        bool inside;
    } cases[] = {
        {50, 50, 50, false, true},       {40, 50, 50, false, false},     {60, 50, 50, false, false},
        {50, 40, 50, false, false},      {50, 50, 60, false, false},     {40.01f, 59.99f, 50, false, true},
        {0, 20, 40, false, false},       {0.5f, 0.5f, 0.5f, true, true}, {0.5f, 0.5f, 0.5f, false, false},
        {0.4f, 0.5f, 0.5f, true, false}, {50, 50, 50, true, false},
    };
    for (const Case &c : cases) {
        SimState s;
        s.CampoConfinado = true;
        s.x = c.x, s.y = c.y, s.z = c.z;
        s.vx = 7, s.vy = 8, s.vz = 9; // no magnetic term in confined mode
        s.Ex = 1, s.Ey = -2, s.Ez = 3;
        s.q = 2;
        ACELERACION(s, c.positionInMetres);
        const std::array<float, 3> expected = c.inside ? std::array<float, 3>{2, -4, 6} : std::array<float, 3>{0, 0, 0};
        EXPECT_EQ((std::array{s.ax, s.ay, s.az}), expected)
            << c.x << " " << c.y << " " << c.z << " metres=" << c.positionInMetres;
        EXPECT_EQ(insideRegion(c.positionInMetres ? c.x * 100 : c.x, c.positionInMetres ? c.y * 100 : c.y,
                               c.positionInMetres ? c.z * 100 : c.z),
                  c.inside);
    }
}

TEST(ForceLaw, DisplayCallersTakeVelocityInMetresPerSecondWithCm)
{
    SimState s; // v = (0, 0, 50), B = (2, 0, 0)
    s.unit = LengthUnit::Centimetre;
    computeForceForDisplay(s);
    EXPECT_NEAR(s.ay, 1.0f, 1e-6f); // 0.5 m/s × 2 T
    EXPECT_EQ(s.ax, 0.0f);

    // Velocities come back bit for bit: multiplying back by 100 would not.
    const std::vector<float> velocities{0.7f, 7.5f, 33.3f, 52.5f, -6.9f, -12.34f, 99.9f, 63.7f};
    int wouldDrift = 0;
    for (float v : velocities) {
        const float there = static_cast<float>(v * 0.01);
        if (static_cast<float>(there * 100.0) != v)
            ++wouldDrift;
        SimState t;
        t.vx = v, t.vy = -v, t.vz = v / 3;
        t.unit = LengthUnit::Centimetre;
        const float vz = t.vz;
        for (int i = 0; i < 5; ++i)
            computeForceForDisplay(t);
        EXPECT_EQ(t.vx, v);
        EXPECT_EQ(t.vy, -v);
        EXPECT_EQ(t.vz, vz);
    }
    EXPECT_GT(wouldDrift, 0) << "the table no longer holds a value a round trip changes";
}

TEST(Step, FirstStepTurnsVelocityAroundB)
{
    SimState s;
    integrateStep(s);
    EXPECT_EQ(s.t, 0.01f);
    EXPECT_EQ(s.vx, 0.0f);
    EXPECT_NEAR(s.vy, 1.0f, 1e-5f);
    EXPECT_NEAR(s.vz, 49.99f, 1e-4f);
    EXPECT_NEAR(s.y, 20.005f, 1e-5f); // advanced by the midpoint velocity
    EXPECT_NEAR(s.z, 40.5f, 1e-5f);
    EXPECT_EQ(s.ay, 100.0f); // the readout shows the first evaluation
    EXPECT_NEAR(s.Fzm, -1.0f, 1e-6f);

    // A whole turn (period π s at ω = 2) keeps the speed: midpoint error only.
    for (int i = 1; i < 314; ++i)
        integrateStep(s);
    EXPECT_NEAR(speed(s), 50.0f, 5e-3f);
    EXPECT_NEAR(s.vz, 50.0f, 0.5f);
}

TEST(Step, PureElectricFieldFromRestIsExactUpToRounding)
{
    struct Case {
        bool cm;
        int confined;
        float x0, y0, z0;
    } cases[] = {{false, 0, 10, 20, 30}, {true, 0, 10, 20, 30}, {false, 1, 50, 50, 50}};
    const float E[3] = {3, -2, 5};
    for (const Case &c : cases) {
        SimState s;
        s.x = c.x0, s.y = c.y0, s.z = c.z0;
        s.vx = s.vy = s.vz = 0;
        s.Bx = s.By = s.Bz = 0;
        s.Ex = E[0], s.Ey = E[1], s.Ez = E[2];
        s.CampoConfinado = c.confined;
        s.unit = c.cm ? LengthUnit::Centimetre : LengthUnit::Metre;
        const int n = c.confined ? 10 : 100; // stay inside the region
        for (int i = 0; i < n; ++i)
            integrateStep(s);
        const double t = n * double(s.dt);
        const double unit = c.cm ? 100.0 : 1.0; // m/s² shown in cm
        const float v[3] = {s.vx, s.vy, s.vz};
        const float p[3] = {s.x, s.y, s.z};
        const float p0[3] = {c.x0, c.y0, c.z0};
        for (int k = 0; k < 3; ++k) {
            const double ve = unit * E[k] * t;
            const double pe = p0[k] + unit * E[k] * t * t / 2;
            EXPECT_NEAR(v[k], ve, 1e-5 * std::fabs(ve) + 1e-5) << "cm=" << c.cm << " axis " << k;
            EXPECT_NEAR(p[k], pe, 2e-5 * std::fabs(pe) + 1e-5) << "cm=" << c.cm << " axis " << k;
        }
        EXPECT_NEAR(s.t, t, 1e-6);
    }
}

TEST(Step, ConfinedFieldOutsideGivesStraightLineAndZeroReadout)
{
    SimState s; // (0, 20, 40) lies outside the region
    s.CampoConfinado = true;
    s.Bx = 0;
    s.Ez = 8;
    s.vx = 3;
    for (int i = 0; i < 50; ++i) {
        integrateStep(s);
        ASSERT_EQ(format31(s.ax) + format31(s.ay) + format31(s.az), "0.00.00.0");
    }
    EXPECT_EQ(s.vx, 3.0f);
    EXPECT_EQ(s.vz, 50.0f);
    EXPECT_NEAR(s.x, 1.5f, 1e-5f);
    EXPECT_NEAR(s.z, 65.0f, 1e-4f);
}

TEST(Step, ConfinedFieldWithCmFindsParticleInsideAtFiftyCm)
{
    SimState s;
    s.CampoConfinado = true;
    s.x = s.y = s.z = 50; // cm
    s.vx = s.vy = s.vz = 0;
    s.Bx = 0;
    s.Ez = 0.1f;
    s.unit = LengthUnit::Centimetre;
    integrateStep(s);
    EXPECT_EQ(format31(s.az), "0.1"); // q·E, not 0
    EXPECT_FLOAT_EQ(s.az, 0.1f);
    // 0.1 m/s² for 0.01 s is 0.1 cm/s; half of it times dt in position.
    EXPECT_NEAR(s.vz, 0.1f, 1e-6f);
    EXPECT_NEAR(s.z, 50.0005f, 1e-5f);
    EXPECT_EQ(s.x, 50.0f);
    EXPECT_EQ(s.y, 50.0f);
}

TEST(Blink, CaptionChangesAtSteps11_21_31AndAlternates)
{
    BlinkState s;
    std::vector<std::pair<int, CaptionChange>> changes;
    for (int step = 1; step <= 40; ++step) {
        const CaptionChange c = applyBlink(s);
        if (c != CaptionChange::Unchanged)
            changes.emplace_back(step, c);
    }
    const std::vector<std::pair<int, CaptionChange>> expected{
        {11, CaptionChange::Stop}, {21, CaptionChange::Blank}, {31, CaptionChange::Stop}};
    EXPECT_EQ(changes, expected);
    EXPECT_EQ(s.ContParpadeo, 10);

    // Switched off: "STOP" on every step, counter and phase kept.
    const BlinkStep off = blinkRule(false, 7, 1);
    EXPECT_EQ(off.caption, CaptionChange::Stop);
    EXPECT_EQ(off.ContParpadeo, 7);
    EXPECT_EQ(off.FaseParpadeo, 1);
    // Resumed later it carries on where it stopped.
    const BlinkStep on = blinkRule(true, 10, 1);
    EXPECT_EQ(on.caption, CaptionChange::Blank);
    EXPECT_EQ(on.ContParpadeo, 1);
    EXPECT_EQ(on.FaseParpadeo, 0);
}

TEST(Step, OverflowingRunStaysDefined)
{
    // q·B·dt far beyond the scheme's stability: the orbit blows up to inf and
    // NaN. Everything the windows do with the state afterwards must stay
    // defined (the sanitizer build checks the conversions).
    SimState s;
    s.q = 1e7f;
    s.Bx = 10, s.By = -3, s.Bz = 7;
    s.Ex = 100;
    s.dt = 0.05f;
    bool blewUp = false;
    for (int i = 0; i < 400; ++i) {
        s.unit = i % 2 == 0 ? LengthUnit::Centimetre : LengthUnit::Metre;
        integrateStep(s);
        const float values[] = {s.x, s.y, s.z, s.vx, s.vy, s.vz, s.ax, s.ay, s.az};
        for (float v : values) {
            blewUp = blewUp || !std::isfinite(v);
            const int p = wholePartPosition(v);
            if (std::isnan(v)) {
                EXPECT_EQ(p, 0);
            } else if (std::fabs(v) >= 3e8f) {
                EXPECT_EQ(p, v > 0 ? INT_MAX : INT_MIN);
            } else {
                EXPECT_EQ(p, 10 * static_cast<int>(std::trunc(v)));
            }
            (void)tenthsPosition(v);
            (void)typedTenthsPosition(v);
            EXPECT_FALSE(format31(v).empty());
        }
        const DrawingFactors factors;
        const FigureGeometry g = vectorFigure(VectorQuantity::Velocity, s, factors);
        (void)g;
        (void)vectorFigure(VectorQuantity::Acceleration, s, factors);
    }
    EXPECT_TRUE(blewUp);
    EXPECT_EQ(wholePartPosition(std::numeric_limits<float>::infinity()), INT_MAX);
    EXPECT_EQ(wholePartPosition(-std::numeric_limits<float>::infinity()), INT_MIN);
    EXPECT_EQ(wholePartPosition(std::nanf("")), 0);
}

TEST(ViewControls, TurnWrapsPast359AndShows359TwiceGoingDownFrom0)
{
    ViewControls v;
    v.AnguloAlfa = 358;
    v.PasoAlfa = 1;
    std::vector<int> alfa;
    for (int tick = 0; tick < 3; ++tick)
        alfa.push_back(turnView(v).alfa);
    EXPECT_EQ(alfa, (std::vector<int>{359, 0, 1}));

    v = ViewControls{};
    v.PasoBeta = -1;
    std::vector<int> beta;
    for (int tick = 0; tick < 3; ++tick)
        beta.push_back(turnView(v).beta);
    EXPECT_EQ(beta, (std::vector<int>{359, 359, 358}));
    EXPECT_EQ(v.AnguloAlfa, 0.0f); // the other angle stays put
}

TEST(DrawingFactors, AFactorStepNeverLeavesItBelowATenth)
{
    DrawingFactors f;
    f.FactorActual = 0.3f;
    f.PasoFactor = -0.1f;
    std::vector<float> seen;
    for (int tick = 0; tick < 4; ++tick) {
        stepFactor(f);
        seen.push_back(f.FactorActual);
    }
    EXPECT_NEAR(seen[0], 0.2f, 1e-6f);
    EXPECT_NEAR(seen[1], 0.1f, 1e-6f);
    EXPECT_EQ(seen[2], 0.1f);
    EXPECT_EQ(seen[3], 0.1f);
}

TEST(Units, TheUnitSwitchConvertsNoLengthAndSetsTheConfinedField)
{
    for (bool confined : {false, true}) {
        SCOPED_TRACE(confined ? "confined" : "all space");
        SimState s;
        s.CampoConfinado = confined;
        s.x = 12.5f;
        s.vx = 0.7f, s.vy = -33.3f, s.vz = 50;
        switchLengthUnit(s, LengthUnit::Centimetre);
        EXPECT_EQ(s.unit, LengthUnit::Centimetre);
        EXPECT_EQ(s.x, 12.5f);
        // To m/s and back once: only the two products' float rounding shows.
        EXPECT_EQ(s.vx, static_cast<float>(static_cast<float>(0.7f * 0.01) * 100.0));
        EXPECT_NEAR(s.vy, -33.3f, 1e-5f);
        EXPECT_EQ(s.Ez, confined ? 0.1f : 0.0f);
        // The force was computed in m/s: 0.5 m/s across B = 2 T.
        if (!confined) {
            EXPECT_NEAR(s.ay, 1.0f, 1e-6f);
        }
        const SimState inCm = s;
        switchLengthUnit(s, LengthUnit::Metre);
        EXPECT_EQ(s.unit, LengthUnit::Metre);
        EXPECT_EQ(s.vx, inCm.vx);
        EXPECT_EQ(s.vz, inCm.vz);
        EXPECT_EQ(s.ay, inCm.ay); // nothing computed
        EXPECT_EQ(s.Ez, confined ? 8.0f : 0.0f);
    }
}
