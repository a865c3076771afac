// The main window's controls: turning and zooming the view, the animation
// button and its blink switch, the trace, time, cube and axes switches, the
// field-region switch and the menu items that show and hide the windows.
#include "Unit1.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "ExperimentDialogs.h"
#include "FloatToInt.h"
#include "NumberText.h"
#include "SimState.h"
#include "SliderRules.h"
#include "TXc3DWorld.h"
#include "Unit1Layout.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"

using voltrix::Sim;
using namespace voltrix::mainwin;

namespace {

// One camera angle after a rotation tick: whole degrees 0..359. Going down
// from 0 shows 359 and leaves the accumulator at 360, so the next tick shows
// 359 once more before moving on to 358.
void turn(float &accumulator, float step, int &viewAngle)
{
    accumulator = accumulator + step;
    viewAngle = saturatingTrunc(accumulator);
    if (viewAngle > kLastDegree) {
        viewAngle = 0;
        accumulator = 0;
    }
    if (viewAngle < 0) {
        viewAngle = kLastDegree;
        accumulator = kFullTurn;
    }
}

} // namespace

// Rotation.

void TForm1::GiroLMouseDown()
{
    Sim.PasoAlfa = -1;
    Sim.PasoBeta = 0;
    TimeGiro->start();
}

void TForm1::GiroRMouseDown()
{
    Sim.PasoAlfa = 1;
    Sim.PasoBeta = 0;
    TimeGiro->start();
}

void TForm1::GiroUMouseDown()
{
    Sim.PasoAlfa = 0;
    Sim.PasoBeta = -1;
    TimeGiro->start();
}

void TForm1::GiroDMouseDown()
{
    Sim.PasoAlfa = 0;
    Sim.PasoBeta = 1;
    TimeGiro->start();
}

void TForm1::GiroNull()
{
    TimeGiro->stop();
}

