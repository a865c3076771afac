#include "Unit2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "FigurePlacement.h"
#include "Figures.h"
#include "NumberText.h"
#include "Physics.h"
#include "SimState.h"
#include "SliderRules.h"
#include "TXc3DWorld.h"
#include "Unit1.h"
#include "Unit4.h"

TForm2 *Form2 = nullptr;

using voltrix::Sim;
using namespace voltrix::scene;
using voltrix::SimState;

namespace {

constexpr char kEnterKey = 13;
constexpr float kChargeStep = 0.1f;

// How the twelve slider families differ: what a change writes and in which
// order it refreshes the box, the figures, the force and the view.
enum class Family { Magnetic, Velocity, Position, Electric };

struct ComponentRule {
    Family family;
    float SimState::*value;
    float SimState::*startValue; // also written by the change, or null
};

constexpr std::array<ComponentRule, 12> kRules{{
    {Family::Magnetic, &SimState::Bx, nullptr},
    {Family::Magnetic, &SimState::By, nullptr},
    {Family::Magnetic, &SimState::Bz, nullptr},
    {Family::Velocity, &SimState::vx, &SimState::vx0},
    {Family::Velocity, &SimState::vy, &SimState::vy0},
    {Family::Velocity, &SimState::vz, &SimState::vz0},
    {Family::Position, &SimState::x, &SimState::x0},
    {Family::Position, &SimState::y, &SimState::y0},
    {Family::Position, &SimState::z, &SimState::z0},
    {Family::Electric, &SimState::Ex, nullptr},
    {Family::Electric, &SimState::Ey, nullptr},
    {Family::Electric, &SimState::Ez, nullptr},
}};


// The panel's own label offsets: its velocity arrow is drawn at true length,
// and label 2 stands higher than where the step puts it.
constexpr voltrix::Point3 kPanelPositionLabelOffset{0, 15, 5};
constexpr float kTrueLength = 1.0f;

TXc3DWorld &view()
{
    return *Form1->Xc3DWorld;
}

} // namespace

TForm2::TForm2(QWidget *parent)
    : QWidget(parent)
{
    buildWindow();
    connectHandlers();
    FormCreate();
}

// ---------------------------------------------------------------------------
// Slider changes

void TForm2::ScBxScroll() { sliderChanged(Bx); }
void TForm2::ScByScroll() { sliderChanged(By); }
void TForm2::ScBzScroll() { sliderChanged(Bz); }
void TForm2::ScVxScroll() { sliderChanged(Vx); }
void TForm2::ScVyScroll() { sliderChanged(Vy); }
void TForm2::ScVzScroll() { sliderChanged(Vz); }
void TForm2::ScXScroll() { sliderChanged(X); }
void TForm2::ScYScroll() { sliderChanged(Y); }
void TForm2::ScZScroll() { sliderChanged(Z); }
void TForm2::ScExScroll() { sliderChanged(Ex); }
void TForm2::ScEyScroll() { sliderChanged(Ey); }
void TForm2::ScEzScroll() { sliderChanged(Ez); }

void TForm2::sliderChanged(Component c)
{
    const ComponentRule &rule = kRules[c];
    QLineEdit *edit = components_[c].edit;
    // The position the slider is going to: during a user action the value
    // itself is only updated once the handlers have run.
    const float value = voltrix::componentValue(components_[c].slider->sliderPosition());
    if (rule.startValue)
        Sim.*rule.startValue = value;
    Sim.*rule.value = value;

    switch (rule.family) {
    case Family::Magnetic:
        showValue(edit, value);
        moveMagneticFigure();
        Form1->ACELERACION();
        Form1->DIBUJA_ACELERACION();
        Form1->IMPRIME_ACELERACION();
        view().SetupWorld();
        view().DrawWorld();
        break;
    case Family::Electric:
        moveElectricFigure();
        Form1->ACELERACION();
        Form1->IMPRIME_ACELERACION();
        Form1->DIBUJA_ACELERACION();
        view().DrawWorld();
        showValue(edit, value);
        break;
    case Family::Velocity:
        showValue(edit, value);
        moveVelocityFigure(true);
        Form1->ACELERACION();
        Form1->DIBUJA_ACELERACION();
        Form1->IMPRIME_ACELERACION();
        view().SetupWorld();
        view().DrawWorld();
        break;
    case Family::Position:
        // A new position does not change the force: the old acceleration
        // is drawn again at the new place.
        showValue(edit, value);
        movePositionFigure();
        Form1->DIBUJA_ACELERACION();
        view().SetupWorld();
        view().DrawWorld();
        break;
    }
}

