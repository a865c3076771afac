// The main window's controls: turning and zooming the view, the animation
// button and its blink switch, the trace, time, cube and axes switches, the
// field-region switch and the menu items that show and hide the windows.
#include "voltrix/forms/Unit1.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

#include "voltrix/core/NumberText.h"
#include "voltrix/core/Simulation.h"
#include "voltrix/forms/EnterKey.h"
#include "voltrix/forms/ExperimentDialogs.h"
#include "voltrix/forms/SceneFigures.h"
#include "voltrix/forms/TickClock.h"
#include "voltrix/forms/Unit1Layout.h"
#include "voltrix/forms/Unit2.h"
#include "voltrix/forms/Unit3.h"
#include "voltrix/forms/Unit4.h"
#include "voltrix/forms/Unit5.h"
#include "voltrix/forms/Unit6.h"
#include "voltrix/forms/UnitMagnitudes.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

using namespace mainwin;

// Rotation.

void TForm1::holdTurn(float stepAlfa, float stepBeta)
{
    Camera.PasoAlfa = stepAlfa;
    Camera.PasoBeta = stepBeta;
    TimeGiro->start();
}

void TForm1::GiroLMouseDown() { holdTurn(-kTurnStep, 0); }
void TForm1::GiroRMouseDown() { holdTurn(kTurnStep, 0); }
void TForm1::GiroUMouseDown() { holdTurn(0, -kTurnStep); }
void TForm1::GiroDMouseDown() { holdTurn(0, kTurnStep); }

void TForm1::GiroNull() { TimeGiro->stop(); }

void TForm1::TimeGiroTimer() { showTurn(turnView(Camera)); }

