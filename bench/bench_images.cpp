// Drawing one page picture of the local site from the verse database.

#include "images/PageImage.h"
#include "images/SiteImages.h"

#include <benchmark/benchmark.h>

static void BM_RenderPage(benchmark::State &state)
{
    QString error;
    const VerseLibrary library = VerseLibrary::load(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu"), &error);
    const int page = 50; // a sura start, a basmala and a full page of verses
    const PagePicture picture{page, library.partOfPage.value(page), pageBlocks(library.pages.value(page)), library.basmala};
    for (auto _ : state)
        benchmark::DoNotOptimize(renderPage(picture));
}
BENCHMARK(BM_RenderPage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
