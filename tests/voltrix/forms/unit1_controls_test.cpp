// The strip's controls: rotation and zoom held by any mouse button, their
// label resets, the time entry, the trace, cube and axes switches, and the
// charge timer the control panel drives.
#include <QFocusEvent>
#include <QLabel>
#include <QTest>

#include <vector>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/view3d/Colors.h"

using namespace voltrix_test;

namespace {

TEST_F(MainWindowTest, RotationWrapsAroundThroughTheHeldButton)
{
    struct Case {
        const char *name;
        QPushButton *TForm1::*button;
        Qt::MouseButton mouse;
        bool alfa; // which angle turns
        int start;
        std::vector<int> shown;
    };
    const Case cases[] = {
        {"right from 358", &TForm1::GiroR, Qt::LeftButton, true, 358, {359, 0, 1}},
        {"left from 0", &TForm1::GiroL, Qt::RightButton, true, 0, {359, 359, 358}},
        {"down from 358", &TForm1::GiroD, Qt::MiddleButton, false, 358, {359, 0, 1}},
        {"up from 0", &TForm1::GiroU, Qt::LeftButton, false, 0, {359, 359, 358}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        QPushButton *button = Form1->*c.button;
        (c.alfa ? Camera.AnguloAlfa : Camera.AnguloBeta) = static_cast<float>(c.start);
        (c.alfa ? view().Alfa : view().Beta) = c.start;

        QTest::mousePress(button, c.mouse);
        EXPECT_TRUE(Form1->TimeGiro->isActive());
        for (int expected : c.shown) {
            Form1->TimeGiroTimer();
            EXPECT_EQ(c.alfa ? view().Alfa : view().Beta, expected);
            EXPECT_EQ(c.alfa ? view().Beta : view().Alfa, 0); // the other angle stays
        }
        QTest::mouseRelease(button, c.mouse);
        EXPECT_FALSE(Form1->TimeGiro->isActive());
    }
}

TEST_F(MainWindowTest, ClickOnGiroResetsTheRotation)
{
    Camera.AnguloAlfa = 120;
    Camera.AnguloBeta = 33;
    view().Alfa = 120;
    view().Beta = 33;
    view().ProjectAll();
    const ScreenPoint turned = view().particle(1).screen;
    QTest::mouseClick(Form1->LabelGiro, Qt::LeftButton);
    EXPECT_EQ(view().Alfa, 0);
    EXPECT_EQ(view().Beta, 0);
    EXPECT_EQ(Camera.AnguloAlfa, 0.0f);
    EXPECT_EQ(Camera.AnguloBeta, 0.0f);
    // Re-projected at once: (0, 20, 40) is (-50, -30, -10) from the centre.
    const ScreenPoint atRest = view().Project(-50, -30, -10);
    EXPECT_NE(turned.x, atRest.x);
    EXPECT_EQ(view().particle(1).screen.x, atRest.x);
    EXPECT_EQ(view().particle(1).screen.y, atRest.y);
}

TEST_F(MainWindowTest, ZoomHeldGoesThroughZeroAndTheLabelResetsToPointSix)
{
    QTest::mousePress(Form1->ZoomD, Qt::RightButton);
    EXPECT_TRUE(Form1->TimeZoom->isActive());
    for (int n = 0; n < 60; ++n)
        Form1->TimeZoomTimer();
    QTest::mouseRelease(Form1->ZoomD, Qt::RightButton);
    EXPECT_FALSE(Form1->TimeZoom->isActive());
    EXPECT_NEAR(Camera.ZoomActual, -0.05f, 1e-4f);
    EXPECT_EQ(view().Zoom, Camera.ZoomActual);

    QTest::mousePress(Form1->ZoomU, Qt::LeftButton);
    Form1->TimeZoomTimer();
    QTest::mouseRelease(Form1->ZoomU, Qt::LeftButton);
    EXPECT_NEAR(Camera.ZoomActual, -0.04f, 1e-4f);

    QTest::mouseClick(Form1->LabelZoom, Qt::LeftButton);
    EXPECT_FLOAT_EQ(Camera.ZoomActual, 0.6f);
    EXPECT_FLOAT_EQ(view().Zoom, 0.6f);
    // A right click is no click on a label.
    Camera.ZoomActual = 0.7f;
    QTest::mouseClick(Form1->LabelZoom, Qt::RightButton);
    EXPECT_FLOAT_EQ(Camera.ZoomActual, 0.7f);
}

TEST_F(MainWindowTest, TypedTimeFollowsTheEntryRules)
{
    struct Case {
        std::string typed;
        float time;
        const char *shown;
    };
    const Case cases[] = {
        {"12.345", 12.345f, "12.35"},
        {"hola", 0, "0.00"},
        {"", 0, "0.00"},
        {"20000000", 0, "0.00"},
        {"10000000", 1e7f, "10000000.00"},
        {"-3.5", -3.5f, "-3.50"},
        {"7.25s", 7.25f, "7.25"},
        {"nan", 0, "0.00"},
        {"-inf", 0, "0.00"},
        {"1e39", 0, "0.00"},
        // Only the first 124 characters are read: the 2 falls outside.
        {std::string(123, ' ') + "12", 1, "1.00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        Sim.t = 99;
        Form1->EditT->setText(QString::fromStdString(c.typed));
        QTest::keyClick(Form1->EditT, Qt::Key_Return);
        EXPECT_FLOAT_EQ(Sim.t, c.time);
        EXPECT_EQ(Form1->EditT->text(), QString::fromUtf8(c.shown));
    }
}

TEST_F(MainWindowTest, TimeIsCommittedWhenTheBoxLosesFocusToAnotherControl)
{
    Form1->EditT->setText(QStringLiteral("4.5"));
    QFocusEvent windowLeft(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Form1->EditT, &windowLeft);
    EXPECT_EQ(Sim.t, 0.0f); // the window merely lost activation

    QFocusEvent tabbedAway(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(Form1->EditT, &tabbedAway);
    EXPECT_FLOAT_EQ(Sim.t, 4.5f);
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("4.50"));

    // Keys other than Enter only edit the text.
    QTest::keyClick(Form1->EditT, Qt::Key_9);
    EXPECT_FLOAT_EQ(Sim.t, 4.5f);
}

TEST_F(MainWindowTest, TiempoShowsAndHidesTheTimeBox)
{
    Form1->CheckTiempo->setChecked(true);
    EXPECT_FALSE(Form1->EditT->isHidden());
    Form1->CheckTiempo->setChecked(false);
    EXPECT_TRUE(Form1->EditT->isHidden());
    // The step writes the time either way.
    step();
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("0.01"));
}

TEST_F(MainWindowTest, TraceSwitchUnlinksAndRelinksAnEmptyTraceSampledEveryFifteenth)
{
    step(25); // the start-up link samples every 25th move
    ASSERT_TRUE(view().trace(1).samples[40].valid);

    Form1->CheckTraza->setChecked(false);
    EXPECT_FALSE(view().ShowTrace);
    EXPECT_EQ(view().particle(1).linkedTrace, 0);
    step(30);
    for (const TraceSample &s : view().trace(1).samples)
        EXPECT_FALSE(s.valid);

    Form1->CheckTraza->setChecked(true);
    EXPECT_TRUE(view().ShowTrace);
    EXPECT_EQ(view().particle(1).linkedTrace, 1);
    EXPECT_EQ(view().trace(1).interval, 15);
    EXPECT_EQ(view().trace(1).color, clLime);
    step(14);
    EXPECT_FALSE(view().trace(1).samples[40].valid);
    step(1);
    EXPECT_TRUE(view().trace(1).samples[40].valid);
    EXPECT_FALSE(view().trace(1).samples[39].valid);
}

TEST_F(MainWindowTest, CubeAndAxesSwitches)
{
    Form1->CheckEjes->setChecked(false);
    EXPECT_FALSE(view().ShowAxes);
    EXPECT_EQ(view().axesColor(), clBlue);
    Form1->CheckEjes->setChecked(true);
    EXPECT_TRUE(view().ShowAxes);
    EXPECT_EQ(view().axesColor(), clLime);

    QTest::mouseClick(Form1->CheckCubo, Qt::LeftButton);
    EXPECT_FALSE(Form1->CheckCubo->isChecked());
    EXPECT_FALSE(view().ShowCube);
    EXPECT_EQ(view().cubeColor(), clGreen);
    QTest::mouseClick(Form1->CheckCubo, Qt::LeftButton);
    EXPECT_TRUE(view().ShowCube);
}

TEST_F(MainWindowTest, ChargeTimerStepsThroughZeroAndTheReadoutFollows)
{
    Sim.PasoQ = -0.1f;
    // Ten float steps of 0.1 from 1 land a hair beside 0, which "%3.1f" may
    // show as "-0.0"; the other texts are exact.
    const char *charges[] = {"0.9", "0.8", "0.7", "0.6", "0.5", "0.4", "0.3", "0.2", "0.1", nullptr, "-0.1"};
    for (const char *expected : charges) {
        Form1->TimeQTimer();
        if (expected != nullptr)
            EXPECT_EQ(Form2->EditQ->text(), QString::fromUtf8(expected));
        else
            EXPECT_NEAR(Sim.q, 0.0f, 1e-6f);
        // a = q v x B with v = (0, 0, 50) and B = (2, 0, 0).
        EXPECT_EQ(Form4->EditAy->text(), QString::fromStdString(voltrix::format31(Sim.q * 100)));
        expectNear(segmentTo(9), {Sim.x, Sim.y + Sim.ay, Sim.z});
    }
    EXPECT_LT(Sim.q, 0.0f);
}

TEST_F(MainWindowTest, ChargeReadoutInCentimetresUsesMetresPerSecond)
{
    // With "cm" the stored 50 cm/s is 0.5 m/s, so q v x B is 1, not 100.
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    Sim.PasoQ = 0;
    Form1->TimeQTimer();
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("1.0"));
    EXPECT_FLOAT_EQ(Sim.vz, 50.0f); // the stored velocity is untouched
}

} // namespace
