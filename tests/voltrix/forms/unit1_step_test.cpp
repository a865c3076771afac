// The animation step as the main window runs it: physics, scene, readouts,
// blinking caption, and a run that overflows.
#include <QTest>

#include <cmath>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/view3d/Colors.h"

using namespace voltrix_test;

namespace {

TEST_F(MainWindowTest, FirstStepTurnsTheVelocityAndRefreshesEveryReadout)
{
    step();

    EXPECT_FLOAT_EQ(Sim.t, 0.01f);
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("0.01"));
    EXPECT_EQ(Sim.vx, 0.0f);
    EXPECT_NEAR(Sim.vy, 1.0f, 1e-3f);
    EXPECT_NEAR(Sim.vz, 49.99f, 1e-3f);
    EXPECT_NEAR(std::hypot(Sim.vy, Sim.vz), 50.0f, 1e-3f);

    // The force at the start of the step: q v x B = (0, 100, 0).
    EXPECT_EQ(Form4->EditAx->text(), QStringLiteral("0.0"));
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("100.0"));
    EXPECT_EQ(Form4->EditAz->text(), QStringLiteral("0.0"));

    // The panel shows the new state; sliders by the whole-part rule.
    EXPECT_EQ(Form2->EditX->text(), QStringLiteral("0.0"));
    EXPECT_EQ(Form2->EditZ->text(), QStringLiteral("40.5"));
    EXPECT_EQ(Form2->ScZ->value(), 400);
    EXPECT_EQ(Form2->EditVy->text(), QStringLiteral("1.0"));
    EXPECT_EQ(Form2->ScVy->value(), 10);
    EXPECT_EQ(Form2->EditVz->text(), QStringLiteral("50.0"));
    EXPECT_EQ(Form2->ScVz->value(), 490);

    // The particle, its velocity arrow (FactorV 1) and the acceleration
    // arrow (FactorA 1) follow.
    expectNear(particleAt(1), {Sim.x, Sim.y, Sim.z});
    expectNear(segmentFrom(1), {Sim.x, Sim.y, Sim.z});
    expectNear(segmentTo(1), {Sim.x + Sim.vx, Sim.y + Sim.vy, Sim.z + Sim.vz});
    expectNear(labelAt(1), {Sim.x + Sim.vx / 2 + 5, Sim.y + Sim.vy / 2 + 5, Sim.z + Sim.vz / 2 + 5});
    expectNear(segmentTo(9), {Sim.x + Sim.ax, Sim.y + Sim.ay, Sim.z + Sim.az});
    expectNear(labelAt(3), {Sim.x + Sim.ax / 2, Sim.y + Sim.ay / 2, Sim.z + Sim.az / 2});
    expectNear(planeCorner(2, 2), {Sim.x + Sim.vx, Sim.y + Sim.vy, Sim.z});
    // The position label takes the step's offset.
    expectNear(labelAt(2), {Sim.x / 2, Sim.y / 2 + 10, Sim.z / 2 + 5});
}

TEST_F(MainWindowTest, StepMovesOnlyThePositionLinesWhoseBoxesAreTicked)
{
    Form4->CheckPosX->setChecked(true);
    Form4->CheckPosZ->setChecked(true);
    Sim.x = 10;
    Sim.y = 30;
    Sim.z = 60;
    Sim.vx = Sim.vy = Sim.vz = 0;
    const World3 untouchedArrowFrom = segmentFrom(5);
    const World3 untouchedArrowTo = segmentTo(5);
    const World3 untouchedYLine = segmentTo(7);
    step();

    expectNear(segmentFrom(6), {0, 30, 0});
    expectNear(segmentTo(6), {10, 30, 0});
    expectNear(segmentFrom(8), {10, 30, 0});
    expectNear(segmentTo(8), {10, 30, 60});
    expectNear(segmentFrom(5), untouchedArrowFrom, 0);
    expectNear(segmentTo(5), untouchedArrowTo, 0);
    expectNear(segmentTo(7), untouchedYLine, 0);
}

TEST_F(MainWindowTest, PureElectricFieldFromRestIsExactForConstantAcceleration)
{
    Sim.Bx = 0;
    Sim.Ex = 3;
    Sim.Ey = -2;
    Sim.Ez = 5;
    Sim.x = 10;
    Sim.y = 20;
    Sim.z = 30;
    Sim.vx = Sim.vy = Sim.vz = 0;
    const int n = 50;
    step(n);
    const float time = n * 0.01f;
    EXPECT_NEAR(Sim.vx, 3 * time, 1e-4f);
    EXPECT_NEAR(Sim.vy, -2 * time, 1e-4f);
    EXPECT_NEAR(Sim.vz, 5 * time, 1e-4f);
    EXPECT_NEAR(Sim.x, 10 + 3 * time * time / 2, 1e-4f);
    EXPECT_NEAR(Sim.y, 20 - 2 * time * time / 2, 1e-4f);
    EXPECT_NEAR(Sim.z, 30 + 5 * time * time / 2, 1e-4f);
    EXPECT_EQ(Form4->EditAz->text(), QStringLiteral("5.0"));
}

