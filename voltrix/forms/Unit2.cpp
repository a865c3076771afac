#include "voltrix/forms/Unit2.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>

#include "voltrix/core/NumberText.h"
#include "voltrix/core/SliderRules.h"
#include "voltrix/forms/BoxText.h"
#include "voltrix/forms/EnterKey.h"
#include "voltrix/forms/ExperimentDialogs.h"

namespace voltrix {

TForm2 *Form2 = nullptr;

namespace {

constexpr float kChargeStep = 0.1f;

// What the twelve rows show.
constexpr Experiment::Changes kComponents =
    Experiment::Position | Experiment::Velocity | Experiment::Electric | Experiment::Magnetic;

} // namespace

TForm2::TForm2(Experiment &experiment, QWidget *parent)
    : QWidget(parent)
    , experiment_(experiment)
{
    buildWindow();
    connectHandlers();
    FormCreate();
    connect(&experiment_, &Experiment::changed, this, &TForm2::showChanges);
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
// Following the experiment

void TForm2::showChanges(Experiment::Changes what)
{
    // The panel's own change is on show already: its slider, placed again
    // from the value by another rule, could move.
    if (ownEdit_)
        return;
    for (int c = 0; c < ComponentCount; ++c)
        if (what & rows()[static_cast<std::size_t>(c)].setting.announces & kComponents)
            showComponent(c);
    if (what & Experiment::Charge)
        show31(EditQ, experiment_.state().q);
    if (what & Experiment::TimeStep)
        placeTimeStep();
    if (what & Experiment::Unit)
        showUnit();
    if (what & Experiment::Region)
        showFieldMode();
}

void TForm2::showComponent(int c)
{
    // The sliders clamp; the boxes show the true values.
    const Row &row = rows()[static_cast<std::size_t>(c)];
    const float value = experiment_.state().*row.setting.value;
    slider(c)->setValue(row.placement(value));
    show31(edit(c), value);
}

void TForm2::showUnit()
{
    const SimState &s = experiment_.state();
    const bool cm = s.unit == LengthUnit::Centimetre;
    //: group title: the velocity and its unit; the group is 141 px wide
    const QString inCentimetres = tr("Velocidad cm/s");
    //: group title: the velocity and its unit; the group is 141 px wide
    const QString inMetres = tr("Velocidad m/s");
    GroupBoxVel->setTitle(cm ? inCentimetres : inMetres);
    // The unit sets Ez in the confined mode; its slider stays where it was.
    if (s.CampoConfinado)
        showValue(EditEz, s.Ez);
    const QString text = cm ? QStringLiteral("cm") : QStringLiteral("m");
    if (ComboUnidades->currentText() != text) {
        const QSignalBlocker quiet(ComboUnidades);
        ComboUnidades->setCurrentText(text);
    }
}

void TForm2::showFieldMode()
{
    // While the field is confined the region box stands in the magnetic
    // group's place, and only Ez has a slider.
    const bool confined = experiment_.state().CampoConfinado;
    GroupMagnet->setVisible(!confined);
    GroupELocal->setVisible(confined);
    for (QScrollBar *bar : {ScBx, ScBy, ScBz, ScEx, ScEy})
        bar->setVisible(!confined);
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
    // The position the slider is going to: during a user action the value
    // itself is only updated once the handlers have run.
    const float value = componentValue(slider(c)->sliderPosition());
    {
        const QScopedValueRollback<bool> own(ownEdit_, true);
        experiment_.set(row.setting, value);
    }
    showValue(edit(c), value);
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

void TForm2::ScDtChange() { experiment_.setTimeStep(timeStepValue(ScDt->value())); }

void TForm2::ComboUnidadesChange()
{
    // The box takes typing too: only its two exact texts switch the unit.
    const QString text = ComboUnidades->currentText();
    if (text == QLatin1String("cm"))
        experiment_.setUnit(LengthUnit::Centimetre);
    else if (text == QLatin1String("m"))
        experiment_.setUnit(LengthUnit::Metre);
}

// ---------------------------------------------------------------------------
// Start-up fill

void TForm2::FormCreate()
{
    const SimState &s = experiment_.state();
    for (Component c : {Bx, By, Bz, Vx, Vy, Vz, X, Y, Z, Ex, Ey, Ez}) {
        const float value = s.*rows()[c].fillFrom;
        slider(c)->setValue(wholePartPosition(value));
        showValue(edit(c), value);
    }
    placeTimeStep(); // its change handler sets dt from the position
    showValue(EditQ, s.q);
}

// ---------------------------------------------------------------------------
// Charge

void TForm2::EditQKeyPress(char &Key)
{
    if (Key != kEnterKey)
        return;
    // Any value up to 1e7 is kept exactly, negative ones without a limit;
    // non-finite texts read as 0, so the state never holds nan or inf.
    experiment_.setCharge(readEditValue(EditQ->text().toStdString()));
    showValue(EditQ, experiment_.state().q);
}

void TForm2::QUpMouseDown() { experiment_.holdCharge(kChargeStep); }

void TForm2::QDownMouseDown() { experiment_.holdCharge(-kChargeStep); }

void TForm2::QNull() { experiment_.releaseCharge(); }

// ---------------------------------------------------------------------------
// Store, recall and the region box

void TForm2::BtnIniciaClick() { experiment_.preset(); }

void TForm2::BtnAlmacenarMouseDown() { reportSave(this, experiment_.store()); }

void TForm2::BtnRecuperarMouseDown() { reportLoad(this, experiment_.recall()); }

// The same switch as the menu's "En todo el espacio".
void TForm2::GroupELocalDblClick() { experiment_.setFieldConfined(false); }

// ---------------------------------------------------------------------------
// Helpers

void TForm2::showValue(QLineEdit *box, float value) { setText31(box, value); }

void TForm2::placeTimeStep() { ScDt->setValue(timeStepPosition(experiment_.state().dt)); }

} // namespace voltrix
