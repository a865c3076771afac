#include "voltrix/forms/Experiment.h"

#include <utility>

#include "voltrix/core/Physics.h"
#include "voltrix/core/Preset.h"

namespace voltrix {

Experiment::Experiment(QObject *parent)
    : QObject(parent)
{}

void Experiment::set(const Setting &setting, float value)
{
    if (setting.start)
        state_.*setting.start = value;
    state_.*setting.value = value;
    if (setting.announces & Force)
        computeForceForDisplay(state_);
    emit changed(setting.announces);
}

void Experiment::setCharge(float q)
{
    state_.q = q;
    computeForceForDisplay(state_);
    emit changed(Charge | Force);
}

void Experiment::holdCharge(float step)
{
    state_.PasoQ = step;
    chargeHeld_ = true;
    emit changed(ChargeHold);
}

void Experiment::releaseCharge()
{
    chargeHeld_ = false;
    emit changed(ChargeHold);
}

void Experiment::stepCharge() { setCharge(state_.q + state_.PasoQ); }

void Experiment::setTimeStep(float dt)
{
    state_.dt = dt;
    emit changed(TimeStep);
}

void Experiment::setTime(float t)
{
    state_.t = t;
    emit changed(Time);
}

void Experiment::setUnit(LengthUnit unit)
{
    switchLengthUnit(state_, unit);
    // Only the switch to centimetres computes the force.
    emit changed(unit == LengthUnit::Centimetre ? Unit | Force : Changes(Unit));
}

void Experiment::setFieldConfined(bool confined)
{
    state_.CampoConfinado = confined;
    if (!confined) {
        // B stays as it is (0 after confining); the force waits for the next change.
        emit changed(Region);
        return;
    }
    state_.Bx = state_.By = state_.Bz = 0;
    computeForceForDisplay(state_);
    emit changed(Region | Magnetic | Force);
}

void Experiment::preset()
{
    setUpFrom_ = nullptr;
    applyPreset(state_, factors_);
    run_.clear();
    emit changed(Preset | Position | Velocity | Electric | Magnetic | TimeStep | Time | Factors | Force | RunRestarted);
}

void Experiment::setUp(const ClassicExperiment &experiment)
{
    // The field mode and the unit change first, with all that follows them.
    if (state_.CampoConfinado != experiment.confined)
        setFieldConfined(experiment.confined);
    if (state_.unit != LengthUnit::Metre)
        setUnit(LengthUnit::Metre);
    state_ = classicState(experiment, state_);
    setUpFrom_ = &experiment;
    camera_.AnguloAlfa = static_cast<float>(experiment.view.alfa);
    camera_.AnguloBeta = static_cast<float>(experiment.view.beta);
    camera_.shown = experiment.view;
    camera_.ZoomActual = experiment.zoom;
    run_.clear();
    computeForceForDisplay(state_);
    emit changed(SetUp | Position | Velocity | Electric | Magnetic | Charge | Time | TimeStep | Camera | Force
                 | RunRestarted);
}

void Experiment::computeForce() { computeForceForDisplay(state_); }

void Experiment::recordStep()
{
    if (run_.empty())
        run_.record(state_);
    integrateStep(state_);
    run_.record(state_);
}

void Experiment::step()
{
    recordStep();
    emit changed(Stepped | Position | Velocity | Time | Force);
}

void Experiment::stepUnseen()
{
    recordStep();
    emit changed(SteppedUnseen);
}

CaptionChange Experiment::blinkStep() { return applyBlink(blink_); }

void Experiment::setBlinking(bool on) { blink_.ParpadeoActivo = on; }

void Experiment::selectFactor(VectorQuantity quantity, bool selected)
{
    factors_.edited = selected ? std::optional(quantity) : std::nullopt;
    if (const float *factor = factorOf(factors_, quantity))
        factors_.FactorActual = *factor;
    emit changed(Scale);
}

void Experiment::holdScale(float step)
{
    factors_.PasoFactor = step;
    scaleHeld_ = true;
    emit changed(ScaleHold);
}

void Experiment::releaseScale()
{
    scaleHeld_ = false;
    emit changed(ScaleHold);
}

void Experiment::stepScale()
{
    const bool drawn = factors_.edited.has_value();
    stepEditedFactor(factors_);
    emit changed(drawn ? Scale | Factors : Changes(Scale));
}

void Experiment::typeFactor(float value)
{
    // The step adds PasoFactor back, so the typed value is what gets stored.
    factors_.FactorActual = value - factors_.PasoFactor;
    stepScale();
}

void Experiment::holdTurn(float stepAlfa, float stepBeta)
{
    camera_.PasoAlfa = stepAlfa;
    camera_.PasoBeta = stepBeta;
}

void Experiment::holdZoom(float step) { camera_.PasoZoom = step; }

void Experiment::turn()
{
    turnView(camera_);
    emit changed(Camera);
}

void Experiment::zoom()
{
    stepZoom(camera_);
    emit changed(Camera);
}

void Experiment::drag(int dx, int dy)
{
    dragView(camera_, camera_.shown, dx, dy);
    emit changed(Camera);
}

void Experiment::wheel(int notches)
{
    wheelZoom(camera_, notches);
    emit changed(Camera);
}

void Experiment::resetTurn()
{
    voltrix::resetTurn(camera_);
    emit changed(Camera);
}

void Experiment::resetZoom()
{
    camera_.ZoomActual = kResetZoom;
    emit changed(Camera);
}

void Experiment::setFileName(std::string name) { files_.NombreFichero = std::move(name); }

Experiment::FileOutcome Experiment::save()
{
    std::string name = chooseExperimentFileName(files_);
    FileResult result = saveExperiment(name, state_);
    return {std::move(name), std::move(result)};
}

Experiment::FileOutcome Experiment::load()
{
    std::string name = chooseExperimentFileName(files_);
    FileResult result = loadExperiment(name, state_);
    if (result.ok) {
        // The loaded instant starts a new run, no longer the classic experiment's.
        setUpFrom_ = nullptr;
        run_.clear();
        computeForceForDisplay(state_);
        emit changed(Loaded | Position | Velocity | Electric | Magnetic | Charge | Time | Force | RunRestarted);
    }
    return {std::move(name), std::move(result)};
}

Experiment::FileOutcome Experiment::store()
{
    files_.UsarDatos = true;
    return save();
}

Experiment::FileOutcome Experiment::recall()
{
    files_.UsarDatos = true;
    return load();
}

} // namespace voltrix
