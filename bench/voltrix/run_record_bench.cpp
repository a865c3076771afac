// What recording the run costs the animation, and what exporting it costs.
//  - Step / StepRecorded: one integration step alone, and with its row
//    recorded into a full ring of a million rows (the steady state of a long
//    run). The difference is what recording adds to a step.
//  - CsvText/1000000, CsvExport/1000000: a million recorded rows as CSV text,
//    and written to a file through the safe save (temporary file, flush to
//    the disk, rename) in the system's temporary folder.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "voltrix/core/Physics.h"
#include "voltrix/core/RunRecord.h"

using namespace voltrix;

namespace {

// A run of `rows` rows from the start state, in metres.
const RunRecorder &recordedRun(std::size_t rows)
{
    static RunRecorder run;
    if (run.size() != rows) {
        run = RunRecorder(rows);
        SimState s;
        run.record(s);
        while (run.size() < rows) {
            integrateStep(s);
            run.record(s);
        }
    }
    return run;
}

void Step(benchmark::State &state)
{
    SimState s;
    for (auto _ : state) {
        integrateStep(s);
        benchmark::DoNotOptimize(s.x);
    }
}
BENCHMARK(Step);

void StepRecorded(benchmark::State &state)
{
    SimState s;
    RunRecorder run;
    while (run.size() < run.capacity()) {
        integrateStep(s);
        run.record(s);
    }
    for (auto _ : state) {
        integrateStep(s);
        run.record(s);
        benchmark::DoNotOptimize(s.x);
    }
}
BENCHMARK(StepRecorded);

void CsvText(benchmark::State &state)
{
    const RunRecorder &run = recordedRun(static_cast<std::size_t>(state.range(0)));
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string csv = runCsvText(run, LengthUnit::Metre);
        bytes = csv.size();
        benchmark::DoNotOptimize(csv.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(CsvText)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);

void CsvExport(benchmark::State &state)
{
    const RunRecorder &run = recordedRun(static_cast<std::size_t>(state.range(0)));
    const std::filesystem::path target = std::filesystem::temp_directory_path() / "voltrix-bench-run.csv";
    for (auto _ : state) {
        const FileResult result = saveRunCsv(target.string(), run, LengthUnit::Metre);
        if (!result.ok)
            state.SkipWithError(result.reason.c_str());
    }
    std::filesystem::remove(target);
}
BENCHMARK(CsvExport)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
