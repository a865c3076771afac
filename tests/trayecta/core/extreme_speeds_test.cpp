#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "trayecta/core/InputRules.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/core/ProjectileSolver.h"

using namespace trayecta;

// Components whose squares leave the double range: the speed must still be
// the length of the velocity, neither 0 nor an overflow.
TEST(ExtremeSpeeds, SpeedIsTheLengthEvenWhereTheSquaresLeaveTheDoubleRange)
{
    const struct {
        double vx, vy;
        double speed;
    } cases[] = {
        {1e-300, -1e-300, 1.4142135623730951e-300}, {-3e-200, 4e-200, 5e-200}, {1e-320, 0.0, 1e-320},
        {1e200, 1e200, 1.4142135623730951e200},     {-3e160, -4e160, 5e160},   {0.0, 0.0, 0.0},
    };
    for (const auto &c : cases) {
        const double speed = speedOf(c.vx, c.vy);
        EXPECT_NEAR(speed, c.speed, c.speed * 1e-15) << c.vx << ", " << c.vy;
    }
}

// Ordinary velocities keep the digits of √(vx² + vy²) that the results show.
TEST(ExtremeSpeeds, OrdinarySpeedsKeepTheSquareRootOfTheSumOfSquares)
{
    const double pairs[][2] = {{3, 4}, {15, -31.1287648325468}, {0.1, 0.2}, {-7.5, 1e-3}, {1e150, 1e150}};
    for (const auto &p : pairs)
        EXPECT_EQ(speedOf(p[0], p[1]), std::sqrt(p[1] * p[1] + p[0] * p[0])) << p[0] << ", " << p[1];
}

TEST(ExtremeSpeeds, TinyComponentsTurnIntoANonZeroSpeed)
{
    const ComponentUpdate update = componentRule("1E-300", "-1E-300", ComponentAxis::Y);
    ASSERT_TRUE(update.speedText.has_value());
    const Reading speed = readNumber(*update.speedText);
    ASSERT_TRUE(speed.ok());
    EXPECT_NEAR(speed.value, 1.4142135623731e-300, 1e-314);
}

TEST(ExtremeSpeeds, HugeImpactComponentGivesItsSpeedInsteadOfAnOverflow)
{
    InputTexts in;
    in.rx0 = "0";
    in.ry0 = "0";
    in.v0x = "1E+160";
    in.v0y = "10";
    in.accelinicial = {"0", "-10"};
    ProjectileSolver solver;
    const SolveOutcome out = solver.solve(in, VelocityMode::Components);
    ASSERT_FALSE(out.failure.has_value());
    EXPECT_EQ(out.results.vuelo, "2");
    EXPECT_EQ(out.results.vimpactox, "1E+160");
    EXPECT_EQ(out.results.modulo, "1E+160");
}
