#include "voltrix/core/Magnitudes.h"

#include <cmath>
#include <numbers>

#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"

namespace voltrix {

namespace {

using Vector = std::array<double, 3>;

double dot(const Vector &a, const Vector &b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

double length(const Vector &a) { return std::sqrt(dot(a, a)); }

Vector cross(const Vector &a, const Vector &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

// -0 reads as 0 in a box.
double unsigned0(double value) { return value + 0.0; }

std::string textOf(const std::optional<double> &value)
{
    return value ? formatSignificant(unsigned0(*value), kMagnitudeDigits) : kNotApplicable;
}

} // namespace

Magnitudes magnitudesOf(const SimState &s)
{
    const double toMetres = s.unit == LengthUnit::Centimetre ? 0.01 : 1.0;
    const Vector v{s.vx * toMetres, s.vy * toMetres, s.vz * toMetres};
    const Vector e{s.Ex, s.Ey, s.Ez};
    const Vector b{s.Bx, s.By, s.Bz};
    const double m = s.m;

    Magnitudes out;
    out.speed = length(v);
    out.kineticEnergy = 0.5 * m * dot(v, v);

    // The force law itself, on a copy, so the numbers agree with the arrow
    // and the readout (and follow the confined region).
    SimState at = s;
    computeForceForDisplay(at);
    out.force = length({at.Fx, at.Fy, at.Fz});
    out.acceleration = length({at.ax, at.ay, at.az});

    const double fieldB = length(b);
    if (s.CampoConfinado || fieldB == 0)
        return out;

    const double charge = std::fabs(static_cast<double>(s.q));
    const double omega = charge * fieldB / m;
    out.angularFrequency = omega;
    if (omega > 0) {
        const double period = 2 * std::numbers::pi / omega;
        // Across B: |v × B| / |B|; along B: v·B / |B|.
        const double across = length(cross(v, b)) / fieldB;
        const double along = dot(v, b) / fieldB;
        out.period = period;
        out.radius = m * across / (charge * fieldB);
        out.pitch = std::fabs(along) * period;
    }

    const double fieldE = length(e);
    if (fieldE > 0 && std::fabs(dot(e, b)) <= kPerpendicularShare * fieldE * fieldB) {
        const Vector exb = cross(e, b);
        const double b2 = fieldB * fieldB;
        const Vector drift{exb[0] / b2, exb[1] / b2, exb[2] / b2};
        out.drift = drift;
        out.driftSpeed = length(drift);
    }
    return out;
}

std::array<std::string, kMagnitudeBoxes> magnitudeTexts(const Magnitudes &m)
{
    const auto driftPart = [&m](std::size_t axis) -> std::optional<double> {
        if (!m.drift)
            return std::nullopt;
        return (*m.drift)[axis];
    };
    return {
        textOf(m.speed),
        textOf(m.kineticEnergy),
        textOf(m.force),
        textOf(m.acceleration),
        textOf(m.angularFrequency),
        textOf(m.period),
        textOf(m.radius),
        textOf(m.pitch),
        textOf(driftPart(0)),
        textOf(driftPart(1)),
        textOf(driftPart(2)),
        textOf(m.driftSpeed),
    };
}

} // namespace voltrix
