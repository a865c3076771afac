#pragma once
// What the trajectory graph shows after a calculation: the user scale of the
// graph area (height 5 m and 1 % above the maximum height, width the horizontal
// displacement), the tick texts of both axes, and the points of the path at 750
// per second of flight, red within 0.01 m of the maximum height. The graph area
// keeps its scale in single precision, so the scale and the points are floats.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "trayecta/core/Failure.h"
#include "trayecta/core/ProjectileSolver.h"

namespace trayecta {

inline constexpr double kPointsPerSecond = 750.0;
// Beyond this the flight is sampled evenly, so a very long flight neither
// freezes the window nor loses its start, its impact or its apex.
inline constexpr std::int64_t kMaxPlotPoints = 200000;
inline constexpr int kVerticalTicks = 14;
inline constexpr int kHorizontalTicks = 13;

struct GraphScale {
    float left = 0.0f;
    float width = 48.749958f;
    float height = 25.950134f;
    bool operator==(const GraphScale &) const = default;
};

struct PlotPoint {
    float x = 0.0f;
    float y = 0.0f;
    bool apex = false; // drawn red
};

struct TrajectoryInputs {
    double vx = 0.0, vy = 0.0, hx = 0.0, hy = 0.0;
    std::string x0, y0;                       // start texts of the calculation
    std::string flightTime, maxHeight, range; // result texts as shown
};

struct TrajectoryPlan {
    double startX = 0.0;             // the problem's x at user x 0, where the path starts
    std::optional<GraphScale> scale; // set once the scale step was reached
    std::optional<std::array<std::string, kVerticalTicks>> verticalTicks;
    std::optional<std::array<std::string, kHorizontalTicks>> horizontalTicks;
    std::vector<PlotPoint> points;
    std::optional<Failure> failure;
};

struct TickTexts {
    std::array<std::string, kVerticalTicks> vertical;
    std::array<std::string, kHorizontalTicks> horizontal;
};

// The tick texts of a scale that widens a calculation's own (to show overlaid
// curves whole): heights up to its top, and at each horizontal tick the time
// the calculation's own ticks would read there, its flight time per own width.
TickTexts widenedTicks(const GraphScale &shown, const GraphScale &own, double flightTime);

// What the graph reads of a calculation: its quantities and the result texts shown.
TrajectoryInputs trajectoryInputs(const ProblemQuantities &q, std::string flightTime, std::string maxHeight,
                                  std::string range);

// areaAspect is the graph area's width over its height in pixels; it shapes the
// scale of a path with no horizontal extent.
TrajectoryPlan planTrajectory(const TrajectoryInputs &inputs, double areaAspect);

// The values of k (0 .. lastIndex) that are plotted: all of them up to the
// bound, otherwise an even sample that keeps both ends and the indices around apexIndex.
std::vector<std::int64_t> plottedIndices(std::int64_t lastIndex, std::optional<double> apexIndex);

// The steps k (at t = k / 750 s) plotted for a flight of the given time whose
// vertical motion is vy·t + hy·t².
std::vector<std::int64_t> plottedSteps(double flightTime, double vy, double hy);

} // namespace trayecta
