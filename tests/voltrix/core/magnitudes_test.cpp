// The quantities window's numbers, worked out by hand for states a teacher
// would set: the start-up state, a pure electric field, crossed fields with
// their drift, a negative charge, the state held in cm, the confined field.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>
#include <string>

#include "voltrix/core/Magnitudes.h"
#include "voltrix/core/NumberText.h"

using namespace voltrix;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kNone = -1; // the quantity does not apply

struct Expected {
    double speed, energy, force, acceleration;
    double omega, period, radius, pitch;
    double driftX, driftY, driftZ, driftSpeed;
};

void expectValue(const std::optional<double> &got, double expected, const char *what)
{
    if (expected == kNone) {
        EXPECT_FALSE(got.has_value()) << what;
        return;
    }
    ASSERT_TRUE(got.has_value()) << what;
    EXPECT_NEAR(*got, expected, 1e-6 * std::max(1.0, std::fabs(expected))) << what;
}

SimState state(std::array<float, 3> v, std::array<float, 3> e, std::array<float, 3> b, float q = 1)
{
    SimState s;
    s.vx = v[0];
    s.vy = v[1];
    s.vz = v[2];
    s.Ex = e[0];
    s.Ey = e[1];
    s.Ez = e[2];
    s.Bx = b[0];
    s.By = b[1];
    s.Bz = b[2];
    s.q = q;
    return s;
}

} // namespace

