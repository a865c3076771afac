#include "voltrix/forms/Unit2.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "voltrix/core/Figures.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"
#include "voltrix/core/Simulation.h"
#include "voltrix/core/SliderRules.h"
#include "voltrix/forms/BoxText.h"
#include "voltrix/forms/EnterKey.h"
#include "voltrix/forms/SceneFigures.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/Unit4.h"
#include "voltrix/view3d/TXc3DWorld.h"

namespace voltrix {

TForm2 *Form2 = nullptr;

namespace {

constexpr float kChargeStep = 0.1f;

// The panel's own label offsets: its velocity arrow is drawn at true length,
// and label 2 stands higher than where the step puts it.
constexpr Point3 kPanelPositionLabelOffset{0, 15, 5};
constexpr float kTrueLength = 1.0f;

} // namespace

TForm2::TForm2(SceneFigures &scene, QWidget *parent)
    : QWidget(parent)
    , scene_(scene)
{
    buildWindow();
    connectHandlers();
    FormCreate();
}

QScrollBar *TForm2::slider(int c) const { return this->*rows()[static_cast<std::size_t>(c)].slider; }

QLineEdit *TForm2::edit(int c) const { return this->*rows()[static_cast<std::size_t>(c)].edit; }

int TForm2::componentOf(const QObject *watched) const
{
    for (int c = 0; c < ComponentCount; ++c)
        if (edit(c) == watched)
            return c;
    return -1;
}

// ---------------------------------------------------------------------------
// What the other windows ask for

bool TForm2::unitIsCm() const { return ComboUnidades->currentText() == QStringLiteral("cm"); }

void TForm2::showParticle()
{
    // The sliders clamp; the boxes show the true values.
    show31(EditX, Sim.x);
    show31(EditY, Sim.y);
    show31(EditZ, Sim.z);
    ScX->setValue(wholePartPosition(Sim.x));
    ScY->setValue(wholePartPosition(Sim.y));
    ScZ->setValue(wholePartPosition(Sim.z));
    ScVx->setValue(wholePartPosition(Sim.vx));
    show31(EditVx, Sim.vx);
    ScVy->setValue(wholePartPosition(Sim.vy));
    show31(EditVy, Sim.vy);
    ScVz->setValue(wholePartPosition(Sim.vz));
    show31(EditVz, Sim.vz);
}

void TForm2::showFields()
{
    showComponents(Ex, &wholePartPosition);
    showMagneticField();
}

void TForm2::showMagneticField() { showComponents(Bx, &tenthsPosition); }

void TForm2::showComponents(Component first, int (*placement)(float))
{
    for (int c = first; c < first + 3; ++c) {
        const float value = Sim.*rows()[static_cast<std::size_t>(c)].value;
        slider(c)->setValue(placement(value));
        show31(edit(c), value);
    }
}

void TForm2::showCharge() { show31(EditQ, Sim.q); }

void TForm2::showElectricXYSliders(bool shown)
{
    ScEx->setVisible(shown);
    ScEy->setVisible(shown);
}

void TForm2::setFieldMode(bool confined)
{
    GroupMagnet->setVisible(!confined);
    GroupELocal->setVisible(confined);
    for (QScrollBar *magnetic : {ScBx, ScBy, ScBz})
        magnetic->setVisible(!confined);
    if (!confined)
        showElectricXYSliders(true);
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
    const Row &row = rows()[c];
    QLineEdit *box = edit(c);
    // The position the slider is going to: during a user action the value
    // itself is only updated once the handlers have run.
    const float value = componentValue(slider(c)->sliderPosition());
    if (row.startValue)
        Sim.*row.startValue = value;
    Sim.*row.value = value;

    TXc3DWorld &view = scene_.view();
    switch (row.family) {
    case Family::Magnetic:
        showValue(box, value);
        moveFieldFigure(VectorQuantity::Magnetic);
        Form1->ACELERACION();
        Form1->DIBUJA_ACELERACION();
        Form1->IMPRIME_ACELERACION();
        view.SetupWorld();
        view.DrawWorld();
        break;
    case Family::Electric:
        moveFieldFigure(VectorQuantity::Electric);
        Form1->ACELERACION();
        Form1->IMPRIME_ACELERACION();
        Form1->DIBUJA_ACELERACION();
        view.DrawWorld();
        showValue(box, value);
        break;
    case Family::Velocity:
        showValue(box, value);
        moveVelocityFigure(true);
        Form1->ACELERACION();
        Form1->DIBUJA_ACELERACION();
        Form1->IMPRIME_ACELERACION();
        view.SetupWorld();
        view.DrawWorld();
        break;
    case Family::Position:
        // A new position does not change the force: the old acceleration
        // is drawn again at the new place.
        showValue(box, value);
        movePositionFigure();
        Form1->DIBUJA_ACELERACION();
        view.SetupWorld();
        view.DrawWorld();
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
    const float typed = readEditValue(edit(c)->text().toStdString());
    slider(c)->setValue(typedTenthsPosition(typed));
    sliderChanged(c);
}

// ---------------------------------------------------------------------------
// Time step and length unit

void TForm2::ScDtChange() { Sim.dt = timeStepValue(ScDt->value()); }

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
        if (Sim.CampoConfinado) {
            Sim.Ez = 0.1f;
            showValue(EditEz, Sim.Ez);
        }
        voltrix::ACELERACION(Sim);
        Form1->IMPRIME_ACELERACION();
        Form1->DIBUJA_ACELERACION();
        Sim.vx = static_cast<float>(Sim.vx * 100.0);
        Sim.vy = static_cast<float>(Sim.vy * 100.0);
        Sim.vz = static_cast<float>(Sim.vz * 100.0);
        scene_.view().DrawWorld();
    } else if (text == QLatin1String("m")) {
        GroupBoxVel->setTitle(QStringLiteral("Velocidad m/s"));
        if (Sim.CampoConfinado) {
            Sim.Ez = 8.0f;
            showValue(EditEz, Sim.Ez);
        }
        // The same numbers now count in metres: the quantities in SI change.
        Form1->showMagnitudes();
    }
}

