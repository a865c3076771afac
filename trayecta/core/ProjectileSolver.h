#pragma once
// The projectile problem: a point in a vertical plane, launched from (x0, y0)
// with velocity (vx, vy) under a constant acceleration (ax, ay), with the ground
// at y = 0. The solver reads the input texts, fills the empty ones with their
// defaults, and produces the result texts: the motion formulas in t, the flight
// time (seconds and minutes), the range, the maximum height and the impact
// velocity and speed. Some results are read back from the texts just written,
// so later steps work with the 15 significant digits that are shown.
#include <array>
#include <optional>
#include <string>

#include "trayecta/core/Failure.h"

namespace trayecta {

// How the initial velocity is given.
enum class VelocityMode {
    Components,         // vx and vy typed directly
    SpeedAndAngle,      // speed and the angle with the horizontal
    SpeedAndSineCosine, // speed with the sine and cosine of that angle
};

// The input fields as the user left them.
struct InputTexts {
    std::string rx0, ry0;
    std::string v0x, v0y;
    std::string vinicial, angulo;
    std::string sin, cos;
    std::array<std::string, 2> accelinicial; // horizontal, vertical
};

// The result fields. A field stays unset when the calculation failed before reaching it.
struct ResultTexts {
    std::optional<std::string> rfinal, vfinal;
    std::optional<std::string> alcance;
    std::optional<std::string> vuelo, min;
    std::optional<std::string> altura;
    std::optional<std::string> vimpactox, vimpactoy, modulo;
};

// The quantities of the last calculation. x0, y0, ax and ay keep the texts as
// typed: the formulas show them that way.
struct ProblemQuantities {
    std::string x0, y0, ax, ay;
    double hx = 0.0, hy = 0.0;
    double theta = 0.0;
    double vx = 0.0, vy = 0.0;
    double t1 = 0.0, t2 = 0.0;
    double T = 0.0;
    double ttop = 0.0;
};

struct SolveOutcome {
    ResultTexts results;
    std::optional<Failure> failure;
};

class ProjectileSolver {
public:
    // Fills the empty inputs with their defaults (the texts stay in `inputs`)
    // and solves. On a failure the calculation stops at the failing step.
    SolveOutcome solve(InputTexts &inputs, VelocityMode mode);

    const ProblemQuantities &quantities() const { return q_; }

private:
    ProblemQuantities q_;
};

// Empty fields get "0", except the sine, which gets "1". Blanks are not empty.
void fillEmptyInputs(InputTexts &inputs);

} // namespace trayecta
