// The "Gráficas" window against a run of a million recorded steps (the most
// the run keeps) and at the pace of the animation:
//  - GraphGather: gathering a choice's columns afresh (a new axis, size or
//    choice) for the plot's width in device pixels, 1x and 2x.
//  - GraphRedraw: that, plus painting the plot as the window shows it.
//  - ShownStep / ShownStepWithGraphs: one shown step of the real windows and
//    the repaint it causes, without and with the window open; the difference
//    is the work the window adds to a step. /0: a run of a few thousand
//    steps; /1: the full ring, where every step drops the oldest row and the
//    columns are gathered afresh.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>

#include "bench/support/QtBenchMain.h"
#include "voltrix/core/Physics.h"
#include "voltrix/forms/Experiment.h"
#include "voltrix/forms/ProgramWindows.h"
#include "voltrix/forms/RunPlot.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/UnitGraficas.h"

using namespace voltrix;

namespace {

// A million rows of the start-up state, recorded once.
const RunRecorder &millionRows()
{
    static const RunRecorder run = [] {
        RunRecorder r;
        SimState s;
        r.record(s);
        while (r.size() < r.capacity()) {
            integrateStep(s);
            r.record(s);
        }
        return r;
    }();
    return run;
}

constexpr QSize kPlotSize(428, 290);

void GraphGather(benchmark::State &state)
{
    const auto choice = static_cast<GraphChoice>(state.range(0));
    const int columns = static_cast<int>(plotFrame(kPlotSize, false).width() * static_cast<double>(state.range(1)));
    const RunRecorder &run = millionRows();
    GraphData data;
    for (auto _ : state) {
        data.reset();
        data.update(run, choice, LengthUnit::Metre, columns);
        benchmark::DoNotOptimize(data.envelopes().data());
    }
}
BENCHMARK(GraphGather)
    ->Args({static_cast<int>(GraphChoice::Position), 1})
    ->Args({static_cast<int>(GraphChoice::Energy), 1})
    ->Args({static_cast<int>(GraphChoice::Energy), 2})
    ->Unit(benchmark::kMillisecond);

void GraphRedraw(benchmark::State &state)
{
    const qreal ratio = static_cast<qreal>(state.range(0));
    const int columns = static_cast<int>(plotFrame(kPlotSize, false).width() * ratio);
    QImage image(kPlotSize * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    GraphData data;
    for (auto _ : state) {
        data.reset();
        data.update(millionRows(), GraphChoice::Energy, LengthUnit::Metre, columns);
        QPainter painter(&image);
        paintPlot(painter, QRectF(QPointF(0, 0), kPlotSize), data);
    }
}
BENCHMARK(GraphRedraw)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

Experiment *experiment = nullptr;

void setUpRun(bool full)
{
    experiment->preset();
    RunRecorder &run = experiment->rawRun();
    SimState s = experiment->state();
    run.record(s);
    while (run.size() < (full ? run.capacity() : 5000)) {
        integrateStep(s);
        run.record(s);
    }
}

void shownSteps(benchmark::State &state, bool graphs)
{
    setUpRun(state.range(0) != 0);
    if (graphs) {
        FormGraficas->show();
        FormGraficas->ComboMagnitud->setCurrentIndex(static_cast<int>(GraphChoice::Energy));
    }
    QCoreApplication::processEvents();
    for (auto _ : state) {
        Form1->TimeAnimacionTimer();
        QCoreApplication::processEvents();
    }
    FormGraficas->hide();
}

void ShownStep(benchmark::State &state) { shownSteps(state, false); }
void ShownStepWithGraphs(benchmark::State &state) { shownSteps(state, true); }
BENCHMARK(ShownStep)->Arg(0)->Arg(1)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShownStepWithGraphs)
    ->Arg(0)
    ->Arg(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void createWindows()
{
    experiment = new Experiment;
    createVoltrixWindows(*experiment);
    Form1->show();
}

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv, &createWindows); }
