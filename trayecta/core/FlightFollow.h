#pragma once
// Following the projectile along a drawn flight: its state (time, position,
// velocity) at any instant, the instants a marker can stand on (the plotted
// points, the apex and the landing), and where those fall in the graph area,
// so the marker can find the point nearest the pointer and draw the velocity
// arrow there. Positions are in the area's own pixels, x right and y down.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "trayecta/core/TrajectoryOverlay.h"

namespace trayecta {

struct MotionState {
    double t = 0.0, x = 0.0, y = 0.0;
    double vx = 0.0, vy = 0.0, speed = 0.0;
};

struct AreaPixel {
    double x = 0.0;
    double y = 0.0;
};

// How the plane maps onto the area: its drawing's start x and scale, and its size in pixels.
struct AreaMapping {
    double startX = 0.0;
    GraphScale scale;
    double width = 0.0, height = 0.0;

    AreaPixel pixelOf(double x, double y) const;
};

// The marker as drawn: where it stands and the velocity arrow from there, in
// pixels; the components are the arrow's horizontal and vertical parts.
struct MarkerShape {
    AreaPixel at;
    AreaPixel velocity;
};

// The animated launch plays flights of 1 to 20 s in real time, longer ones in
// 20 s and shorter ones in 1 s; factor is flight seconds per played second.
struct LaunchPace {
    double playSeconds = 0.0;
    double factor = 1.0;
};
LaunchPace launchPace(double flightTime);
// "Temps real", or the factor: "Temps ×3 (accelerat)", "Temps ×0,5 (alentit)".
std::string paceText(const LaunchPace &pace);

class FlightFollow {
public:
    // None when the calculation's texts hold no numbers (they always do once drawn).
    static std::optional<FlightFollow> of(const TrajectoryInputs &inputs);

    // The state at t; at the apex instant vy is exactly 0.
    MotionState at(double t) const;
    double flightTime() const { return flightTime_; }
    // Sorted: the plotted instants, with the apex and the landing among them.
    const std::vector<double> &instants() const { return instants_; }

    // The instants' pixels in an area; kept until the area or its scale changes.
    void place(const AreaMapping &mapping);
    // The instant nearest the pointer within radius pixels; the start, the apex
    // and the landing win when they are within snap pixels, so they can be hit.
    std::optional<std::size_t> nearest(AreaPixel pointer, double radius, double snap) const;
    // One instant on (steps ±1), or a tenth of the flight on (tenths ±1), from t.
    std::size_t stepped(double t, int steps) const;
    std::size_t steppedTenth(double t, int tenths) const;

    // The marker at t; the arrow's longest length over the flight is arrowLength pixels.
    MarkerShape shapeAt(double t, double arrowLength) const;

private:
    double x0_ = 0.0, y0_ = 0.0, vx_ = 0.0, vy_ = 0.0, ax_ = 0.0, ay_ = 0.0;
    double flightTime_ = 0.0;
    std::optional<double> apex_;
    std::vector<double> instants_;
    std::vector<std::size_t> special_; // start, apex, landing
    AreaMapping mapping_;
    std::vector<AreaPixel> pixels_;
};

} // namespace trayecta
