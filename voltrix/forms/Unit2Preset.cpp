// "Inicia": puts the experiment back into the fixed starting situation of
// the current field mode, with every affected control, figure and the trace.
// The start values x0 .. vz0, the charge, the unit, the field mode, FactorV,
// FactorE, FactorB and the view's angles and zoom are left alone.
#include "voltrix/forms/Unit2.h"

#include <QScrollBar>

#include "voltrix/core/Figures.h"
#include "voltrix/core/Simulation.h"
#include "voltrix/forms/SceneFigures.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/Unit4.h"
#include "voltrix/forms/Unit5.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

namespace {

constexpr float kWholeSpaceDt = 0.01f;
constexpr float kConfinedDt = 0.05f;
constexpr float kWholeSpaceFactorA = 1.0f;
constexpr float kConfinedFactorA = 10.0f;
constexpr float kConfinedEzMetres = 8.0f;
constexpr float kConfinedEzCentimetres = 0.1f;
constexpr float kTrueLength = 1.0f;

} // namespace

void TForm2::BtnIniciaClick()
{
    Sim.t = 0;
    Form1->showTime();
    if (!Sim.CampoConfinado)
        presetWholeSpace();
    else
        presetConfined();
    scene_.view().ProjectAll();
    scene_.view().DrawWorld();
    // The preset starts a new run of recorded steps.
    Form1->startNewRun();
}

void TForm2::presetWholeSpace()
{
    Sim.dt = kWholeSpaceDt;
    placeTimeStep();
    setComponents(Ex, {0, 0, 0}, SliderFirst);
    showElectricXYSliders(true);
    moveFieldFigure(VectorQuantity::Electric);
    placeTimeStep();
    setComponents(X, {0, 20, 40}, SliderFirst);
    setComponents(Vx, {0, 0, 50}, TextFirst);
    Sim.Bx = 2;
    Sim.By = 0;
    Sim.Bz = 0;
    for (Component c : {Bx, By, Bz}) {
        placeTenths(slider(c), Sim.*rows()[c].value);
        showValue(edit(c), Sim.*rows()[c].value);
    }
    moveFieldFigure(VectorQuantity::Magnetic);
    placeParticleAndVelocityArrow();
    showAccelerationPreset(kWholeSpaceFactorA, false);
    Form1->setTrace(false);
    colourPositionSegments();
    moveVelocityFigure(false);
    scene_.placeLabel(VectorQuantity::Velocity, velocityFigure(Sim, kTrueLength).label);
    Form1->setTrace(true);
}

void TForm2::presetConfined()
{
    Sim.dt = kConfinedDt;
    placeTimeStep();
    setComponents(Ex, {0, 0, unitIsCm() ? kConfinedEzCentimetres : kConfinedEzMetres}, SliderFirst);
    showElectricXYSliders(false);

    // Only the arrow of the field is shown; its label stands at a place of
    // its own that does not follow FactorE.
    scene_.placePart(VectorQuantity::Electric, kArrowPart, vectorFigure(VectorQuantity::Electric, Sim, Factors));
    for (int line = 1; line < kFigureParts; ++line)
        scene_.colourPart(VectorQuantity::Electric, line, clBlack);
    scene_.colourRectangle(VectorQuantity::Electric, clBlack);
    scene_.placeLabel(VectorQuantity::Electric, {50 + 2 * Sim.Ex, 50 + 5 * Sim.Ey, 50 + 2 * Sim.Ez});

    setComponents(Vx, {0, 20, 0}, TextFirst);
    placeTenths(ScBz, Sim.Bz);
    setComponents(X, {50, 0, 50}, SliderFirst);
    placeParticleAndVelocityArrow();
    showAccelerationPreset(kConfinedFactorA, true);
    Form1->setTrace(false);
    colourPositionSegments();
    moveVelocityFigure(false);
    scene_.placeLabel(VectorQuantity::Velocity, velocityFigure(Sim, kTrueLength).label);
    Form1->setTrace(true);
}

void TForm2::setComponents(Component first, const std::array<float, 3> &values, ShowOrder order)
{
    for (int axis = 0; axis < 3; ++axis)
        Sim.*rows()[first + axis].value = values[axis];
    for (int axis = 0; axis < 3; ++axis) {
        const int c = first + axis;
        if (order == TextFirst)
            showValue(edit(c), values[axis]);
        placeWholePart(slider(c), values[axis]);
        if (order == SliderFirst)
            showValue(edit(c), values[axis]);
    }
}

void TForm2::placeParticleAndVelocityArrow()
{
    scene_.placeParticle(Sim);
    const FigureGeometry velocity = velocityFigure(Sim, kTrueLength);
    scene_.placePart(VectorQuantity::Velocity, kArrowPart, velocity);
    scene_.placeLabel(VectorQuantity::Velocity, velocity.label);
    // Here label 2 stands where the animation step puts it.
    scene_.placeLabel(VectorQuantity::Position, positionFigure(Sim).label);
}

void TForm2::showAccelerationPreset(float factor, bool confined)
{
    if (confined) {
        Form4->showVector(VectorQuantity::Acceleration); // its handler runs when it was unticked
        Form1->ACELERACION();
        Factors.FactorA = factor;
        Form5->showFactor(Factors.FactorA);
    } else {
        Form1->ACELERACION();
        Factors.FactorA = factor;
        Form5->showFactor(Factors.FactorA);
        Form4->showVector(VectorQuantity::Acceleration);
        scene_.colourPart(VectorQuantity::Acceleration, kArrowPart, clSilver);
        scene_.colourLabel(VectorQuantity::Acceleration, clSilver);
    }
    Form1->DIBUJA_ACELERACION();
    Form1->IMPRIME_ACELERACION();
}

void TForm2::colourPositionSegments()
{
    const FigureGeometry figure = positionFigure(Sim);
    for (int part = 0; part < kFigureParts; ++part) {
        if (Form4->isPartShown(VectorQuantity::Position, part)) {
            scene_.colourPart(VectorQuantity::Position, part, clWhite);
            scene_.placePart(VectorQuantity::Position, part, figure);
        } else {
            scene_.colourPart(VectorQuantity::Position, part, clBlack);
        }
    }
}

} // namespace voltrix
