#pragma once
// Problems the graph tests share: the start-up problem and a flight of
// 100000 s, solved as the window solves them, with what the graph reads.
#include <gtest/gtest.h>

#include "trayecta/core/ProjectileSolver.h"
#include "trayecta/core/TrajectoryPlan.h"

namespace trayecta {

inline InputTexts startUp()
{
    InputTexts in;
    in.rx0 = "0";
    in.ry0 = "15";
    in.vinicial = "30";
    in.angulo = "60";
    in.accelinicial = {"0", "-9,8"};
    return in;
}

// From the ground at 612500 m/s with sine 0,8: vy = 490000 m/s, so 100000 s
// of flight under 9,8 m/s² (solved with VelocityMode::SpeedAndSineCosine).
inline InputTexts longFlight()
{
    InputTexts in = startUp();
    in.ry0 = "0";
    in.sin = "0,8";
    in.cos = "0,6";
    in.vinicial = "612500";
    return in;
}

// Solves the problem and gathers what the graph reads, as the window does.
inline TrajectoryInputs solvedGraphInputs(InputTexts in, VelocityMode mode = VelocityMode::SpeedAndAngle)
{
    ProjectileSolver solver;
    const SolveOutcome out = solver.solve(in, mode);
    EXPECT_FALSE(out.failure);
    return trajectoryInputs(solver.quantities(), out.results.vuelo.value_or(""), out.results.altura.value_or(""),
                            out.results.alcance.value_or(""));
}

} // namespace trayecta
