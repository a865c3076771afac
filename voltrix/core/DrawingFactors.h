#pragma once
// How long the view draws each vector quantity: world-box length per unit of
// velocity, acceleration, electric and magnetic field. The scale window edits
// one of them at a time through FactorActual, stepping by PasoFactor per tick
// while a button is held; a factor never drops below kMinFactor after a tick.
#include <optional>

#include "voltrix/core/VectorQuantity.h"

namespace voltrix {

struct DrawingFactors {
    float FactorV = 1.0f, FactorA = 1.0f, FactorE = 10.0f, FactorB = 10.0f;
    float FactorActual = 1.0f;
    float PasoFactor = 0;
    // The factor that takes FactorActual at each tick (the scale window's
    // button that is down), or none; the velocity's at start.
    std::optional<VectorQuantity> edited = VectorQuantity::Velocity;
};

inline constexpr double kMinFactor = 0.1;

// The drawing factor of a quantity (the position is drawn at true length and
// has none: null).
float *factorOf(DrawingFactors &f, VectorQuantity quantity);

// One tick of the factor being edited: FactorActual + PasoFactor, raised to
// kMinFactor when it falls below.
void stepFactor(DrawingFactors &f);

// A tick of the scale window: stepFactor, then the edited factor, if any,
// takes the new value.
void stepEditedFactor(DrawingFactors &f);

} // namespace voltrix
