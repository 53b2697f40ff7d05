// A 5 MB download arriving over about a second: how long the event loop and the
// progress reports go quiet while it arrives.

#include "net/Downloader.h"
#include "support/LocalHttpServer.h"
#include "support/ScriptedPlatform.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <benchmark/benchmark.h>

static void BM_LargeDownloadGaps(benchmark::State &state)
{
    LocalHttpServer server;
    QByteArray body(5 * 1024 * 1024, 'x');
    server.serve(QStringLiteral("big.bin"), {200, body, true, -1, 64 * 1024, 12});
    QTemporaryDir dir;
    ScriptedPlatform platform;
    qint64 longestTickGap = 0, longestProgressGap = 0;
    for (auto _ : state) {
        Downloader downloader(platform);
        QElapsedTimer clock;
        qint64 lastTick = 0, lastProgress = -1;
        bool complete = false;
        QTimer ticker;
        ticker.setInterval(10);
        QObject::connect(&ticker, &QTimer::timeout, [&] {
            longestTickGap = std::max(longestTickGap, clock.elapsed() - lastTick);
            lastTick = clock.elapsed();
        });
        QObject::connect(&downloader, &Downloader::DownloadProgress, [&] {
            if (lastProgress >= 0)
                longestProgressGap = std::max(longestProgressGap, clock.elapsed() - lastProgress);
            lastProgress = clock.elapsed();
        });
        QObject::connect(&downloader, &Downloader::DownloadComplete, [&] { complete = true; });
        clock.start();
        ticker.start();
        downloader.BeginDownload(server.url(QStringLiteral("big.bin")), dir.filePath(QStringLiteral("big.bin")));
        if (!QTest::qWaitFor([&] { return complete; }, 20000)) {
            state.SkipWithError("the download did not finish");
            return;
        }
    }
    state.counters["longest_tick_gap_ms"] = double(longestTickGap);
    state.counters["longest_progress_gap_ms"] = double(longestProgressGap);
}
BENCHMARK(BM_LargeDownloadGaps)->Unit(benchmark::kMillisecond)->Iterations(3);
