#pragma once
// A flight of 100000 s solved as the window solves it, with what the graph
// reads: from the ground at 612500 m/s with sine 0,8, vy = 490000 m/s under
// 9,8 m/s². Sampled to the plot's point bound, it is the heaviest graph.
#include "trayecta/core/ProjectileSolver.h"
#include "trayecta/core/TrajectoryPlan.h"

inline trayecta::TrajectoryInputs solvedLongFlight()
{
    trayecta::InputTexts in;
    in.ry0 = "0";
    in.vinicial = "612500";
    in.sin = "0,8";
    in.cos = "0,6";
    in.angulo = "0";
    in.accelinicial = {"0", "-9,8"};
    trayecta::ProjectileSolver solver;
    const trayecta::SolveOutcome out = solver.solve(in, trayecta::VelocityMode::SpeedAndSineCosine);
    return trajectoryInputs(solver.quantities(), out.results.vuelo.value_or(""), out.results.altura.value_or(""),
                            out.results.alcance.value_or(""));
}
