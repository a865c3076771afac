// The core's share of one animation tick: the integration, the ten number
// texts the step writes, and the figure geometry it moves.
#include <benchmark/benchmark.h>

#include "voltrix/core/ExperimentFile.h"
#include "voltrix/core/Figures.h"
#include "voltrix/core/NumberText.h"
#include "voltrix/core/Physics.h"
#include "voltrix/core/SliderRules.h"

using namespace voltrix;

static void IntegrateStep(benchmark::State &state)
{
    SimState s;
    s.unit = state.range(0) != 0 ? LengthUnit::Centimetre : LengthUnit::Metre;
    for (auto _ : state) {
        integrateStep(s);
        benchmark::DoNotOptimize(s.x);
    }
}
BENCHMARK(IntegrateStep)->Arg(0)->Arg(1);

static void StepTextsAndFigures(benchmark::State &state)
{
    SimState s;
    const DrawingFactors factors;
    for (auto _ : state) {
        integrateStep(s);
        const float shown[] = {s.t, s.ax, s.ay, s.az, s.x, s.y, s.z, s.vx, s.vy, s.vz};
        for (float v : shown)
            benchmark::DoNotOptimize(format31(v));
        const int positions[] = {wholePartPosition(s.x),  wholePartPosition(s.y),  wholePartPosition(s.z),
                                 wholePartPosition(s.vx), wholePartPosition(s.vy), wholePartPosition(s.vz)};
        benchmark::DoNotOptimize(positions);
        benchmark::DoNotOptimize(vectorFigure(VectorQuantity::Velocity, s, factors));
        benchmark::DoNotOptimize(vectorFigure(VectorQuantity::Acceleration, s, factors));
        benchmark::DoNotOptimize(vectorFigure(VectorQuantity::Position, s, factors));
    }
}
BENCHMARK(StepTextsAndFigures);

static void ReadTypedValue(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(readEditValue("  -12.345e1 m"));
}
BENCHMARK(ReadTypedValue);

static void ExperimentTextRoundTrip(benchmark::State &state)
{
    SimState s;
    for (auto _ : state) {
        const std::string text = experimentFileText(s);
        benchmark::DoNotOptimize(applyExperimentText(text, s));
    }
}
BENCHMARK(ExperimentTextRoundTrip);

BENCHMARK_MAIN();
