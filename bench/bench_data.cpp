// A whole data build from the cached sources: everything velmora-data writes.

#include "DataBuild.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void BM_BuildProgramData(benchmark::State &state)
{
    QTemporaryDir out;
    const DataBuildOptions options{QStringLiteral(VELMORA_BUILD_DIR "/sources"), out.path(), {}, {}, {}, {}};
    for (auto _ : state) {
        QString error;
        if (!buildProgramData(options, [](const QString &) {}, &error))
            state.SkipWithError(qPrintable(error));
    }
}
BENCHMARK(BM_BuildProgramData)->Unit(benchmark::kMillisecond)->Iterations(5);
