// The camera's mouse rules: a drag turns one degree per pixel through the
// same tick rule as the held arrows, the wheel zooms by 0.05 a notch and
// never below 0.05.
#include <gtest/gtest.h>

#include "voltrix/core/ViewControls.h"

using namespace voltrix;

TEST(ViewMouse, ADragTurnsOneDegreePerPixelAndWrapsLikeTheArrows)
{
    struct Case {
        const char *name;
        int alfa, beta; // shown before
        int dx, dy;
        int expectedAlfa, expectedBeta;
    } cases[] = {
        {"right 30", 0, 0, 30, 0, 30, 0},    {"down 12", 0, 0, 0, 12, 0, 12},
        {"diagonal", 10, 20, -4, 7, 6, 27},  {"past 359", 350, 0, 15, 0, 5, 0}, // 351..359, then 0, then 1..5
        {"below 0", 0, 0, -3, 0, 358, 0},                                       // 359, 359 again, 358
        {"up below 0", 0, 5, 0, -8, 0, 358},                                    // 4..0, 359, 359, 358
        {"a full turn", 0, 0, 360, 0, 0, 0}, {"no movement", 359, 180, 0, 0, 359, 180},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ViewControls v;
        v.AnguloAlfa = static_cast<float>(c.alfa);
        v.AnguloBeta = static_cast<float>(c.beta);
        v.PasoAlfa = 1; // a held arrow's step is not the drag's business
        const ViewAngles angles = dragView(v, {c.alfa, c.beta}, c.dx, c.dy);
        EXPECT_EQ(angles.alfa, c.expectedAlfa);
        EXPECT_EQ(angles.beta, c.expectedBeta);
        EXPECT_EQ(v.PasoAlfa, 1.0f);
    }
}

TEST(ViewMouse, DraggingPixelByPixelEqualsHoldingTheArrow)
{
    // The same wrap, one pixel at a time or the whole distance at once.
    ViewControls held;
    held.PasoAlfa = -1;
    ViewControls dragged;
    ViewAngles shown;
    for (int tick = 0; tick < 400; ++tick) {
        const int byArrow = turnView(held).alfa;
        shown = dragView(dragged, shown, -1, 0);
        ASSERT_EQ(shown.alfa, byArrow) << "tick " << tick;
        ASSERT_EQ(dragged.AnguloAlfa, held.AnguloAlfa);
    }
    ViewControls once;
    EXPECT_EQ(dragView(once, {}, -400, 0).alfa, shown.alfa);
}

TEST(ViewMouse, TheWheelZoomsByNotchesAndNeverBelowTheFloor)
{
    struct Case {
        const char *name;
        float zoom;
        int notches;
        float expected;
    } cases[] = {
        {"one notch in", 0.55f, 1, 0.6f},           {"three notches out", 0.55f, -3, 0.4f},
        {"to the floor", 0.1f, -1, 0.05f},          {"stops at the floor", 0.07f, -1, 0.05f},
        {"at the floor", 0.05f, -5, 0.05f},         {"far out", 0.55f, -100, 0.05f},
        {"below the floor, out", -0.3f, -1, -0.3f}, // never pushed further down
        {"below the floor, in", -0.3f, 1, 0.05f},   {"no notch", 0.8f, 0, 0.8f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ViewControls v;
        v.ZoomActual = c.zoom;
        EXPECT_NEAR(wheelZoom(v, c.notches), c.expected, 1e-6f);
        EXPECT_GE(v.ZoomActual, c.zoom < kMinWheelZoom ? c.zoom : kMinWheelZoom);
    }
}
