// "Inicia": the two preset experiments, their controls, figures and trace.
#include <cmath>

#include "tests/support/VoltrixWindows.h"
#include "voltrix/core/NumberText.h"

using namespace voltrix_test;

namespace panel_test {
namespace {

class Inicia : public VoltrixWindows {
protected:
    static void pressInicia() { QTest::mouseClick(Form2->SpeedButton1, Qt::LeftButton); }

    static int validTraceSamples()
    {
        const SceneTrace &trace = view().trace(1);
        int valid = 0;
        for (const TraceSample &sample : trace.samples)
            valid += sample.valid ? 1 : 0;
        return valid;
    }

    // Moves every slider away from the preset (the magnetic ones only while
    // the field fills all space: the confined mode holds B at 0).
    void disturbEverything()
    {
        const bool wholeSpace = Sim.CampoConfinado == 0;
        for (QScrollBar *slider : {Form2->ScX, Form2->ScY, Form2->ScZ, Form2->ScVx, Form2->ScVy, Form2->ScVz,
                                   Form2->ScEx, Form2->ScEy, Form2->ScEz})
            userDrags(slider, 333);
        if (wholeSpace)
            for (QScrollBar *slider : {Form2->ScBx, Form2->ScBy, Form2->ScBz})
                userDrags(slider, -47);
        userDrags(Form2->ScDt, 77);
        Sim.t = 12.5f;
        Factors.FactorA = 3.0f;
    }
};

TEST_F(Inicia, WholeSpacePresetRestoresEveryControl)
{
    disturbEverything();
    Sim.q = -2.0f;
    Factors.FactorV = 2.0f;
    Factors.FactorE = 4.0f;
    Factors.FactorB = 5.0f;
    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    Form1->TimeAnimacion->start();

    pressInicia();
    EXPECT_TRUE(Form1->TimeAnimacion->isActive()); // a running animation goes on from the preset
    Form1->TimeAnimacion->stop();

    expectPanelShowsStartState();
    EXPECT_FLOAT_EQ(Sim.t, 0.0f);
    EXPECT_EQ(Form1->EditT->text(), QStringLiteral("0.00"));
    EXPECT_EQ((std::array{Sim.x, Sim.y, Sim.z, Sim.vx, Sim.vy, Sim.vz}),
              (std::array{0.0f, 20.0f, 40.0f, 0.0f, 0.0f, 50.0f}));
    EXPECT_EQ((std::array{Sim.Ex, Sim.Ey, Sim.Ez, Sim.Bx, Sim.By, Sim.Bz}),
              (std::array{0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f}));

    // Start values, charge, unit and the other factors are left alone.
    EXPECT_FLOAT_EQ(Sim.x0, 33.3f);
    EXPECT_FLOAT_EQ(Sim.vz0, 33.3f);
    EXPECT_FLOAT_EQ(Sim.q, -2.0f);
    EXPECT_EQ(Form2->ComboUnidades->currentText(), QStringLiteral("cm"));
    EXPECT_FLOAT_EQ(Factors.FactorV, 2.0f);
    EXPECT_FLOAT_EQ(Factors.FactorE, 4.0f);
    EXPECT_FLOAT_EQ(Factors.FactorB, 5.0f);

    EXPECT_FLOAT_EQ(Factors.FactorA, 1.0f);
    EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("1.0"));
    EXPECT_TRUE(Form4->CheckVectorA->isChecked());
    EXPECT_EQ(view().segment(9).color, clSilver);
    EXPECT_EQ(view().label(3).color, clSilver);
    EXPECT_FALSE(Form2->ScEx->isHidden());
    EXPECT_FALSE(Form2->ScEy->isHidden());
}

TEST_F(Inicia, WholeSpacePresetDrawsTheStartingScene)
{
    disturbEverything();
    pressInicia();
    expectNear(particleAt(1), {0, 20, 40});
    expectNear(segmentFrom(1), {0, 20, 40});
    expectNear(segmentTo(1), {0, 20, 90});
    expectNear(labelAt(1), {5, 20 + 5, 40 + 25 + 5});
    expectNear(labelAt(2), {0, 20, 25});
    expectNear(segmentFrom(17), {70, 70, 70});
    expectNear(segmentTo(17), {90, 70, 70});
    // E = 0 collapses its figure onto its anchor.
    expectNear(segmentFrom(13), {50, 50, 50});
    expectNear(segmentTo(13), {50, 50, 50});
    expectNear(segmentTo(16), {50, 50, 50});
    // The acceleration arrow shows a = q v x B = (0, 100, 0) at FactorA 1.
    expectNear(segmentFrom(9), {0, 20, 40});
    expectNear(segmentTo(9), {0, 120, 40});
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("100.0"));
}

