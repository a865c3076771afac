#pragma once
// The ways a trapped handler of Trayecta can fail. Each one ends the handler at
// the failing step and is shown to the student in the failure report, with a
// description in Catalan.
#include <string>

namespace trayecta {

enum class Failure {
    NotANumber,          // a field whose text does not spell a number
    DivisionByZero,      // the roots divide by the vertical acceleration
    NeverReachesGround,  // negative discriminant: the path never crosses height 0
    NoImpactAfterLaunch, // the ground is crossed only at or before the launch
    Overflow,            // a value beyond the range of a double (or of the graph's floats)
    ZeroScale,           // the graph area refuses a scale of zero
};

// The description that follows "Tipo de error: " in the report.
std::string failureDescription(Failure failure);

// The whole text of the report's message box.
std::string failureReportText(Failure failure);

} // namespace trayecta
