#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include "voltrix/view3d/TXc3DWorld.h"

using namespace voltrix;

// Renders a small scene with every kind of drawing through the real widget and
// saves it when VIEW3D_SCREENSHOT names a PNG file (to look at it; run it under
// xvfb-run for a real window). Without the variable there is nothing to do.
TEST(Screenshot, SceneWithCubeAxesArrowPlaneLabelAndTrace)
{
    const char *path = std::getenv("VIEW3D_SCREENSHOT");
    if (!path)
        GTEST_SKIP() << "set VIEW3D_SCREENSHOT=/path/to/file.png to save the picture";

    TXc3DWorld w;
    w.setWindowTitle(QStringLiteral("TXc3DWorld"));
    w.resize(316, 354);
    w.OnPaint = [&w] {
        w.ClearScreen();
        w.DrawWorld();
    };
    w.Zoom = 0.55f;
    w.Alfa = 320;
    w.Beta = 340;
    w.SetCube(clGreen, true);
    w.SetAxes(clLime, true);
    w.SetupWorld();

    w.AddNPlanes(2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clNavy, 0);
    w.NPlanes = 2;
    w.MovePlane(1, 0, 0, 0, 100, 0, 0, 100, 100, 0, 0, 100, 0);
    w.MovePlane(2, 50, 20, 20, 50, 80, 20, 50, 80, 80, 50, 20, 80);
    w.ChangePlaneProperties(2, 2, 0.0f);
    w.ChangePlaneProperties(0, 2, static_cast<float>(clYellow));
    w.ChangePlaneProperties(1, 2, 6.0f);

    w.AddNSegments(4, 0, 2, 0, 0, 0, 0, 0, 0, clAqua, 0);
    w.NSegments = 4;
    w.MoveSegment(1, 30, 40, 40, 30, 70, 75);
    for (int s = 2; s <= 4; ++s) {
        w.ChangeSegmentProperties(2, s, 1);
        w.ChangeSegmentProperties(1, s, 2);
        w.ChangeSegmentProperties(3, s, 1);
        w.ChangeSegmentProperties(0, s, static_cast<int>(clSilver));
    }
    w.MoveSegment(2, 30, 70, 75, 30, 70, 0);
    w.MoveSegment(3, 30, 70, 0, 0, 70, 0);
    w.MoveSegment(4, 30, 70, 0, 30, 0, 0);

    w.AddNLabels(1, 14, 0, 0, 0, clWhite, "V");
    w.NLabels = 1;
    w.MoveLabel(1, 30, 72, 80);

    w.AddNParticles(1, 1, 6, 0, 0, 0, clRed, 0);
    w.NParticles = 1;
    w.AddNTraces(1, 0, clGray, 1, 40);
    w.NTraces = 1;
    w.LinkTraceToParticle(1, 1, 0, clLime, 2, 40, true);
    w.ShowTrace = true;
    for (int m = 0; m < 80; ++m)
        w.MoveParticle(1, 30, 40 + 25 * std::sin(m * 0.1f), 40 + 25 * std::cos(m * 0.1f) - 0.3f * m);
    w.MoveParticle(1, 30, 40, 40);

    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QCoreApplication::processEvents();
    ASSERT_TRUE(w.grab().save(QString::fromUtf8(path)));
}
