// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>

#include <benchmark/benchmark.h>

// The main() of a benchmark of widgets: a QApplication on the offscreen platform unless another
// is asked for, then Google Benchmark's own run.
#define PSE_WIDGET_BENCHMARK_MAIN()                                                                \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        QApplication app(argc, argv);                                                              \
        benchmark::Initialize(&argc, argv);                                                        \
        benchmark::RunSpecifiedBenchmarks();                                                       \
        benchmark::Shutdown();                                                                     \
        return 0;                                                                                  \
    }
