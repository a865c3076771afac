#pragma once
// Classic projectile problems, ready to solve from the graph's menu
// ("Problemes d'exemple"): a horizontal launch from a cliff, a vertical
// launch, the maximum range at 45°, the complementary angles 30° and 60°,
// gravity on the Moon, a launch from the bottom of a pit and one against the
// wind. Each holds the input texts as the fields show them (decimal comma),
// how the velocity is given, and the statement as a textbook poses it, in
// Catalan; the answers are the solver's own results.
#include <string>
#include <vector>

#include "trayecta/core/ProjectileSolver.h"

namespace trayecta {

struct ExampleProblem {
    // Both texts are marked for the translators: shown through
    // orvalis::coreText("trayecta::ExampleProblems", text).
    const char *title; // the menu item
    InputTexts inputs;
    VelocityMode mode;
    const char *statement;
};

const std::vector<ExampleProblem> &exampleProblems();

// The problem's data in symbols, as the teachers' guides quote it:
// "x₀ = 0 m · y₀ = 19,6 m · v₀ = (10, 0) m/s · a = (0, -9,8) m/s²", or with
// "v₀ = 20 m/s, θ = 45°" for a speed and an angle.
std::string dataLine(const ExampleProblem &problem);

// The answers as the result fields show them:
// "T = 2 s · R = 20 m · H = 19,6 m · v = (10, -19,6) m/s · |v| = 22,0036360631601 m/s".
std::string answersLine(const ResultTexts &results);

} // namespace trayecta
