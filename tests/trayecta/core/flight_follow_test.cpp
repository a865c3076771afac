// The marker's values: the state of the projectile at the instants it can
// stand on, checked against uniformly accelerated motion and the result texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "tests/trayecta/core/SolvedProblems.h"
#include "trayecta/core/FlightFollow.h"
#include "trayecta/core/NumberText.h"

using namespace trayecta;

namespace {

struct Solved {
    TrajectoryInputs graph;
    ResultTexts results;
};

Solved solved(InputTexts in, VelocityMode mode)
{
    ProjectileSolver solver;
    const SolveOutcome out = solver.solve(in, mode);
    return {trajectoryInputs(solver.quantities(), *out.results.vuelo, *out.results.altura, *out.results.alcance),
            out.results};
}

} // namespace

TEST(FlightFollow, StateFollowsUniformlyAcceleratedMotion)
{
    InputTexts pushed = startUp(); // a horizontal acceleration too
    pushed.accelinicial = {"1,5", "-9,8"};
    InputTexts fromPit = startUp(); // below the ground: the flight ends at the upward crossing
    fromPit.ry0 = "-10";
    const struct {
        const char *name;
        InputTexts in;
        double ax, ay;
    } cases[] = {{"start-up", startUp(), 0.0, -9.8}, {"pushed", pushed, 1.5, -9.8}, {"from a pit", fromPit, 0.0, -9.8}};
    for (const auto &c : cases) {
        const Solved s = solved(c.in, VelocityMode::SpeedAndAngle);
        const std::optional<FlightFollow> f = FlightFollow::of(s.graph);
        ASSERT_TRUE(f) << c.name;
        const MotionState start = f->at(0.0);
        for (const double t : {0.0, 0.4, 1.0, 2.5, f->flightTime()}) {
            const MotionState m = f->at(t);
            EXPECT_NEAR(m.vx, start.vx + c.ax * t, 1e-12) << c.name << " t=" << t;
            EXPECT_NEAR(m.vy, start.vy + c.ay * t, 1e-12) << c.name << " t=" << t;
            EXPECT_NEAR(m.speed, std::hypot(m.vx, m.vy), 1e-12) << c.name;
        }
        // At the landing the marker reads what the result fields say.
        const MotionState end = f->at(f->flightTime());
        EXPECT_EQ(formatGeneral(end.x), *s.results.alcance) << c.name;
        EXPECT_EQ(formatGeneral(end.vx), *s.results.vimpactox) << c.name;
        EXPECT_EQ(formatGeneral(end.vy), *s.results.vimpactoy) << c.name;
        EXPECT_EQ(f->instants().back(), f->flightTime()) << c.name;
    }
}

TEST(FlightFollow, ApexReadsZeroVerticalSpeedAndTheMaximumHeight)
{
    const Solved s = solved(startUp(), VelocityMode::SpeedAndAngle);
    FlightFollow f = *FlightFollow::of(s.graph);
    const double apexTime = s.graph.vy / 9.8;
    const auto apex = std::find(f.instants().begin(), f.instants().end(), apexTime);
    ASSERT_NE(apex, f.instants().end());
    const MotionState top = f.at(apexTime);
    EXPECT_EQ(top.vy, 0.0);
    EXPECT_EQ(formatGeneral(top.t), "2,65109817485032");
    EXPECT_EQ(formatGeneral(top.y), *s.results.altura);

    // In a 300 × 200 pixel area: the apex pulls the pointer from a few pixels away,
    // the pointer far from the curve finds nothing.
    f.place({0.0, {0.0, 87.412541244f, 54.933163f}, 300.0, 200.0});
    const MarkerShape shape = f.shapeAt(apexTime, 60.0);
    EXPECT_DOUBLE_EQ(shape.velocity.y, 0.0);
    EXPECT_GT(shape.velocity.x, 0.0);
    const auto apexIndex = static_cast<std::size_t>(apex - f.instants().begin());
    EXPECT_EQ(f.nearest({shape.at.x + 2.0, shape.at.y + 2.0}, 6.0, 4.0), apexIndex);
    EXPECT_FALSE(f.nearest({shape.at.x, shape.at.y + 40.0}, 6.0, 4.0));

    // Steps: one plotted point either way, a tenth of the flight, and the ends hold.
    EXPECT_EQ(f.stepped(apexTime, 1), apexIndex + 1);
    EXPECT_EQ(f.stepped(apexTime, -1), apexIndex - 1);
    EXPECT_NEAR(f.instants()[f.steppedTenth(apexTime, 1)] - apexTime, f.flightTime() / 10.0, 1.0 / 750.0);
    EXPECT_EQ(f.stepped(0.0, -1), 0u);
    EXPECT_EQ(f.steppedTenth(f.flightTime(), 1), f.instants().size() - 1);
}

TEST(FlightFollow, LaunchPlaysInRealTimeBetweenOneAndTwentySeconds)
{
    const struct {
        double flight, play;
        const char *text;
    } cases[] = {
        {0.5, 1.0, "Temps ×0,5 (alentit)"},
        {1.0, 1.0, "Temps real"},
        {5.8, 5.8, "Temps real"},
        {20.0, 20.0, "Temps real"},
        {60.0, 20.0, "Temps ×3 (accelerat)"},
        {100000.0, 20.0, "Temps ×5000 (accelerat)"},
        {0.0123456, 1.0, "Temps ×0,0123 (alentit)"},
    };
    for (const auto &c : cases) {
        const LaunchPace pace = launchPace(c.flight);
        EXPECT_DOUBLE_EQ(pace.playSeconds, c.play) << c.flight;
        EXPECT_DOUBLE_EQ(pace.playSeconds * pace.factor, c.flight) << c.flight;
        EXPECT_EQ(paceText(pace), c.text) << c.flight;
    }
}
