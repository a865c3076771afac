// The pace of the five timers on a clock the test moves by hand: 64 ticks a
// second whatever the loop does, presses shorter than a tick doing nothing,
// the animation's three speeds, the blink at every speed, the single step and
// a typed time surviving a press of "Animación".
#include <QAction>
#include <QMenu>

#include <vector>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/SliderRules.h"

using namespace voltrix_test;

namespace {

class TimerPace : public VoltrixWindows {
protected:
    void SetUp() override
    {
        TickClock::setTimeSource([this] { return now_; });
        VoltrixWindows::SetUp();
    }
    void TearDown() override
    {
        VoltrixWindows::TearDown();
        TickClock::setTimeSource({});
    }

    // Time goes on by `ms`, the clock looked at every `pollEvery` ms (the
    // event loop may come round late).
    void advance(int ms, int pollEvery = 1)
    {
        for (int elapsed = 0; elapsed < ms; elapsed += pollEvery) {
            now_ += std::chrono::milliseconds(pollEvery);
            Form1->Clock->poll();
        }
    }

    int stepsTaken() const { return static_cast<int>(std::lround(Sim.t / Sim.dt)); }

    Nanoseconds now_{std::chrono::seconds(1000)};
};

TEST_F(TimerPace, HeldButtonsTickSixtyFourTimesASecond)
{
    // 100 ms of zoom "-": 6 ticks (one every 15.625 ms), 0.55 -> 0.49.
    QTest::mousePress(Form1->ZoomD, Qt::LeftButton);
    advance(100);
    QTest::mouseRelease(Form1->ZoomD, Qt::LeftButton);
    EXPECT_NEAR(Camera.ZoomActual, 0.49f, 1e-4f);
    advance(500);
    EXPECT_NEAR(Camera.ZoomActual, 0.49f, 1e-4f) << "ticks after the release";

    // A turn held one second: 64 degrees.
    QTest::mousePress(Form1->GiroR, Qt::LeftButton);
    advance(1000);
    QTest::mouseRelease(Form1->GiroR, Qt::LeftButton);
    EXPECT_EQ(view().Alfa, 64);

    // The charge: two seconds held is 128 ticks of 0.1.
    QTest::mousePress(Form2->QUp, Qt::LeftButton);
    advance(2000);
    QTest::mouseRelease(Form2->QUp, Qt::LeftButton);
    EXPECT_NEAR(Sim.q, 1.0f + 12.8f, 1e-3f);
}

TEST_F(TimerPace, APressShorterThanATickChangesNothing)
{
    const float zoom = Camera.ZoomActual;
    const float charge = Sim.q;
    for (QWidget *button : std::initializer_list<QWidget *>{Form1->ZoomU, Form1->GiroL, Form2->QDown}) {
        QTest::mousePress(button, Qt::LeftButton);
        advance(15);
        QTest::mouseRelease(button, Qt::LeftButton);
        advance(100);
    }
    EXPECT_EQ(Camera.ZoomActual, zoom);
    EXPECT_EQ(view().Alfa, 0);
    EXPECT_EQ(Sim.q, charge);
}

TEST_F(TimerPace, TenSecondsOfAnimationAreSixHundredFortySteps)
{
    struct Case {
        const char *name;
        int pollEvery; // how late the loop comes round
    } cases[] = {{"on time", 1}, {"a busy loop", 40}, {"an uneven loop", 7}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        Sim.t = 0;
        Form1->BtnAniStopMouseDown();
        advance(10000, c.pollEvery);
        Form1->BtnAniStopMouseDown();
        EXPECT_NEAR(stepsTaken(), 640, 1);
        EXPECT_NEAR(Sim.t, 6.4f, Sim.dt);
    }
}

TEST_F(TimerPace, ALongStallIsNotReplayedInABurst)
{
    Form1->BtnAniStopMouseDown();
    advance(1000);
    const int before = stepsTaken();
    now_ += std::chrono::seconds(3); // the program was busy elsewhere
    Form1->Clock->poll();
    EXPECT_LE(stepsTaken() - before, TickSchedule::kMaxCatchUp);
    advance(100);
    EXPECT_LE(stepsTaken() - before, TickSchedule::kMaxBacklog + 7);
    Form1->BtnAniStopMouseDown();
}

TEST_F(TimerPace, EachSpeedRunsItsStepsASecond)
{
    struct Case {
        QAction *item;
        int stepsPerSecond;
    } cases[] = {{Form1->VelocidadRapida, 256}, {Form1->VelocidadMaxima, 1000}, {Form1->VelocidadNormal, 64}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stepsPerSecond);
        c.item->trigger();
        EXPECT_EQ(Form1->animationSpeed(), c.stepsPerSecond);
        // The marks are exclusive.
        for (QAction *item : {Form1->VelocidadNormal, Form1->VelocidadRapida, Form1->VelocidadMaxima})
            EXPECT_EQ(item->isChecked(), item == c.item);
        Sim.t = 0;
        Form1->BtnAniStopMouseDown();
        advance(2000);
        Form1->BtnAniStopMouseDown();
        EXPECT_NEAR(stepsTaken(), 2 * c.stepsPerSecond, 2 * c.stepsPerSecond / 64 + 1);
    }
}

