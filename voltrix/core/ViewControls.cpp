#include "voltrix/core/ViewControls.h"

#include "common/SaturatingTrunc.h"

namespace voltrix {

int turnAngle(float &accumulator, float step)
{
    accumulator = accumulator + step;
    int degrees = orvalis::saturatingTrunc(accumulator);
    if (degrees > kLastDegree) {
        degrees = 0;
        accumulator = 0;
    }
    if (degrees < 0) {
        degrees = kLastDegree;
        accumulator = kFullTurn;
    }
    return degrees;
}

ViewAngles turnView(ViewControls &v)
{
    ViewAngles angles;
    angles.alfa = turnAngle(v.AnguloAlfa, v.PasoAlfa);
    angles.beta = turnAngle(v.AnguloBeta, v.PasoBeta);
    return angles;
}

float stepZoom(ViewControls &v)
{
    v.ZoomActual = v.ZoomActual + v.PasoZoom;
    return v.ZoomActual;
}

} // namespace voltrix
