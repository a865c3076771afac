// Cost of Trayecta's number texts, which round the exact decimal expansion of
// a double themselves (ties away from zero), beside the standard conversion
// they replace. A calculation writes about a dozen texts and 27 tick labels;
// the pointer readout writes two patterns on every move over the graph.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <vector>

#include "trayecta/core/InputRules.h"
#include "trayecta/core/NumberText.h"

namespace {

// Results of the start-up problem and the extremes a text can meet.
const std::vector<double> kValues = {5.82750274959999,
                                     87.412541244,
                                     49.438775510204,
                                     -31.1287648325468,
                                     34.554305086342,
                                     25.98076211353316,
                                     1.625,
                                     100000000000000.5,
                                     1e-300,
                                     1.7976931348623157e308,
                                     4.9406564584124654e-324,
                                     0.03125};

void GeneralText(benchmark::State &state)
{
    for (auto _ : state) {
        for (const double v : kValues) {
            benchmark::DoNotOptimize(trayecta::formatGeneral(v));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kValues.size()));
}
BENCHMARK(GeneralText);

// The standard conversion to 15 significant digits, for comparison.
void StandardConversion(benchmark::State &state)
{
    std::array<char, 64> buffer{};
    for (auto _ : state) {
        for (const double v : kValues) {
            benchmark::DoNotOptimize(
                std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::general, 15));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(kValues.size()));
}
BENCHMARK(StandardConversion);

void TickLabel(benchmark::State &state)
{
    for (auto _ : state) {
        for (int i = 1; i <= 14; ++i) {
            benchmark::DoNotOptimize(trayecta::formatPattern(i * (54.93316326530604 / 14), "0.0#"));
        }
    }
    state.SetItemsProcessed(state.iterations() * 14);
}
BENCHMARK(TickLabel);

void PointerReadout(benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(trayecta::pointerReadout("0", 12.345678f, 20.5f, 54.933163f));
    }
}
BENCHMARK(PointerReadout);

} // namespace

BENCHMARK_MAIN();
