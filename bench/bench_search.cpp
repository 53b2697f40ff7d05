// The text search through the real main window, and the verse renderer, on the real database.

#include "ConnectionString.h"
#include "DataSource.h"
#include "FrmMain.h"
#include "ProgramFolder.h"
#include "ProgramState.h"
#include "ScriptedPlatform.h"
#include "SearchBox.h"
#include "VersePage.h"

#include <benchmark/benchmark.h>

namespace {

// From the command's start to the first result rendered, every list filled.
void searchFor(benchmark::State &state, const QString &text)
{
    ProgramFolder::setPath(QStringLiteral(VELMORA_BUILD_DIR));
    ScriptedPlatform platform;
    ProgramState programState;
    FrmMain window(platform, programState);
    if (!window.Form_Load()) {
        state.SkipWithError("start-up refused: is the program already running?");
        return;
    }
    window.show();
    auto *box = window.findChild<SearchBox *>(QStringLiteral("searcht"));
    for (auto _ : state) {
        box->setText(text);
        window.search_Click();
    }
}

} // namespace

static void BM_TextSearchAllahWholeText(benchmark::State &state)
{
    searchFor(state, QStringLiteral("الله"));
}
BENCHMARK(BM_TextSearchAllahWholeText)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_TextSearchFewResults(benchmark::State &state)
{
    searchFor(state, QStringLiteral("القيوم"));
}
BENCHMARK(BM_TextSearchFewResults)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_RenderLongestVerse(benchmark::State &state)
{
    DataSource verses;
    verses.open(databaseConnectionString(QStringLiteral(VELMORA_BUILD_DIR), QStringLiteral("quran.qu")));
    verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 289")); // 2:282
    VersePageInput input;
    input.displayText = verses.text(QStringLiteral("ayaa"));
    input.indexText = verses.text(QStringLiteral("ayaaindex"));
    input.searchWord = QStringLiteral("الله");
    input.reference = QStringLiteral("البقرة : 282");
    input.fontName = QStringLiteral("Tahoma");
    input.color = QStringLiteral("#FF0000");
    for (auto _ : state)
        benchmark::DoNotOptimize(versePage(input));
}
BENCHMARK(BM_RenderLongestVerse)->Unit(benchmark::kMicrosecond);
