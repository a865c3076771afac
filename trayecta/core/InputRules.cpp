#include "trayecta/core/InputRules.h"

#include <cmath>
#include <numbers>

#include "common/CoreText.h"
#include "trayecta/core/NumberText.h"

namespace trayecta {

double degreesToRadians(double degrees) { return degrees * kPi / 180.0; }

RangeCheck checkUnitRange(std::string_view text, std::string_view replacement)
{
    if (text.empty()) {
        return {};
    }
    const Reading reading = readNumber(text);
    if (!reading.ok()) {
        return {std::nullopt, reading.failure};
    }
    if (reading.value < -1.0 || reading.value > 1.0) {
        return {std::string(replacement), std::nullopt};
    }
    return {};
}

std::optional<PolarVelocity> polarFromComponents(double vx, double vy)
{
    // The angle is the principal arctangent of the ratio of the components in
    // radians, as students work it out by hand; it alone would fold a leftward
    // velocity onto a rightward one, so a leftward one is turned half a circle.
    // Where that ratio leaves the double range, atan2 gives the same direction.
    const double ratio = (vy * kPi / 180.0) / (vx * kPi / 180.0);
    double angle = std::atan2(vy, vx) * 180.0 / kPi;
    if (std::isfinite(ratio) && ratio != 0.0) {
        double radians = std::atan(ratio);
        if (vx < 0.0) {
            // The half turn is added in radians, with the full-precision pi:
            // the solver turns the degrees back with the same 15-digit pi, so
            // only the half turn must be exact. Added in degrees, it came back
            // short by the 3e-15 that the 15-digit pi lacks ((-3, -18) became
            // (-2,99999999999994, -18,0000000000001)).
            radians += vy > 0.0 ? std::numbers::pi : -std::numbers::pi;
        }
        angle = radians * 180.0 / kPi;
    }
    const double speed = speedOf(vx, vy);
    if (!std::isfinite(angle) || !std::isfinite(speed)) {
        return std::nullopt;
    }
    return PolarVelocity{angle, speed};
}

double speedOf(double vx, double vy)
{
    const double squares = vy * vy + vx * vx;
    if (std::isnormal(squares)) {
        return std::sqrt(squares);
    }
    return std::hypot(vx, vy);
}

ComponentUpdate componentRule(std::string_view v0xText, std::string_view v0yText, ComponentAxis leaving)
{
    const Reading vx = readNumber(v0xText);
    const Reading vy = readNumber(v0yText);
    const Reading &left = leaving == ComponentAxis::X ? vx : vy;
    if (!left.ok()) {
        return {};
    }
    if (left.value == 0.0) {
        return {std::string(leaving == ComponentAxis::X ? "90" : "0"), std::nullopt};
    }
    if (!vx.ok() || !vy.ok() || vx.value == 0.0 || vy.value == 0.0) {
        return {};
    }
    const auto polar = polarFromComponents(vx.value, vy.value);
    if (!polar) {
        return {};
    }
    return {formatGeneral(polar->angleDegrees), formatGeneral(polar->speed)};
}

Conversion convertKmhToMs(std::string_view kmhText)
{
    if (kmhText.empty()) {
        return {};
    }
    const Reading kmh = readNumber(kmhText);
    if (!kmh.ok()) {
        return {std::nullopt, kmh.failure};
    }
    return {formatGeneral(kmh.value / 3.6), std::nullopt};
}

std::optional<std::string> pointerReadout(std::string_view x0Text, float X, float Y, float scaleHeight)
{
    const Reading x0 = readNumber(x0Text);
    if (!x0.ok()) {
        return std::nullopt;
    }
    //: the pointer's position over the graph: %1 is x, %2 the height y, in metres
    return orvalis::fillText(
        orvalis::coreText("trayecta::InputRules", "Posició: %1  ,  %2"),
        {formatPattern(x0.value + X, "00#.00##"), formatPattern(static_cast<double>(scaleHeight) - Y, "00#.00##")});
}

} // namespace trayecta