TEST(Magnitudes, WorkedOutForTheStatesATeacherSets)
{
    struct Case {
        const char *name;
        SimState s;
        bool cm;
        Expected expected;
    };
    SimState confinedInside = state({0, 0, 0}, {0, 0, 8}, {0, 0, 0});
    confinedInside.CampoConfinado = true;
    confinedInside.x = confinedInside.y = confinedInside.z = 50;
    SimState confinedOutside = confinedInside;
    confinedOutside.z = 20;
    SimState confinedWithB = confinedInside; // a file may bring B while confined
    confinedWithB.Bx = 2;

    const Case cases[] = {
        // v = (0, 0, 50) across B = (2, 0, 0): F = q v × B = (0, 100, 0).
        {"start-up", SimState{}, false, {50, 1250, 100, 100, 2, kPi, 25, 0, kNone, kNone, kNone, kNone}},
        // E = (3, 0, 0) alone: F = qE, nothing turns.
        {"pure E",
         state({0, 0, 0}, {3, 0, 0}, {0, 0, 0}),
         false,
         {0, 0, 3, 3, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        // E = (0, 0, 3) across B = (2, 0, 0): drift E × B / B² = (0, 6, 0) / 4.
        {"E across B", state({0, 0, 0}, {0, 0, 3}, {2, 0, 0}), false, {0, 0, 3, 3, 2, kPi, 0, 0, 0, 1.5, 0, 1.5}},
        // E along B: no drift; v = (4, 3, 0) has 4 along B and 3 across it.
        {"E along B",
         state({4, 3, 0}, {1, 0, 0}, {2, 0, 0}),
         false,
         {5, 12.5, std::hypot(1.0, 6.0), std::hypot(1.0, 6.0), 2, kPi, 1.5, 4 * kPi, kNone, kNone, kNone, kNone}},
        // q = -2: ω uses |q|, the force turns round.
        {"negative charge",
         state({0, 0, 50}, {0, 0, 0}, {2, 0, 0}, -2),
         false,
         {50, 1250, 200, 200, 4, kPi / 2, 12.5, 0, kNone, kNone, kNone, kNone}},
        // Held in cm: 50 cm/s is 0.5 m/s; the radius comes out in metres.
        {"cm", SimState{}, true, {0.5, 0.125, 1, 1, 2, kPi, 0.25, 0, kNone, kNone, kNone, kNone}},
        // No charge: nothing turns, though B is there.
        {"no charge",
         state({0, 0, 50}, {0, 0, 0}, {2, 0, 0}, 0),
         false,
         {50, 1250, 0, 0, 0, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        // Oblique B = (0, 3, 4): |B| = 5; v = (0, 0, 10) has 8 along and 6 across.
        {"oblique B",
         state({0, 0, 10}, {0, 0, 0}, {0, 3, 4}),
         false,
         {10, 50, 30, 30, 5, 2 * kPi / 5, 6.0 / 5, 8 * 2 * kPi / 5, kNone, kNone, kNone, kNone}},
        {"confined, inside",
         confinedInside,
         false,
         {0, 0, 8, 8, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        {"confined, outside",
         confinedOutside,
         false,
         {0, 0, 0, 0, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
        {"confined, B off", confinedWithB, false, {0, 0, 8, 8, kNone, kNone, kNone, kNone, kNone, kNone, kNone, kNone}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        SimState s = c.s;
        s.unit = c.cm ? LengthUnit::Centimetre : LengthUnit::Metre;
        const Magnitudes m = magnitudesOf(s);
        const Expected &e = c.expected;
        expectValue(m.speed, e.speed, "speed");
        expectValue(m.kineticEnergy, e.energy, "kinetic energy");
        expectValue(m.force, e.force, "force");
        expectValue(m.acceleration, e.acceleration, "acceleration");
        expectValue(m.angularFrequency, e.omega, "omega");
        expectValue(m.period, e.period, "period");
        expectValue(m.radius, e.radius, "radius");
        expectValue(m.pitch, e.pitch, "pitch");
        expectValue(m.drift ? std::optional<double>((*m.drift)[0]) : std::nullopt, e.driftX, "drift x");
        expectValue(m.drift ? std::optional<double>((*m.drift)[1]) : std::nullopt, e.driftY, "drift y");
        expectValue(m.drift ? std::optional<double>((*m.drift)[2]) : std::nullopt, e.driftZ, "drift z");
        expectValue(m.driftSpeed, e.driftSpeed, "drift speed");
    }
}

TEST(Magnitudes, StartUpStateReadsTwoRadiansPiSecondsAndTwentyFiveMetres)
{
    const auto texts = magnitudeTexts(magnitudesOf(SimState{}));
    const std::array<std::string, kMagnitudeBoxes> expected{
        "50", "1250", "100", "100", "2", "3.14159", "25", "0", "—", "—", "—", "—",
    };
    EXPECT_EQ(texts, expected);
}

TEST(Magnitudes, DriftNeedsFieldsPerpendicularWithinFloatRounding)
{
    struct Case {
        const char *name;
        std::array<float, 3> e, b;
        bool drift;
    } cases[] = {
        // 0.3·0.5 and 0.1·1.5 differ in their last bits as floats.
        {"decimals across", {0.3f, 0.1f, 0}, {0.5f, -1.5f, 0}, true},
        {"slightly along", {0.3f, 0.1f, 0.01f}, {0.5f, -1.5f, 0.5f}, false},
        {"no E", {0, 0, 0}, {2, 0, 0}, false},
        {"no B", {0, 0, 3}, {0, 0, 0}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Magnitudes m = magnitudesOf(state({0, 0, 0}, c.e, c.b));
        EXPECT_EQ(m.drift.has_value(), c.drift);
        EXPECT_EQ(m.driftSpeed.has_value(), c.drift);
    }
    // A drift component that comes out as -0 reads "0".
    const Magnitudes m = magnitudesOf(state({0, 0, 0}, {0, -3, 0}, {2, 0, 0}));
    ASSERT_TRUE(m.drift.has_value());
    EXPECT_TRUE(std::signbit((*m.drift)[0]));
    const auto texts = magnitudeTexts(m);
    EXPECT_EQ(texts[static_cast<std::size_t>(MagnitudeBox::DriftX)], "0");
    EXPECT_EQ(texts[static_cast<std::size_t>(MagnitudeBox::DriftZ)], "1.5");
}
