// "Inicia": puts the experiment back into the fixed starting situation of
// the current field mode, with every affected control, figure and the trace.
// The start values x0 .. vz0, the charge, the unit, the field mode, FactorV,
// FactorE, FactorB and the view's angles and zoom are left alone.
#include "Unit2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

#include "FigurePlacement.h"
#include "Figures.h"
#include "NumberText.h"
#include "SimState.h"
#include "TXc3DWorld.h"
#include "Unit1.h"
#include "Unit4.h"
#include "Unit5.h"

using voltrix::Sim;
using namespace voltrix::scene;

namespace {

constexpr float kWholeSpaceDt = 0.01f;
constexpr float kConfinedDt = 0.05f;
constexpr float kWholeSpaceFactorA = 1.0f;
constexpr float kConfinedFactorA = 10.0f;
constexpr float kConfinedEzMetres = 8.0f;
constexpr float kConfinedEzCentimetres = 0.1f;


TXc3DWorld &view()
{
    return *Form1->Xc3DWorld;
}

} // namespace

void TForm2::BtnIniciaClick()
{
    Sim.t = 0;
    Form1->EditT->setText(QString::fromStdString(voltrix::format32(Sim.t)));
    if (Sim.CampoConfinado == 0)
        presetWholeSpace();
    else
        presetConfined();
    view().ProjectAll();
    view().DrawWorld();
}

void TForm2::presetWholeSpace()
{
    Sim.dt = kWholeSpaceDt;
    placeTimeStep();
    setElectricField(0, 0, 0);
    ScEx->show();
    ScEy->show();
    moveElectricFigure();
    placeTimeStep();
    setPosition(0, 20, 40);
    setVelocity(0, 0, 50);
    Sim.Bx = 2;
    Sim.By = 0;
    Sim.Bz = 0;
    for (Component c : {Bx, By, Bz}) {
        const float value = c == Bx ? Sim.Bx : c == By ? Sim.By : Sim.Bz;
        placeTenths(components_[c].slider, value);
        showValue(components_[c].edit, value);
    }
    moveMagneticFigure();
    placeParticleAndVelocityArrow();
    showAccelerationPreset(kWholeSpaceFactorA, false);
    traceOff();
    colourPositionSegments();
    moveVelocityFigure(false);
    voltrix::moveLabel(view(), kVelocityLabel, voltrix::velocityFigure(Sim, 1.0f).label);
    traceOn();
}

void TForm2::presetConfined()
{
    Sim.dt = kConfinedDt;
    placeTimeStep();
    const bool cm = ComboUnidades->currentText() == QLatin1String("cm");
    setElectricField(0, 0, cm ? kConfinedEzCentimetres : kConfinedEzMetres);
    ScEx->hide();
    ScEy->hide();

    // Only the arrow of the field is shown; its label stands at a place of
    // its own that does not follow FactorE.
    voltrix::moveSegment(view(), kElectricArrow, voltrix::electricFigure(Sim).segments[0]);
    for (int line = 1; line <= 3; ++line)
        view().ChangeSegmentProperties(kColour, kElectricArrow + line, clBlack);
    view().ChangePlaneProperties(kColour, kElectricPlane, clBlack);
    view().MoveLabel(kElectricLabel, 50 + 2 * Sim.Ex, 50 + 5 * Sim.Ey, 50 + 2 * Sim.Ez);

    setVelocity(0, 20, 0);
    placeTenths(ScBz, Sim.Bz);
    setPosition(50, 0, 50);
    placeParticleAndVelocityArrow();
    showAccelerationPreset(kConfinedFactorA, true);
    traceOff();
    colourPositionSegments();
    moveVelocityFigure(false);
    voltrix::moveLabel(view(), kVelocityLabel, voltrix::velocityFigure(Sim, 1.0f).label);
    traceOn();
}

void TForm2::setElectricField(float ex, float ey, float ez)
{
    setComponents(Ex, {&Sim.Ex, &Sim.Ey, &Sim.Ez}, {ex, ey, ez}, SliderFirst);
}

void TForm2::setPosition(float px, float py, float pz)
{
    setComponents(X, {&Sim.x, &Sim.y, &Sim.z}, {px, py, pz}, SliderFirst);
}

void TForm2::setVelocity(float wx, float wy, float wz)
{
    setComponents(Vx, {&Sim.vx, &Sim.vy, &Sim.vz}, {wx, wy, wz}, TextFirst);
}

void TForm2::setComponents(Component first, const std::array<float *, 3> &targets,
                           const std::array<float, 3> &values, ShowOrder order)
{
    for (int axis = 0; axis < 3; ++axis)
        *targets[axis] = values[axis];
    for (int axis = 0; axis < 3; ++axis) {
        const ComponentControls &controls = components_[first + axis];
        if (order == TextFirst)
            showValue(controls.edit, values[axis]);
        placeWholePart(controls.slider, values[axis]);
        if (order == SliderFirst)
            showValue(controls.edit, values[axis]);
    }
}

void TForm2::placeParticleAndVelocityArrow()
{
    view().MoveParticle(kParticle, Sim.x, Sim.y, Sim.z);
    const voltrix::FigureGeometry velocity = voltrix::velocityFigure(Sim, 1.0f);
    voltrix::moveSegment(view(), kVelocityArrow, velocity.segments[0]);
    voltrix::moveLabel(view(), kVelocityLabel, velocity.label);
    // Here label 2 stands where the animation step puts it.
    voltrix::moveLabel(view(), kPositionLabel, voltrix::positionFigure(Sim).label);
}

void TForm2::showAccelerationPreset(float factor, bool confined)
{
    if (confined) {
        Form4->CheckVectorA->setChecked(true); // its handler runs when it was unticked
        Form1->ACELERACION();
        Sim.FactorA = factor;
        Form5->EditScale->setText(QString::fromStdString(voltrix::format31(Sim.FactorA)));
    } else {
        Form1->ACELERACION();
        Sim.FactorA = factor;
        Form5->EditScale->setText(QString::fromStdString(voltrix::format31(Sim.FactorA)));
        Form4->CheckVectorA->setChecked(true);
        view().ChangeSegmentProperties(kColour, kAccelerationArrow, clSilver);
        view().ChangeLabelProperties(kColour, kAccelerationLabel, clSilver);
    }
    Form1->DIBUJA_ACELERACION();
    Form1->IMPRIME_ACELERACION();
}

void TForm2::traceOff()
{
    if (Form1->CheckTraza->isChecked()) {
        view().ShowTrace = false;
        Form1->CheckTraza->click(); // unticks it; its handler runs
    }
}

void TForm2::traceOn()
{
    // Ticking relinks the trace, which empties it: it starts afresh here.
    view().ShowTrace = true;
    if (!Form1->CheckTraza->isChecked())
        Form1->CheckTraza->click();
}

void TForm2::colourPositionSegments()
{
    const voltrix::FigureGeometry figure = voltrix::positionFigure(Sim);
    const std::array<const QCheckBox *, 4> ticks{Form4->CheckVectorPo, Form4->CheckPosX, Form4->CheckPosY,
                                                 Form4->CheckPosZ};
    for (int i = 0; i < 4; ++i) {
        if (ticks[i]->isChecked()) {
            view().ChangeSegmentProperties(kColour, kPositionArrow + i, clWhite);
            voltrix::moveSegment(view(), kPositionArrow + i, figure.segments[i]);
        } else {
            view().ChangeSegmentProperties(kColour, kPositionArrow + i, clBlack);
        }
    }
}