void TForm1::TimeGiroTimer()
{
    turn(Sim.AnguloAlfa, Sim.PasoAlfa, Xc3DWorld->Alfa);
    turn(Sim.AnguloBeta, Sim.PasoBeta, Xc3DWorld->Beta);
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

void TForm1::LabelGiroClick()
{
    Sim.AnguloAlfa = Sim.AnguloBeta = 0;
    Xc3DWorld->Alfa = Xc3DWorld->Beta = 0;
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

// Zoom.

void TForm1::ZoomUp()
{
    Sim.PasoZoom = 0.01f;
    TimeZoom->start();
}

void TForm1::ZoomDown()
{
    Sim.PasoZoom = -0.01f;
    TimeZoom->start();
}

void TForm1::ZoomNull()
{
    TimeZoom->stop();
}

void TForm1::TimeZoomTimer()
{
    Sim.ZoomActual = Sim.ZoomActual + Sim.PasoZoom;
    Xc3DWorld->Zoom = Sim.ZoomActual;
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

void TForm1::LabelZoomClick()
{
    // The reset goes to 0.6, a little closer than the 0.55 of start-up.
    Sim.ZoomActual = kResetZoom;
    Xc3DWorld->Zoom = kResetZoom;
    Xc3DWorld->ProjectAll();
    Xc3DWorld->DrawWorld();
}

// Animation and the strip's switches.

void TForm1::BtnAniStopMouseDown()
{
    if (TimeAnimacion->isActive()) {
        TimeAnimacion->stop();
        CheckParpadeo->hide();
        showAnimationCaption("Animación", clMaroon);
    } else {
        TimeAnimacion->start();
        showAnimationCaption("STOP", clRed);
        CheckParpadeo->show();
    }
}

void TForm1::CheckParpadeoClick()
{
    Sim.ParpadeoActivo = CheckParpadeo->isChecked() ? 1 : 0;
}

void TForm1::CheckTrazaClick()
{
    // Relinking empties the trace, so every switch starts a new one.
    if (CheckTraza->isChecked()) {
        Xc3DWorld->LinkTraceToParticle(1, 1, kTracePolyline, clLime, kTraceIntervalRelinked,
                                       kTraceSamples, true);
        Xc3DWorld->ShowTrace = true;
    } else {
        Xc3DWorld->LinkTraceToParticle(1, 1, kTracePolyline, clLime, kTraceIntervalRelinked,
                                       kTraceSamples, false);
        Xc3DWorld->ShowTrace = false;
        Xc3DWorld->DrawWorld();
    }
}

void TForm1::CheckTiempoClick()
{
    EditT->setVisible(CheckTiempo->isChecked());
}

void TForm1::EditTKeyPress(char &Key)
{
    if (Key == kEnterKey)
        commitTimeEntry();
}

void TForm1::EditTExit()
{
    commitTimeEntry();
}

void TForm1::commitTimeEntry()
{
    // No number, nan, inf, a value no float holds or one above 1e7 all give
    // 0, so the time stays finite.
    Sim.t = voltrix::readEditValue(EditT->text().toStdString());
    EditT->setText(QString::fromStdString(voltrix::format32(Sim.t)));
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
    voltrix::CargarExperimento(this);
}

void TForm1::GrabarClick()
{
    voltrix::GrabarExperimento(this);
}

void TForm1::Fin1Click()
{
    // At once, without closing the windows first.
    std::fflush(nullptr);
    std::_Exit(0);
}

// Field region.

void TForm1::ConfinadoClick()
{
    TXc3DWorld &view = *Xc3DWorld;
    Sim.CampoConfinado = 1;
    if (Form2 != nullptr) {
        Form2->ScEx->hide();
        Form2->ScEy->hide();
    }

    Sim.Bx = Sim.By = Sim.Bz = 0;
    if (Form2 != nullptr) {
        const struct {
            QScrollBar *slider;
            QLineEdit *edit;
            float value;
        } magnetic[] = {{Form2->ScBx, Form2->EditBx, Sim.Bx},
                        {Form2->ScBy, Form2->EditBy, Sim.By},
                        {Form2->ScBz, Form2->EditBz, Sim.Bz}};
        for (const auto &component : magnetic) {
            component.slider->setValue(voltrix::tenthsPosition(component.value));
            component.edit->setText(QString::fromStdString(voltrix::format31(component.value)));
        }
    }

    // Unticking runs the boxes' own handlers.
    if (Form4 != nullptr) {
        for (QCheckBox *box : {Form4->CheckVectorB, Form4->CheckBx, Form4->CheckBy, Form4->CheckBz})
            box->setChecked(false);
    }

    for (int s = kMagneticFirstSegment; s < kMagneticFirstSegment + 4; ++s)
        view.ChangeSegmentProperties(kPropColour, s, clBlack);
    view.ChangeLabelProperties(kPropColour, kMagneticLabel, clBlack);
    view.ChangePlaneProperties(kPropColour, kMagneticPlane, clBlack);

    if (Form2 != nullptr) {
        Form2->GroupMagnet->hide();
        Form2->GroupELocal->show();
        Form2->ScBx->hide();
        Form2->ScBy->hide();
        Form2->ScBz->hide();
    }

    using S = voltrix::SimState;
    view.MovePlane(kRegionBottomPlane, S::RegXmin, S::RegYmin, S::RegZmin, S::RegXmin, S::RegYmax,
                   S::RegZmin, S::RegXmax, S::RegYmax, S::RegZmin, S::RegXmax, S::RegYmin, S::RegZmin);
    view.ChangePlaneProperties(kPropKind, kRegionBottomPlane, kPlaneBackground);
    view.ChangePlaneProperties(kPropColour, kRegionBottomPlane, clYellow);
    view.MovePlane(kRegionTopPlane, S::RegXmax, S::RegYmin, S::RegZmax, S::RegXmax, S::RegYmax,
                   S::RegZmax, S::RegXmin, S::RegYmax, S::RegZmax, S::RegXmin, S::RegYmin, S::RegZmax);
    view.ChangePlaneProperties(kPropKind, kRegionTopPlane, kPlaneBackground);
    view.ChangePlaneProperties(kPropColour, kRegionTopPlane, clYellow);

    // The numbers in the vector options window wait for the next step.
    ACELERACION();
    DIBUJA_ACELERACION();
    view.DrawWorld();

    Confinado->setChecked(true);
    TodoEspacio->setChecked(false);
}

void TForm1::TodoEspacioClick()
{
    Sim.CampoConfinado = 0;
    if (Form2 != nullptr) {
        Form2->GroupMagnet->show();
        Form2->GroupELocal->hide();
        for (QScrollBar *slider : {Form2->ScBx, Form2->ScBy, Form2->ScBz, Form2->ScEx, Form2->ScEy})
            slider->show();
    }
    Xc3DWorld->ChangePlaneProperties(kPropColour, kRegionBottomPlane, clBlack);
    Xc3DWorld->ChangePlaneProperties(kPropColour, kRegionTopPlane, clBlack);
    // B stays as it is (0 after confining); the force waits for the next change.
    Xc3DWorld->DrawWorld();

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

void TForm1::ControlClick()
{
    toggleWindow(Form2, Control);
}

void TForm1::MuestraVectoresClick()
{
    toggleWindow(Form4, MuestraVectores);
}

void TForm1::FactordeEscalaClick()
{
    toggleWindow(Form5, FactordeEscala);
}

void TForm1::InformacionClick()
{
    // Opened from the menu, the about window always shows its text.
    if (Form3 != nullptr && !Form3->isVisible())
        Form3->showTextState();
    toggleWindow(Form3, nullptr);
}

void TForm1::Ayuda1Click()
{
    toggleWindow(Form6, nullptr);
}
