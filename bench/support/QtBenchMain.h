#pragma once
// The main() of a benchmark that needs widgets: a QApplication (on the
// offscreen platform unless QT_QPA_PLATFORM names another), what the
// benchmarks need set up once, then the benchmarks named on the command line.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <functional>

inline int runQtBenchmarks(int argc, char **argv, const std::function<void()> &setUp = {})
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (setUp)
        setUp();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
