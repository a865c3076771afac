#include "trayecta/core/ProjectileSolver.h"

#include <algorithm>
#include <cmath>

#include "trayecta/core/InputRules.h"
#include "trayecta/core/NumberText.h"

namespace trayecta {

namespace {

void fillIfEmpty(std::string &text, const char *fallback)
{
    if (text.empty()) {
        text = fallback;
    }
}

// A term of a formula: left out when its coefficient is 0.
std::string term(double coefficient, const std::string &coefficientText, const char *power)
{
    if (coefficient == 0.0) {
        return {};
    }
    return std::string(signPrefix(coefficient)) + coefficientText + power;
}

std::string generalTerm(double coefficient, const char *power)
{
    return term(coefficient, formatGeneral(coefficient), power);
}

// The highest point of the flight from the launch (height y0) to the landing
// (height 0). Pulled downwards, the path is highest at its vertex, unless the
// vertex lies before the launch (launched downwards), where the launch itself is
// highest. Pulled upwards, the vertex is the lowest point, and the highest is
// one of the ends.
double maximumHeight(double y0, double vy, double hy, double ttop)
{
    if (hy > 0.0) {
        return std::max(y0, 0.0);
    }
    return ttop < 0.0 ? y0 : y0 + vy * ttop + hy * (ttop * ttop);
}

// The steps of one calculation; each returns false once the outcome holds a failure.
class Calculation {
public:
    Calculation(ProblemQuantities &q, SolveOutcome &out)
        : q_(q)
        , out_(out)
    {}

    bool read(const std::string &text, double &value)
    {
        const Reading reading = readNumber(text);
        if (!reading.ok()) {
            return fail(*reading.failure);
        }
        value = reading.value;
        return true;
    }

    // C++ doubles overflow silently to infinity; a calculation that met one has failed.
    bool finite(std::initializer_list<double> values)
    {
        for (double v : values) {
            if (!std::isfinite(v)) {
                return fail(Failure::Overflow);
            }
        }
        return true;
    }

    bool fail(Failure failure)
    {
        out_.failure = failure;
        return false;
    }

