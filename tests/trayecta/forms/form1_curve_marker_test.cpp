// The marker on the curve, driven with the mouse and the keys as a user does.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "tests/trayecta/forms/Form1Fixture.h"
#include "trayecta/forms/CurveFollower.h"

namespace {

QStringList boxTexts(const trayecta::CurveFollower &follower)
{
    QStringList texts;
    for (const QLineEdit *box : follower.boxes()) {
        texts << box->text();
    }
    return texts;
}

} // namespace

TEST_F(Form1Test, PinnedMarkerReadsTheApexAndMovesWithTheKeys)
{
    showActive();
    calculate();
    trayecta::GraphArea *area = form->Dibu;
    const trayecta::CurveFollower &follower = *form->follower();
    // The apex in the area's pixels, a pixel off: the marker comes to it while the pointer is near.
    const QSize size = area->plotSize();
    const double apexTime = 25.980762113533157 / 9.8;
    const QPoint apex =
        area->contentsRect().topLeft()
        + QPoint(static_cast<int>(15.0 * apexTime / area->scaleWidth() * size.width()) + 1,
                 static_cast<int>((area->scaleHeight() - 49.438775510204) / area->scaleHeight() * size.height()) + 1);
    QTest::mouseMove(area, apex);
    ASSERT_TRUE(area->marker());
    EXPECT_FALSE(area->marker()->pinned);
    EXPECT_TRUE(follower.panel()->isVisible());

    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, apex);
    ASSERT_TRUE(follower.isPinned());
    EXPECT_EQ(boxTexts(follower),
              (QStringList{QStringLiteral("2,65109817485032"), QStringLiteral("39,7664726227549"),
                           form->txtaltura->text(), QStringLiteral("15"), QStringLiteral("0"), QStringLiteral("15")}));
    EXPECT_TRUE(follower.boxes()[0]->isReadOnly());
    // Pinned, the pointer moving elsewhere leaves it.
    QTest::mouseMove(area, area->contentsRect().center());
    EXPECT_EQ(follower.boxes()[0]->text(), QStringLiteral("2,65109817485032"));

    // One plotted point on (1989 / 750 s), a tenth of the flight on, and back.
    QTest::keyClick(area, Qt::Key_Right);
    EXPECT_EQ(follower.boxes()[0]->text(), QStringLiteral("2,652"));
    QTest::keyClick(area, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_NEAR(*follower.markerTime(), 2.652 + 5.82750274959999 / 10.0, 1.0 / 750.0);
    QTest::keyClick(area, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_NEAR(*follower.markerTime(), 2.652, 1.0 / 750.0);
    EXPECT_EQ(follower.boxes()[3]->text(), QStringLiteral("15")) << "vx stays the same";

    // Escape releases it; a click away after pinning releases it too; Es&borrar forgets the curve.
    QTest::keyClick(area, Qt::Key_Escape);
    EXPECT_FALSE(follower.isPinned());
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, apex);
    ASSERT_TRUE(follower.isPinned());
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, apex + QPoint(0, 60));
    EXPECT_FALSE(follower.isPinned());
    EXPECT_FALSE(area->marker());
    QTest::mouseClick(area, Qt::LeftButton, Qt::NoModifier, apex);
    QTest::mouseClick(form->cmdborrar, Qt::LeftButton);
    EXPECT_FALSE(follower.isPinned());
    EXPECT_FALSE(follower.panel()->isVisible());
    QTest::mouseMove(area, apex);
    EXPECT_FALSE(area->marker()) << "no curve, no marker";
}

// The animated launch, with the clock in the test's hands.
TEST_F(Form1Test, AnimatedLaunchFliesInRealTimePausesStepsAndLands)
{
    qint64 ms = 0;
    trayecta::CurveFollower::clock = [&ms] { return ms; };
    showActive();
    calculate();
    trayecta::CurveFollower &follower = *form->follower();
    form->mnuAnima->trigger();
    ASSERT_TRUE(follower.isAnimating());
    EXPECT_TRUE(form->Dibu->marker()->ball);
    EXPECT_EQ(follower.panel()->findChild<QLabel *>(QStringLiteral("lblpas"))->text(), QStringLiteral("Temps real"));
    const auto frameAfter = [&](qint64 step) {
        ms += step;
        follower.showFrame();
        return follower.boxes()[0]->text();
    };
    EXPECT_EQ(frameAfter(1000), QStringLiteral("1"));
    QTest::keyClick(form->Dibu, Qt::Key_Space);
    EXPECT_TRUE(follower.isPaused());
    EXPECT_EQ(frameAfter(3000), QStringLiteral("1")) << "paused, the ball waits";
    QTest::keyClick(form->Dibu, Qt::Key_Right);
    EXPECT_EQ(follower.boxes()[0]->text(), QStringLiteral("1,00133333333333"));
    QTest::keyClick(form->Dibu, Qt::Key_Space);
    EXPECT_EQ(frameAfter(500), QStringLiteral("1,50133333333333"));
    // Landed, it stays at the impact, pinned, with the impact velocity.
    frameAfter(10000);
    EXPECT_FALSE(follower.isAnimating());
    EXPECT_TRUE(follower.isPinned());
    EXPECT_EQ(follower.boxes()[3]->text(), form->txtvimpactox->text());
    EXPECT_EQ(follower.boxes()[4]->text(), form->txtvimpactoy->text());
    EXPECT_EQ(follower.boxes()[5]->text(), form->txtmodulo->text());

    // Minimised, no frames; a new calculation or Esborrar stops it.
    form->mnuAnima->trigger();
    form->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(follower.findChild<QTimer *>()->isActive());
    form->showNormal();
    QCoreApplication::processEvents();
    EXPECT_TRUE(follower.findChild<QTimer *>()->isActive());
    calculate();
    EXPECT_FALSE(follower.isAnimating());
    form->mnuAnima->trigger();
    QTest::mouseClick(form->cmdborrar, Qt::LeftButton);
    EXPECT_FALSE(follower.isAnimating());
    EXPECT_FALSE(form->Dibu->marker());
    trayecta::CurveFollower::clock = nullptr;
}
