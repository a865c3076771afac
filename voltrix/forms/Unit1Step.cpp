// The main window's share of the physics: the force law as the other windows
// call it, the animation step with everything it refreshes, the vector
// figures, the acceleration displays, the scale and charge timers, and saving
// and loading an experiment.
#include "Unit1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>

#include "ExperimentDialogs.h"
#include "ExperimentFile.h"
#include "Figures.h"
#include "NumberText.h"
#include "Physics.h"
#include "SimState.h"
#include "SliderRules.h"
#include "TXc3DWorld.h"
#include "Unit1Layout.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"

using voltrix::Sim;
using namespace voltrix::mainwin;

namespace {

// Ten boxes are written on every step; an unchanged text is left alone, which
// spares the box its text layout.
void showText(QLineEdit *edit, const std::string &text)
{
    const QString shown = QString::fromStdString(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

void show31(QLineEdit *edit, float value)
{
    showText(edit, voltrix::format31(value));
}

// Which figure a scale-window button redraws.
struct ScaleTarget {
    QPushButton *TForm5::*button;
    float voltrix::SimState::*factor;
    void (TForm1::*place)();
};

} // namespace

bool TForm1::cmSelected() const
{
    return Form2 != nullptr && Form2->ComboUnidades != nullptr
        && Form2->ComboUnidades->currentText() == QStringLiteral("cm");
}

void TForm1::PRODUCTO_VECTORIAL()
{
    voltrix::PRODUCTO_VECTORIAL(Sim);
}

void TForm1::ACELERACION()
{
    // Velocities go in as m/s whatever the unit, so the magnetic term is
    // never built from cm/s.
    voltrix::computeForceForDisplay(Sim, cmSelected());
}

void TForm1::IMPRIME_ACELERACION()
{
    if (Form4 == nullptr)
        return; // the vector options window is created after this one
    show31(Form4->EditAx, Sim.ax);
    show31(Form4->EditAy, Sim.ay);
    show31(Form4->EditAz, Sim.az);
}

void TForm1::DIBUJA_ACELERACION()
{
    placeAccelerationFigure();
}

namespace {

// A figure's objects in the order its callers move them: the four segments,
// then the plane (0: none) and the label, or the label before the plane.
void placeGeometry(TXc3DWorld &view, const voltrix::FigureGeometry &g, int firstSegment, int plane,
                   int label, bool labelBeforePlane)
{
    for (int i = 0; i < 4; ++i) {
        const voltrix::Segment3 &s = g.segments[static_cast<std::size_t>(i)];
        view.MoveSegment(firstSegment + i, s.from.x, s.from.y, s.from.z, s.to.x, s.to.y, s.to.z);
    }
    const auto movePlane = [&] {
        if (plane == 0)
            return;
        const auto &c = g.planeCorners;
        view.MovePlane(plane, c[0].x, c[0].y, c[0].z, c[1].x, c[1].y, c[1].z, c[2].x, c[2].y,
                       c[2].z, c[3].x, c[3].y, c[3].z);
    };
    if (!labelBeforePlane)
        movePlane();
    view.MoveLabel(label, g.label.x, g.label.y, g.label.z);
    if (labelBeforePlane)
        movePlane();
}

} // namespace

void TForm1::placeFigure(int firstSegment, int plane, int label, float Ax, float Ay, float Az,
                         float wx, float wy, float wz, float labelX, float labelY, float labelZ)
{
    voltrix::FigureGeometry g = voltrix::figureGeometry({Ax, Ay, Az}, {wx, wy, wz});
    g.label = {labelX, labelY, labelZ};
    placeGeometry(*Xc3DWorld, g, firstSegment, plane, label, false);
}

void TForm1::placeVelocityFigure()
{
    placeGeometry(*Xc3DWorld, voltrix::velocityFigure(Sim), 1, 2, 1, true);
}

void TForm1::placeAccelerationFigure()
{
    placeGeometry(*Xc3DWorld, voltrix::accelerationFigure(Sim), 9, 3, 3, false);
}

void TForm1::placeElectricFigure()
{
    placeGeometry(*Xc3DWorld, voltrix::electricFigure(Sim), 13, 4, 4, false);
}

void TForm1::placeMagneticFigure()
{
    placeGeometry(*Xc3DWorld, voltrix::magneticFigure(Sim), kMagneticFirstSegment, kMagneticPlane,
                  kMagneticLabel, false);
}

void TForm1::placePositionFigure()
{
    const voltrix::FigureGeometry g = voltrix::positionFigure(Sim);
    if (Form4 != nullptr) {
        QCheckBox *const lineBoxes[] = {Form4->CheckVectorPo, Form4->CheckPosX, Form4->CheckPosY,
                                        Form4->CheckPosZ};
        for (int i = 0; i < 4; ++i) {
            if (!lineBoxes[i]->isChecked())
                continue;
            const voltrix::Segment3 &s = g.segments[static_cast<std::size_t>(i)];
            Xc3DWorld->MoveSegment(5 + i, s.from.x, s.from.y, s.from.z, s.to.x, s.to.y, s.to.z);
        }
    }
    Xc3DWorld->MoveLabel(2, g.label.x, g.label.y, g.label.z);
}

void TForm1::refreshPanelReadout()
{
    if (Form2 == nullptr)
        return;
    show31(Form2->EditX, Sim.x);
    show31(Form2->EditY, Sim.y);
    show31(Form2->EditZ, Sim.z);
    // The sliders clamp; the boxes show the true values.
    Form2->ScX->setValue(voltrix::wholePartPosition(Sim.x));
    Form2->ScY->setValue(voltrix::wholePartPosition(Sim.y));
    Form2->ScZ->setValue(voltrix::wholePartPosition(Sim.z));
    Form2->ScVx->setValue(voltrix::wholePartPosition(Sim.vx));
    show31(Form2->EditVx, Sim.vx);
    Form2->ScVy->setValue(voltrix::wholePartPosition(Sim.vy));
    show31(Form2->EditVy, Sim.vy);
    Form2->ScVz->setValue(voltrix::wholePartPosition(Sim.vz));
    show31(Form2->EditVz, Sim.vz);
}

void TForm1::showAnimationCaption(const char *caption, unsigned colour)
{
    QPalette palette = BtnAniStop->palette();
    palette.setColor(QPalette::ButtonText, toQColor(colour));
    BtnAniStop->setPalette(palette);
    BtnAniStop->setText(QString::fromUtf8(caption));
}

void TForm1::TimeAnimacionTimer()
{
    voltrix::integrateStep(Sim, cmSelected());
    showText(EditT, voltrix::format32(Sim.t));
    IMPRIME_ACELERACION(); // the force at the start of the step

    Xc3DWorld->MoveParticle(1, Sim.x, Sim.y, Sim.z);
    placeVelocityFigure();
    placeAccelerationFigure();
    placePositionFigure();

    refreshPanelReadout();
    Xc3DWorld->DrawWorld();

    switch (voltrix::applyBlink(Sim)) {
    case voltrix::CaptionChange::Stop:
        BtnAniStop->setText(QStringLiteral("STOP"));
        break;
    case voltrix::CaptionChange::Blank:
        showAnimationCaption(" ", clRed);
        break;
    case voltrix::CaptionChange::Unchanged:
        break;
    }
}

void TForm1::TimeScaleTimer()
{
    Sim.FactorActual = Sim.FactorActual + Sim.PasoFactor;
    if (Sim.FactorActual < kMinFactor)
        Sim.FactorActual = static_cast<float>(kMinFactor);
    if (Form5 == nullptr)
        return;

    static const ScaleTarget targets[] = {
        {&TForm5::ScaleV, &voltrix::SimState::FactorV, &TForm1::placeVelocityFigure},
        {&TForm5::ScaleA, &voltrix::SimState::FactorA, &TForm1::placeAccelerationFigure},
        {&TForm5::ScaleE, &voltrix::SimState::FactorE, &TForm1::placeElectricFigure},
        {&TForm5::ScaleB, &voltrix::SimState::FactorB, &TForm1::placeMagneticFigure},
    };
    for (const ScaleTarget &target : targets) {
        if (!(Form5->*target.button)->isChecked())
            continue;
        Sim.*target.factor = Sim.FactorActual;
        (this->*target.place)();
        Xc3DWorld->DrawWorld();
    }
    show31(Form5->EditScale, Sim.FactorActual);
}

void TForm1::TimeQTimer()
{
    Sim.q = Sim.q + Sim.PasoQ;
    if (Form2 != nullptr)
        show31(Form2->EditQ, Sim.q);
    ACELERACION();
    DIBUJA_ACELERACION();
    IMPRIME_ACELERACION();
    Xc3DWorld->DrawWorld();
}

void TForm1::saveToFile()
{
    const std::string name = voltrix::chooseExperimentFileName(Sim);
    const voltrix::FileResult result = voltrix::saveExperiment(name, Sim);
    if (result.ok)
        voltrix::reportExperimentSuccess();
    else
        voltrix::reportSaveFailure(this, name, result.reason);
}

void TForm1::loadFromFile()
{
    const std::string name = voltrix::chooseExperimentFileName(Sim);
    const voltrix::FileResult result = voltrix::loadExperiment(name, Sim);
    if (!result.ok) {
        // Nothing was read, so nothing is refreshed.
        voltrix::reportLoadFailure(this, name, result.reason);
        return;
    }

    EditT->setText(QString::fromStdString(voltrix::format32(Sim.t)));
    if (Form2 != nullptr) {
        refreshPanelReadout();
        Form2->ScEx->setValue(voltrix::wholePartPosition(Sim.Ex));
        show31(Form2->EditEx, Sim.Ex);
        Form2->ScEy->setValue(voltrix::wholePartPosition(Sim.Ey));
        show31(Form2->EditEy, Sim.Ey);
        Form2->ScEz->setValue(voltrix::wholePartPosition(Sim.Ez));
        show31(Form2->EditEz, Sim.Ez);
        Form2->ScBx->setValue(voltrix::tenthsPosition(Sim.Bx));
        show31(Form2->EditBx, Sim.Bx);
        Form2->ScBy->setValue(voltrix::tenthsPosition(Sim.By));
        show31(Form2->EditBy, Sim.By);
        Form2->ScBz->setValue(voltrix::tenthsPosition(Sim.Bz));
        show31(Form2->EditBz, Sim.Bz);
    }

    ACELERACION();
    IMPRIME_ACELERACION();
    DIBUJA_ACELERACION();
    if (Form2 != nullptr)
        show31(Form2->EditQ, Sim.q);

    Xc3DWorld->MoveParticle(1, Sim.x, Sim.y, Sim.z);
    placeVelocityFigure();
    placePositionFigure();

    Xc3DWorld->DrawWorld();
    voltrix::reportExperimentSuccess();
}
