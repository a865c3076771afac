#pragma once
// The syllabus's set pieces, ready to run from the "Experiencias" menu: the
// circular motion in a magnetic field (either sign of charge), the helix, the
// parabola in an electric field, parallel fields, the E×B drift from rest,
// the velocity selector and the deflection between the plates of the confined
// field. Each is a whole state in metres (position, velocity, fields, charge,
// time step, field mode), a view that shows its motion, and a guide for the
// class: the set-up and the predicted numbers as language-free lines (the
// teacher's guides quote them verbatim) and, in Spanish, what it shows, where
// to check it and a question. The numbers are chosen round, and so that the
// motion stays inside the box for at least 640 steps, ten seconds at "Normal".
// The Spanish texts are marked for the translators in the context
// "voltrix::ClassicExperiments"; whoever shows one looks it up there.
#include <optional>
#include <string>
#include <vector>

#include "voltrix/core/Figures.h"
#include "voltrix/core/Magnitudes.h"
#include "voltrix/core/SimState.h"
#include "voltrix/core/ViewControls.h"

namespace voltrix {

// A predicted number, and how the program shows it: in the quantities window,
// or as a coordinate of the particle at a given time (a graph's reading).
struct Prediction {
    const char *symbol; // "R", "T", "z(4 s)" …
    double value;
    const char *unit;
    std::optional<MagnitudeBox> shownIn; // where "Magnitudes" shows it
    // Otherwise the particle's coordinate (0..2 position, 3..5 velocity) at time t.
    int component = -1;
    double t = 0;
};

struct ClassicExperiment {
    const char *title; // the menu item, in Spanish
    Point3 position, velocity, electric, magnetic;
    float q = 1;
    bool confined = false;
    float dt = 0.01f;
    ViewAngles view;
    float zoom = 0.55f;
    std::vector<Prediction> predictions;
    const char *setting;  // what the set-up is (Spanish)
    const char *formula;  // how to predict (Spanish)
    const char *check;    // where to check it (Spanish)
    const char *question; // for the students (Spanish)
};

const std::vector<ClassicExperiment> &classicExperiments();

// The state of a set-up, over the current one: the fourteen values of an
// experiment file, the time step, the field mode and metres; the rest stays.
SimState classicState(const ClassicExperiment &e, const SimState &current);

// "r₀ = (50, 20, 50) m · v₀ = (0, 0, 60) m/s · E = (0, 0, 0) V/m · B = (2, 0, 0) T · q = 1 C"
std::string setupLine(const ClassicExperiment &e);
// "ω = 2 rad/s · T = 3.14159 s · R = 30 m": each value with the quantities
// window's six significant digits.
std::string predictionLine(const ClassicExperiment &e);
// The guide window's lines, in the chosen language: title, set-up, what it
// is, the formula, the predictions, where to check them and the question.
std::vector<std::string> guideLines(const ClassicExperiment &e);

} // namespace voltrix
