#pragma once
// The curves on the trajectory graph: the one last drawn and, while the user
// overlays trajectories, up to eight earlier ones, drawn in grey under it. A
// curve keeps the points of its own drawing together with the start x and the
// scale height that tie them to the problem's plane, so a later drawing with
// another scale can place it where it belongs and the curves stay comparable.
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "trayecta/core/TrajectoryPlan.h"

namespace trayecta {

struct DrawnCurve {
    TrajectoryInputs inputs; // what the drawing was made from
    double startX = 0.0;     // user x 0 of its drawing: the start of its calculation
    GraphScale scale;        // its own scale; a point's user y is the scale height less its height
    std::vector<PlotPoint> points;
};

// The curve of a finished drawing; none when the plan failed.
std::optional<DrawnCurve> drawnCurve(const TrajectoryInputs &inputs, TrajectoryPlan &&plan);

// The curve's points in the user coordinates of a drawing whose start x and
// scale height are given: the same places in the problem's plane. A curve placed
// in its own drawing keeps its points bit for bit.
std::vector<PlotPoint> placedIn(const DrawnCurve &curve, double startX, float scaleHeight);

// While trajectories are overlaid, the scale that shows every earlier curve
// and the newest one whole: the newest one's own scale widened to the span of
// all of them in the plane, keeping its direction, and raised to the highest
// top. With no earlier curve, or a scale it cannot widen, the newest one's own.
GraphScale overlaidScale(const DrawnCurve &newest, const std::deque<DrawnCurve> &earlier);

class TrajectoryOverlay {
public:
    static constexpr std::size_t kMaxEarlierCurves = 8;

    // The shown curve leaves the screen, because a new drawing starts or the
    // failure report cleared the area. Overlaying, it joins the earlier curves,
    // of which the last eight are kept; otherwise every curve is forgotten.
    void setAside(bool overlaying);
    // A drawing finished: its curve is the one shown.
    void drawn(DrawnCurve curve) { shown_ = std::move(curve); }
    // "Es&borrar": no curve is kept.
    void clear();
    // Overlaying turned off: only the shown curve stays.
    void dropEarlier() { earlier_.clear(); }

    const std::optional<DrawnCurve> &shown() const { return shown_; }
    // Oldest first. They are on the screen only under a shown curve; after the
    // failure report they wait for the next drawing.
    const std::deque<DrawnCurve> &earlier() const { return earlier_; }

    // The earlier curves placed in a drawing with this start x and scale
    // height, oldest first.
    std::vector<std::vector<PlotPoint>> earlierPlacedIn(double startX, float scaleHeight) const;
    // The same for the shown curve's drawing; none while no curve is shown.
    std::vector<std::vector<PlotPoint>> earlierUnderShown() const;

private:
    std::optional<DrawnCurve> shown_;
    std::deque<DrawnCurve> earlier_;
};

} // namespace trayecta