// ---------------------------------------------------------------------------
// Start-up fill

void TForm2::FormCreate()
{
    for (Component c : {Bx, By, Bz, Vx, Vy, Vz, X, Y, Z, Ex, Ey, Ez}) {
        const float value = Sim.*rows()[c].fillFrom;
        placeWholePart(slider(c), value);
        showValue(edit(c), value);
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
    Sim.q = readEditValue(EditQ->text().toStdString());
    Form1->ACELERACION();
    Form1->IMPRIME_ACELERACION();
    Form1->DIBUJA_ACELERACION();
    scene_.view().DrawWorld();
    showValue(EditQ, Sim.q);
}

void TForm2::QUpMouseDown()
{
    Sim.PasoQ = kChargeStep;
    Form1->startChargeTimer();
}

void TForm2::QDownMouseDown()
{
    Sim.PasoQ = -kChargeStep;
    Form1->startChargeTimer();
}

void TForm2::QNull() { Form1->stopChargeTimer(); }

// ---------------------------------------------------------------------------
// Store, recall and the region box

void TForm2::BtnAlmacenarMouseDown()
{
    Files.UsarDatos = true;
    Form1->saveToFile();
}

void TForm2::BtnRecuperarMouseDown()
{
    Files.UsarDatos = true;
    Form1->loadFromFile();
}

void TForm2::GroupELocalDblClick()
{
    // The same switch as the menu's "En todo el espacio".
    Form1->TodoEspacioClick();
}

// ---------------------------------------------------------------------------
// Helpers

void TForm2::showValue(QLineEdit *box, float value) { setText31(box, value); }

void TForm2::placeWholePart(QScrollBar *bar, float value) { bar->setValue(wholePartPosition(value)); }

void TForm2::placeTenths(QScrollBar *bar, float value) { bar->setValue(tenthsPosition(value)); }

void TForm2::placeTimeStep() { ScDt->setValue(timeStepPosition(Sim.dt)); }

void TForm2::moveVelocityFigure(bool arrowAndLabel)
{
    const FigureGeometry figure = velocityFigure(Sim, kTrueLength);
    if (arrowAndLabel) {
        scene_.placeFigure(VectorQuantity::Velocity, figure);
        return;
    }
    for (int line = 1; line < kFigureParts; ++line)
        scene_.placePart(VectorQuantity::Velocity, line, figure);
    scene_.placeRectangle(VectorQuantity::Velocity, figure);
}

void TForm2::movePositionLines()
{
    // Only the parts ticked in the vector options follow.
    const FigureGeometry figure = positionFigure(Sim, kPanelPositionLabelOffset);
    for (int part = 0; part < kFigureParts; ++part)
        if (Form4->isPartShown(VectorQuantity::Position, part))
            scene_.placePart(VectorQuantity::Position, part, figure);
}

void TForm2::movePositionFigure()
{
    scene_.placeParticle(Sim);
    movePositionLines();
    scene_.placeLabel(VectorQuantity::Position, positionFigure(Sim, kPanelPositionLabelOffset).label);
    moveVelocityFigure(Form4->isPartShown(VectorQuantity::Velocity, kArrowPart));
}

void TForm2::moveFieldFigure(VectorQuantity quantity)
{
    scene_.placeFigure(quantity, vectorFigure(quantity, Sim, Factors));
}

} // namespace voltrix
