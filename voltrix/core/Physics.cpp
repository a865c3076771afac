#include "voltrix/core/Physics.h"

namespace voltrix {

namespace {

// Unit scaling of the step: display unit (cm) to metres and back. Each
// product is formed in double and stored as a float.
constexpr double kCmToM = 0.01;
constexpr double kMToCm = 100.0;

void scaleVelocity(SimState &s, double factor)
{
    s.vx = static_cast<float>(s.vx * factor);
    s.vy = static_cast<float>(s.vy * factor);
    s.vz = static_cast<float>(s.vz * factor);
}

void scalePosition(SimState &s, double factor)
{
    s.x = static_cast<float>(s.x * factor);
    s.y = static_cast<float>(s.y * factor);
    s.z = static_cast<float>(s.z * factor);
}

void scalePositionAndVelocity(SimState &s, double factor)
{
    scalePosition(s, factor);
    scaleVelocity(s, factor);
}

// The field sum is formed first and only then multiplied by the charge.
float lorentzComponent(float e, float cross, float q)
{
    return static_cast<float>((static_cast<double>(e) + cross) * q);
}

float confinedComponent(bool inside, float q, float e)
{
    return inside ? static_cast<float>(static_cast<double>(q) * e) : 0.0f;
}

struct Force {
    float &x, &y, &z;
};

// q·(E + v × B) for the velocity given, through the shared cross-product
// workspace.
void wholeSpaceForce(SimState &s, float vx, float vy, float vz, Force f);

// q·E inside the region, nothing outside.
void confinedForce(const SimState &s, bool inside, Force f)
{
    f.x = confinedComponent(inside, s.q, s.Ex);
    f.y = confinedComponent(inside, s.q, s.Ey);
    f.z = confinedComponent(inside, s.q, s.Ez);
}

} // namespace

void PRODUCTO_VECTORIAL(SimState &s)
{
    const auto &a = s.PvA;
    const auto &b = s.PvB;
    // Products of two floats are exact in double; the difference is rounded
    // once to double and once more when stored.
    s.PvR[0] = static_cast<float>(static_cast<double>(a[1]) * b[2] - static_cast<double>(a[2]) * b[1]);
    s.PvR[1] = static_cast<float>(static_cast<double>(a[2]) * b[0] - static_cast<double>(a[0]) * b[2]);
    s.PvR[2] = static_cast<float>(static_cast<double>(a[0]) * b[1] - static_cast<double>(a[1]) * b[0]);
}

namespace {

void wholeSpaceForce(SimState &s, float vx, float vy, float vz, Force f)
{
    s.PvA = {vx, vy, vz};
    s.PvB = {s.Bx, s.By, s.Bz};
    PRODUCTO_VECTORIAL(s);
    f.x = lorentzComponent(s.Ex, s.PvR[0], s.q);
    f.y = lorentzComponent(s.Ey, s.PvR[1], s.q);
    f.z = lorentzComponent(s.Ez, s.PvR[2], s.q);
}

} // namespace

bool insideRegion(float x, float y, float z)
{
    return SimState::RegXmin < x && x < SimState::RegXmax && SimState::RegYmin < y && y < SimState::RegYmax
           && SimState::RegZmin < z && z < SimState::RegZmax;
}

void ACELERACION(SimState &s, bool positionInMetres)
{
    if (!s.CampoConfinado) {
        wholeSpaceForce(s, s.vx, s.vy, s.vz, {s.Fx, s.Fy, s.Fz});
    } else {
        // The bounds are in display units; the position rounded to float is
        // the one the step stores back, so both evaluations agree.
        const double toDisplay = positionInMetres ? kMToCm : 1.0;
        const bool inside = insideRegion(static_cast<float>(s.x * toDisplay), static_cast<float>(s.y * toDisplay),
                                         static_cast<float>(s.z * toDisplay));
        confinedForce(s, inside, {s.Fx, s.Fy, s.Fz});
    }
    s.ax = static_cast<float>(static_cast<double>(s.Fx) / s.m);
    s.ay = static_cast<float>(static_cast<double>(s.Fy) / s.m);
    s.az = static_cast<float>(static_cast<double>(s.Fz) / s.m);
}

void computeForceForDisplay(SimState &s)
{
    if (s.unit != LengthUnit::Centimetre) {
        ACELERACION(s);
        return;
    }
    // Scale to m/s for the call only; restoring the saved values (instead of
    // multiplying back by 100) keeps a held charge button from drifting the
    // velocity by a rounding on every tick.
    const float vx = s.vx, vy = s.vy, vz = s.vz;
    scaleVelocity(s, kCmToM);
    ACELERACION(s);
    s.vx = vx;
    s.vy = vy;
    s.vz = vz;
}

void integrateStep(SimState &s)
{
    const bool inCentimetres = s.unit == LengthUnit::Centimetre;
    const double dt = s.dt;
    s.t = static_cast<float>(s.t + dt);

    if (inCentimetres)
        scalePositionAndVelocity(s, kCmToM);

    ACELERACION(s, inCentimetres);

    s.vxm = static_cast<float>(s.ax * dt * 0.5 + s.vx);
    s.vym = static_cast<float>(s.ay * dt * 0.5 + s.vy);
    s.vzm = static_cast<float>(s.az * dt * 0.5 + s.vz);

    if (!s.CampoConfinado) {
        wholeSpaceForce(s, s.vxm, s.vym, s.vzm, {s.Fxm, s.Fym, s.Fzm});
    } else {
        // The confined force depends on the position at the start of the
        // step, tested in display units.
        if (inCentimetres)
            scalePosition(s, kMToCm);
        const bool inside = insideRegion(s.x, s.y, s.z);
        confinedForce(s, inside, {s.Fxm, s.Fym, s.Fzm});
        if (inCentimetres)
            scalePosition(s, kCmToM);
    }

    s.axm = static_cast<float>(static_cast<double>(s.Fxm) / s.m);
    s.aym = static_cast<float>(static_cast<double>(s.Fym) / s.m);
    s.azm = static_cast<float>(static_cast<double>(s.Fzm) / s.m);

    s.x = static_cast<float>(s.vxm * dt + s.x);
    s.y = static_cast<float>(s.vym * dt + s.y);
    s.z = static_cast<float>(s.vzm * dt + s.z);

    s.vx = static_cast<float>(s.axm * dt + s.vx);
    s.vy = static_cast<float>(s.aym * dt + s.vy);
    s.vz = static_cast<float>(s.azm * dt + s.vz);

    if (inCentimetres)
        scalePositionAndVelocity(s, kMToCm);
}

void switchLengthUnit(SimState &s, LengthUnit unit)
{
    s.unit = unit;
    if (unit == LengthUnit::Centimetre) {
        scaleVelocity(s, kCmToM);
        if (s.CampoConfinado)
            s.Ez = kConfinedEzCentimetres;
        ACELERACION(s);
        scaleVelocity(s, kMToCm);
    } else if (s.CampoConfinado) {
        s.Ez = kConfinedEzMetres;
    }
}

} // namespace voltrix
