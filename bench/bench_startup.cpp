// From a new main window to the shown, idle window, on the real database.

#include "FrmMain.h"
#include "ProgramFolder.h"
#include "ProgramState.h"
#include "ScriptedPlatform.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

static void BM_StartupToIdle(benchmark::State &state)
{
    ProgramFolder::setPath(QStringLiteral(VELMORA_BUILD_DIR));
    for (auto _ : state) {
        ScriptedPlatform platform;
        ProgramState programState;
        FrmMain window(platform, programState);
        if (!window.Form_Load()) {
            state.SkipWithError("start-up refused: is the program already running?");
            break;
        }
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_StartupToIdle)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
