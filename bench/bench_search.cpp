// The text search through the real main window, and the verse renderer, on the real database.

#include "BenchWindow.h"
#include "controls/CoolHoverButton.h"
#include "core/DataSource.h"
#include "controls/SearchBox.h"
#include "search/VersePage.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// From the command's start to the first result rendered, every list filled.
void searchFor(benchmark::State &state, const QString &text)
{
    BenchWindow bench;
    if (!bench.start(state))
        return;
    auto *box = bench.window.findChild<SearchBox *>(QStringLiteral("searcht"));
    for (auto _ : state) {
        box->setText(text);
        bench.window.search_Click();
    }
}

} // namespace

// The floor under a text search: the SQL text of a one-word whole-text search run on
// the data source alone, no window.
static void BM_FloorLikeScan(benchmark::State &state)
{
    DataSource verses;
    verses.openFile(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu"));
    for (auto _ : state)
        verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.AyaaIndex Like  '% القيوم %' order by ID"));
}
BENCHMARK(BM_FloorLikeScan)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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

// Nothing found as typed: the exact pass, the folded pass and the first verse shown.
static void BM_TextSearchForgivingPass(benchmark::State &state)
{
    searchFor(state, QStringLiteral("ابراهيم"));
}
BENCHMARK(BM_TextSearchForgivingPass)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

static void BM_RenderLongestVerse(benchmark::State &state)
{
    DataSource verses;
    verses.openFile(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu"));
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

// The print text of part 1 (148 verses), from the click on "جمع" to the text shown.
static void BM_PrintGatherPart1(benchmark::State &state)
{
    BenchWindow bench;
    if (!bench.start(state))
        return;
    QTest::mouseClick(bench.window.findChild<CoolHoverButton *>(QStringLiteral("CoolHoverButton12")), Qt::LeftButton);
    auto *gather = bench.window.findChild<QPushButton *>(QStringLiteral("CmdSeachPro2"));
    for (auto _ : state)
        gather->click();
}
BENCHMARK(BM_PrintGatherPart1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
