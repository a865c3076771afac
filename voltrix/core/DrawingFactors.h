#pragma once
// How long the view draws each vector quantity: world-box length per unit of
// velocity, acceleration, electric and magnetic field. The scale window edits
// one of them at a time through FactorActual, stepping by PasoFactor per tick
// while a button is held; a factor never drops below kMinFactor after a tick.
namespace voltrix {

struct DrawingFactors {
    float FactorV = 1.0f, FactorA = 1.0f, FactorE = 10.0f, FactorB = 10.0f;
    float FactorActual = 1.0f;
    float PasoFactor = 0;
};

inline constexpr double kMinFactor = 0.1;

// One tick of the factor being edited: FactorActual + PasoFactor, raised to
// kMinFactor when it falls below.
void stepFactor(DrawingFactors &f);

} // namespace voltrix