// ---------------------------------------------------------------------------
// Edit commits

void TForm2::EditBxKeyPress(char &Key) { editKeyPress(Bx, Key); }
void TForm2::EditBxExit() { commitEdit(Bx); }
void TForm2::EditByKeyPress(char &Key) { editKeyPress(By, Key); }
void TForm2::EditByExit() { commitEdit(By); }
void TForm2::EditBzKeyPress(char &Key) { editKeyPress(Bz, Key); }
void TForm2::EditBzExit() { commitEdit(Bz); }
void TForm2::EditVxKeyPress(char &Key) { editKeyPress(Vx, Key); }
void TForm2::EditVxExit() { commitEdit(Vx); }
void TForm2::EditVyKeyPress(char &Key) { editKeyPress(Vy, Key); }
void TForm2::EditVyExit() { commitEdit(Vy); }
void TForm2::EditVzKeyPress(char &Key) { editKeyPress(Vz, Key); }
void TForm2::EditVzExit() { commitEdit(Vz); }
void TForm2::EditXKeyPress(char &Key) { editKeyPress(X, Key); }
void TForm2::EditXExit() { commitEdit(X); }
void TForm2::EditYKeyPress(char &Key) { editKeyPress(Y, Key); }
void TForm2::EditYExit() { commitEdit(Y); }
void TForm2::EditZKeyPress(char &Key) { editKeyPress(Z, Key); }
void TForm2::EditZExit() { commitEdit(Z); }
void TForm2::EditExKeyPress(char &Key) { editKeyPress(Ex, Key); }
void TForm2::EditExExit() { commitEdit(Ex); }
void TForm2::EditEyKeyPress(char &Key) { editKeyPress(Ey, Key); }
void TForm2::EditEyExit() { commitEdit(Ey); }
void TForm2::EditEzKeyPress(char &Key) { editKeyPress(Ez, Key); }
void TForm2::EditEzExit() { commitEdit(Ez); }

void TForm2::editKeyPress(Component c, char &Key)
{
    if (Key == kEnterKey)
        commitEdit(c);
}

void TForm2::commitEdit(Component c)
{
    // No number, "nan"/"inf", a value a float cannot hold or one above 1e7
    // all read as 0; a huge negative value saturates before the slider
    // clamps it, so nothing undefined reaches the slider or the state.
    const float typed = voltrix::readEditValue(components_[c].edit->text().toStdString());
    components_[c].slider->setValue(voltrix::typedTenthsPosition(typed));
    sliderChanged(c);
}

// ---------------------------------------------------------------------------
// Time step and length unit

void TForm2::ScDtChange()
{
    Sim.dt = voltrix::timeStepValue(ScDt->value());
}

void TForm2::ComboUnidadesChange()
{
    const QString text = ComboUnidades->currentText();
    if (text == QLatin1String("cm")) {
        GroupBoxVel->setTitle(QStringLiteral("Velocidad cm/s"));
        // The force is computed once with the velocities in m/s; scaling
        // back leaves them as they were up to float rounding.
        Sim.vx = static_cast<float>(Sim.vx * 0.01);
        Sim.vy = static_cast<float>(Sim.vy * 0.01);
        Sim.vz = static_cast<float>(Sim.vz * 0.01);
        if (Sim.CampoConfinado == 1) {
            Sim.Ez = 0.1f;
            showValue(EditEz, Sim.Ez);
        }
        voltrix::ACELERACION(Sim);
        Form1->IMPRIME_ACELERACION();
        Form1->DIBUJA_ACELERACION();
        Sim.vx = static_cast<float>(Sim.vx * 100.0);
        Sim.vy = static_cast<float>(Sim.vy * 100.0);
        Sim.vz = static_cast<float>(Sim.vz * 100.0);
        view().DrawWorld();
    } else if (text == QLatin1String("m")) {
        GroupBoxVel->setTitle(QStringLiteral("Velocidad m/s"));
        if (Sim.CampoConfinado == 1) {
            Sim.Ez = 8.0f;
            showValue(EditEz, Sim.Ez);
        }
    }
}

// ---------------------------------------------------------------------------
// Start-up fill

