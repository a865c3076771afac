#include "voltrix/core/Preset.h"

#include "voltrix/core/Physics.h"

namespace voltrix {

namespace {

constexpr float kWholeSpaceDt = 0.01f;
constexpr float kConfinedDt = 0.05f;
constexpr float kWholeSpaceFactorA = 1.0f;
constexpr float kConfinedFactorA = 10.0f;

} // namespace

void applyPreset(SimState &s, DrawingFactors &f)
{
    s.t = 0;
    if (!s.CampoConfinado) {
        s.dt = kWholeSpaceDt;
        s.Ex = s.Ey = s.Ez = 0;
        s.x = 0, s.y = 20, s.z = 40;
        s.vx = 0, s.vy = 0, s.vz = 50;
        s.Bx = 2, s.By = 0, s.Bz = 0;
        f.FactorA = kWholeSpaceFactorA;
    } else {
        s.dt = kConfinedDt;
        s.Ex = s.Ey = 0;
        s.Ez = s.unit == LengthUnit::Centimetre ? kConfinedEzCentimetres : kConfinedEzMetres;
        s.vx = 0, s.vy = 20, s.vz = 0;
        s.x = 50, s.y = 0, s.z = 50;
        f.FactorA = kConfinedFactorA;
    }
    computeForceForDisplay(s);
}

} // namespace voltrix
