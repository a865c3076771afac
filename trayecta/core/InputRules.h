#pragma once
// The rules that keep Trayecta's input fields consistent, apart from any window:
// the range of a sine or cosine, the turn of velocity components into a speed
// and an angle, the km/h converter and the pointer readout over the graph.
#include <optional>
#include <string>
#include <string_view>

#include "trayecta/core/Failure.h"

namespace trayecta {

// The 15-digit value of pi that turns degrees into radians and back.
inline constexpr double kPi = 3.14159265358979;

double degreesToRadians(double degrees);

// A sine or cosine field on losing the focus: outside -1 .. 1 it becomes the
// replacement text. An empty text stays; a text that is not a number fails.
struct RangeCheck {
    std::optional<std::string> newText;
    std::optional<Failure> failure;
};
RangeCheck checkUnitRange(std::string_view text, std::string_view replacement);

// Speed and direction of the velocity (vx, vy). The direction is the
// full-quadrant angle, so (-3, 4) points up and to the left (about 126,87
// degrees) and a solver that turns it back reproduces the components.
struct PolarVelocity {
    double angleDegrees = 0.0;
    double speed = 0.0;
};
std::optional<PolarVelocity> polarFromComponents(double vx, double vy);

// The length of (vx, vy), √(vx² + vy²). Where the squares underflow to zero or
// overflow although the length itself is a fine double (components beyond
// about 1e±154), it is computed without squaring, so a tiny velocity never
// reads as speed 0 and a huge one never as an overflow.
double speedOf(double vx, double vy);

// What a component field does when it loses the focus. A component of 0 points
// the direction straight along the other axis; two non-zero components turn
// into speed and angle, and the window leaves component mode. A field that holds
// no number changes nothing.
enum class ComponentAxis { X, Y };
struct ComponentUpdate {
    std::optional<std::string> angleText;
    std::optional<std::string> speedText; // set together with angleText: switch to speed and angle
};
ComponentUpdate componentRule(std::string_view v0xText, std::string_view v0yText, ComponentAxis leaving);

// km/h to m/s. An empty field gives nothing to write.
struct Conversion {
    std::optional<std::string> msText;
    std::optional<Failure> failure;
};
Conversion convertKmhToMs(std::string_view kmhText);

// "Posició: x  ,  y" for the pointer at (X, Y) in the graph's user coordinates:
// x measured from the origin, y as height above the ground. Nothing when the
// start x holds no number.
std::optional<std::string> pointerReadout(std::string_view x0Text, float X, float Y, float scaleHeight);

} // namespace trayecta
