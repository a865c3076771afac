// A million animation steps of the core from several states: strong fields, a
// large charge, tiny and large time steps, both units and both field modes.
// Runs that stay finite must keep the physics (the circle of a charge in a
// magnetic field, the energy gain of the midpoint scheme, the kick through the
// confined region); runs that overflow must do so without undefined behaviour
// and without touching anything but the particle. Then the windows are driven
// through an overflowed state and "Inicia" must bring back a clean one.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>
#include <cstring>
#include <functional>
#include <ostream>
#include <string>

#include "tests/hardening/voltrix/FiniteState.h"
#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"
#include "voltrix/core/SimState.h"
#include "voltrix/core/SliderRules.h"
#include "voltrix/view3d/TXc3DWorld.h"

using namespace voltrix_test;

namespace {

constexpr long kSteps = 1'000'000;

bool sameBits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

bool particleFinite(const SimState &s)
{
    for (float v : {s.x, s.y, s.z, s.vx, s.vy, s.vz})
        if (!std::isfinite(v))
            return false;
    return true;
}

double speed(const SimState &s) { return std::sqrt(double(s.vx) * s.vx + double(s.vy) * s.vy + double(s.vz) * s.vz); }

// The explicit midpoint step turns a velocity in a pure magnetic field by
// θ = qB·dt per step and lengthens it by √(1 + θ⁴/4): the speed after n steps.
double midpointSpeed(double startSpeed, double theta, long n)
{
    return startSpeed * std::exp(0.5 * static_cast<double>(n) * std::log1p(std::pow(theta, 4) / 4.0));
}

struct LongRun {
    const char *name;
    std::function<void(SimState &)> setUp;
    bool cm;
    bool overflows; // the physics itself runs past the float range
    std::function<void(const SimState &start, const SimState &end)> check;
};

// Test names carry the run's name, never the bytes of its functions.
void PrintTo(const LongRun &run, std::ostream *os) { *os << run.name; }

void startState(SimState &) {}

// The preset of the confined mode, with the field of the chosen unit.
void confinedPreset(SimState &s, float ez)
{
    s.CampoConfinado = 1;
    s.dt = 0.05f;
    s.x = 50, s.y = 0, s.z = 50;
    s.vx = 0, s.vy = 20, s.vz = 0;
    s.Ex = 0, s.Ey = 0, s.Ez = ez;
    s.Bx = s.By = s.Bz = 0;
}

// The start state circles about (y, z) = (45, 40) with radius 25 in the
// plane x = 0, in m or in cm alike.
void checkStartCircle(const SimState &start, const SimState &end, double theta)
{
    EXPECT_EQ(end.x, 0.0f);
    EXPECT_EQ(end.vx, 0.0f);
    const double expectedSpeed = midpointSpeed(speed(start), theta, kSteps);
    EXPECT_NEAR(speed(end), expectedSpeed, expectedSpeed * 5e-4);
    const double radius = std::hypot(end.y - 45.0, end.z - 40.0);
    EXPECT_NEAR(radius, 25.0 * expectedSpeed / speed(start), 0.05);
}

const LongRun kRuns[] = {
    {"StartStateInMetres", startState, false, false,
     [](const SimState &start, const SimState &end) { checkStartCircle(start, end, 2.0 * 0.01f); }},
    {"StartStateInCentimetres", startState, true, false,
     [](const SimState &start, const SimState &end) { checkStartCircle(start, end, 2.0 * 0.01f); }},
    {"LargeTimeStepGainsEnergyAsTheSchemeDoes", [](SimState &s) { s.dt = 0.05f; }, false, false,
     [](const SimState &start, const SimState &end) {
         EXPECT_EQ(end.x, 0.0f);
         EXPECT_EQ(end.vx, 0.0f);
         const double expected = midpointSpeed(speed(start), 2.0 * 0.05f, kSteps);
         EXPECT_NEAR(speed(end), expected, expected * 0.02);
     }},
    {"TinyTimeStepStrongMagneticField",
     [](SimState &s) {
         s.dt = 0.0005f;
         s.x = s.y = s.z = 50;
         s.vx = 50, s.vy = 0, s.vz = 0;
         s.Bx = 0, s.By = 0, s.Bz = 10;
     },
     false, false,
     [](const SimState &, const SimState &end) {
         // Radius v/(qB) = 5 about (50, 45); the plane z = 50 is never left.
         EXPECT_EQ(end.z, 50.0f);
         EXPECT_EQ(end.vz, 0.0f);
         EXPECT_NEAR(std::hypot(end.x - 50.0, end.y - 45.0), 5.0, 0.05);
         EXPECT_NEAR(speed(end), 50.0, 0.05);
     }},
    {"StrongFieldsOverflow",
     [](SimState &s) {
         s.dt = 0.05f;
         s.Ex = s.Ey = s.Ez = 100;
         s.Bx = s.By = s.Bz = 10;
     },
     false, true, nullptr},
    {"LargeChargeOverflows", [](SimState &s) { s.q = 1e7f; }, false, true, nullptr},
    {"LargeChargeInCentimetresOverflows", [](SimState &s) { s.q = 1e7f; }, true, true, nullptr},
    {"PureElectricFieldLargeCharge",
     [](SimState &s) {
         s.dt = 0.05f;
         s.x = s.y = s.z = 50;
         s.vx = s.vy = s.vz = 0;
         s.Ex = 100, s.Ey = -100, s.Ez = 100;
         s.Bx = s.By = s.Bz = 0;
         s.q = 1e6f;
     },
     false, false,
     [](const SimState &, const SimState &end) {
         // Constant acceleration q·E = 1e8 per axis: v = a·n·dt.
         const double v = 1e8 * kSteps * double(0.05f);
         EXPECT_NEAR(end.vx, v, v * 0.02);
         EXPECT_NEAR(end.vy, -v, v * 0.02);
         EXPECT_NEAR(end.vz, v, v * 0.02);
         const double distance = 0.5 * v * kSteps * double(0.05f);
         EXPECT_NEAR(end.x, distance, distance * 0.05);
     }},
    {"ConfinedRegionKickInMetres", [](SimState &s) { confinedPreset(s, 8.0f); }, false, false,
     [](const SimState &, const SimState &end) {
         // Crossing the region along y at 20 m/s takes about 1 s: Ez = 8
         // gives about 8 m/s upwards, and outside it the path is straight.
         EXPECT_EQ(end.vx, 0.0f);
         EXPECT_EQ(end.vy, 20.0f);
         EXPECT_NEAR(end.vz, 8.0, 0.8);
         EXPECT_EQ(end.x, 50.0f);
     }},
    {"ConfinedRegionKickInCentimetres", [](SimState &s) { confinedPreset(s, 0.1f); }, true, false,
     [](const SimState &, const SimState &end) {
         // 20 cm/s across 20 cm: about 1 s at 0.1 m/s², so about 10 cm/s.
         EXPECT_EQ(end.vx, 0.0f);
         EXPECT_NEAR(end.vy, 20.0, 1e-3);
         EXPECT_NEAR(end.vz, 10.0, 1.0);
     }},
};

class CoreLongRun : public ::testing::TestWithParam<LongRun> {};

TEST_P(CoreLongRun, MillionStepsKeepThePhysicsOrOverflowCleanly)
{
    const LongRun &run = GetParam();
    SimState start;
    run.setUp(start);
    SimState s = start;
    s.unit = run.cm ? voltrix::LengthUnit::Centimetre : voltrix::LengthUnit::Metre;
    long firstNonFinite = -1;
    for (long i = 0; i < kSteps; ++i) {
        voltrix::integrateStep(s);
        if (firstNonFinite < 0 && !particleFinite(s))
            firstNonFinite = i;
    }

    // The step writes the particle, the time and the force, never the
    // fields, the charge, the mass, the time step or the start values.
    for (auto member : {&SimState::Ex, &SimState::Ey, &SimState::Ez, &SimState::Bx, &SimState::By, &SimState::Bz,
                        &SimState::q, &SimState::m, &SimState::dt, &SimState::x0, &SimState::y0, &SimState::z0,
                        &SimState::vx0, &SimState::vy0, &SimState::vz0})
        EXPECT_TRUE(sameBits(s.*member, start.*member));
    EXPECT_TRUE(std::isfinite(s.t));
    EXPECT_GT(s.t, start.t);

    if (run.overflows) {
        EXPECT_GE(firstNonFinite, 0) << "the run was expected to leave the float range";
        return;
    }
    EXPECT_EQ(firstNonFinite, -1);
    run.check(start, s);
}

INSTANTIATE_TEST_SUITE_P(Hardening, CoreLongRun, ::testing::ValuesIn(kRuns));

// The particle's state after the physics overflowed: the first step at which
// a value left the float range (infinities), or a long run (NaN everywhere).
SimState overflowed(const std::function<void(SimState &)> &setUp, bool untilNaN)
{
    SimState s;
    setUp(s);
    for (long i = 0; i < kSteps; ++i) {
        voltrix::integrateStep(s);
        if (untilNaN ? std::isnan(s.x) : !particleFinite(s))
            break;
    }
    return s;
}

class OverflowedWindows : public VoltrixWindows {
protected:
    void takeParticle(const SimState &s)
    {
        Sim.x = s.x, Sim.y = s.y, Sim.z = s.z;
        Sim.vx = s.vx, Sim.vy = s.vy, Sim.vz = s.vz;
        Sim.Ex = s.Ex, Sim.Ey = s.Ey, Sim.Ez = s.Ez;
        Sim.Bx = s.Bx, Sim.By = s.By, Sim.Bz = s.Bz;
        Sim.q = s.q, Sim.dt = s.dt;
    }

