#pragma once

#include <QCoreApplication>
#include <benchmark/benchmark.h>

// Benchmarks of the core need an application all the same: Qt SQL finds its drivers through it, and
// QProcess its event loop.
inline int runCoreBenchmarks(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
