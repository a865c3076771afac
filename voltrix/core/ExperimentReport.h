#pragma once
// The printed report's account of the experiment: the set-up as a student
// copies it into a lab notebook (start and present position and velocity,
// fields, charge, mass, time step, time, unit and field region), each value
// as the shortest text that reads back as the same float, with its unit, and
// the classic experiment's guide without its title and set-up line.
#include <string>
#include <vector>

#include "voltrix/core/ClassicExperiments.h"
#include "voltrix/core/SimState.h"

namespace voltrix {

struct ReportRow {
    std::string label;
    std::string value;
    std::string unit;
};

std::vector<ReportRow> setUpRows(const SimState &s);

// What the guide window says of the experiment, after its title and set-up.
std::vector<std::string> guideSummary(const ClassicExperiment &e);

} // namespace voltrix
