#pragma once
// The kept floats by name: what the user sets (fields, factors, camera) and,
// with the particle and what follows from it, everything the program keeps.
#include <cmath>
#include <string>
#include <vector>

#include "voltrix/forms/Experiment.h"

namespace hardening {

struct NamedValue {
    const char *name;
    float value;
};

inline std::vector<NamedValue> settingValues(const voltrix::Experiment &experiment)
{
    const voltrix::SimState &Sim = experiment.state();
    const voltrix::DrawingFactors &Factors = experiment.factors();
    const voltrix::ViewControls &Camera = experiment.camera();
    return {
        {"Ex", Sim.Ex},
        {"Ey", Sim.Ey},
        {"Ez", Sim.Ez},
        {"Bx", Sim.Bx},
        {"By", Sim.By},
        {"Bz", Sim.Bz},
        {"q", Sim.q},
        {"dt", Sim.dt},
        {"m", Sim.m},
        {"x0", Sim.x0},
        {"y0", Sim.y0},
        {"z0", Sim.z0},
        {"vx0", Sim.vx0},
        {"vy0", Sim.vy0},
        {"vz0", Sim.vz0},
        {"FactorV", Factors.FactorV},
        {"FactorA", Factors.FactorA},
        {"FactorE", Factors.FactorE},
        {"FactorB", Factors.FactorB},
        {"ZoomActual", Camera.ZoomActual},
        {"AnguloAlfa", Camera.AnguloAlfa},
        {"AnguloBeta", Camera.AnguloBeta},
        {"FactorActual", Factors.FactorActual},
    };
}

// The names of the kept floats that are not finite.
inline std::vector<std::string> nonFiniteValues(const voltrix::Experiment &experiment)
{
    const voltrix::SimState &Sim = experiment.state();
    std::vector<NamedValue> values = {
        {"x", Sim.x},   {"y", Sim.y},   {"z", Sim.z},   {"vx", Sim.vx}, {"vy", Sim.vy}, {"vz", Sim.vz}, {"t", Sim.t},
        {"Fx", Sim.Fx}, {"Fy", Sim.Fy}, {"Fz", Sim.Fz}, {"ax", Sim.ax}, {"ay", Sim.ay}, {"az", Sim.az},
    };
    const std::vector<NamedValue> settings = settingValues(experiment);
    values.insert(values.end(), settings.begin(), settings.end());
    std::vector<std::string> bad;
    for (const NamedValue &v : values) {
        if (!std::isfinite(v.value))
            bad.push_back(v.name);
    }
    return bad;
}

} // namespace hardening
