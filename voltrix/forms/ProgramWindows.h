#pragma once

namespace voltrix {
// The program's windows, created once in a fixed order: the main window first
// (its creation builds the scene before any other window exists and must not
// touch them), then about, control panel, vector options, scale and help, and
// last the quantities, graphs and guide windows. Each window that shows the state is handed the
// experiment, which the caller creates first and keeps until the windows go.
// The program, its tests and its benchmarks all create them through here.

class Experiment;

// Creates Form1, Form3, Form2, Form4, Form5, Form6, FormMagnitudes,
// FormGraficas and FormGuia in that order, each global pointer set as its window is created. Only the caller
// shows anything.
void createVoltrixWindows(Experiment &experiment);

// Stops the main window's timers and destroys the windows in reverse
// order, leaving every global pointer null (tests start each case clean).
void destroyVoltrixWindows();

} // namespace voltrix
