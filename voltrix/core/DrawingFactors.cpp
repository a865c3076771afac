#include "voltrix/core/DrawingFactors.h"

namespace voltrix {

void stepFactor(DrawingFactors &f)
{
    f.FactorActual = f.FactorActual + f.PasoFactor;
    if (f.FactorActual < kMinFactor)
        f.FactorActual = static_cast<float>(kMinFactor);
}

float *factorOf(DrawingFactors &f, VectorQuantity quantity)
{
    switch (quantity) {
    case VectorQuantity::Velocity: return &f.FactorV;
    case VectorQuantity::Acceleration: return &f.FactorA;
    case VectorQuantity::Electric: return &f.FactorE;
    case VectorQuantity::Magnetic: return &f.FactorB;
    case VectorQuantity::Position: break;
    }
    return nullptr;
}

void stepEditedFactor(DrawingFactors &f)
{
    stepFactor(f);
    if (!f.edited)
        return;
    if (float *factor = factorOf(f, *f.edited))
        *factor = f.FactorActual;
}

} // namespace voltrix
