// A whole data build from the cached sources: everything velmora-data writes; and a
// commentary the reader brings.

#include "core/CommentaryImport.h"
#include "data/DataBuild.h"
#include "core/SuraTables.h"

#include <QFile>
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

// A whole commentary of 6,236 lines checked and written into a copy of the verse
// database, through the same installation as an update.
static void BM_ImportCommentary(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("commentary.txt"));
    {
        QFile out(file);
        out.open(QIODevice::WriteOnly);
        // Twice as long as an average line of a published commentary (about 220 letters).
        const QByteArray text = QStringLiteral("تفسير الآية ").repeated(38).toUtf8();
        for (int sura = 1; sura <= SuraCount; ++sura) {
            for (int verse = 1; verse <= SuraVerseCounts.at(sura - 1); ++verse)
                out.write(QByteArray::number(sura) + '|' + QByteArray::number(verse) + '|' + text + '\n');
        }
    }
    const QString verses = folder.filePath(QStringLiteral("quran.qu"));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(verses);
        QFile::copy(QStringLiteral(VELMORA_BUILD_DIR "/quran.qu"), verses);
        state.ResumeTiming();
        const CommentaryImport::Result result = CommentaryImport::importFile(folder.path(), QStringLiteral("taf"), file);
        if (!result.imported)
            state.SkipWithError(qPrintable(result.problem));
    }
}
BENCHMARK(BM_ImportCommentary)->Unit(benchmark::kMillisecond)->Iterations(5);
