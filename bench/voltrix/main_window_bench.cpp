// The animation as the user runs it: the six windows of the program (in the
// offscreen platform unless QT_QPA_PLATFORM says otherwise), the main window
// shown, its animation running.
//  - AnimationPace/<steps per second>: steps taken in 10 s of wall time at
//    each speed of the "Velocidad" menu, and the process's CPU time over those
//    10 s as a share of one core.
//  - WholeStep: one call of the step handler: physics, scene, readouts,
//    DrawWorld, blink, the recorded row. Repeated; the median is the figure to
//    read. WholeStepWithMagnitudes: the same with the quantities window open.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>
#include <ctime>

#include "bench/support/QtBenchMain.h"
#include "voltrix/forms/Experiment.h"
#include "voltrix/forms/ProgramWindows.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/Unit2.h"
#include "voltrix/forms/Unit3.h"
#include "voltrix/forms/Unit4.h"
#include "voltrix/forms/Unit5.h"
#include "voltrix/forms/Unit6.h"
#include "voltrix/forms/UnitMagnitudes.h"

using namespace voltrix;

namespace {

Experiment *experiment = nullptr;

void createWindows()
{
    experiment = new Experiment;
    createVoltrixWindows(*experiment);
    Form1->show();
}

double processCpuSeconds()
{
    timespec cpu{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    return static_cast<double>(cpu.tv_sec) + static_cast<double>(cpu.tv_nsec) * 1e-9;
}

void AnimationPace(benchmark::State &state)
{
    const int speed = static_cast<int>(state.range(0));
    for (auto _ : state) {
        Form1->VelocidadClick(speed);
        experiment->rawState().t = 0;
        QEventLoop loop;
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        QElapsedTimer wall;
        const double cpuBefore = processCpuSeconds();
        wall.start();
        Form1->BtnAniStopMouseDown();
        loop.exec();
        Form1->BtnAniStopMouseDown();
        const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
        const double cpu = processCpuSeconds() - cpuBefore;
        state.SetIterationTime(seconds);
        state.counters["steps_per_s"] = std::round(experiment->state().t / experiment->state().dt) / seconds;
        state.counters["cpu_percent"] = 100.0 * cpu / seconds;
    }
}
BENCHMARK(AnimationPace)
    ->Arg(TForm1::kNormalSpeed)
    ->Arg(TForm1::kFastSpeed)
    ->Arg(TForm1::kTopSpeed)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

void WholeStep(benchmark::State &state)
{
    for (auto _ : state)
        Form1->TimeAnimacionTimer();
    // Let the view's pending repaints happen between repetitions.
    QCoreApplication::processEvents();
}
BENCHMARK(WholeStep)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// The same with the quantities window open: the step, then its boxes filled
// once the step is over.
void WholeStepWithMagnitudes(benchmark::State &state)
{
    FormMagnitudes->show();
    for (auto _ : state) {
        Form1->TimeAnimacionTimer();
        QCoreApplication::sendPostedEvents(FormMagnitudes, QEvent::MetaCall);
    }
    QCoreApplication::processEvents();
    FormMagnitudes->hide();
}
BENCHMARK(WholeStepWithMagnitudes)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv, &createWindows); }
