// From a new main window to the shown, idle window, on the real database.

#include "BenchWindow.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

static void BM_StartupToIdle(benchmark::State &state)
{
    for (auto _ : state) {
        BenchWindow bench;
        if (!bench.start(state))
            break;
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_StartupToIdle)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
