// The main window's controls: turning and zooming the view, the animation
// button and its blink switch, the trace, time, cube and axes switches, the
// field-region switch and the menu items that show and hide the windows.
#include "voltrix/forms/Unit1.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>
#include <cstdlib>

#include "voltrix/core/NumberText.h"
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
#include "voltrix/forms/UnitGraficas.h"
#include "voltrix/forms/UnitGuia.h"
#include "voltrix/forms/UnitMagnitudes.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

using namespace mainwin;

// Rotation.

void TForm1::holdTurn(float stepAlfa, float stepBeta)
{
    experiment_.holdTurn(stepAlfa, stepBeta);
    TimeGiro->start();
}

void TForm1::GiroLMouseDown() { holdTurn(-kTurnStep, 0); }
void TForm1::GiroRMouseDown() { holdTurn(kTurnStep, 0); }
void TForm1::GiroUMouseDown() { holdTurn(0, -kTurnStep); }
void TForm1::GiroDMouseDown() { holdTurn(0, kTurnStep); }

void TForm1::GiroNull() { TimeGiro->stop(); }

void TForm1::TimeGiroTimer() { experiment_.turn(); }

void TForm1::LabelGiroClick() { experiment_.resetTurn(); }

// Zoom.

void TForm1::holdZoom(float step)
{
    experiment_.holdZoom(step);
    TimeZoom->start();
}

void TForm1::ZoomUp() { holdZoom(kZoomStep); }
void TForm1::ZoomDown() { holdZoom(-kZoomStep); }

void TForm1::ZoomNull() { TimeZoom->stop(); }

void TForm1::TimeZoomTimer() { experiment_.zoom(); }

void TForm1::LabelZoomClick() { experiment_.resetZoom(); }

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
    experiment_.drag(moved.x(), moved.y());
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
    experiment_.wheel(notches);
}

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
        //: button caption: starts the animation (noun); the button is 72 px wide
        showAnimationCaption(QT_TRANSLATE_NOOP("voltrix::TForm1", "Animación"), clMaroon);
        UnPaso->setEnabled(true);
    } else {
        stepsPerTick_.reset();
        TimeAnimacion->start();
        //: button caption while the animation runs: stops it; the button is 72 px wide
        showAnimationCaption(QT_TRANSLATE_NOOP("voltrix::TForm1", "STOP"), clRed);
        CheckParpadeo->show();
        UnPaso->setEnabled(false);
    }
}

void TForm1::ExperienciaClick(int index)
{
    const ClassicExperiment &chosen = classicExperiments().at(static_cast<std::size_t>(index));
    if (TimeAnimacion->isActive())
        BtnAniStopMouseDown(); // stopped, as a teacher starts it when the class is ready
    experiment_.setUp(chosen);
    FormGuia->showGuide(guideLines(chosen));
}

void TForm1::VelocidadClick(int stepsPerSecond)
{
    stepsPerTick_ = StepsPerTick(stepsPerSecond);
    VelocidadNormal->setChecked(stepsPerSecond == kNormalSpeed);
    VelocidadRapida->setChecked(stepsPerSecond == kFastSpeed);
    VelocidadMaxima->setChecked(stepsPerSecond == kTopSpeed);
}

void TForm1::CheckParpadeoClick() { experiment_.setBlinking(CheckParpadeo->isChecked()); }

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
    experiment_.setTime(readEditValue(EditT->text().toStdString()));
    // Written even when unchanged: the box no longer counts as typed into.
    EditT->setText(QString::fromStdString(format32(experiment_.state().t)));
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

void TForm1::CargarClick()
{
    // An empty name is no choice.
    const std::optional<std::string> name = runOpenDialog(this);
    if (!name || name->empty())
        return;
    experiment_.setFileName(*name);
    loadFromFile();
}

void TForm1::GrabarClick()
{
    const std::optional<std::string> name = runSaveDialog(this);
    if (!name)
        return;
    experiment_.setFileName(*name);
    saveToFile();
}

void TForm1::ExportarDatosClick() { ExportarDatosCsv(this, experiment_.run(), experiment_.state().unit); }

void TForm1::Fin1Click()
{
    // At once, without closing the windows first.
    std::fflush(nullptr);
    std::_Exit(0);
}

// Field region.

void TForm1::ConfinadoClick() { experiment_.setFieldConfined(true); }

void TForm1::TodoEspacioClick() { experiment_.setFieldConfined(false); }

// Window menu items.

void TForm1::toggleWindow(QWidget *window, QAction *item)
{
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
    if (!Form3->isVisible())
        Form3->showTextState();
    toggleWindow(Form3, nullptr);
}

void TForm1::Ayuda1Click() { toggleWindow(Form6, nullptr); }

void TForm1::Magnitudes1Click() { toggleWindow(FormMagnitudes, Magnitudes1); }

void TForm1::Graficas1Click() { toggleWindow(FormGraficas, Graficas1); }

} // namespace voltrix
