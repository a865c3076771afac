#pragma once
// The numbers behind the picture, for the quantities window: the particle's
// speed, kinetic energy ½·m·v², and the force and acceleration the force law
// gives at the current state; while a magnetic field acts, the circular
// motion it causes (angular frequency ω = |q|·|B|/m, period 2π/ω, radius
// m·v⊥/(|q|·|B|) from the velocity across B, and the pitch |v∥|·2π/ω of the
// helix the velocity along B draws); and when E and B are both present and
// perpendicular, the drift velocity E×B/|B|² of the orbit's centre. Everything
// is in SI units (lengths and velocities held in cm are converted) and worked
// out in double from the float state; a quantity that does not apply to the
// state has no value and reads "—".
#include <array>
#include <optional>
#include <string>

#include "voltrix/core/SimState.h"

namespace voltrix {

struct Magnitudes {
    double speed = 0;         // m/s
    double kineticEnergy = 0; // J
    double force = 0;         // N
    double acceleration = 0;  // m/s²
    // While B acts (not confined, B ≠ 0).
    std::optional<double> angularFrequency; // rad/s
    // While the particle also turns (q ≠ 0).
    std::optional<double> period; // s
    std::optional<double> radius; // m
    std::optional<double> pitch;  // m
    // With E ≠ 0 and B ≠ 0 perpendicular, while B acts.
    std::optional<std::array<double, 3>> drift; // m/s
    std::optional<double> driftSpeed;           // m/s
};

// E·B counts as zero when it is at most this share of |E|·|B|: the fields
// come from sliders and typed decimals, whose floats are not exact.
inline constexpr double kPerpendicularShare = 1e-6;

Magnitudes magnitudesOf(const SimState &s);

// The window's boxes, in the order it shows them.
enum class MagnitudeBox {
    Speed,
    KineticEnergy,
    Force,
    Acceleration,
    AngularFrequency,
    Period,
    Radius,
    Pitch,
    DriftX,
    DriftY,
    DriftZ,
    DriftSpeed,
};
inline constexpr int kMagnitudeBoxes = 12;

// The text of a quantity that does not apply.
inline constexpr const char *kNotApplicable = "—";
// Significant digits of every box (formatSignificant).
inline constexpr int kMagnitudeDigits = 6;

std::array<std::string, kMagnitudeBoxes> magnitudeTexts(const Magnitudes &m);

} // namespace voltrix
