// What the graph's menu costs: redrawing eight kept curves of the start-up
// problem (4371 points each) in a new scale, a calculation over them, the
// picture of such a graph as PNG and SVG, and exporting the points of a flight
// of 100000 s (sampled to the plot's bound) as a CSV file.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "bench/support/LongFlight.h"
#include "bench/support/QtBenchMain.h"
#include "trayecta/core/TrajectoryExport.h"
#include "trayecta/core/TrajectoryOverlay.h"
#include "trayecta/core/WholeFile.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphArea.h"
#include "trayecta/forms/GraphAreaPicture.h"

namespace {

constexpr int kKeptCurves = 8;

// A window overlaying the start-up problem: eight kept curves under a ninth.
void overlayEightCurves(trayecta::FORM1 &form)
{
    form.mnuSuperposa->setChecked(true);
    for (int i = 0; i <= kKeptCurves; ++i) {
        form.Cmdcalcular_Click();
    }
}

void RedrawEightKeptCurves(benchmark::State &state)
{
    trayecta::FORM1 form;
    overlayEightCurves(form);
    const trayecta::TrajectoryOverlay &overlay = form.overlay();
    if (overlay.earlier().size() != kKeptCurves || overlay.earlier().front().points.size() != 4371) {
        state.SkipWithError("unexpected kept curves");
        return;
    }
    trayecta::GraphArea &area = *form.Dibu;
    const float heights[2] = {60.0f, 70.0f}; // a new scale each time
    int turn = 0;
    for (auto _ : state) {
        const float height = heights[turn++ % 2];
        area.setUserScale(0.0f, 100.0f, height);
        area.clear();
        for (const auto &curve : overlay.earlierPlacedIn(0.0, height)) {
            area.plotPoints(curve, QColor::fromRgb(trayecta::kEarlierCurveColour));
        }
        benchmark::DoNotOptimize(area.drawing().constBits());
    }
    state.counters["points"] = static_cast<double>(kKeptCurves * 4371);
}
BENCHMARK(RedrawEightKeptCurves)->Unit(benchmark::kMillisecond);

// A whole press of "&Calcular" over eight kept curves, each with another scale.
void CalculateOverEightKeptCurves(benchmark::State &state)
{
    trayecta::FORM1 form;
    overlayEightCurves(form);
    const QString heights[2] = {QStringLiteral("16"), QStringLiteral("15")};
    int turn = 0;
    for (auto _ : state) {
        form.txtry0->setText(heights[turn++ % 2]);
        form.Cmdcalcular_Click();
    }
    if (form.overlay().earlier().size() != kKeptCurves) {
        state.SkipWithError("unexpected kept curves");
    }
}
BENCHMARK(CalculateOverEightKeptCurves)->Unit(benchmark::kMillisecond);

void PictureWithEightKeptCurves(benchmark::State &state)
{
    trayecta::FORM1 form;
    overlayEightCurves(form);
    const bool svg = state.range(0) == 1;
    for (auto _ : state) {
        const trayecta::GraphPicture picture = form.graphPicture();
        benchmark::DoNotOptimize(svg ? trayecta::graphPictureSvg(picture, 96)
                                     : trayecta::graphPicturePng(picture, 2.0));
    }
    state.SetLabel(svg ? "SVG" : "PNG at pixel ratio 2");
}
BENCHMARK(PictureWithEightKeptCurves)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The table and its file, written through a temporary file renamed into place.
void ExportLongFlightPoints(benchmark::State &state)
{
    const trayecta::TrajectoryInputs inputs = solvedLongFlight();
    if (inputs.flightTime != "100000") {
        state.SkipWithError("unexpected flight time");
        return;
    }
    QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("punts.csv")).toStdString();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::optional<std::string> csv = trayecta::pointsCsv(inputs);
        if (!csv || trayecta::writeWholeFile(path, *csv)) {
            state.SkipWithError("export failed");
            return;
        }
        bytes = csv->size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ExportLongFlightPoints)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv); }
