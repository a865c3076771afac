// The classic experiments: each stays inside the box for ten seconds at
// "Normal", and each predicted number is what the quantities window shows for
// its state or where the simulated particle is at the time it names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "voltrix/core/ClassicExperiments.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"

using namespace voltrix;

namespace {

constexpr int kTenSecondsAtNormal = 640;

float component(const SimState &s, int c)
{
    const float values[] = {s.x, s.y, s.z, s.vx, s.vy, s.vz};
    return values[c];
}

TEST(ClassicExperiments, EachStaysInTheBoxAndShowsWhatItsGuidePredicts)
{
    ASSERT_GE(classicExperiments().size(), 8u);
    for (const ClassicExperiment &e : classicExperiments()) {
        SCOPED_TRACE(e.title);
        const SimState start = classicState(e, SimState{});
        const std::size_t lines = guideLines(e).size();
        EXPECT_TRUE(lines >= 6 && lines <= 12);

        const auto shown = magnitudeTexts(magnitudesOf(start));
        for (const Prediction &p : e.predictions) {
            SCOPED_TRACE(p.symbol);
            if (p.shownIn) {
                EXPECT_EQ(shown[static_cast<std::size_t>(*p.shownIn)], formatSignificant(p.value, kMagnitudeDigits));
                continue;
            }
            SimState s = start;
            const long steps = std::lround(p.t / s.dt);
            for (long i = 0; i < steps; ++i)
                integrateStep(s);
            // A time that is no whole number of steps (π s) is met to within one.
            EXPECT_NEAR(component(s, p.component), p.value, 0.15);
        }

        SimState s = start;
        for (int i = 0; i < kTenSecondsAtNormal; ++i) {
            integrateStep(s);
            ASSERT_TRUE(s.x >= 0 && s.x <= 100 && s.y >= 0 && s.y <= 100 && s.z >= 0 && s.z <= 100)
                << "left the box at step " << i;
        }
    }
}

TEST(ClassicExperiments, TheVelocitySelectorLetsTheParticleThroughStraight)
{
    const auto &all = classicExperiments();
    const auto selector = std::find_if(all.begin(), all.end(), [](const ClassicExperiment &e) {
        return std::string(e.title) == "Selector de velocidades";
    });
    ASSERT_NE(selector, all.end());
    SimState s = classicState(*selector, SimState{});
    for (int i = 0; i < kTenSecondsAtNormal; ++i) {
        integrateStep(s);
        ASSERT_EQ(s.x, 50.0f);
        ASSERT_NEAR(s.z, 50.0f, 1e-4f) << i;
    }
    EXPECT_NEAR(s.y, 10 + 6.4f * 10, 1e-2f);
}

} // namespace
