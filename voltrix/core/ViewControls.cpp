#include "voltrix/core/ViewControls.h"

#include <algorithm>
#include <cstdlib>

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
    v.shown = angles;
    return angles;
}

float stepZoom(ViewControls &v)
{
    v.ZoomActual = v.ZoomActual + v.PasoZoom;
    return v.ZoomActual;
}

namespace {

// `pixels` ticks of one degree each, so the wrap below 0 shows 359 twice as
// the held arrow does.
int turnByTicks(float &accumulator, int pixels, int degrees)
{
    const float step = pixels < 0 ? -kDegreesPerPixel : kDegreesPerPixel;
    for (long long tick = std::llabs(static_cast<long long>(pixels)); tick > 0; --tick)
        degrees = turnAngle(accumulator, step);
    return degrees;
}

} // namespace

ViewAngles dragView(ViewControls &v, ViewAngles shown, int dx, int dy)
{
    ViewAngles angles;
    angles.alfa = turnByTicks(v.AnguloAlfa, dx, shown.alfa);
    angles.beta = turnByTicks(v.AnguloBeta, dy, shown.beta);
    v.shown = angles;
    return angles;
}

void resetTurn(ViewControls &v)
{
    v.AnguloAlfa = v.AnguloBeta = 0;
    v.shown = {};
}

float wheelZoom(ViewControls &v, int notches)
{
    const double turned = v.ZoomActual + kWheelZoomStep * notches;
    const double floor = notches <= 0 ? std::min<double>(v.ZoomActual, kMinWheelZoom) : kMinWheelZoom;
    v.ZoomActual = static_cast<float>(std::max(turned, floor));
    return v.ZoomActual;
}

} // namespace voltrix