TEST_F(MainWindowTest, CentimetresAreIntegratedInMetresAndShownInCentimetres)
{
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    ASSERT_EQ(Sim.unit, LengthUnit::Centimetre);
    Sim.Bx = 0;
    Sim.Ez = 2; // V/m: 2 m/s^2 = 200 cm/s^2
    Sim.x = 50;
    Sim.y = 50;
    Sim.z = 50;
    Sim.vx = Sim.vy = Sim.vz = 0;
    step(10);
    // v = a t = 2 m/s * 0.1 = 20 cm/s; z = 50 cm + 1 cm.
    EXPECT_NEAR(Sim.vz, 20.0f, 1e-3f);
    EXPECT_NEAR(Sim.z, 51.0f, 1e-3f);
    EXPECT_EQ(Form2->EditVz->text(), QStringLiteral("20.0"));
    EXPECT_EQ(Form4->EditAz->text(), QStringLiteral("2.0"));
}

TEST_F(MainWindowTest, ConfinedFieldActsOnlyInsideTheRegion)
{
    struct Case {
        const char *unit;
        float x, y, z;
        const char *readoutZ;
        bool accelerates;
    };
    const Case cases[] = {
        {"m", 0, 20, 40, "0.0", false},                                    // below the region: straight line
        {"m", 50, 50, 40, "0.0", false},                                   // on the bottom face: outside
        {"m", 50, 50, 50, "8.0", true},   {"cm", 50, 50, 50, "8.0", true}, // 50 cm is inside the 40..60 display bounds
        {"cm", 50, 50, 70, "0.0", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.unit) + " z " + std::to_string(c.z));
        TearDown();
        SetUp();
        Form2->ComboUnidades->setCurrentText(QString::fromUtf8(c.unit));
        Form1->ConfinadoClick();
        Sim.Ex = Sim.Ey = 0;
        Sim.Ez = 8;
        Sim.x = c.x;
        Sim.y = c.y;
        Sim.z = c.z;
        Sim.vx = 1;
        Sim.vy = 0;
        Sim.vz = 0;
        step();
        EXPECT_EQ(Form4->EditAx->text(), QStringLiteral("0.0"));
        EXPECT_EQ(Form4->EditAz->text(), QString::fromUtf8(c.readoutZ));
        EXPECT_FLOAT_EQ(Sim.vx, 1.0f); // no magnetic force in this mode
        if (c.accelerates) {
            EXPECT_GT(Sim.vz, 0.0f);
        } else {
            EXPECT_EQ(Sim.vz, 0.0f);
            EXPECT_EQ(Sim.z, c.z);
            // The acceleration arrow collapses onto the particle.
            expectNear(segmentTo(9), segmentFrom(9), 0);
        }
    }
}

