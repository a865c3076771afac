// From starting a program to its main window's first paint, as a user starts
// it: a fresh process runs what the program's main() runs (the --scale
// reading, the application, the identity, the windows) and reports the
// monotonic times at which its main() began and its main window was first
// painted; the parent took the time just before starting it.
// StartToFirstPaint/<program>/<scale x 10>; the counter main_to_paint_ms
// leaves out starting the process and loading its libraries.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include "trayecta/app/Identity.h"
#include "trayecta/forms/Form1.h"
#include "voltrix/app/Identity.h"
#include "voltrix/forms/Experiment.h"
#include "voltrix/forms/ProgramWindows.h"
#include "voltrix/forms/Unit1.h"

namespace {

long long mainEntered = 0;

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

// Prints the time of the first paint of the watched window and quits.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            std::printf("%lld %lld\n", mainEntered, monotonicNs());
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

int runChild(int argc, char **argv, const std::string &program)
{
    orvalis::applyScaleArgument(argc, argv);
    QApplication app(argc, argv);
    FirstPaint paint;
    if (program == "voltrix") {
        orvalis::prepareApplication(app, voltrix::programIdentity());
        voltrix::Experiment experiment;
        voltrix::createVoltrixWindows(experiment);
        voltrix::Form1->installEventFilter(&paint);
        voltrix::Form1->show();
        const int status = app.exec();
        voltrix::destroyVoltrixWindows();
        return status;
    }
    orvalis::prepareApplication(app, trayecta::programIdentity());
    trayecta::FORM1 window;
    window.installEventFilter(&paint);
    window.show();
    return app.exec();
}

QString self;

void StartToFirstPaint(benchmark::State &state, const char *program, const char *language)
{
    const QString scale = QString::number(static_cast<double>(state.range(0)) / 10.0);
    QStringList arguments{QStringLiteral("--child"), QString::fromLatin1(program), QStringLiteral("--scale"), scale};
    if (*language)
        arguments << QStringLiteral("--lang") << QString::fromLatin1(language);
    double inMain = 0;
    for (auto _ : state) {
        QProcess child;
        const long long started = monotonicNs();
        child.start(self, arguments);
        if (!child.waitForFinished(20000) || child.exitCode() != 0) {
            state.SkipWithError("the program did not paint");
            return;
        }
        const QStringList times = QString::fromLatin1(child.readAllStandardOutput()).trimmed().split(QLatin1Char(' '));
        if (times.size() != 2) {
            state.SkipWithError("the program reported no paint");
            return;
        }
        const long long entered = times[0].toLongLong(), painted = times[1].toLongLong();
        state.SetIterationTime(static_cast<double>(painted - started) * 1e-9);
        inMain += static_cast<double>(painted - entered) * 1e-6;
    }
    state.counters["main_to_paint_ms"] = benchmark::Counter(inMain, benchmark::Counter::kAvgIterations);
}
// In the design's language, and in one that loads a translation over another
// (Valencian over Catalan) and Qt's own.
BENCHMARK_CAPTURE(StartToFirstPaint, voltrix, "voltrix", "")
    ->Arg(10)
    ->Arg(20)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartToFirstPaint, voltrix_valencian, "voltrix", "ca@valencia")
    ->Arg(10)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartToFirstPaint, trayecta, "trayecta", "")
    ->Arg(10)
    ->Arg(20)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(StartToFirstPaint, trayecta_valencian, "trayecta", "ca@valencia")
    ->Arg(10)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    mainEntered = monotonicNs();
    // bench_startup_bench --child PROGRAM [program arguments]: be the program.
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0) {
        const std::string program = argv[2];
        argv[2] = argv[0];
        return runChild(argc - 2, argv + 2, program);
    }
    QCoreApplication app(argc, argv);
    self = QCoreApplication::applicationFilePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
