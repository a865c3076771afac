#pragma once
// Everything Voltrix keeps between events, one instance of each part, owned
// here and used by the windows on the GUI thread: the physics, the drawing
// factors, the camera, the blink, the file choice and the recorded run.
#include "voltrix/core/Blink.h"
#include "voltrix/core/DrawingFactors.h"
#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/RunRecord.h"
#include "voltrix/core/SimState.h"
#include "voltrix/core/ViewControls.h"

namespace voltrix {

extern SimState Sim;
extern DrawingFactors Factors;
extern ViewControls Camera;
extern BlinkState Blink;
extern FileChoice Files;
extern RunRecorder Recorder;

// Every part back to its start values (tests start each case clean).
void resetSimulation();

} // namespace voltrix
