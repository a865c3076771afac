// The control panel's window, its start-up fill, its sliders, edit commits,
// time step and length-unit switch, driven through the real widgets.
#include <QApplication>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>

#include <cmath>

#include "tests/support/VoltrixWindows.h"

using namespace voltrix_test;

namespace panel_test {
namespace {

class ControlPanel : public VoltrixWindows {};

TEST_F(ControlPanel, WindowAndControlsStandWhereDesigned)
{
    EXPECT_EQ(Form2->windowTitle(), QString(22, QLatin1Char(' ')) + QStringLiteral("Panel de Control"));
    EXPECT_EQ(Form2->pos(), QPoint(0, 393));
    EXPECT_EQ(Form2->Panel1->geometry(), QRect(0, 0, 309, 180));
    EXPECT_EQ(Form2->size(), QSize(309, 180));

    struct Placed {
        QWidget *widget;
        QWidget *parent;
        QRect geometry;
    };
    const Placed placed[] = {
        {Form2->BtnAlmacenar, Form2->Panel1, {4, 1, 70, 17}},
        {Form2->BtnRecuperar, Form2->Panel1, {76, 1, 70, 17}},
        {Form2->SpeedButton1, Form2->Panel1, {148, 1, 70, 17}},
        {Form2->Label1, Form2->Panel1, {148, 18, 70, 13}},
        {Form2->ScDt, Form2->Panel1, {148, 32, 70, 5}},
        {Form2->GroupBoxQ, Form2->Panel1, {220, 1, 85, 40}},
        {Form2->QDown, Form2->GroupBoxQ, {4, 16, 21, 20}},
        {Form2->EditQ, Form2->GroupBoxQ, {25, 16, 37, 21}},
        {Form2->QUp, Form2->GroupBoxQ, {62, 16, 21, 20}},
        {Form2->PanelPosicion, Form2->Panel1, {4, 20, 141, 85}},
        {Form2->ComboUnidades, Form2->PanelPosicion, {76, 8, 45, 21}},
        {Form2->EditX, Form2->PanelPosicion, {16, 32, 37, 21}},
        {Form2->EditZ, Form2->PanelPosicion, {16, 64, 37, 21}},
        {Form2->ScY, Form2->PanelPosicion, {56, 53, 82, 8}},
        {Form2->GroupElect, Form2->Panel1, {152, 40, 153, 67}},
        {Form2->EditEy, Form2->GroupElect, {28, 28, 37, 21}},
        {Form2->ScEz, Form2->GroupElect, {68, 52, 82, 8}},
        {Form2->GroupBoxVel, Form2->Panel1, {4, 108, 141, 67}},
        {Form2->EditVz, Form2->GroupBoxVel, {20, 44, 37, 21}},
        {Form2->ScVx, Form2->Panel1, {61, 124, 82, 8}},
        {Form2->GroupMagnet, Form2->Panel1, {154, 108, 153, 67}},
        {Form2->EditBx, Form2->GroupMagnet, {28, 12, 37, 21}},
        {Form2->ScBz, Form2->Panel1, {220, 158, 82, 8}},
        {Form2->GroupELocal, Form2->Panel1, {154, 108, 153, 67}},
    };
    for (const Placed &p : placed) {
        SCOPED_TRACE(p.widget->metaObject()->className());
        EXPECT_EQ(p.widget->parentWidget(), p.parent);
        EXPECT_EQ(p.widget->geometry(), p.geometry);
    }
    EXPECT_EQ(Form2->LabelPosicion->pos(), QPoint(20, 12));
    EXPECT_EQ(Form2->LabelZ->pos(), QPoint(4, 68));
    EXPECT_EQ(Form2->LabelEy->pos(), QPoint(8, 31));
    EXPECT_EQ(Form2->LabelBz->pos(), QPoint(8, 48));
    EXPECT_TRUE(Form2->GroupELocal->isHidden());
    EXPECT_FALSE(Form2->GroupMagnet->isHidden());
}

TEST_F(ControlPanel, CaptionsFontsRangesAndHints)
{
    EXPECT_EQ(Form2->BtnAlmacenar->text(), QStringLiteral("Almacenar"));
    EXPECT_EQ(Form2->BtnAlmacenar->toolTip(), QStringLiteral("Almacena Valores Actuales"));
    EXPECT_EQ(Form2->BtnRecuperar->toolTip(), QStringLiteral("Recupera Valores Almacenados"));
    EXPECT_EQ(Form2->SpeedButton1->text(), QStringLiteral("Inicia"));
    EXPECT_EQ(Form2->Label1->text(), QStringLiteral("Increm.Tiempo"));
    EXPECT_EQ(Form2->GroupBoxQ->title(), QStringLiteral("Carga C"));
    EXPECT_EQ(Form2->GroupElect->title(), QStringLiteral("Campo Eléctrico V/m"));
    EXPECT_EQ(Form2->GroupBoxVel->title(), QStringLiteral("Velocidad m/s"));
    EXPECT_EQ(Form2->GroupMagnet->title(), QStringLiteral("Campo Magnético"));
    EXPECT_EQ(Form2->GroupELocal->title(), QStringLiteral("Región Campo Eléctrico"));
    EXPECT_EQ(Form2->LabelPosicion->text(), QStringLiteral("Posición"));

    const QColor red(0xFF, 0, 0), navy(0, 0, 0x80);
    EXPECT_TRUE(Form2->BtnRecuperar->font().bold());
    EXPECT_EQ(Form2->BtnRecuperar->palette().color(QPalette::ButtonText), red);
    EXPECT_EQ(Form2->SpeedButton1->palette().color(QPalette::ButtonText), navy);
    EXPECT_EQ(Form2->GroupMagnet->palette().color(QPalette::WindowText), navy);
    EXPECT_EQ(Form2->EditX->font().pixelSize(), 8);
    EXPECT_TRUE(Form2->EditX->font().bold());
    EXPECT_EQ(Form2->EditY->font().pixelSize(), 11);
    EXPECT_EQ(Form2->Label1->font().pixelSize(), 11);
    EXPECT_FALSE(Form2->QUp->icon().isNull());
    EXPECT_FALSE(Form2->QDown->icon().isNull());

    struct Range {
        QScrollBar *slider;
        int minimum, maximum;
    };
    const Range ranges[] = {{Form2->ScDt, 1, 100},      {Form2->ScX, 0, 1000},      {Form2->ScZ, 0, 1000},
                            {Form2->ScVy, -1000, 1000}, {Form2->ScEx, -1000, 1000}, {Form2->ScBy, -100, 100}};
    for (const Range &r : ranges) {
        EXPECT_EQ(r.slider->minimum(), r.minimum);
        EXPECT_EQ(r.slider->maximum(), r.maximum);
        EXPECT_EQ(r.slider->singleStep(), 1);
        EXPECT_EQ(r.slider->pageStep(), 1);
    }
    ASSERT_EQ(Form2->ComboUnidades->count(), 2);
    EXPECT_EQ(Form2->ComboUnidades->itemText(0), QStringLiteral("m"));
    EXPECT_EQ(Form2->ComboUnidades->itemText(1), QStringLiteral("cm"));
    EXPECT_TRUE(Form2->ComboUnidades->isEditable());
}

// The captions of fixed width are read whole, not clipped at their right end,
// whichever sans faces the machine has.
TEST_F(ControlPanel, FixedSizeCaptionsAreNotClipped)
{
    struct Caption {
        QWidget *widget;
        QString text;
    };
    const Caption captions[] = {{Form2->Label1, Form2->Label1->text()},
                                {Form2->BtnAlmacenar, Form2->BtnAlmacenar->text()},
                                {Form2->BtnRecuperar, Form2->BtnRecuperar->text()},
                                {Form2->SpeedButton1, Form2->SpeedButton1->text()}};
    for (const Caption &c : captions) {
        const int advance = QFontMetrics(c.widget->font()).horizontalAdvance(c.text);
        EXPECT_LE(advance, c.widget->width()) << c.text.toStdString();
    }
}

TEST_F(ControlPanel, StartUpFillShowsTheStartState)
{
    expectPanelShowsStartState();
    EXPECT_EQ(Form2->EditQ->text(), QStringLiteral("1.0"));
    EXPECT_EQ(Form2->ComboUnidades->currentText(), QStringLiteral("m"));
}

TEST_F(ControlPanel, MagneticSliderMovesFieldBoxAndArrow)
{
    userSteps(Form2->ScBx, QAbstractSlider::SliderSingleStepAdd, 5);
    EXPECT_EQ(Form2->ScBx->value(), 25);
    EXPECT_FLOAT_EQ(Sim.Bx, 2.5f);
    EXPECT_EQ(Form2->EditBx->text(), QStringLiteral("2.5"));
    expectNear(segmentFrom(17), {70, 70, 70});
    expectNear(segmentTo(17), {95, 70, 70});
    expectNear(labelAt(5), {82.5f, 70, 70});
    // The force follows: v = (0, 0, 50), B = (2.5, 0, 0) gives a = (0, 125, 0).
    EXPECT_FLOAT_EQ(Sim.ay, 125.0f);
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("125.0"));
}

TEST_F(ControlPanel, PlacingSlidersFromCodeRunsNoHandler)
{
    Form2->ScBx->setValue(70);
    Form2->ScX->setValue(900);
    Form2->ScVy->setValue(-300);
    Form2->ScEz->setValue(400);
    EXPECT_FLOAT_EQ(Sim.Bx, 2.0f);
    EXPECT_FLOAT_EQ(Sim.x, 0.0f);
    EXPECT_FLOAT_EQ(Sim.vy, 0.0f);
    EXPECT_FLOAT_EQ(Sim.Ez, 0.0f);
    EXPECT_EQ(Form2->EditBx->text(), QStringLiteral("2.0"));
}

TEST_F(ControlPanel, EachFamilyWritesItsQuantityAndFigure)
{
    Factors.FactorV = 2.0f; // the panel draws the velocity at true length

    userDrags(Form2->ScVy, 300);
    EXPECT_FLOAT_EQ(Sim.vy, 30.0f);
    EXPECT_FLOAT_EQ(Sim.vy0, 30.0f);
    EXPECT_EQ(Form2->EditVy->text(), QStringLiteral("30.0"));
    expectNear(segmentTo(1), {0, 50, 90});
    expectNear(labelAt(1), {5, 40, 70});

    userDrags(Form2->ScEy, -150);
    EXPECT_FLOAT_EQ(Sim.Ey, -15.0f);
    EXPECT_EQ(Form2->EditEy->text(), QStringLiteral("-15.0"));
    expectNear(segmentFrom(13), {50, 50, 50});
    expectNear(segmentTo(13), {50, -100, 50});

    userDrags(Form2->ScX, 305);
    EXPECT_FLOAT_EQ(Sim.x, 30.5f);
    EXPECT_FLOAT_EQ(Sim.x0, 30.5f);
    EXPECT_EQ(Form2->EditX->text(), QStringLiteral("30.5"));
    expectNear(particleAt(1), {30.5f, 20, 40});
    expectNear(labelAt(2), {15.25f, 25, 25});
    expectNear(segmentFrom(1), {30.5f, 20, 40});
}

TEST_F(ControlPanel, PositionSliderKeepsTheOldForce)
{
    const float ayBefore = Sim.ay;
    Sim.q = 5.0f; // not yet applied to the force
    userSteps(Form2->ScZ, QAbstractSlider::SliderPageStepAdd, 3);
    EXPECT_FLOAT_EQ(Sim.z, 40.3f);
    EXPECT_FLOAT_EQ(Sim.ay, ayBefore);
    // The acceleration arrow is redrawn from the new position.
    expectNear(segmentFrom(9), {0, 20, 40.3f});

    userSteps(Form2->ScBx, QAbstractSlider::SliderSingleStepSub, 1);
    EXPECT_FLOAT_EQ(Sim.ay, 5.0f * 50.0f * 1.9f);
}

TEST_F(ControlPanel, TypedValuesCommitThroughTheirSlider)
{
    struct Typed {
        QLineEdit *TForm2::*edit;
        QScrollBar *TForm2::*slider;
        const char *text;
        int position;
        float value;
        const char *shown;
    };
    const Typed cases[] = {
        {&TForm2::EditX, &TForm2::ScX, "2.57", 25, 2.5f, "2.5"},
        {&TForm2::EditX, &TForm2::ScX, "-2.57", 0, 0.0f, "0.0"},
        {&TForm2::EditX, &TForm2::ScX, "50", 500, 50.0f, "50.0"},
        {&TForm2::EditX, &TForm2::ScX, "0.7", 7, 0.7f, "0.7"},
        {&TForm2::EditX, &TForm2::ScX, "2e8", 0, 0.0f, "0.0"},
        {&TForm2::EditX, &TForm2::ScX, "-5", 0, 0.0f, "0.0"},
        {&TForm2::EditBx, &TForm2::ScBx, "2.57", 25, 2.5f, "2.5"},
        {&TForm2::EditBx, &TForm2::ScBx, "-2.57", -25, -2.5f, "-2.5"},
        {&TForm2::EditBx, &TForm2::ScBx, "50", 100, 10.0f, "10.0"},
        {&TForm2::EditBx, &TForm2::ScBx, "word", 0, 0.0f, "0.0"},
        {&TForm2::EditBx, &TForm2::ScBx, "", 0, 0.0f, "0.0"},
        {&TForm2::EditBx, &TForm2::ScBx, "3,7", 30, 3.0f, "3.0"},
        {&TForm2::EditEz, &TForm2::ScEz, "  12.34xyz", 123, 12.3f, "12.3"},
        {&TForm2::EditVx, &TForm2::ScVx, "-0.7", -7, -0.7f, "-0.7"},
        // Non-finite and out-of-range texts never reach a slider undefined.
        {&TForm2::EditBy, &TForm2::ScBy, "nan", 0, 0.0f, "0.0"},
        {&TForm2::EditBy, &TForm2::ScBy, "inf", 0, 0.0f, "0.0"},
        {&TForm2::EditBy, &TForm2::ScBy, "-inf", 0, 0.0f, "0.0"},
        {&TForm2::EditBy, &TForm2::ScBy, "1e39", 0, 0.0f, "0.0"},
        {&TForm2::EditBy, &TForm2::ScBy, "-1e30", -100, -10.0f, "-10.0"},
        {&TForm2::EditEy, &TForm2::ScEy, "9999999", 1000, 100.0f, "100.0"},
    };
    for (const Typed &c : cases) {
        SCOPED_TRACE(c.text);
        QLineEdit *edit = Form2->*c.edit;
        typeAndEnter(edit, QString::fromLatin1(c.text));
        EXPECT_EQ((Form2->*c.slider)->value(), c.position);
        EXPECT_EQ(edit->text(), QString::fromLatin1(c.shown));
    }
    EXPECT_FLOAT_EQ(Sim.x, 0.0f);
    EXPECT_FLOAT_EQ(Sim.x0, 0.0f);
    EXPECT_FLOAT_EQ(Sim.Bx, 3.0f);
    EXPECT_FLOAT_EQ(Sim.By, -10.0f);
    EXPECT_FLOAT_EQ(Sim.Ez, 12.3f);
    EXPECT_FLOAT_EQ(Sim.vx, -0.7f);
    EXPECT_FLOAT_EQ(Sim.Ey, 100.0f);
    EXPECT_TRUE(std::isfinite(Sim.ax) && std::isfinite(Sim.ay) && std::isfinite(Sim.az));
}

TEST_F(ControlPanel, OnlyEnterOrLeavingTheBoxCommits)
{
    Form2->EditVz->clear();
    QTest::keyClicks(Form2->EditVz, QStringLiteral("12.5"));
    EXPECT_FLOAT_EQ(Sim.vz, 50.0f);
    EXPECT_EQ(Form2->EditVz->text(), QStringLiteral("12.5"));

    // Another window (the main window's "Animación") becoming active is not
    // leaving the box: the typed text waits.
    QFocusEvent windowLeft(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(Form2->EditVz, &windowLeft);
    EXPECT_FLOAT_EQ(Sim.vz, 50.0f);
    EXPECT_EQ(Form2->EditVz->text(), QStringLiteral("12.5"));

    leave(Form2->EditVz);
    EXPECT_FLOAT_EQ(Sim.vz, 12.5f);
    EXPECT_EQ(Form2->ScVz->value(), 125);

    // Enter then leaving runs the commit twice; the second changes nothing.
    typeAndEnter(Form2->EditVz, QStringLiteral("-7.77"));
    leave(Form2->EditVz);
    EXPECT_FLOAT_EQ(Sim.vz, -7.7f);
    EXPECT_EQ(Form2->EditVz->text(), QStringLiteral("-7.7"));
}

// Clicking a slider takes the focus, so a value typed into a box is committed
// before the slider moves; the flat buttons take no focus and leave the box
// being typed in as it is.
TEST_F(ControlPanel, SliderClickCommitsTheTypedBoxFlatButtonsDoNot)
{
    Form2->show();
    QApplication::setActiveWindow(Form2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));

    Form2->EditBx->setFocus();
    Form2->EditBx->clear();
    QTest::keyClicks(Form2->EditBx, QStringLiteral("5"));
    ASSERT_FLOAT_EQ(Sim.Bx, 2.0f);
    // The arrow at the right end of the slider: one position up from the
    // typed value's position, not from the old one.
    QTest::mouseClick(Form2->ScBx, Qt::LeftButton, {}, QPoint(Form2->ScBx->width() - 2, Form2->ScBx->height() / 2));
    EXPECT_EQ(Form2->ScBx->value(), 51);
    EXPECT_FLOAT_EQ(Sim.Bx, 5.1f);
    EXPECT_EQ(Form2->EditBx->text(), QStringLiteral("5.1"));

    for (QPushButton *flat : {Form2->SpeedButton1, Form2->BtnAlmacenar, Form2->BtnRecuperar}) {
        EXPECT_EQ(flat->focusPolicy(), Qt::NoFocus) << flat->text().toStdString();
    }
    Form2->EditVz->setFocus();
    Form2->EditVz->clear();
    QTest::keyClicks(Form2->EditVz, QStringLiteral("7"));
    QTest::mouseClick(Form2->SpeedButton1, Qt::LeftButton);
    EXPECT_TRUE(Form2->EditVz->hasFocus());
    EXPECT_FLOAT_EQ(Sim.vz, 50.0f); // the preset, not the typed 7
}

TEST_F(ControlPanel, TimeStepFollowsItsSliderFromUserAndCode)
{
    struct Step {
        int position;
        float dt;
    };
    for (const Step &s : {Step{1, 0.0005f}, Step{100, 0.05f}, Step{20, 0.01f}, Step{37, 0.0185f}}) {
        Form2->ScDt->setValue(s.position);
        EXPECT_FLOAT_EQ(Sim.dt, s.dt) << s.position;
    }
    userSteps(Form2->ScDt, QAbstractSlider::SliderSingleStepAdd, 3);
    EXPECT_FLOAT_EQ(Sim.dt, 0.02f);
}

TEST_F(ControlPanel, UnitSwitchInWholeSpaceChangesCaptionAndForceOnly)
{
    Form2->ComboUnidades->setCurrentIndex(1);
    EXPECT_EQ(Form2->GroupBoxVel->title(), QStringLiteral("Velocidad cm/s"));
    // 50 cm/s through B = 2 T: the force is computed in m/s.
    EXPECT_NEAR(Sim.ay, 1.0f, 1e-5f);
    EXPECT_EQ(Form4->EditAy->text(), QStringLiteral("1.0"));
    EXPECT_NEAR(Sim.vz, 50.0f, 1e-5f);
    EXPECT_FLOAT_EQ(Sim.Ez, 0.0f);
    EXPECT_EQ(Form2->EditEz->text(), QStringLiteral("0.0"));

    Form2->ComboUnidades->setCurrentIndex(0);
    EXPECT_EQ(Form2->GroupBoxVel->title(), QStringLiteral("Velocidad m/s"));
    EXPECT_NEAR(Sim.ay, 1.0f, 1e-5f); // nothing is recomputed for "m"
    EXPECT_FLOAT_EQ(Sim.Ez, 0.0f);
}

TEST_F(ControlPanel, UnitSwitchInConfinedModeSetsTheFieldNotItsSlider)
{
    Form1->ConfinadoClick();
    const int ezPosition = Form2->ScEz->value();

    Form2->ComboUnidades->setCurrentText(QStringLiteral("cm"));
    EXPECT_FLOAT_EQ(Sim.Ez, 0.1f);
    EXPECT_EQ(Form2->EditEz->text(), QStringLiteral("0.1"));
    EXPECT_EQ(Form2->ScEz->value(), ezPosition);

    Form2->ComboUnidades->setCurrentText(QStringLiteral("m"));
    EXPECT_FLOAT_EQ(Sim.Ez, 8.0f);
    EXPECT_EQ(Form2->EditEz->text(), QStringLiteral("8.0"));
    EXPECT_EQ(Form2->GroupBoxVel->title(), QStringLiteral("Velocidad m/s"));

    // Any other text typed into the box does nothing.
    Form2->ComboUnidades->setCurrentText(QStringLiteral("c"));
    EXPECT_FLOAT_EQ(Sim.Ez, 8.0f);
    EXPECT_EQ(Form2->GroupBoxVel->title(), QStringLiteral("Velocidad m/s"));
    EXPECT_EQ(Sim.unit, LengthUnit::Metre);
}

} // namespace
} // namespace panel_test