TEST_F(MainWindowTest, AnimationButtonStartsAndStopsWithAnyMouseButton)
{
    QTest::mouseClick(Form1->BtnAniStop, Qt::RightButton);
    QTest::mouseRelease(Form1->BtnAniStop, Qt::RightButton);
    EXPECT_TRUE(Form1->TimeAnimacion->isActive());
    EXPECT_EQ(Form1->BtnAniStop->text(), QStringLiteral("STOP"));
    EXPECT_EQ(Form1->BtnAniStop->palette().color(QPalette::ButtonText), toQColor(clRed));
    EXPECT_FALSE(Form1->CheckParpadeo->isHidden());

    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    QTest::mouseRelease(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_FALSE(Form1->TimeAnimacion->isActive());
    EXPECT_EQ(Form1->BtnAniStop->text(), QStringLiteral("Animación"));
    EXPECT_EQ(Form1->BtnAniStop->palette().color(QPalette::ButtonText), toQColor(clMaroon));
    EXPECT_TRUE(Form1->CheckParpadeo->isHidden());
}

TEST_F(MainWindowTest, StopCaptionBlinksEveryTenthStepFromTheEleventh)
{
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    Form1->TimeAnimacion->stop(); // steps are driven by hand below
    ASSERT_EQ(Form1->BtnAniStop->text(), QStringLiteral("STOP"));
    // Mark the caption so that the first write (which writes "STOP") shows.
    Form1->BtnAniStop->setText(QStringLiteral("mark"));

    QStringList captions;
    for (int n = 1; n <= 32; ++n) {
        step();
        captions << Form1->BtnAniStop->text();
    }
    for (int n = 1; n <= 32; ++n) {
        SCOPED_TRACE(n);
        const QString expected = n < 11   ? QStringLiteral("mark")
                                 : n < 21 ? QStringLiteral("STOP")
                                 : n < 31 ? QStringLiteral(" ")
                                          : QStringLiteral("STOP");
        EXPECT_EQ(captions[n - 1], expected);
    }
    EXPECT_EQ(Form1->BtnAniStop->palette().color(QPalette::ButtonText), toQColor(clRed));

    // Stopping keeps the counter: a restart continues the same rhythm.
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_EQ(Blink.ContParpadeo, 2);
    EXPECT_EQ(Blink.FaseParpadeo, 1);
}

TEST_F(MainWindowTest, WithoutBlinkingTheCaptionIsStopOnEveryStep)
{
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    Form1->TimeAnimacion->stop();
    Form1->CheckParpadeo->setChecked(false);
    EXPECT_EQ(Blink.ParpadeoActivo, 0);
    for (int n = 1; n <= 25; ++n) {
        Form1->BtnAniStop->setText(QStringLiteral("mark"));
        step();
        ASSERT_EQ(Form1->BtnAniStop->text(), QStringLiteral("STOP")) << n;
    }
    Form1->CheckParpadeo->setChecked(true);
    EXPECT_EQ(Blink.ParpadeoActivo, 1);
}

TEST_F(MainWindowTest, RealTimerRunsStepsThroughTheEventLoop)
{
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    // Wait for steps by condition, not by time.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Sim.t > 0.045f; }, 10000));
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_FALSE(Form1->TimeAnimacion->isActive());
    EXPECT_EQ(Form1->EditT->text(), QString::fromStdString(voltrix::format32(Sim.t)));
}

TEST_F(MainWindowTest, OverflowingRunStaysResponsiveAndClampsTheSliders)
{
    Sim.q = 1e20f;
    Sim.Bx = 1e10f;
    Sim.Ex = 1e20f;
    Sim.dt = 0.05f;
    for (int n = 0; n < 300; ++n)
        step();
    // Far beyond any float now: the state holds inf or NaN.
    EXPECT_FALSE(std::isfinite(Sim.x) && std::isfinite(Sim.vx) && std::isfinite(Sim.vy) && std::isfinite(Sim.vz));
    for (QScrollBar *slider : {Form2->ScX, Form2->ScY, Form2->ScZ, Form2->ScVx, Form2->ScVy, Form2->ScVz}) {
        EXPECT_GE(slider->value(), slider->minimum());
        EXPECT_LE(slider->value(), slider->maximum());
    }
    EXPECT_TRUE(std::isfinite(Sim.t));
    // Drawing copes and the window still obeys its controls.
    view().DrawWorld();
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_TRUE(Form1->TimeAnimacion->isActive());
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_FALSE(Form1->TimeAnimacion->isActive());
    // Rotating a scene of non-finite objects re-projects them without harm.
    Form1->GiroRMouseDown();
    Form1->TimeGiroTimer();
    Form1->GiroNull();
    EXPECT_EQ(view().Alfa, 1);
}

// The panel after a step: the boxes show the true values, the sliders the
// whole part times ten (truncated toward zero), clamped to their range.
TEST_F(MainWindowTest, StepReadoutTruncatesTowardZeroAndClampsTheSliders)
{
    struct Case {
        const char *name;
        float x, vx; // position and velocity along x before the step
        const char *editX, *editVx;
        int scX, scVx;
    };
    // With no force and dt 0.01 the particle moves vx / 100 along x.
    const Case cases[] = {
        {"inside", 12.0f, 97.0f, "13.0", "97.0", 120, 970},
        {"fraction below a whole", 12.5f, 44.0f, "12.9", "44.0", 120, 440},
        {"negative velocity", 50.0f, -3.7f, "50.0", "-3.7", 490, -30},
        {"crossing x = 100", 99.9f, 50.0f, "100.4", "50.0", 1000, 500},
        {"far beyond the box", 150.0f, 20.0f, "150.2", "20.0", 1000, 200},
        {"below the box", -30.0f, -500.0f, "-35.0", "-500.0", 0, -1000},
        {"fast", 10.0f, 2000.0f, "30.0", "2000.0", 300, 1000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        Sim.Bx = Sim.By = Sim.Bz = 0;
        Sim.Ex = Sim.Ey = Sim.Ez = 0;
        Sim.x = c.x;
        Sim.vx = c.vx;
        Sim.vy = Sim.vz = 0;
        step();
        EXPECT_EQ(Form2->EditX->text(), QString::fromUtf8(c.editX));
        EXPECT_EQ(Form2->EditVx->text(), QString::fromUtf8(c.editVx));
        EXPECT_EQ(Form2->ScX->value(), c.scX);
        EXPECT_EQ(Form2->ScVx->value(), c.scVx);
    }
}

} // namespace
