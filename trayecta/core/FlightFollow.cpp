#include "trayecta/core/FlightFollow.h"

#include <algorithm>
#include <cmath>

#include "common/CoreText.h"
#include "trayecta/core/NumberText.h"

namespace trayecta {

namespace {

constexpr double kShortestPlay = 1.0;
constexpr double kLongestPlay = 20.0;

} // namespace

LaunchPace launchPace(double flightTime)
{
    if (!(flightTime > 0.0)) {
        return {0.0, 1.0};
    }
    const double play = std::clamp(flightTime, kShortestPlay, kLongestPlay);
    return {play, flightTime / play};
}

std::string paceText(const LaunchPace &pace)
{
    if (pace.factor == 1.0) {
        //: the animated launch plays at the flight's own pace
        return orvalis::coreText("trayecta::FlightFollow", "Temps real");
    }
    // Three significant digits say how much faster or slower it plays.
    const double unit = std::pow(10.0, std::floor(std::log10(pace.factor)) - 2.0);
    const std::string factor = formatGeneral(std::round(pace.factor / unit) * unit);
    if (pace.factor > 1.0) {
        //: the animated launch plays faster; %1 is the factor, such as 3 or 12,5
        return orvalis::fillText(orvalis::coreText("trayecta::FlightFollow", "Temps ×%1 (accelerat)"), {factor});
    }
    //: the animated launch plays slower; %1 is the factor, such as 0,5
    return orvalis::fillText(orvalis::coreText("trayecta::FlightFollow", "Temps ×%1 (alentit)"), {factor});
}

AreaPixel AreaMapping::pixelOf(double x, double y) const
{
    return {(x - startX - scale.left) / scale.width * width, (scale.height - y) / scale.height * height};
}

std::optional<FlightFollow> FlightFollow::of(const TrajectoryInputs &inputs)
{
    const Reading x0 = readNumber(inputs.x0);
    const Reading y0 = readNumber(inputs.y0);
    const Reading T = readNumber(inputs.flightTime);
    if (!x0.ok() || !y0.ok() || !T.ok() || !(T.value >= 0.0)) {
        return std::nullopt;
    }
    FlightFollow f;
    f.x0_ = x0.value;
    f.y0_ = y0.value;
    f.vx_ = inputs.vx;
    f.vy_ = inputs.vy;
    f.ax_ = 2.0 * inputs.hx; // hx is ax / 2, exactly
    f.ay_ = 2.0 * inputs.hy;
    f.flightTime_ = T.value;
    for (const std::int64_t k : plottedSteps(T.value, inputs.vy, inputs.hy)) {
        f.instants_.push_back(static_cast<double>(k) / kPointsPerSecond);
    }
    std::vector<double> special{0.0, T.value};
    if (f.ay_ != 0.0) {
        // The vertex time as the solver writes the maximum height.
        const double top = inputs.vy / -f.ay_;
        if (top > 0.0 && top < T.value) {
            f.apex_ = top;
            special.push_back(top);
        }
    }
    f.instants_.insert(f.instants_.end(), special.begin(), special.end());
    std::sort(f.instants_.begin(), f.instants_.end());
    f.instants_.erase(std::unique(f.instants_.begin(), f.instants_.end()), f.instants_.end());
    for (const double t : special) {
        f.special_.push_back(static_cast<std::size_t>(std::lower_bound(f.instants_.begin(), f.instants_.end(), t)
                                                      - f.instants_.begin()));
    }
    return f;
}

MotionState FlightFollow::at(double t) const
{
    // The same sums as the solver's range, height and impact velocity.
    const double hx = ax_ / 2.0;
    const double hy = ay_ / 2.0;
    MotionState s;
    s.t = t;
    s.x = x0_ + vx_ * t + hx * t * t;
    s.y = y0_ + vy_ * t + hy * t * t;
    s.vx = vx_ + ax_ * t;
    s.vy = apex_ && t == *apex_ ? 0.0 : vy_ + ay_ * t;
    s.speed = std::hypot(s.vx, s.vy);
    return s;
}

void FlightFollow::place(const AreaMapping &mapping)
{
    mapping_ = mapping;
    pixels_.clear();
    pixels_.reserve(instants_.size());
    for (const double t : instants_) {
        const MotionState s = at(t);
        pixels_.push_back(mapping.pixelOf(s.x, s.y));
    }
}

std::optional<std::size_t> FlightFollow::nearest(AreaPixel pointer, double radius, double snap) const
{
    const auto distance2 = [&](std::size_t i) {
        const double dx = pixels_[i].x - pointer.x;
        const double dy = pixels_[i].y - pointer.y;
        return dx * dx + dy * dy;
    };
    for (const std::size_t i : special_) {
        if (i < pixels_.size() && distance2(i) <= snap * snap) {
            return i;
        }
    }
    std::optional<std::size_t> best;
    double bestDistance2 = radius * radius;
    for (std::size_t i = 0; i < pixels_.size(); ++i) {
        const double d2 = distance2(i);
        if (d2 <= bestDistance2) {
            bestDistance2 = d2;
            best = i;
        }
    }
    return best;
}

std::size_t FlightFollow::stepped(double t, int steps) const
{
    if (instants_.empty()) {
        return 0;
    }
    const auto last = static_cast<std::ptrdiff_t>(instants_.size()) - 1;
    // From an instant between two listed ones, a step lands on the next one that way.
    const auto here = std::lower_bound(instants_.begin(), instants_.end(), t) - instants_.begin();
    const bool on = here <= last && instants_[static_cast<std::size_t>(here)] == t;
    const std::ptrdiff_t target = here + steps - (!on && steps > 0 ? 1 : 0);
    return static_cast<std::size_t>(std::clamp<std::ptrdiff_t>(target, 0, last));
}

std::size_t FlightFollow::steppedTenth(double t, int tenths) const
{
    if (instants_.empty()) {
        return 0;
    }
    const double target = std::clamp(t + tenths * flightTime_ / 10.0, 0.0, flightTime_);
    const auto above = std::lower_bound(instants_.begin(), instants_.end(), target);
    if (above == instants_.begin()) {
        return 0;
    }
    if (above == instants_.end() || target - *(above - 1) < *above - target) {
        return static_cast<std::size_t>(above - instants_.begin()) - 1;
    }
    return static_cast<std::size_t>(above - instants_.begin());
}

MarkerShape FlightFollow::shapeAt(double t, double arrowLength) const
{
    const MotionState s = at(t);
    // Velocity in pixels per second: along the curve, as the axes stretch it.
    const double sx = mapping_.width / mapping_.scale.width;
    const double sy = -mapping_.height / mapping_.scale.height;
    // Its screen length is a convex function of time: longest at an end of the flight.
    double longest = 0.0;
    for (const double end : {0.0, flightTime_}) {
        const MotionState e = at(end);
        longest = std::max(longest, std::hypot(e.vx * sx, e.vy * sy));
    }
    const double seconds = longest > 0.0 && std::isfinite(longest) ? arrowLength / longest : 0.0;
    AreaPixel velocity{s.vx * sx * seconds, s.vy * sy * seconds};
    // An arrow that cannot be measured (an overflowing speed in pixels) is not drawn.
    if (!std::isfinite(velocity.x) || !std::isfinite(velocity.y)) {
        velocity = {};
    }
    return {mapping_.pixelOf(s.x, s.y), velocity};
}

} // namespace trayecta
