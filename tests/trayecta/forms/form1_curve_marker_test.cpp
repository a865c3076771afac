// The marker on the curve, driven with the mouse and the keys as a user does.
#include <QLineEdit>

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