    bool run(InputTexts &in, VelocityMode mode);

private:
    ProblemQuantities &q_;
    SolveOutcome &out_;
};

bool Calculation::run(InputTexts &in, VelocityMode mode)
{
    ResultTexts &r = out_.results;

    double angleDegrees = 0.0;
    if (!read(in.angulo, angleDegrees)) {
        return false;
    }
    q_.theta = degreesToRadians(angleDegrees);

    double ax = 0.0;
    double ay = 0.0;
    q_.x0 = in.rx0;
    q_.y0 = in.ry0;
    if (!read(in.accelinicial[0], ax) || !read(in.accelinicial[1], ay)) {
        return false;
    }
    q_.hx = ax / 2.0;
    q_.hy = ay / 2.0;
    q_.ax = in.accelinicial[0];
    q_.ay = in.accelinicial[1];

    switch (mode) {
    case VelocityMode::SpeedAndAngle: {
        double v = 0.0;
        if (!read(in.vinicial, v)) {
            return false;
        }
        q_.vx = v * std::cos(q_.theta);
        q_.vy = v * std::sin(q_.theta);
        break;
    }
    case VelocityMode::SpeedAndSineCosine: {
        double v = 0.0;
        double cosine = 0.0;
        double sine = 0.0;
        if (!read(in.vinicial, v) || !read(in.cos, cosine) || !read(in.sin, sine)) {
            return false;
        }
        q_.vx = cosine * v;
        q_.vy = sine * v;
        break;
    }
    case VelocityMode::Components:
        // Taken from the component fields, not left over from the last calculation.
        if (!read(in.v0x, q_.vx) || !read(in.v0y, q_.vy)) {
            return false;
        }
        break;
    }
    if (!finite({q_.theta, q_.hx, q_.hy, q_.vx, q_.vy})) {
        return false;
    }

    double x0 = 0.0;
    double y0 = 0.0;
    if (!read(q_.x0, x0) || !read(q_.y0, y0)) {
        return false;
    }
    const std::string constantX = x0 == 0.0 ? std::string() : q_.x0;
    const std::string constantY = y0 == 0.0 ? std::string() : q_.y0;
    r.rfinal = "(" + constantX + generalTerm(q_.vx, "t") + generalTerm(q_.hx, "t²") + "  ,  " + constantY
               + generalTerm(q_.vy, "t") + generalTerm(q_.hy, "t²") + ")";
    const std::string velocityX = q_.vx == 0.0 ? std::string() : formatGeneral(q_.vx);
    const std::string velocityY = q_.vy == 0.0 ? std::string() : formatGeneral(q_.vy);
    r.vfinal = "(" + velocityX + term(ax, q_.ax, "t") + "  ,  " + velocityY + term(ay, q_.ay, "t") + ")";

    // Roots of y0 + vy t + hy t² = 0.
    const double D = q_.vy * q_.vy - 4.0 * q_.hy * y0;
    if (!finite({D})) {
        return false;
    }
    if (D < 0.0) {
        return fail(Failure::NeverReachesGround);
    }
    if (q_.hy == 0.0) {
        return fail(Failure::DivisionByZero);
    }
    const double rootD = std::sqrt(D);
    q_.t1 = (-q_.vy + rootD) / (2.0 * q_.hy);
    q_.t2 = (-q_.vy - rootD) / (2.0 * q_.hy);
    if (!finite({q_.t1, q_.t2})) {
        return false;
    }
    // The flight ends the first time the body reaches the ground: the earlier
    // root when it lies after the launch, otherwise the later one. Under a
    // downward acceleration t1 is the earlier root; under an upward one t2 is,
    // and t1 is the moment the body comes back up through the ground from below.
    const double earlier = std::min(q_.t1, q_.t2);
    const double later = std::max(q_.t1, q_.t2);
    q_.T = earlier > 0.0 ? earlier : later;
    // A flight that meets the ground only at or before the launch has no impact to report.
    if (!(q_.T > 0.0)) {
        return fail(Failure::NoImpactAfterLaunch);
    }

    const double range = x0 + q_.vx * q_.T + q_.hx * (q_.T * q_.T);
    if (!finite({range})) {
        return false;
    }
    r.alcance = formatGeneral(range);

    r.vuelo = formatGeneral(q_.T);
    double shownFlightTime = 0.0;
    if (!read(*r.vuelo, shownFlightTime)) {
        return false;
    }
    r.min = formatPattern(shownFlightTime / 60.0, "#0.00000000000");

    q_.ttop = q_.vy / (-ay);
    const double height = maximumHeight(y0, q_.vy, q_.hy, q_.ttop);
    if (!finite({q_.ttop, height})) {
        return false;
    }
    r.altura = formatGeneral(height);

    const double impactX = q_.vx + ax * q_.T;
    const double impactY = q_.vy + ay * q_.T;
    if (!finite({impactX, impactY})) {
        return false;
    }
    r.vimpactox = formatGeneral(impactX);
    r.vimpactoy = formatGeneral(impactY);

    double px = 0.0;
    double py = 0.0;
    if (!read(*r.vimpactox, px) || !read(*r.vimpactoy, py)) {
        return false;
    }
    const double speed = speedOf(px, py);
    if (!finite({speed})) {
        return false;
    }
    r.modulo = formatGeneral(speed);
    return true;
}

} // namespace

void fillEmptyInputs(InputTexts &inputs)
{
    fillIfEmpty(inputs.rx0, "0");
    fillIfEmpty(inputs.ry0, "0");
    fillIfEmpty(inputs.v0x, "0");
    fillIfEmpty(inputs.v0y, "0");
    fillIfEmpty(inputs.sin, "1");
    fillIfEmpty(inputs.cos, "0");
    fillIfEmpty(inputs.accelinicial[0], "0");
    fillIfEmpty(inputs.accelinicial[1], "0");
    fillIfEmpty(inputs.vinicial, "0");
    fillIfEmpty(inputs.angulo, "0");
}

SolveOutcome ProjectileSolver::solve(InputTexts &inputs, VelocityMode mode)
{
    SolveOutcome out;
    fillEmptyInputs(inputs);
    Calculation(q_, out).run(inputs, mode);
    return out;
}

} // namespace trayecta
