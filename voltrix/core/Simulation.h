#pragma once
// Everything Voltrix keeps between events, one instance of each part, owned
// here and used by the windows on the GUI thread: the physics, the drawing
// factors, the camera, the blink and the file choice.
#include "DrawingFactors.h"
#include "ExperimentFile.h"
#include "SimState.h"
#include "ViewControls.h"
#include "Blink.h"

namespace voltrix {

extern SimState Sim;
extern DrawingFactors Factors;
extern ViewControls Camera;
extern BlinkState Blink;
extern FileChoice Files;

// Every part back to its start values (tests start each case clean).
void resetSimulation();

} // namespace voltrix
