// The main window's share of the physics: the force law as the other windows
// call it, the animation step with everything it refreshes, the acceleration
// displays, the scale and charge timers, and saving and loading an experiment.
#include "voltrix/forms/Unit1.h"

#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/Figures.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"
#include "voltrix/core/Simulation.h"
#include "voltrix/forms/BoxText.h"
#include "voltrix/forms/ExperimentDialogs.h"
#include "voltrix/forms/SceneFigures.h"
#include "voltrix/forms/TickClock.h"
#include "voltrix/forms/Unit1Layout.h"
#include "voltrix/forms/Unit2.h"
#include "voltrix/forms/Unit4.h"
#include "voltrix/forms/Unit5.h"
#include "voltrix/forms/UnitMagnitudes.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

using namespace mainwin;

bool TForm1::cmSelected() const { return Form2 != nullptr && Form2->unitIsCm(); }

void TForm1::PRODUCTO_VECTORIAL() { voltrix::PRODUCTO_VECTORIAL(Sim); }

void TForm1::ACELERACION()
{
    // Velocities go in as m/s whatever the unit, so the magnetic term is
    // never built from cm/s.
    computeForceForDisplay(Sim, cmSelected());
}

void TForm1::IMPRIME_ACELERACION()
{
    if (Form4 != nullptr) // the vector options window is created after this one
        Form4->showAcceleration();
    showMagnitudes();
}

void TForm1::DIBUJA_ACELERACION()
{
    placeVectorFigure(VectorQuantity::Acceleration);
    // A new position alone (a position slider) asks only for the arrow.
    showMagnitudes();
}

void TForm1::showMagnitudes()
{
    // Every change of the state ends in one of the acceleration displays.
    if (FormMagnitudes != nullptr)
        FormMagnitudes->showMagnitudesSoon();
}

void TForm1::placeVectorFigure(VectorQuantity quantity)
{
    // The velocity's label is moved before its rectangle, the others' after.
    const LabelOrder order =
        quantity == VectorQuantity::Velocity ? LabelOrder::BeforeRectangle : LabelOrder::AfterRectangle;
    scene_->placeFigure(quantity, vectorFigure(quantity, Sim, Factors), order);
}

void TForm1::placePositionFigure()
{
    // Only the parts ticked in the vector options follow; label 2 always.
    const FigureGeometry g = vectorFigure(VectorQuantity::Position, Sim, Factors);
    if (Form4 != nullptr) {
        for (int part = 0; part < kFigureParts; ++part)
            if (Form4->isPartShown(VectorQuantity::Position, part))
                scene_->placePart(VectorQuantity::Position, part, g);
    }
    scene_->placeLabel(VectorQuantity::Position, g.label);
}

void TForm1::showTime() { showText(EditT, format32(Sim.t)); }

void TForm1::showAnimationCaption(const char *caption, unsigned colour)
{
    QPalette palette = BtnAniStop->palette();
    palette.setColor(QPalette::ButtonText, toQColor(colour));
    BtnAniStop->setPalette(palette);
    BtnAniStop->setText(QString::fromUtf8(caption));
}

void TForm1::animationTick()
{
    // A faster speed runs the steps due on this tick and shows the last.
    for (int steps = stepsPerTick_.next(); steps > 1; --steps)
        stepUnseen();
    TimeAnimacionTimer();
}

void TForm1::TimeAnimacionTimer()
{
    stepAndShow();
    showBlink();
}

void TForm1::UnPasoClick()
{
    // Not a tick of the animation: the caption stays as it is.
    if (!TimeAnimacion->isActive())
        stepAndShow();
}

void TForm1::startNewRun() { Recorder.clear(); }

void TForm1::integrateAndRecord()
{
    // Every step is recorded, the unseen ones too; a new run also records
    // where it starts.
    const bool cm = cmSelected();
    if (Recorder.empty())
        Recorder.record(Sim, cm);
    integrateStep(Sim, cm);
    Recorder.record(Sim, cm);
}

void TForm1::stepAndShow()
{
    integrateAndRecord();
    showTime();
    IMPRIME_ACELERACION(); // the force at the start of the step
    placeParticleFigures();
    if (Form2 != nullptr)
        Form2->showParticle();
    Xc3DWorld->DrawWorld();
}

void TForm1::stepUnseen()
{
    // Every step moves the particle, so the trace samples it; what only
    // shows a value waits for the step that is shown.
    integrateAndRecord();
    placeParticleFigures();
}

void TForm1::placeParticleFigures()
{
    scene_->placeParticle(Sim);
    placeVectorFigure(VectorQuantity::Velocity);
    placeVectorFigure(VectorQuantity::Acceleration);
    placePositionFigure();
}

void TForm1::showBlink()
{
    switch (applyBlink(Blink)) {
    case CaptionChange::Stop: BtnAniStop->setText(QStringLiteral("STOP")); break;
    case CaptionChange::Blank: showAnimationCaption(" ", clRed); break;
    case CaptionChange::Unchanged: break;
    }
}

void TForm1::TimeScaleTimer() { stepScale(); }

void TForm1::stepScale()
{
    stepFactor(Factors);
    if (Form5 == nullptr)
        return;

    // At most one is selected; its factor takes the new value.
    static const struct {
        VectorQuantity quantity;
        float DrawingFactors::*factor;
    } targets[] = {
        {VectorQuantity::Velocity, &DrawingFactors::FactorV},
        {VectorQuantity::Acceleration, &DrawingFactors::FactorA},
        {VectorQuantity::Electric, &DrawingFactors::FactorE},
        {VectorQuantity::Magnetic, &DrawingFactors::FactorB},
    };
    for (const auto &target : targets) {
        if (!Form5->isSelected(target.quantity))
            continue;
        Factors.*target.factor = Factors.FactorActual;
        placeVectorFigure(target.quantity);
        Xc3DWorld->DrawWorld();
    }
    Form5->showFactor(Factors.FactorActual);
}

void TForm1::TimeQTimer()
{
    Sim.q = Sim.q + Sim.PasoQ;
    if (Form2 != nullptr)
        Form2->showCharge();
    ACELERACION();
    DIBUJA_ACELERACION();
    IMPRIME_ACELERACION();
    Xc3DWorld->DrawWorld();
}

void TForm1::saveToFile()
{
    const std::string name = chooseExperimentFileName(Files);
    const FileResult result = saveExperiment(name, Sim);
    if (result.ok)
        reportExperimentSuccess();
    else
        reportSaveFailure(this, name, result.reason);
}

void TForm1::loadFromFile()
{
    const std::string name = chooseExperimentFileName(Files);
    const FileResult result = loadExperiment(name, Sim);
    if (!result.ok) {
        // Nothing was read, so nothing is refreshed.
        reportLoadFailure(this, name, result.reason);
        return;
    }
    // The loaded instant starts a new run.
    startNewRun();

    EditT->setText(QString::fromStdString(format32(Sim.t)));
    if (Form2 != nullptr) {
        Form2->showParticle();
        Form2->showFields();
    }

    ACELERACION();
    IMPRIME_ACELERACION();
    DIBUJA_ACELERACION();
    if (Form2 != nullptr)
        Form2->showCharge();

    scene_->placeParticle(Sim);
    placeVectorFigure(VectorQuantity::Velocity);
    placePositionFigure();

    Xc3DWorld->DrawWorld();
    reportExperimentSuccess();
}

} // namespace voltrix
