// Redrawing and re-projecting the 3D view on a scene like the main window's:
// cube, axes, 20 segments, 9 planes, 5 labels, one particle and a trace of 40
// samples in a 316 x 354 view. The animation redraws once a millisecond.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>

#include <QApplication>

#include "bench/support/QtBenchMain.h"
#include "voltrix/view3d/TXc3DWorld.h"

using namespace voltrix;

namespace {

constexpr int kWidth = 316;
constexpr int kHeight = 354;

// allVisible: every object coloured; otherwise, as in the main window at
// start, part of the figures are hidden in the background colour.
void buildScene(TXc3DWorld &w, bool allVisible)
{
    w.resize(kWidth, kHeight);
    w.Zoom = 0.55f;
    w.Alfa = 30;
    w.Beta = 20;
    w.SetCube(clGreen, true);
    w.SetAxes(clLime, true);
    w.SetupWorld();

    w.AddNSegments(100, 0, 1, 0, 0, 0, 0, 0, 0, clBlack, 0);
    w.NSegments = 20;
    const TColor figureColours[5] = {clAqua, clRed, clYellow, clWhite, clSilver};
    for (int s = 1; s <= 20; ++s) {
        const int figure = (s - 1) / 4;
        const bool arrow = (s - 1) % 4 == 0;
        w.ChangeSegmentProperties(0, s, (arrow || allVisible) ? figureColours[figure] : clBlack);
        if (!arrow) {
            w.ChangeSegmentProperties(2, s, 1);
            w.ChangeSegmentProperties(1, s, 2);
        }
        w.MoveSegment(s, 20.0f + s, 30, 40, 40.0f + 2 * s, 60.0f - s, 80);
    }

    w.AddNPlanes(9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, clBlack, 0);
    w.NPlanes = 9;
    w.MovePlane(1, 0, 0, 0, 100, 0, 0, 100, 100, 0, 0, 100, 0);
    w.ChangePlaneProperties(2, 1, 1.0f);
    w.ChangePlaneProperties(0, 1, static_cast<float>(clNavy));
    for (int p = 2; p <= 9; ++p) {
        const float z = 10.0f * p;
        w.MovePlane(p, 25, 25, z, 75, 25, z, 75, 75, z, 25, 75, z);
        w.ChangePlaneProperties(1, p, 6.0f);
        if (allVisible || p >= 8)
            w.ChangePlaneProperties(0, p, static_cast<float>(clYellow));
    }

    w.AddNLabels(5, 8, 0, 0, 0, clAqua, "V");
    w.NLabels = 5;
    const char *texts[5] = {"V", "a", "E", "B", "r"};
    for (int l = 1; l <= 5; ++l) {
        w.ChangeLabelText(l, texts[l - 1]);
        w.MoveLabel(l, 10.0f * l, 50, 90);
    }

    w.AddNParticles(1, 1, 6, 0, 0, 0, clRed, 0);
    w.NParticles = 1;
    w.AddNTraces(1, 0, clGray, 1, 40);
    w.NTraces = 1;
    w.LinkTraceToParticle(1, 1, 0, clLime, 1, 40, true);
    w.ShowTrace = true;
    for (int m = 0; m < 60; ++m)
        w.MoveParticle(1, 50 + 30 * std::cos(m * 0.2f), 50 + 30 * std::sin(m * 0.2f), 20 + m);
    w.ProjectAll();
}

void BM_DrawWorld(benchmark::State &state)
{
    TXc3DWorld w;
    buildScene(w, state.range(0) != 0);
    for (auto _ : state) {
        w.DrawWorld();
        benchmark::DoNotOptimize(w.BitmapCanvas().state());
    }
    // Let the queued paint go, so it is not counted in the next benchmark.
    QCoreApplication::processEvents();
}
BENCHMARK(BM_DrawWorld)->Arg(0)->Arg(1)->ArgName("allVisible")->Unit(benchmark::kMicrosecond);

// One animation tick as the main window does it: move the particle (which
// samples the trace), then redraw.
void BM_MoveAndDraw(benchmark::State &state)
{
    TXc3DWorld w;
    buildScene(w, false);
    int m = 0;
    for (auto _ : state) {
        ++m;
        w.MoveParticle(1, 50 + 30 * std::cos(m * 0.01f), 50 + 30 * std::sin(m * 0.01f), static_cast<float>(m % 100));
        w.DrawWorld();
    }
    QCoreApplication::processEvents();
}
BENCHMARK(BM_MoveAndDraw)->Unit(benchmark::kMicrosecond);

void BM_ProjectAll(benchmark::State &state)
{
    TXc3DWorld w;
    buildScene(w, true);
    int angle = 0;
    for (auto _ : state) {
        w.Alfa = ++angle % 360;
        w.ProjectAll();
        benchmark::DoNotOptimize(w.particle(1).screen);
    }
}
BENCHMARK(BM_ProjectAll)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv); }
