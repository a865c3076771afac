#include "voltrix/core/DrawingFactors.h"

namespace voltrix {

void stepFactor(DrawingFactors &f)
{
    f.FactorActual = f.FactorActual + f.PasoFactor;
    if (f.FactorActual < kMinFactor)
        f.FactorActual = static_cast<float>(kMinFactor);
}

} // namespace voltrix
