// The animation as the user runs it: the six windows of the program in the
// offscreen platform, the main window shown, its 1 ms step timer running.
//  - AnimationStepsPerSecond: steps the event loop delivers in 5 s of wall time
//    (the design's ceiling is 1000 per second).
//  - WholeStep: one call of the step handler: physics, scene, readouts,
//    DrawWorld, blink. Repeated; the median is the figure to read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "SimState.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "ProgramWindows.h"

using namespace voltrix;

namespace {

void createWindows()
{
    createVoltrixWindows();
    Form1->show();
}

void AnimationStepsPerSecond(benchmark::State &state)
{
    for (auto _ : state) {
        long steps = 0;
        const auto counter = QObject::connect(Form1->TimeAnimacion, &QTimer::timeout, [&steps] { ++steps; });
        QEventLoop loop;
        QTimer::singleShot(5000, &loop, &QEventLoop::quit);
        QElapsedTimer wall;
        wall.start();
        Form1->BtnAniStopMouseDown();
        loop.exec();
        Form1->BtnAniStopMouseDown();
        const double seconds = static_cast<double>(wall.nsecsElapsed()) * 1e-9;
        QObject::disconnect(counter);
        state.SetIterationTime(seconds);
        state.counters["steps_per_s"] = static_cast<double>(steps) / seconds;
    }
}
BENCHMARK(AnimationStepsPerSecond)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

void WholeStep(benchmark::State &state)
{
    for (auto _ : state)
        Form1->TimeAnimacionTimer();
    // Let the view's pending repaints happen between repetitions.
    QCoreApplication::processEvents();
}
BENCHMARK(WholeStep)->Repetitions(15)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    createWindows();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
