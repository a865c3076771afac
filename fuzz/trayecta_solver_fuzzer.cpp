// "Calcular" on any field texts in any velocity mode, then the graph plan of a
// solved problem. A calculation ends in a failure or fills every result field;
// the fields are written in order, so a failure leaves a prefix of them; every
// number written reads back; and the graph plan of a solved problem has a
// usable scale and finite points, however extreme the problem.
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/FuzzCheck.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/core/ProjectileSolver.h"
#include "trayecta/core/TrajectoryPlan.h"

using namespace trayecta;

namespace {

double readBack(const std::optional<std::string> &text)
{
    FUZZ_CHECK(text.has_value());
    const Reading reading = readNumber(*text);
    FUZZ_CHECK(reading.ok());
    return reading.value;
}

// Each result field is set only if every one written before it is.
void checkWrittenInOrder(const ResultTexts &r)
{
    const bool written[] = {r.rfinal.has_value(),    r.vfinal.has_value(),    r.alcance.has_value(),
                            r.vuelo.has_value(),     r.min.has_value(),       r.altura.has_value(),
                            r.vimpactox.has_value(), r.vimpactoy.has_value(), r.modulo.has_value()};
    for (std::size_t i = 1; i < std::size(written); ++i)
        FUZZ_CHECK(!written[i] || written[i - 1]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const auto mode = static_cast<VelocityMode>(in.ConsumeIntegralInRange(0, 2));
    // The graph area's width over its height in pixels.
    const double aspect = in.ConsumeFloatingPointInRange(0.1, 10.0);
    InputTexts inputs;
    for (std::string *field : {&inputs.rx0, &inputs.ry0, &inputs.v0x, &inputs.v0y, &inputs.vinicial, &inputs.angulo,
                               &inputs.sin, &inputs.cos, &inputs.accelinicial[0], &inputs.accelinicial[1]})
        *field = in.ConsumeRandomLengthString(40);

    ProjectileSolver solver;
    const SolveOutcome outcome = solver.solve(inputs, mode);
    const ResultTexts &r = outcome.results;
    checkWrittenInOrder(r);
    for (const std::string *field :
         {&inputs.rx0, &inputs.ry0, &inputs.v0x, &inputs.v0y, &inputs.vinicial, &inputs.angulo, &inputs.sin,
          &inputs.cos, &inputs.accelinicial[0], &inputs.accelinicial[1]})
        FUZZ_CHECK(!field->empty());

    if (outcome.failure) {
        FUZZ_CHECK(!r.modulo.has_value());
        return 0;
    }
    FUZZ_CHECK(r.modulo.has_value());
    const double flightTime = readBack(r.vuelo);
    FUZZ_CHECK(flightTime > 0.0);
    FUZZ_CHECK(readBack(r.min) >= 0.0);
    readBack(r.alcance);
    readBack(r.altura);
    const double px = readBack(r.vimpactox);
    const double py = readBack(r.vimpactoy);
    const double speed = readBack(r.modulo);
    FUZZ_CHECK(speed >= 0.0);
    // Shown to 15 digits; a subnormal speed only to its last place.
    FUZZ_CHECK(std::fabs(speed - std::hypot(px, py))
               <= std::hypot(px, py) * 1e-14 + 2 * std::numeric_limits<double>::denorm_min());

    const ProblemQuantities &q = solver.quantities();
    TrajectoryInputs graph{q.vx, q.vy, q.hx, q.hy, q.x0, q.y0, *r.vuelo, *r.altura, *r.alcance};
    const TrajectoryPlan plan = planTrajectory(graph, aspect);
    FUZZ_CHECK(plan.points.size() <= static_cast<std::size_t>(kMaxPlotPoints) + 2);
    if (plan.failure)
        return 0;
    FUZZ_CHECK(plan.scale && plan.verticalTicks && plan.horizontalTicks);
    FUZZ_CHECK(std::isfinite(plan.scale->left) && std::isfinite(plan.scale->width));
    FUZZ_CHECK(std::isfinite(plan.scale->height) && plan.scale->height != 0.0f);
    FUZZ_CHECK(!plan.points.empty());
    for (const PlotPoint &p : plan.points)
        FUZZ_CHECK(std::isfinite(p.x) && std::isfinite(p.y));
    return 0;
}
