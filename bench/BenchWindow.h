#pragma once

#include "mainwindow/FrmMain.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "support/ScriptedPlatform.h"

#include <benchmark/benchmark.h>

// The real main window on the built database, started and shown, for benchmarks that
// drive its commands.
struct BenchWindow {
    ScriptedPlatform platform;
    ProgramState state;
    FrmMain window{platform, state};

    // False (and the benchmark marked skipped) when the window could not start.
    bool start(benchmark::State &benchmarkState)
    {
        ProgramFolder::setPath(QStringLiteral(VELMORA_BUILD_DIR));
        if (!window.Form_Load()) {
            benchmarkState.SkipWithError("start-up refused: is the program already running?");
            return false;
        }
        window.show();
        return true;
    }
};
