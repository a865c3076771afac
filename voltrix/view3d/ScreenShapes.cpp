#include "voltrix/view3d/ScreenShapes.h"

#include <cmath>

#include "common/SaturatingTrunc.h"

namespace voltrix {

namespace {

// Much larger than any view, much smaller than where the raster engine's
// fixed-point arithmetic runs out.
constexpr double kDrawMargin = 1'000'000.0;

} // namespace

ArrowShape arrowShape(long long x1, long long y1, long long x2, long long y2)
{
    const double dx = static_cast<double>(x2) - static_cast<double>(x1);
    const double dy = static_cast<double>(y2) - static_cast<double>(y1);
    const double L = std::sqrt(dx * dx + dy * dy);
    double ux = 1.0, uy = 0.0;
    if (L != 0.0) {
        ux = dx / L;
        uy = dy / L;
    }
    ArrowShape a{};
    a.baseX = x2 - orvalis::saturatingTrunc(9.0 * ux);
    a.baseY = y2 - orvalis::saturatingTrunc(9.0 * uy);
    const long long px = orvalis::saturatingTrunc(4.5 * uy);
    const long long py = orvalis::saturatingTrunc(4.5 * ux);
    a.c1x = a.baseX - px;
    a.c1y = a.baseY + py;
    a.c2x = a.baseX + px;
    a.c2y = a.baseY - py;
    return a;
}

DrawBox safeDrawBox(int width, int height)
{
    return {-kDrawMargin, -kDrawMargin, width + kDrawMargin, height + kDrawMargin};
}

bool clipLine(double &x1, double &y1, double &x2, double &y2, const DrawBox &box)
{
    if (std::isnan(x1) || std::isnan(y1) || std::isnan(x2) || std::isnan(y2))
        return false;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double t0 = 0.0, t1 = 1.0;
    // Each edge: p * t <= q keeps the point inside.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - box.left, box.right - x1, y1 - box.top, box.bottom - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1)
                return false;
            if (t > t0)
                t0 = t;
        } else {
            if (t < t0)
                return false;
            if (t < t1)
                t1 = t;
        }
    }
    const double sx = x1, sy = y1;
    if (t0 > 0.0) {
        x1 = sx + t0 * dx;
        y1 = sy + t0 * dy;
    }
    if (t1 < 1.0) {
        x2 = sx + t1 * dx;
        y2 = sy + t1 * dy;
    }
    return true;
}

int clampCoord(double v, double lo, double hi)
{
    if (std::isnan(v))
        return orvalis::saturatingTrunc(lo > 0 ? lo : (hi < 0 ? hi : 0.0));
    if (v < lo)
        v = lo;
    if (v > hi)
        v = hi;
    return orvalis::saturatingTrunc(v);
}

} // namespace voltrix
