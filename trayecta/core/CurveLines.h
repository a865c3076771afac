#pragma once
// The curves of the graph as lines for a picture that is printed or scaled
// (the saved PNG and SVG): the plotted points, taken from the area's user scale
// into the plotting rectangle of the picture, are joined into polylines. Each
// segment is clipped to that rectangle, so a point far off the graph never
// reaches the painter and a vector picture holds only what the area shows.
#include <vector>

#include "trayecta/core/TrajectoryPlan.h"

namespace trayecta {

struct LinePoint {
    double x = 0.0;
    double y = 0.0;
};

// The plotting rectangle in the picture's units.
struct PictureFrame {
    double left = 0.0, top = 0.0, width = 0.0, height = 0.0;
};

struct CurveLine {
    std::vector<LinePoint> points; // one point for a curve of a single point
    bool apex = false;             // drawn red: every point of it is near the maximum height
};

// A new line begins where the segments change colour (a segment is apex when
// both its ends are) and where clipping leaves a gap.
std::vector<CurveLine> curveLines(const std::vector<PlotPoint> &points, const GraphScale &scale,
                                  const PictureFrame &frame);

// Drops the points of each line that lie within `tolerance` of the last point
// kept, its ends always kept: a flight sampled to the plot's point bound is
// hundreds of thousands of points, which a printed page need not carry.
void thinLines(std::vector<CurveLine> &lines, double tolerance);

} // namespace trayecta