TEST_F(Inicia, ConfinedPresetDependsOnTheUnit)
{
    struct Case {
        const char *unit;
        float ez;
        int ezPosition;
        const char *shown;
    };
    for (const Case &c : {Case{"m", 8.0f, 80, "8.0"}, Case{"cm", 0.1f, 0, "0.1"}}) {
        SCOPED_TRACE(c.unit);
        Form2->ComboUnidades->setCurrentText(QString::fromLatin1(c.unit));
        Form1->ConfinadoClick();
        disturbEverything();
        pressInicia();

        EXPECT_FLOAT_EQ(Sim.dt, 0.05f);
        EXPECT_EQ(Form2->ScDt->value(), 100);
        EXPECT_EQ((std::array{Sim.Ex, Sim.Ey, Sim.Ez}), (std::array{0.0f, 0.0f, c.ez}));
        EXPECT_EQ(Form2->ScEz->value(), c.ezPosition);
        EXPECT_EQ(Form2->EditEz->text(), QString::fromLatin1(c.shown));
        EXPECT_EQ(Form2->EditEx->text(), QStringLiteral("0.0"));
        EXPECT_EQ(Form2->ScEx->value(), 0);
        EXPECT_TRUE(Form2->ScEx->isHidden());
        EXPECT_TRUE(Form2->ScEy->isHidden());
        EXPECT_FALSE(Form2->ScEz->isHidden());
        EXPECT_EQ((std::array{Sim.x, Sim.y, Sim.z, Sim.vx, Sim.vy, Sim.vz}),
                  (std::array{50.0f, 0.0f, 50.0f, 0.0f, 20.0f, 0.0f}));
        EXPECT_EQ(Form2->ScX->value(), 500);
        EXPECT_EQ(Form2->ScVy->value(), 200);
        // The magnetic field the confined mode holds at 0 is not preset.
        EXPECT_FLOAT_EQ(Sim.Bx, 0.0f);
        EXPECT_EQ(Form2->ScBz->value(), 0);
        EXPECT_FLOAT_EQ(Factors.FactorA, 10.0f);
        EXPECT_EQ(Form5->EditScale->text(), QStringLiteral("10.0"));
        // Only the field's arrow stays; its lines and rectangle are hidden.
        for (int line : {14, 15, 16})
            EXPECT_EQ(view().segment(line).color, clBlack) << line;
        EXPECT_EQ(view().plane(4).color, clBlack);
        expectNear(segmentTo(13), {50, 50, 50 + 10 * c.ez});
        expectNear(labelAt(4), {50, 50, 50 + 2 * c.ez});
        expectNear(particleAt(1), {50, 0, 50});
        expectNear(segmentTo(1), {50, 20, 50});
    }
}

TEST_F(Inicia, ConfinedPresetInMetresPutsTheFieldLabelAtSixtySix)
{
    Form1->ConfinadoClick();
    pressInicia();
    EXPECT_FLOAT_EQ(Sim.Ez, 8.0f);
    EXPECT_EQ(Form2->ScEz->value(), 80);
    expectNear(labelAt(4), {50, 50, 66});
}

TEST_F(Inicia, TraceIsRestartedAndShownWhetherOrNotItWasTicked)
{
    for (bool tickedBefore : {true, false}) {
        SCOPED_TRACE(tickedBefore);
        if (Form1->CheckTraza->isChecked() != tickedBefore)
            Form1->CheckTraza->click();
        Form1->TimeAnimacionTimer();
        for (int i = 0; i < 200; ++i)
            Form1->TimeAnimacionTimer();
        if (tickedBefore) {
            ASSERT_GT(validTraceSamples(), 0);
        }

        pressInicia();
        EXPECT_TRUE(Form1->CheckTraza->isChecked());
        EXPECT_TRUE(view().ShowTrace);
        EXPECT_EQ(validTraceSamples(), 0);
        EXPECT_EQ(view().particle(1).linkedTrace, 1);
        // The next moves fill the fresh trace from the preset position on.
        for (int i = 0; i < 15; ++i)
            Form1->TimeAnimacionTimer();
        EXPECT_EQ(validTraceSamples(), 1);
    }
}

TEST_F(Inicia, PositionLinesFollowTheirBoxes)
{
    Form4->CheckVectorPo->setChecked(true);
    Form4->CheckPosY->setChecked(true);
    pressInicia();
    EXPECT_EQ(view().segment(5).color, clWhite);
    EXPECT_EQ(view().segment(7).color, clWhite);
    EXPECT_EQ(view().segment(6).color, clBlack);
    EXPECT_EQ(view().segment(8).color, clBlack);
    expectNear(segmentTo(5), {0, 20, 40});
    expectNear(segmentFrom(7), {0, 0, 0});
    expectNear(segmentTo(7), {0, 20, 0});

    Form4->CheckVectorPo->setChecked(false);
    Form4->CheckPosY->setChecked(false);
    pressInicia();
    for (int segment = 5; segment <= 8; ++segment)
        EXPECT_EQ(view().segment(segment).color, clBlack) << segment;
}

TEST_F(Inicia, HugeChargeRunStaysFiniteAfterwards)
{
    typeAndEnter(Form2->EditQ, QStringLiteral("10000000"));
    userDrags(Form2->ScBx, 100);
    userDrags(Form2->ScEz, 1000);
    for (int i = 0; i < 300; ++i)
        Form1->TimeAnimacionTimer();
    // However far the run went, the sliders hold positions inside their ranges.
    EXPECT_GE(Form2->ScX->value(), 0);
    EXPECT_LE(Form2->ScX->value(), 1000);

    pressInicia();
    EXPECT_EQ((std::array{Sim.x, Sim.y, Sim.z, Sim.vx, Sim.vy, Sim.vz}),
              (std::array{0.0f, 20.0f, 40.0f, 0.0f, 0.0f, 50.0f}));
    EXPECT_FLOAT_EQ(Sim.t, 0.0f);
    EXPECT_FLOAT_EQ(Sim.q, 1e7f);
    for (float a : {Sim.ax, Sim.ay, Sim.az, Sim.Fx, Sim.Fy, Sim.Fz})
        EXPECT_TRUE(std::isfinite(a));
    EXPECT_EQ(Form2->ScVz->value(), 500);
    EXPECT_EQ(Form2->EditVz->text(), QStringLiteral("50.0"));
    EXPECT_EQ(validTraceSamples(), 0);
    expectNear(particleAt(1), {0, 20, 40});
}

} // namespace
} // namespace panel_test
