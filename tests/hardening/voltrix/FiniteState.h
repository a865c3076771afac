#pragma once
// The names of the kept floats that are not finite: the physics, the drawing
// factors and the camera.
#include <cmath>
#include <string>
#include <vector>

#include "voltrix/core/Simulation.h"

namespace hardening {

inline std::vector<std::string> nonFiniteValues()
{
    using voltrix::Camera;
    using voltrix::Factors;
    using voltrix::Sim;
    const struct {
        const char *name;
        float value;
    } values[] = {
        {"x", Sim.x},
        {"y", Sim.y},
        {"z", Sim.z},
        {"vx", Sim.vx},
        {"vy", Sim.vy},
        {"vz", Sim.vz},
        {"x0", Sim.x0},
        {"y0", Sim.y0},
        {"z0", Sim.z0},
        {"vx0", Sim.vx0},
        {"vy0", Sim.vy0},
        {"vz0", Sim.vz0},
        {"t", Sim.t},
        {"Ex", Sim.Ex},
        {"Ey", Sim.Ey},
        {"Ez", Sim.Ez},
        {"Bx", Sim.Bx},
        {"By", Sim.By},
        {"Bz", Sim.Bz},
        {"q", Sim.q},
        {"m", Sim.m},
        {"dt", Sim.dt},
        {"Fx", Sim.Fx},
        {"Fy", Sim.Fy},
        {"Fz", Sim.Fz},
        {"ax", Sim.ax},
        {"ay", Sim.ay},
        {"az", Sim.az},
        {"FactorV", Factors.FactorV},
        {"FactorA", Factors.FactorA},
        {"FactorE", Factors.FactorE},
        {"FactorB", Factors.FactorB},
        {"FactorActual", Factors.FactorActual},
        {"AnguloAlfa", Camera.AnguloAlfa},
        {"AnguloBeta", Camera.AnguloBeta},
        {"ZoomActual", Camera.ZoomActual},
    };
    std::vector<std::string> bad;
    for (const auto &v : values) {
        if (!std::isfinite(v.value))
            bad.push_back(v.name);
    }
    return bad;
}

} // namespace hardening