TEST_F(TimerPace, TheBlinkCountsTicksAtEverySpeed)
{
    for (QAction *speed : {Form1->VelocidadNormal, Form1->VelocidadRapida, Form1->VelocidadMaxima}) {
        SCOPED_TRACE(speed->text().toStdString());
        speed->trigger();
        Blink = BlinkState{};
        Form1->BtnAniStopMouseDown(); // "STOP"
        std::vector<int> changes;
        QString caption = Form1->BtnAniStop->text();
        for (int tick = 1; tick <= 40; ++tick) {
            advance(16); // one tick in each 16 ms after the first 15.625
            if (Form1->BtnAniStop->text() != caption) {
                changes.push_back(tick);
                caption = Form1->BtnAniStop->text();
            }
        }
        Form1->BtnAniStopMouseDown();
        // "STOP" at the 11th tick leaves it as it was; the blank comes at the
        // 21st, "STOP" again at the 31st.
        EXPECT_EQ(changes, (std::vector<int>{21, 31}));
    }
}

TEST_F(TimerPace, OneStepAdvancesTimeByDtAndRefreshesThePanel)
{
    const float x = Sim.x, vy = Sim.vy;
    Form1->UnPaso->trigger();
    EXPECT_FLOAT_EQ(Sim.t, Sim.dt);
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("0.01"));
    EXPECT_NE(Sim.vy, vy);
    EXPECT_EQ(Sim.x, x);
    EXPECT_EQ(Form2->EditVy->text(), QString::fromStdString(format31(Sim.vy)));
    EXPECT_EQ(Form2->ScVy->value(), wholePartPosition(Sim.vy));
    EXPECT_EQ(Form2->EditZ->text(), QString::fromStdString(format31(Sim.z)));
    EXPECT_EQ(Form1->BtnAniStop->text(), QStringLiteral("Animación")); // not a tick of the animation

    // Ctrl+Right is the same step; while the animation runs there is none.
    Form1->show();
    QApplication::setActiveWindow(Form1);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
    QTest::keyClick(Form1->windowHandle(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_FLOAT_EQ(Sim.t, 2 * Sim.dt);
    Form1->BtnAniStopMouseDown();
    EXPECT_FALSE(Form1->UnPaso->isEnabled());
    Form1->UnPaso->trigger();
    EXPECT_FLOAT_EQ(Sim.t, 2 * Sim.dt);
    Form1->BtnAniStopMouseDown();
    EXPECT_TRUE(Form1->UnPaso->isEnabled());
}

TEST_F(TimerPace, ATypedTimeSurvivesAPressOfAnimacion)
{
    Form1->CheckTiempo->setChecked(true);
    Form1->EditT->setFocus();
    Form1->EditT->selectAll();
    QTest::keyClicks(Form1->EditT, QStringLiteral("5"));
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_FLOAT_EQ(Sim.t, 5.0f);
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("5.00"));
    advance(16);
    EXPECT_NEAR(Sim.t, 5.01f, 1e-5f);
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    // A time the program wrote is not typed: the next press leaves t alone.
    const float t = Sim.t;
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
    EXPECT_EQ(Sim.t, t);
    QTest::mouseClick(Form1->BtnAniStop, Qt::LeftButton);
}

} // namespace
