#include "trayecta/core/TrajectoryPlan.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "common/SaturatingTrunc.h"
#include "trayecta/core/NumberText.h"

namespace trayecta {

namespace {

// Converting a double beyond the float range is undefined, so it is checked first.
bool fitsInFloat(double value) { return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max(); }

} // namespace

std::vector<std::int64_t> plottedIndices(std::int64_t lastIndex, std::optional<double> apexIndex)
{
    std::vector<std::int64_t> indices;
    if (lastIndex < 0) {
        return indices;
    }
    if (lastIndex < kMaxPlotPoints) {
        indices.resize(static_cast<std::size_t>(lastIndex) + 1);
        for (std::int64_t k = 0; k <= lastIndex; ++k) {
            indices[static_cast<std::size_t>(k)] = k;
        }
        return indices;
    }
    const std::int64_t samples = kMaxPlotPoints - 2;
    indices.reserve(static_cast<std::size_t>(kMaxPlotPoints));
    for (std::int64_t i = 0; i < samples; ++i) {
        const double k =
            std::round(static_cast<double>(i) * static_cast<double>(lastIndex) / static_cast<double>(samples - 1));
        indices.push_back(std::clamp(orvalis::saturatingTrunc<std::int64_t>(k), std::int64_t{0}, lastIndex));
    }
    if (apexIndex && *apexIndex >= 0.0 && *apexIndex <= static_cast<double>(lastIndex)) {
        const std::int64_t below = orvalis::saturatingTrunc<std::int64_t>(*apexIndex);
        indices.push_back(below);
        indices.push_back(std::min(below + 1, lastIndex));
        std::sort(indices.begin(), indices.end());
    }
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

std::vector<std::int64_t> plottedSteps(double flightTime, double vy, double hy)
{
    const double N = flightTime * kPointsPerSecond;
    const std::int64_t lastIndex = N < 0.0 ? -1 : orvalis::saturatingTrunc<std::int64_t>(N);
    std::optional<double> apexIndex;
    if (hy != 0.0) {
        apexIndex = -vy / (2.0 * hy) * kPointsPerSecond;
    }
    return plottedIndices(lastIndex, apexIndex);
}

TickTexts widenedTicks(const GraphScale &shown, const GraphScale &own, double flightTime)
{
    TickTexts ticks;
    const double height = shown.height;
    for (int i = 0; i < kVerticalTicks; ++i) {
        ticks.vertical[static_cast<std::size_t>(i)] = formatPattern((i + 1) * (height / kVerticalTicks), "0.0#");
    }
    for (int j = 0; j < kHorizontalTicks; ++j) {
        const double x =
            static_cast<double>(shown.left) + (j + 1) * (static_cast<double>(shown.width) / kHorizontalTicks);
        const double time = flightTime * (x - own.left) / own.width;
        ticks.horizontal[static_cast<std::size_t>(j)] = formatPattern(time, "0.0#");
    }
    return ticks;
}

TrajectoryInputs trajectoryInputs(const ProblemQuantities &q, std::string flightTime, std::string maxHeight,
                                  std::string range)
{
    return {q.vx, q.vy, q.hx, q.hy, q.x0, q.y0, std::move(flightTime), std::move(maxHeight), std::move(range)};
}

TrajectoryPlan planTrajectory(const TrajectoryInputs &in, double areaAspect)
{
    TrajectoryPlan plan;
    const Reading height = readNumber(in.maxHeight);
    const Reading range = readNumber(in.range);
    const Reading x0 = readNumber(in.x0);
    const Reading y0 = readNumber(in.y0);
    const Reading flightTime = readNumber(in.flightTime);
    for (const Reading *r : {&height, &range, &x0, &y0, &flightTime}) {
        if (!r->ok()) {
            plan.failure = r->failure;
            return plan;
        }
    }
    plan.startX = x0.value;
    const double H = height.value;
    const double T = flightTime.value;
    const double heightScale = H + 5.0 + H / 100.0;
    const double widthScale = range.value - x0.value;
    if (!fitsInFloat(heightScale) || !fitsInFloat(widthScale)) {
        plan.failure = Failure::Overflow;
        return plan;
    }
    GraphScale scale{0.0f, static_cast<float>(widthScale), static_cast<float>(heightScale)};
    if (scale.height == 0.0f) {
        plan.failure = Failure::ZeroScale;
        return plan;
    }

    std::array<std::string, kVerticalTicks> vertical;
    for (int i = 0; i < kVerticalTicks; ++i) {
        vertical[static_cast<std::size_t>(i)] = formatPattern((i + 1) * (heightScale / kVerticalTicks), "0.0#");
    }
    std::array<std::string, kHorizontalTicks> horizontal;
    for (int j = 0; j < kHorizontalTicks; ++j) {
        horizontal[static_cast<std::size_t>(j)] = formatPattern((j + 1) * (T / kHorizontalTicks), "0.0#");
    }

    const std::vector<std::int64_t> indices = plottedSteps(T, in.vy, in.hy);

    const double shownHeight = scale.height;
    const double apexBand = H / 100.0 + 5.01;
    plan.points.reserve(indices.size());
    float minX = 0.0f;
    float maxX = 0.0f;
    for (const std::int64_t k : indices) {
        const float t = static_cast<float>(static_cast<double>(k) / kPointsPerSecond);
        const float t2 = t * t;
        const double y = y0.value + in.vy * t + in.hy * t2;
        const double x = in.vx * t + in.hx * t2;
        if (!fitsInFloat(x) || !fitsInFloat(shownHeight - y)) {
            plan.failure = Failure::Overflow;
            break;
        }
        PlotPoint point{static_cast<float>(x), static_cast<float>(shownHeight - y), shownHeight - y < apexBand};
        minX = std::min(minX, point.x);
        maxX = std::max(maxX, point.x);
        plan.points.push_back(point);
    }

    // A path that ends where it started horizontally (a vertical launch, or one
    // pulled back to its start) leaves no width to scale by. It is still a solved
    // problem: give the area the path's own width, or for a vertical path a width
    // in the area's proportions with the path down the middle.
    if (scale.width == 0.0f) {
        const double span = static_cast<double>(maxX) - minX;
        if (span > 0.0 && fitsInFloat(span * 1.1)) {
            scale.left = static_cast<float>(minX - span * 0.05);
            scale.width = static_cast<float>(span * 1.1);
        } else {
            const double width = std::fabs(shownHeight) * (areaAspect > 0.0 ? areaAspect : 1.0);
            scale.width = static_cast<float>(width);
            scale.left = static_cast<float>(-width / 2.0);
        }
    }
    plan.scale = scale;
    plan.verticalTicks = vertical;
    plan.horizontalTicks = horizontal;
    return plan;
}

} // namespace trayecta
