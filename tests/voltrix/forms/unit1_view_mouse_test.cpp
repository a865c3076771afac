// The mouse in the 3D view: a left-button drag turns it a degree per pixel
// through the rotation ticks' wrap, the wheel zooms 0.05 a notch down to 0.05,
// a double click resets angles and zoom as "Giro" and "Zoom" do, also while
// the animation runs.
#include <QWheelEvent>

#include <vector>

#include "tests/support/VoltrixWindows.h"

using namespace voltrix_test;

namespace {

class ViewMouse : public VoltrixWindows {
protected:
    static constexpr QPoint kStart{150, 150};

    // Presses at kStart, moves through `path` (offsets from kStart) and
    // releases at the last point.
    static void drag(const std::vector<QPoint> &path, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(&view(), button, {}, kStart);
        QPoint at = kStart;
        for (QPoint offset : path) {
            at = kStart + offset;
            QTest::mouseMove(&view(), at);
        }
        QTest::mouseRelease(&view(), button, {}, at);
    }

    static void turnWheel(int eighths)
    {
        QWheelEvent wheel(QPointF(kStart), QPointF(view().mapToGlobal(kStart)), QPoint(), QPoint(0, eighths),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view(), &wheel);
    }

    void setAngles(int alfa, int beta)
    {
        Camera.AnguloAlfa = static_cast<float>(alfa);
        Camera.AnguloBeta = static_cast<float>(beta);
        Camera.shown = {alfa, beta};
        view().Alfa = alfa;
        view().Beta = beta;
    }
};

TEST_F(ViewMouse, ADragTurnsTheViewADegreePerPixel)
{
    struct Case {
        const char *name;
        int alfa, beta;
        std::vector<QPoint> path;
        int expectedAlfa, expectedBeta;
    };
    const Case cases[] = {
        {"right", 0, 0, {{10, 0}, {25, 0}}, 25, 0},
        {"down", 0, 0, {{0, 7}}, 0, 7},
        {"back and forth", 40, 40, {{20, -5}, {-10, 3}}, 30, 43},
        {"past 359", 355, 0, {{3, 0}, {8, 0}}, 3, 0},       // 356..359, 0, 1..3
        {"left below 0", 0, 0, {{-1, 0}, {-3, 0}}, 358, 0}, // 359, 359 again, 358
        {"up below 0", 0, 2, {{0, -5}}, 0, 358},            // 1, 0, 359, 359, 358
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        setAngles(c.alfa, c.beta);
        drag(c.path);
        EXPECT_EQ(view().Alfa, c.expectedAlfa);
        EXPECT_EQ(view().Beta, c.expectedBeta);
        // The drag runs through the camera's own state, as the arrows do.
        EXPECT_EQ(Camera.PasoAlfa, 0.0f);
        EXPECT_EQ(Camera.PasoBeta, 0.0f);
        EXPECT_FALSE(Form1->TimeGiro->isActive());
        // And the scene is re-projected with the new angles at once.
        const ScreenPoint expected = view().Project(-50, -30, -10); // particle 1 at (0, 20, 40)
        EXPECT_EQ(view().particle(1).screen.x, expected.x);
        EXPECT_EQ(view().particle(1).screen.y, expected.y);
    }
}

TEST_F(ViewMouse, OnlyTheLeftButtonDragsAndOnlyWhileItIsDown)
{
    drag({{30, 30}}, Qt::RightButton);
    drag({{30, 30}}, Qt::MiddleButton);
    EXPECT_EQ(view().Alfa, 0);
    EXPECT_EQ(view().Beta, 0);
    // A move with no button held is no drag either.
    QTest::mouseMove(&view(), kStart + QPoint(40, 0));
    EXPECT_EQ(view().Alfa, 0);
    // After the arrows turned it, a drag goes on from where they left it.
    setAngles(0, 0);
    QTest::mousePress(Form1->GiroL, Qt::LeftButton);
    Form1->TimeGiroTimer();
    QTest::mouseRelease(Form1->GiroL, Qt::LeftButton);
    ASSERT_EQ(view().Alfa, 359);
    drag({{-2, 0}});
    EXPECT_EQ(view().Alfa, 358); // 359 once more, as a further tick of the arrow shows
}

TEST_F(ViewMouse, TheWheelZoomsANotchAtATimeNeverBelowTheFloor)
{
    struct Case {
        const char *name;
        std::vector<int> turns; // in eighths of a degree, 120 a notch
        float expected;
    };
    const Case cases[] = {
        {"one notch in", {120}, 0.60f},
        {"two notches out", {-120, -120}, 0.45f},
        {"half notches add up", {60, 60}, 0.60f},
        {"a half notch does nothing yet", {60}, 0.55f},
        {"to the floor", {-120 * 20}, 0.05f},
        {"the floor holds", {-120 * 20, -120}, 0.05f},
        {"up from the floor", {-120 * 20, 120}, 0.10f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        for (int eighths : c.turns)
            turnWheel(eighths);
        EXPECT_NEAR(Camera.ZoomActual, c.expected, 1e-5f);
        EXPECT_EQ(view().Zoom, Camera.ZoomActual);
    }
}

TEST_F(ViewMouse, DoubleClickResetsAnglesAndZoomLikeGiroAndZoom)
{
    drag({{33, 12}});
    turnWheel(240);
    ASSERT_EQ(view().Alfa, 33);
    ASSERT_NEAR(view().Zoom, 0.65f, 1e-5f);
    // What a mouse sends for a double click: press, release, the second
    // press as a double click, release.
    QTest::mouseClick(&view(), Qt::LeftButton, {}, kStart);
    QTest::mouseDClick(&view(), Qt::LeftButton, {}, kStart);
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, kStart);
    EXPECT_EQ(view().Alfa, 0);
    EXPECT_EQ(view().Beta, 0);
    EXPECT_EQ(Camera.AnguloAlfa, 0.0f);
    EXPECT_EQ(Camera.AnguloBeta, 0.0f);
    EXPECT_EQ(Camera.ZoomActual, 0.6f); // the labels' reset, not the 0.55 of start-up
    EXPECT_EQ(view().Zoom, 0.6f);
}

TEST_F(ViewMouse, TurnsAndZoomsWhileTheAnimationRuns)
{
    Form1->BtnAniStopMouseDown();
    ASSERT_TRUE(Form1->TimeAnimacion->isActive());
    Form1->animationTick();
    QTest::mousePress(&view(), Qt::LeftButton, {}, kStart);
    QTest::mouseMove(&view(), kStart + QPoint(5, 0));
    Form1->animationTick(); // a step in the middle of the drag
    QTest::mouseMove(&view(), kStart + QPoint(12, -1));
    QTest::mouseRelease(&view(), Qt::LeftButton, {}, kStart + QPoint(12, -1));
    turnWheel(-120);
    Form1->animationTick();
    Form1->BtnAniStopMouseDown();

    EXPECT_EQ(view().Alfa, 12);
    EXPECT_EQ(view().Beta, 359);
    EXPECT_NEAR(view().Zoom, 0.5f, 1e-5f);
    EXPECT_NEAR(Sim.t, 3 * Sim.dt, 1e-6f);
    // The particle moved on and is drawn where the turned camera puts it.
    expectNear(particleAt(1), {Sim.x, Sim.y, Sim.z});
    const SceneParticle &p = view().particle(1);
    const ScreenPoint expected = view().Project(p.x, p.y, p.z);
    EXPECT_EQ(view().particle(1).screen.x, expected.x);
    EXPECT_EQ(view().particle(1).screen.y, expected.y);
}

} // namespace
