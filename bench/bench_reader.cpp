// Opening a spread of the page reader whose two pages are in the cache.

#include "reader/FrmRead.h"
#include "images/PageImage.h"
#include "core/PictureNames.h"
#include "core/ProgramFolder.h"
#include "support/ScriptedPlatform.h"
#include "images/SiteImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

static void BM_OpenCachedSpread(benchmark::State &state)
{
    // A scratch program folder with the database and two drawn pages in its cache.
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu"), folder.filePath(QStringLiteral("quran.qu")));
    ProgramFolder::setPath(folder.path());
    QDir(folder.path()).mkpath(QStringLiteral("pic2"));
    QString error;
    const VerseLibrary library = VerseLibrary::load(folder.filePath(QStringLiteral("quran.qu")), &error);
    for (int page : {105, 106}) {
        const PagePicture picture{page, library.partOfPage.value(page), pageBlocks(library.pages.value(page)), library.basmala};
        renderPage(picture).save(folder.filePath(QStringLiteral("pic2/") + pageFileName(page)));
    }

    ScriptedPlatform platform;
    platform.connected = false;
    FrmRead reader(platform, {});
    reader.Form_Load();
    reader.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        reader.ShowPagePair(106);
        reader.ShowPageVerses(QStringLiteral("106"));
        reader.repaint();
    }
    ProgramFolder::setPath(QStringLiteral(VELMORA_BUILD_DIR));
}
BENCHMARK(BM_OpenCachedSpread)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
