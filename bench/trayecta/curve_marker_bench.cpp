// What following the curve costs on the heaviest graph (a flight of 100000 s,
// sampled to the plot's point bound): the pointer moves near the curve, the
// marker finds the nearest point and the area repaints it with its arrows; and
// one frame of the animated launch, the ball and its arrows moved and repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "bench/support/QtBenchMain.h"
#include "trayecta/core/FlightFollow.h"
#include "trayecta/core/NumberText.h"
#include "trayecta/forms/CurveFollower.h"
#include "trayecta/forms/Form1.h"
#include "trayecta/forms/GraphArea.h"

namespace {

void calculateLongFlight(trayecta::FORM1 &form)
{
    form.show();
    form.optb->setChecked(true);
    form.txtry0->setText(QStringLiteral("0"));
    form.txtsin->setText(QStringLiteral("0,8"));
    form.txtcos->setText(QStringLiteral("0,6"));
    form.txtvinicial->setText(QStringLiteral("612500"));
    form.Cmdcalcular_Click();
    QApplication::processEvents();
}

void FollowLongFlight(benchmark::State &state)
{
    trayecta::FORM1 form;
    calculateLongFlight(form);
    trayecta::GraphArea *area = form.Dibu;
    const trayecta::DrawnCurve &curve = *form.overlay().shown();
    trayecta::FlightFollow flight = *trayecta::FlightFollow::of(curve.inputs);
    const QSize size = area->plotSize();
    flight.place({curve.startX,
                  {area->scaleLeft(), area->scaleWidth(), area->scaleHeight()},
                  static_cast<double>(size.width()),
                  static_cast<double>(size.height())});
    if (flight.instants().size() < 200000) {
        state.SkipWithError("the flight is not at the point bound");
        return;
    }
    // Two places near the curve, a pixel off it: a quarter of the way and the apex.
    std::vector<QPointF> places;
    for (const double part : {0.25, 0.5}) {
        const trayecta::MarkerShape shape = flight.shapeAt(flight.flightTime() * part, 10.0);
        places.push_back(QPointF(shape.at.x, shape.at.y + 1.0) + area->contentsRect().topLeft());
    }
    std::size_t i = 0;
    for (auto _ : state) {
        const QPointF at = places[i++ % places.size()];
        QMouseEvent move(QEvent::MouseMove, at, area->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(area, &move);
        QApplication::processEvents(); // the marker's repaint
    }
    if (!area->marker()) {
        state.SkipWithError("no marker near the curve");
    }
}
BENCHMARK(FollowLongFlight)->Unit(benchmark::kMillisecond);

void AnimationFrame(benchmark::State &state)
{
    qint64 ms = 0;
    trayecta::CurveFollower::clock = [&ms] { return ms; };
    trayecta::FORM1 form;
    calculateLongFlight(form);
    form.follower()->animate();
    for (auto _ : state) {
        ms += trayecta::CurveFollower::kFrameIntervalMs / 4; // 20 s of play never runs out
        form.follower()->showFrame();
        QApplication::processEvents();
    }
    if (!form.follower()->isAnimating()) {
        state.SkipWithError("the launch ended");
    }
    trayecta::CurveFollower::clock = nullptr;
}
BENCHMARK(AnimationFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return runQtBenchmarks(argc, argv); }