    // Each slider stands where whole-part placement puts its value, clamped.
    void expectSlidersFollow() const
    {
        const struct {
            QScrollBar *slider;
            QLineEdit *edit;
            float value;
        } families[] = {
            {Form2->ScX, Form2->EditX, Sim.x},    {Form2->ScY, Form2->EditY, Sim.y},
            {Form2->ScZ, Form2->EditZ, Sim.z},    {Form2->ScVx, Form2->EditVx, Sim.vx},
            {Form2->ScVy, Form2->EditVy, Sim.vy}, {Form2->ScVz, Form2->EditVz, Sim.vz},
        };
        for (const auto &f : families) {
            const int expected =
                std::clamp(voltrix::wholePartPosition(f.value), f.slider->minimum(), f.slider->maximum());
            EXPECT_EQ(f.slider->value(), expected) << f.edit->objectName().toStdString();
            EXPECT_EQ(f.edit->text().toStdString(), voltrix::format31(f.value));
        }
    }
};

TEST_F(OverflowedWindows, WindowsSurviveAnOverflowedParticleAndIniciaRecovers)
{
    const struct {
        const char *name;
        SimState state;
    } cases[] = {
        {"infinite", overflowed([](SimState &s) { s.q = 1e7f; }, false)},
        {"nan", overflowed(
                    [](SimState &s) {
                        s.dt = 0.05f;
                        s.Ex = s.Ey = s.Ez = 100;
                        s.Bx = s.By = s.Bz = 10;
                    },
                    true)},
    };
    Form1->show();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(particleFinite(c.state));
        takeParticle(c.state);
        for (int i = 0; i < 50; ++i)
            Form1->TimeAnimacionTimer();
        QApplication::processEvents();
        expectSlidersFollow();
        EXPECT_FALSE(Form1->Xc3DWorld->grab().isNull());

        QTest::mouseClick(Form2->SpeedButton1, Qt::LeftButton);
        // "Inicia" keeps the charge; a student types a sensible one back.
        Form2->EditQ->setText(QStringLiteral("1"));
        QTest::keyClick(Form2->EditQ, Qt::Key_Return);
        EXPECT_EQ(Sim.q, 1.0f);
        EXPECT_EQ(hardening::nonFiniteValues(experiment), std::vector<std::string>{});
        EXPECT_EQ(Sim.x, 0.0f);
        EXPECT_EQ(Sim.y, 20.0f);
        EXPECT_EQ(Sim.vz, 50.0f);
        for (int i = 0; i < 100; ++i)
            Form1->TimeAnimacionTimer();
        EXPECT_EQ(hardening::nonFiniteValues(experiment), std::vector<std::string>{});
        expectSlidersFollow();
    }
}

} // namespace
