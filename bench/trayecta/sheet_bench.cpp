// The problem sheet written as PDF, as "Desa com a PDF…" writes it, on the
// heaviest graph: the flight of 100000 s at the plot's point bound with two
// earlier curves overlaid; and the student's sheet. The PDF's size is the
// "bytes" counter.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>

#include "bench/support/QtBenchMain.h"
#include "common/Handout.h"
#include "trayecta/forms/Form1.h"

namespace {

void SheetPdf(benchmark::State &state)
{
    trayecta::FORM1 form;
    form.show();
    form.mnuSuperposa->setChecked(true);
    form.optb->setChecked(true);
    form.txtry0->setText(QStringLiteral("0"));
    form.txtsin->setText(QStringLiteral("0,8"));
    form.txtcos->setText(QStringLiteral("0,6"));
    for (const char *speed : {"300000", "450000", "612500"}) {
        form.txtvinicial->setText(QString::fromUtf8(speed));
        form.Cmdcalcular_Click();
    }
    QApplication::processEvents();
    const bool forTheStudent = state.range(0) != 0;
    qsizetype bytes = 0;
    for (auto _ : state)
        bytes = orvalis::handoutPdf(form.problemSheet(forTheStudent)).size();
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(SheetPdf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv); }
