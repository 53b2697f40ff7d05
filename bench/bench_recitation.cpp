// The silence between two verses of a verse-by-verse recitation from the local test
// server: each verse is a 250 ms tone; the time from the first verse's start to the
// end of the recitation, less the sound itself, spread over the verses, is the pause
// each verse adds (ending one part, starting the next, and the start of the first).

#include "support/LocalHttpServer.h"
#include "media/Listn2Quran.h"
#include "media/RecitationPlayer.h"
#include "support/ScriptedPlatform.h"
#include "core/Servers.h"
#include "support/ToneWav.h"

#include <QElapsedTimer>
#include <QEventLoop>

#include <benchmark/benchmark.h>

namespace {

constexpr int VerseMs = 250;
constexpr int Verses = 4;

} // namespace

static void BM_GapBetweenVerses(benchmark::State &state)
{
    LocalHttpServer server;
    for (int verse = 1; verse <= Verses; ++verse)
        server.serve(QStringLiteral("v/001%1.wav").arg(verse, 3, 10, QLatin1Char('0')), toneWav(VerseMs));
    Servers servers = Servers::load(QStringLiteral("/nonexistent/servers.ini"));
    servers.partialReciters[1].verseAudio = server.url(QStringLiteral("v/{sura:3}{aya:3}.wav"));
    ScriptedPlatform platform;
    RecitationPlayer player(platform);
    QElapsedTimer clock;
    QObject::connect(&player, &RecitationPlayer::partStarted, [&](int index) {
        if (index == 0)
            clock.start();
    });

    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&player, &RecitationPlayer::finished, &loop, &QEventLoop::quit);
        Listn2Quran::PlayVerseRange(platform, servers, player, 1, 1, Verses, 1);
        loop.exec();
        const double pause = double(clock.elapsed() - Verses * VerseMs) / Verses;
        state.SetIterationTime(pause / 1000.0);
    }
    if (!platform.messages.isEmpty())
        state.SkipWithError(platform.messages.first().text.toStdString().c_str());
}
BENCHMARK(BM_GapBetweenVerses)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)->ReportAggregatesOnly(true);