void TForm2::FormCreate()
{
    const std::array<float, ComponentCount> values{Sim.Bx, Sim.By, Sim.Bz, Sim.vx,  Sim.vy,  Sim.vz,
                                                   Sim.x0, Sim.y0, Sim.z0, Sim.Ex, Sim.Ey, Sim.Ez};
    for (int c = 0; c < ComponentCount; ++c) {
        placeWholePart(components_[c].slider, values[c]);
        showValue(components_[c].edit, values[c]);
    }
    placeTimeStep(); // its change handler sets dt from the position
    showValue(EditQ, Sim.q);
}

// ---------------------------------------------------------------------------
// Charge

void TForm2::EditQKeyPress(char &Key)
{
    if (Key != kEnterKey)
        return;
    // Any value up to 1e7 is kept exactly, negative ones without a limit;
    // non-finite texts read as 0, so the state never holds nan or inf.
    Sim.q = voltrix::readEditValue(EditQ->text().toStdString());
    Form1->ACELERACION();
    Form1->IMPRIME_ACELERACION();
    Form1->DIBUJA_ACELERACION();
    view().DrawWorld();
    showValue(EditQ, Sim.q);
}

void TForm2::QUpMouseDown()
{
    Sim.PasoQ = kChargeStep;
    Form1->TimeQ->start();
}

void TForm2::QDownMouseDown()
{
    Sim.PasoQ = -kChargeStep;
    Form1->TimeQ->start();
}

void TForm2::QNull()
{
    Form1->TimeQ->stop();
}

// ---------------------------------------------------------------------------
// Store, recall and the region box

void TForm2::BtnAlmacenarMouseDown()
{
    Sim.UsarDatos = 1;
    Form1->saveToFile();
}

void TForm2::BtnRecuperarMouseDown()
{
    Sim.UsarDatos = 1;
    Form1->loadFromFile();
}

void TForm2::GroupELocalDblClick()
{
    // The same switch as the menu's "En todo el espacio".
    Form1->TodoEspacioClick();
}

// ---------------------------------------------------------------------------
// Helpers

void TForm2::showValue(QLineEdit *edit, float value)
{
    edit->setText(QString::fromStdString(voltrix::format31(value)));
}

void TForm2::placeWholePart(QScrollBar *slider, float value)
{
    slider->setValue(voltrix::wholePartPosition(value));
}

void TForm2::placeTenths(QScrollBar *slider, float value)
{
    slider->setValue(voltrix::tenthsPosition(value));
}

void TForm2::placeTimeStep()
{
    ScDt->setValue(voltrix::timeStepPosition(Sim.dt));
}

void TForm2::moveVelocityFigure(bool arrowAndLabel)
{
    const voltrix::FigureGeometry figure = voltrix::velocityFigure(Sim, kTrueLength);
    if (arrowAndLabel) {
        voltrix::moveFigure(view(), figure, kVelocityArrow, kVelocityPlane, kVelocityLabel);
        return;
    }
    for (int line = 1; line <= 3; ++line)
        voltrix::moveSegment(view(), kVelocityArrow + line, figure.segments[line]);
    voltrix::movePlane(view(), kVelocityPlane, figure.planeCorners);
}

void TForm2::movePositionLines()
{
    // Only the lines whose box is ticked in the vector options follow.
    const voltrix::FigureGeometry figure = voltrix::positionFigure(Sim, kPanelPositionLabelOffset);
    const std::array<const QCheckBox *, 4> ticks{Form4->CheckVectorPo, Form4->CheckPosX, Form4->CheckPosY,
                                                 Form4->CheckPosZ};
    for (int i = 0; i < 4; ++i)
        if (ticks[i]->isChecked())
            voltrix::moveSegment(view(), kPositionArrow + i, figure.segments[i]);
}

void TForm2::movePositionFigure()
{
    view().MoveParticle(kParticle, Sim.x, Sim.y, Sim.z);
    movePositionLines();
    voltrix::moveLabel(view(), kPositionLabel,
                       voltrix::positionFigure(Sim, kPanelPositionLabelOffset).label);
    moveVelocityFigure(Form4->CheckVectorVel->isChecked());
}

void TForm2::moveElectricFigure()
{
    voltrix::moveFigure(view(), voltrix::electricFigure(Sim), kElectricArrow, kElectricPlane,
                        kElectricLabel);
}

void TForm2::moveMagneticFigure()
{
    voltrix::moveFigure(view(), voltrix::magneticFigure(Sim), kMagneticArrow, kMagneticPlane,
                        kMagneticLabel);
}

int TForm2::componentOf(const QObject *watched) const
{
    for (int c = 0; c < ComponentCount; ++c)
        if (components_[c].edit == watched)
            return c;
    return -1;
}
