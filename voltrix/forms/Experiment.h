#pragma once
// The experiment every Voltrix window follows: the physics state, the drawing
// factors, the camera, the blink, the file choice and the recorded run, in one
// object the program creates before its windows and hands to each of them.
// An operation changes the state through the core and then says what changed
// in `changed`; each window refreshes its own widgets in its own slot, so a
// window that only shows the state needs one connect:
//
//     connect(&experiment, &Experiment::changed, this, [this](Experiment::Changes what) { ... });
#include <QObject>

#include <string>

#include "voltrix/core/Blink.h"
#include "voltrix/core/ClassicExperiments.h"
#include "voltrix/core/DrawingFactors.h"
#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/RunRecord.h"
#include "voltrix/core/SimState.h"
#include "voltrix/core/ViewControls.h"

namespace voltrix {

class Experiment : public QObject {
    Q_OBJECT

public:
    enum Change : unsigned {
        Position = 1u << 0, // x, y, z (from the panel, the start values too)
        Velocity = 1u << 1,
        Electric = 1u << 2,
        Magnetic = 1u << 3,
        Charge = 1u << 4,
        TimeStep = 1u << 5,
        Time = 1u << 6,
        Unit = 1u << 7,        // the length unit; in the confined mode it also sets Ez
        Region = 1u << 8,      // the field mode
        Factors = 1u << 9,     // a drawing factor
        Scale = 1u << 10,      // the factor the scale window edits, or its value
        Force = 1u << 11,      // the force law ran: its numbers and arrow follow
        Camera = 1u << 12,     // angles or zoom
        ChargeHold = 1u << 13, // a charge button pressed or let go
        ScaleHold = 1u << 14,  // a scale button pressed or let go
        RunRestarted = 1u << 15,
        // How the state changed, where the design shows the same values
        // differently (the panel draws the velocity at true length, a step
        // with its factor): the main window's scene follows each its own way.
        Stepped = 1u << 16,       // a step the user sees
        SteppedUnseen = 1u << 17, // a step of a fast speed, shown by a later one
        Loaded = 1u << 18,        // an instant read from a file (load, recall)
        Preset = 1u << 19,        // "Inicia"
        SetUp = 1u << 20,         // a classic experiment put in place, field arrows included
    };
    Q_DECLARE_FLAGS(Changes, Change)

    explicit Experiment(QObject *parent = nullptr);

    const SimState &state() const { return state_; }
    const DrawingFactors &factors() const { return factors_; }
    const ViewControls &camera() const { return camera_; }
    const FileChoice &files() const { return files_; }
    const RunRecorder &run() const { return run_; }
    bool chargeHeld() const { return chargeHeld_; }
    // The classic experiment the state was set up from, until "Inicia" or a load.
    const ClassicExperiment *setUpFrom() const { return setUpFrom_; }
    bool scaleHeld() const { return scaleHeld_; }

    // One number the control panel sets: where it lives, the start value it
    // also sets (position and velocity) and what its change announces; with
    // Force in it, the force law runs first.
    struct Setting {
        float SimState::*value;
        float SimState::*start;
        Changes announces;
    };
    void set(const Setting &setting, float value);

    void setCharge(float q);
    void holdCharge(float step); // the charge timer steps by this while held
    void releaseCharge();
    void stepCharge();
    void setTimeStep(float dt);
    void setTime(float t);
    void setUnit(LengthUnit unit);
    void setFieldConfined(bool confined);
    void preset(); // "Inicia"
    // One of the classic experiments: its whole state, in metres, with its
    // view; a new run starts.
    void setUp(const ClassicExperiment &experiment);

    // The force law alone (the design's ACELERACION): the displays are asked
    // for separately.
    void computeForce();

    // The animation: one step shown, or one of the unseen steps of a fast
    // speed; every step is recorded, and a new run also records its start.
    void step();
    void stepUnseen();
    CaptionChange blinkStep();
    void setBlinking(bool on);

    // Drawing factors: the scale window picks the factor it edits (none when
    // its button is let up), holds a step or types a value.
    void selectFactor(VectorQuantity quantity, bool selected);
    void holdScale(float step);
    void releaseScale();
    void stepScale();
    void typeFactor(float value);

    // The camera. The steps a held arrow or zoom button applies show nowhere.
    void holdTurn(float stepAlfa, float stepBeta);
    void holdZoom(float step);
    void turn();
    void zoom();
    void drag(int dx, int dy);
    void wheel(int notches);
    void resetTurn();
    void resetZoom();

    // Files: the name a dialog confirmed, and saving or loading through it,
    // or through "DATOS.exp" for the panel's store and recall buttons. A load
    // starts a new run.
    struct FileOutcome {
        std::string name;
        FileResult result;
    };
    void setFileName(std::string name);
    FileOutcome save();
    FileOutcome load();
    FileOutcome store();
    FileOutcome recall();

    // Tests and benchmarks set a state up directly, then announce it.
    SimState &rawState() { return state_; }
    DrawingFactors &rawFactors() { return factors_; }
    ViewControls &rawCamera() { return camera_; }
    BlinkState &rawBlink() { return blink_; }
    FileChoice &rawFiles() { return files_; }
    RunRecorder &rawRun() { return run_; }
    void announce(Changes what) { emit changed(what); }

signals:
    void changed(voltrix::Experiment::Changes what);

private:
    void recordStep();

    SimState state_;
    DrawingFactors factors_;
    ViewControls camera_;
    BlinkState blink_;
    FileChoice files_;
    RunRecorder run_;
    bool chargeHeld_ = false;
    bool scaleHeld_ = false;
    const ClassicExperiment *setUpFrom_ = nullptr;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(Experiment::Changes)

} // namespace voltrix
