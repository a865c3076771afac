// Time of one press of "&Calcular": solving and plotting, on the start-up
// problem (4371 points) and on a flight of 100000 s (sampled to the point bound).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include "bench/support/LongFlight.h"
#include "bench/support/QtBenchMain.h"
#include "trayecta/core/TrajectoryPlan.h"
#include "trayecta/forms/Form1.h"

namespace {

void useLongFlight(trayecta::FORM1 &form)
{
    form.txtry0->setText(QStringLiteral("0"));
    form.optb->setChecked(true);
    form.txtsin->setText(QStringLiteral("0,8"));
    form.txtcos->setText(QStringLiteral("0,6"));
    form.txtvinicial->setText(QStringLiteral("612500")); // vy = 490000 m/s under 9,8 m/s²
}

void CalculateStartUpProblem(benchmark::State &state)
{
    trayecta::FORM1 form;
    for (auto _ : state) {
        form.Cmdcalcular_Click();
    }
    if (form.txtvuelo->text() != QStringLiteral("5,82750274959999")) {
        state.SkipWithError("unexpected flight time");
    }
}
BENCHMARK(CalculateStartUpProblem)->Unit(benchmark::kMillisecond);

void CalculateLongFlight(benchmark::State &state)
{
    trayecta::FORM1 form;
    useLongFlight(form);
    for (auto _ : state) {
        form.Cmdcalcular_Click();
    }
    if (form.txtvuelo->text() != QStringLiteral("100000")) {
        state.SkipWithError("unexpected flight time");
    }
}
BENCHMARK(CalculateLongFlight)->Unit(benchmark::kMillisecond);

// The plan alone, without the widgets, for the long flight.
void PlanLongFlight(benchmark::State &state)
{
    const trayecta::TrajectoryInputs inputs = solvedLongFlight();
    for (auto _ : state) {
        benchmark::DoNotOptimize(trayecta::planTrajectory(inputs, 309.0 / 221.0));
    }
}
BENCHMARK(PlanLongFlight)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv); }
