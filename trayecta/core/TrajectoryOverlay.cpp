#include "trayecta/core/TrajectoryOverlay.h"

#include <cmath>
#include <limits>

namespace trayecta {

namespace {

// A point moved far beyond the float range lies far off the area all the same;
// converting it unclamped would be undefined.
float clampedToFloat(double value)
{
    constexpr double kFar = std::numeric_limits<float>::max();
    if (std::isnan(value)) {
        return static_cast<float>(kFar);
    }
    return static_cast<float>(std::fmax(-kFar, std::fmin(kFar, value)));
}

} // namespace

std::optional<DrawnCurve> drawnCurve(const TrajectoryInputs &inputs, TrajectoryPlan &&plan)
{
    if (plan.failure || !plan.scale) {
        return std::nullopt;
    }
    return DrawnCurve{inputs, plan.startX, *plan.scale, std::move(plan.points)};
}

std::vector<PlotPoint> placedIn(const DrawnCurve &curve, double startX, float scaleHeight)
{
    // x is measured from the start, y down from the top of the scale.
    const double dx = curve.startX - startX;
    const double dy = static_cast<double>(scaleHeight) - curve.scale.height;
    if (dx == 0.0 && dy == 0.0) {
        return curve.points;
    }
    std::vector<PlotPoint> placed;
    placed.reserve(curve.points.size());
    for (const PlotPoint &p : curve.points) {
        placed.push_back({clampedToFloat(p.x + dx), clampedToFloat(p.y + dy), p.apex});
    }
    return placed;
}

GraphScale overlaidScale(const DrawnCurve &newest, const std::deque<DrawnCurve> &earlier)
{
    const GraphScale own = newest.scale;
    if (earlier.empty() || !(own.height > 0.0f) || own.width == 0.0f) {
        return own;
    }
    // Spans in the plane: x from the curve's left edge to its right, heights from the ground to its top.
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    double top = own.height;
    const auto take = [&](const DrawnCurve &c) {
        const double a = c.startX + c.scale.left;
        const double b = a + c.scale.width;
        low = std::fmin(low, std::fmin(a, b));
        high = std::fmax(high, std::fmax(a, b));
        if (c.scale.height > 0.0f) {
            top = std::fmax(top, c.scale.height);
        }
    };
    take(newest);
    for (const DrawnCurve &c : earlier) {
        take(c);
    }
    const bool rightward = own.width > 0.0f;
    const double left = (rightward ? low : high) - newest.startX;
    const double width = rightward ? high - low : low - high;
    constexpr double kFar = std::numeric_limits<float>::max();
    if (!(std::fabs(left) <= kFar && std::fabs(width) <= kFar && width != 0.0)) {
        return own;
    }
    return {static_cast<float>(left), static_cast<float>(width), static_cast<float>(top)};
}

void TrajectoryOverlay::setAside(bool overlaying)
{
    if (!overlaying) {
        clear();
        return;
    }
    if (shown_) {
        earlier_.push_back(std::move(*shown_));
        shown_.reset();
    }
    while (earlier_.size() > kMaxEarlierCurves) {
        earlier_.pop_front();
    }
}

void TrajectoryOverlay::clear()
{
    shown_.reset();
    earlier_.clear();
}

std::vector<std::vector<PlotPoint>> TrajectoryOverlay::earlierPlacedIn(double startX, float scaleHeight) const
{
    std::vector<std::vector<PlotPoint>> curves;
    curves.reserve(earlier_.size());
    for (const DrawnCurve &curve : earlier_) {
        curves.push_back(placedIn(curve, startX, scaleHeight));
    }
    return curves;
}

std::vector<std::vector<PlotPoint>> TrajectoryOverlay::earlierUnderShown() const
{
    if (!shown_) {
        return {};
    }
    return earlierPlacedIn(shown_->startX, shown_->scale.height);
}

} // namespace trayecta
