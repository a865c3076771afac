// The experiment's report written as PDF, as "Guardar informe (PDF)…" writes
// it: the set-up, "Magnitudes", the view drawn at 300 dpi with a long trace
// and the graph of a million recorded steps. The PDF's size is the "bytes"
// counter.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>

#include "bench/support/QtBenchMain.h"
#include "common/Handout.h"
#include "voltrix/core/Physics.h"
#include "voltrix/core/RunGraph.h"
#include "voltrix/forms/Experiment.h"
#include "voltrix/forms/ProgramWindows.h"
#include "voltrix/forms/Unit1.h"
#include "voltrix/forms/UnitGraficas.h"

using namespace voltrix;

namespace {

Experiment *experiment = nullptr;

void ReportPdf(benchmark::State &state)
{
    const bool graphs = state.range(0) != 0;
    if (!Form1->CheckTraza->isChecked())
        Form1->CheckTraza->click();
    for (int i = 0; i < 600; ++i)
        Form1->TimeAnimacionTimer(); // the trace goes round several times
    RunRecorder &run = experiment->rawRun();
    SimState s = experiment->state();
    while (run.size() < run.capacity()) {
        integrateStep(s);
        run.record(s);
    }
    if (graphs) {
        FormGraficas->show();
        FormGraficas->ComboMagnitud->setCurrentIndex(static_cast<int>(GraphChoice::Energy));
    }
    QCoreApplication::processEvents();
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = orvalis::handoutPdf(Form1->experimentReport()).size();
    state.counters["bytes"] = static_cast<double>(bytes);
    FormGraficas->hide();
}
BENCHMARK(ReportPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void createWindows()
{
    experiment = new Experiment;
    createVoltrixWindows(*experiment);
    Form1->show();
}

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv, &createWindows); }