void TForm1::showTurn(ViewAngles angles)
{
    Xc3DWorld->Alfa = angles.alfa;
    Xc3DWorld->Beta = angles.beta;
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

void TForm1::LabelGiroClick()
{
    Camera.AnguloAlfa = Camera.AnguloBeta = 0;
    Xc3DWorld->Alfa = Xc3DWorld->Beta = 0;
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

// Zoom.

void TForm1::holdZoom(float step)
{
    Camera.PasoZoom = step;
    TimeZoom->start();
}

void TForm1::ZoomUp() { holdZoom(kZoomStep); }
void TForm1::ZoomDown() { holdZoom(-kZoomStep); }

void TForm1::ZoomNull() { TimeZoom->stop(); }

void TForm1::TimeZoomTimer()
{
    Xc3DWorld->Zoom = stepZoom(Camera);
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

void TForm1::LabelZoomClick()
{
    Camera.ZoomActual = kResetZoom;
    Xc3DWorld->Zoom = kResetZoom;
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

// The mouse in the view.

void TForm1::Xc3DWorldMouseDown(QPoint at)
{
    dragging_ = true;
    dragFrom_ = at;
}

void TForm1::Xc3DWorldMouseMove(QPoint at)
{
    const QPoint moved = at - dragFrom_;
    dragFrom_ = at;
    if (moved.isNull())
        return;
    showTurn(dragView(Camera, {Xc3DWorld->Alfa, Xc3DWorld->Beta}, moved.x(), moved.y()));
}

void TForm1::Xc3DWorldMouseUp() { dragging_ = false; }

void TForm1::Xc3DWorldDblClick()
{
    LabelGiroClick();
    LabelZoomClick();
}

void TForm1::Xc3DWorldMouseWheel(int angleDelta)
{
    // A fine-stepping wheel sends parts of a notch; they add up to notches.
    wheelEighths_ += angleDelta;
    const int notches = wheelEighths_ / kWheelNotch;
    wheelEighths_ -= notches * kWheelNotch;
    if (notches == 0)
        return;
    Xc3DWorld->Zoom = wheelZoom(Camera, notches);
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

// The other windows' hold buttons run timers of this window.

void TForm1::startChargeTimer() { TimeQ->start(); }
void TForm1::stopChargeTimer() { TimeQ->stop(); }
void TForm1::startScaleTimer() { TimeScale->start(); }
void TForm1::stopScaleTimer() { TimeScale->stop(); }

void TForm1::stopTimers()
{
    for (TickTimer *timer : {TimeAnimacion, TimeGiro, TimeZoom, TimeScale, TimeQ})
        timer->stop();
}

// Animation and the strip's switches.

void TForm1::BtnAniStopMouseDown()
{
    // A time typed into the box counts: the button takes no focus, so the
    // box would never be left and the first step would overwrite it.
    if (EditT->isModified())
        commitTimeEntry();
    if (TimeAnimacion->isActive()) {
        TimeAnimacion->stop();
        CheckParpadeo->hide();
        showAnimationCaption("Animación", clMaroon);
        UnPaso->setEnabled(true);
    } else {
        stepsPerTick_.reset();
        TimeAnimacion->start();
        showAnimationCaption("STOP", clRed);
        CheckParpadeo->show();
        UnPaso->setEnabled(false);
    }
}

void TForm1::VelocidadClick(int stepsPerSecond)
{
    stepsPerTick_ = StepsPerTick(stepsPerSecond);
    VelocidadNormal->setChecked(stepsPerSecond == kNormalSpeed);
    VelocidadRapida->setChecked(stepsPerSecond == kFastSpeed);
    VelocidadMaxima->setChecked(stepsPerSecond == kTopSpeed);
}

void TForm1::CheckParpadeoClick() { Blink.ParpadeoActivo = CheckParpadeo->isChecked(); }

void TForm1::CheckTrazaClick()
{
    const bool on = CheckTraza->isChecked();
    scene_->relinkTrace(on, kTraceIntervalRelinked);
    // Ticking shows the trace at the next redraw; unticking removes it now.
    if (!on)
        Xc3DWorld->DrawWorld();
}

void TForm1::setTrace(bool on)
{
    // Ticking relinks the trace, which empties it: it starts afresh.
    if (on) {
        Xc3DWorld->ShowTrace = true;
        if (!CheckTraza->isChecked())
            CheckTraza->click();
    } else if (CheckTraza->isChecked()) {
        Xc3DWorld->ShowTrace = false;
        CheckTraza->click(); // unticks it; its handler runs
    }
}

void TForm1::CheckTiempoClick() { EditT->setVisible(CheckTiempo->isChecked()); }

void TForm1::EditTKeyPress(char &Key)
{
    if (Key == kEnterKey)
        commitTimeEntry();
}

void TForm1::EditTExit() { commitTimeEntry(); }

void TForm1::commitTimeEntry()
{
    // No number, nan, inf, a value no float holds or one above 1e7 all give
    // 0, so the time stays finite.
    Sim.t = readEditValue(EditT->text().toStdString());
    EditT->setText(QString::fromStdString(format32(Sim.t)));
}

void TForm1::CheckCuboClick()
{
    Xc3DWorld->SetCube(clGreen, CheckCubo->isChecked());
    Xc3DWorld->DrawWorld();
}

void TForm1::CheckEjesClick()
{
    if (CheckEjes->isChecked())
        Xc3DWorld->SetAxes(clLime, true);
    else
        Xc3DWorld->SetAxes(clBlue, false);
    Xc3DWorld->DrawWorld();
}

// Files.

void TForm1::CargarClick() { CargarExperimento(this); }

void TForm1::GrabarClick() { GrabarExperimento(this); }

void TForm1::ExportarDatosClick() { ExportarDatosCsv(this, cmSelected()); }

void TForm1::Fin1Click()
{
    // At once, without closing the windows first.
    std::fflush(nullptr);
    std::_Exit(0);
}

// Field region.

void TForm1::ConfinadoClick()
{
    Sim.CampoConfinado = true;
    if (Form2 != nullptr)
        Form2->showElectricXYSliders(false);

    Sim.Bx = Sim.By = Sim.Bz = 0;
    if (Form2 != nullptr)
        Form2->showMagneticField();

    // Unticking runs the boxes' own handlers.
    if (Form4 != nullptr)
        Form4->hideQuantity(VectorQuantity::Magnetic);

    for (int part = 0; part < kFigureParts; ++part)
        scene_->colourPart(VectorQuantity::Magnetic, part, clBlack);
    scene_->colourLabel(VectorQuantity::Magnetic, clBlack);
    scene_->colourRectangle(VectorQuantity::Magnetic, clBlack);

    if (Form2 != nullptr)
        Form2->setFieldMode(true);

    scene_->showRegionFaces(true);

    // The numbers in the vector options window wait for the next step.
    ACELERACION();
    DIBUJA_ACELERACION();
    Xc3DWorld->DrawWorld();

    Confinado->setChecked(true);
    TodoEspacio->setChecked(false);
}

void TForm1::TodoEspacioClick()
{
    Sim.CampoConfinado = false;
    if (Form2 != nullptr)
        Form2->setFieldMode(false);
    scene_->showRegionFaces(false);
    // B stays as it is (0 after confining); the force waits for the next change.
    Xc3DWorld->DrawWorld();
    showMagnitudes(); // E acts everywhere again

    Confinado->setChecked(false);
    TodoEspacio->setChecked(true);
}

// Window menu items.

void TForm1::toggleWindow(QWidget *window, QAction *item)
{
    if (window == nullptr)
        return;
    if (window->isVisible()) {
        window->hide();
        if (item != nullptr)
            item->setChecked(false);
    } else {
        window->show();
        window->raise();
        window->activateWindow();
        if (item != nullptr)
            item->setChecked(true);
    }
}

void TForm1::ControlClick() { toggleWindow(Form2, Control); }

void TForm1::MuestraVectoresClick() { toggleWindow(Form4, MuestraVectores); }

void TForm1::FactordeEscalaClick() { toggleWindow(Form5, FactordeEscala); }

void TForm1::InformacionClick()
{
    // Opened from the menu, the about window always shows its text.
    if (Form3 != nullptr && !Form3->isVisible())
        Form3->showTextState();
    toggleWindow(Form3, nullptr);
}

void TForm1::Ayuda1Click() { toggleWindow(Form6, nullptr); }

void TForm1::Magnitudes1Click() { toggleWindow(FormMagnitudes, Magnitudes1); }

} // namespace voltrix
