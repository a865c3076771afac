#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "trayecta/core/TrajectoryOverlay.h"

using namespace trayecta;

namespace {

// A curve told apart by its start x.
DrawnCurve curveStartingAt(double startX, float scaleHeight = 50.0f)
{
    DrawnCurve curve;
    curve.startX = startX;
    curve.scale.height = scaleHeight;
    curve.inputs.x0 = std::to_string(startX);
    curve.points = {{0.0f, 35.0f, false}, {10.0f, 5.0f, true}, {20.0f, 50.0f, false}};
    return curve;
}

std::vector<double> startsOf(const TrajectoryOverlay &overlay)
{
    std::vector<double> starts;
    for (const DrawnCurve &curve : overlay.earlier()) {
        starts.push_back(curve.startX);
    }
    return starts;
}

} // namespace

TEST(TrajectoryOverlay, OverlayingKeepsTheLastEightEarlierCurves)
{
    TrajectoryOverlay overlay;
    for (int n = 1; n <= 11; ++n) {
        overlay.setAside(true);
        overlay.drawn(curveStartingAt(n));
        ASSERT_TRUE(overlay.shown());
        EXPECT_EQ(overlay.shown()->startX, n);
    }
    // The eleventh is shown; the eight before it lie under it, oldest first.
    EXPECT_EQ(startsOf(overlay), (std::vector<double>{3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(overlay.earlierUnderShown().size(), TrajectoryOverlay::kMaxEarlierCurves);
}

TEST(TrajectoryOverlay, WhatEachActionLeavesOnTheGraph)
{
    struct Case {
        const char *action;
        void (*apply)(TrajectoryOverlay &);
        bool shown;
        std::vector<double> earlier;
    };
    const Case cases[] = {
        {"a drawing without overlaying forgets the others",
         [](TrajectoryOverlay &o) {
             o.setAside(false);
             o.drawn(curveStartingAt(4));
         },
         true,
         {}},
        {"the failure report while overlaying keeps every curve for the next drawing",
         [](TrajectoryOverlay &o) { o.setAside(true); },
         false,
         {1, 2, 3}},
        {"the failure report without overlaying forgets every curve",
         [](TrajectoryOverlay &o) { o.setAside(false); },
         false,
         {}},
        {"Esborrar forgets every curve", [](TrajectoryOverlay &o) { o.clear(); }, false, {}},
        {"turning overlaying off keeps only the shown curve", [](TrajectoryOverlay &o) { o.dropEarlier(); }, true, {}},
    };
    for (const Case &c : cases) {
        TrajectoryOverlay overlay;
        for (int n = 1; n <= 3; ++n) {
            overlay.setAside(true);
            overlay.drawn(curveStartingAt(n));
        }
        c.apply(overlay);
        EXPECT_EQ(overlay.shown().has_value(), c.shown) << c.action;
        EXPECT_EQ(startsOf(overlay), c.earlier) << c.action;
        if (!c.shown) {
            EXPECT_TRUE(overlay.earlierUnderShown().empty()) << c.action;
        }
    }
}

TEST(TrajectoryOverlay, CurvesMovedIntoAnotherScaleKeepTheirPlaceInThePlane)
{
    const DrawnCurve curve = curveStartingAt(2.0, 50.0f);
    // In its own drawing nothing moves, bit for bit.
    const std::vector<PlotPoint> same = placedIn(curve, 2.0, 50.0f);
    ASSERT_EQ(same.size(), curve.points.size());
    for (std::size_t i = 0; i < same.size(); ++i) {
        EXPECT_EQ(same[i].x, curve.points[i].x);
        EXPECT_EQ(same[i].y, curve.points[i].y);
        EXPECT_EQ(same[i].apex, curve.points[i].apex);
    }

    // Under a drawing that starts 5 m further right and is 30 m taller: x is
    // measured from the new start, y down from the new top.
    const std::vector<PlotPoint> moved = placedIn(curve, 7.0, 80.0f);
    ASSERT_EQ(moved.size(), 3u);
    const float expected[3][2] = {{-5.0f, 65.0f}, {5.0f, 35.0f}, {15.0f, 80.0f}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_FLOAT_EQ(moved[i].x, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(moved[i].y, expected[i][1]) << i;
        // Height above the ground and x in the plane are the same in both drawings.
        EXPECT_FLOAT_EQ(80.0f - moved[i].y, 50.0f - curve.points[i].y) << i;
        EXPECT_FLOAT_EQ(7.0f + moved[i].x, 2.0f + curve.points[i].x) << i;
    }
    EXPECT_TRUE(moved[1].apex);

    // A start beyond the float range puts the points far off, never undefined.
    const std::vector<PlotPoint> far = placedIn(curve, -1e300, 50.0f);
    for (const PlotPoint &p : far) {
        EXPECT_EQ(p.x, std::numeric_limits<float>::max());
    }
}

TEST(TrajectoryOverlay, EarlierCurvesArePlacedUnderTheShownOne)
{
    TrajectoryOverlay overlay;
    overlay.setAside(true);
    overlay.drawn(curveStartingAt(0.0, 50.0f));
    overlay.setAside(true);
    overlay.drawn(curveStartingAt(0.0, 100.0f)); // a taller scale
    const auto under = overlay.earlierUnderShown();
    ASSERT_EQ(under.size(), 1u);
    EXPECT_FLOAT_EQ(under[0][0].y, 85.0f); // 15 m up in a 100 m scale
    EXPECT_EQ(overlay.earlierPlacedIn(0.0, 50.0f)[0][0].y, 35.0f);
}

TEST(TrajectoryOverlay, OnlyAFinishedPlanMakesACurve)
{
    TrajectoryInputs inputs;
    inputs.x0 = "3";
    TrajectoryPlan finished;
    finished.startX = 3.0;
    finished.scale = GraphScale{0.0f, 10.0f, 20.0f};
    finished.points = {{1.0f, 2.0f, false}};
    const auto curve = drawnCurve(inputs, TrajectoryPlan(finished));
    ASSERT_TRUE(curve);
    EXPECT_EQ(curve->startX, 3.0);
    EXPECT_EQ(curve->scale.height, 20.0f);
    EXPECT_EQ(curve->points.size(), 1u);
    EXPECT_EQ(curve->inputs.x0, "3");

    TrajectoryPlan failed = finished;
    failed.failure = Failure::Overflow;
    EXPECT_FALSE(drawnCurve(inputs, std::move(failed)));
    TrajectoryPlan unscaled;
    unscaled.failure = Failure::ZeroScale;
    EXPECT_FALSE(drawnCurve(inputs, std::move(unscaled)));
}

// The overlaid scale spans every curve in the plane, in the newest one's direction.
TEST(TrajectoryOverlay, OverlaidScaleTakesInEveryCurve)
{
    const auto curve = [](double startX, GraphScale scale) {
        DrawnCurve c;
        c.startX = startX;
        c.scale = scale;
        return c;
    };
    const struct {
        const char *name;
        DrawnCurve newest;
        std::vector<DrawnCurve> earlier;
        GraphScale expected;
    } cases[] = {
        {"alone", curve(3.0, {0.0f, 80.0f, 40.0f}), {}, {0.0f, 80.0f, 40.0f}},
        {"inside the newest",
         curve(0.0, {0.0f, 80.0f, 40.0f}),
         {curve(10.0, {0.0f, 20.0f, 30.0f})},
         {0.0f, 80.0f, 40.0f}},
        {"longer and higher",
         curve(0.0, {0.0f, 80.0f, 40.0f}),
         {curve(0.0, {0.0f, 100.0f, 30.0f}), curve(-5.0, {0.0f, 50.0f, 60.0f})},
         {-5.0f, 105.0f, 60.0f}},
        {"newest leftward",
         curve(0.0, {0.0f, -40.0f, 20.0f}),
         {curve(0.0, {0.0f, 30.0f, 10.0f})},
         {30.0f, -70.0f, 20.0f}},
    };
    for (const auto &c : cases) {
        const std::deque<DrawnCurve> earlier(c.earlier.begin(), c.earlier.end());
        EXPECT_EQ(overlaidScale(c.newest, earlier), c.expected) << c.name;
    }
}
