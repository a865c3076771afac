#include "voltrix/core/Simulation.h"

namespace voltrix {

SimState Sim;
DrawingFactors Factors;
ViewControls Camera;
BlinkState Blink;
FileChoice Files;
RunRecorder Recorder;

void resetSimulation()
{
    Sim = SimState{};
    Factors = DrawingFactors{};
    Camera = ViewControls{};
    Blink = BlinkState{};
    Files = FileChoice{};
    Recorder = RunRecorder{};
}

} // namespace voltrix
