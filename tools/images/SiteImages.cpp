#include "images/SiteImages.h"

#include "core/DataSource.h"
#include "images/PageImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <atomic>

VerseLibrary VerseLibrary::load(const QString &verseDatabase, QString *error)
{
    VerseLibrary library;
    const QFileInfo file(verseDatabase);
    DataSource verses;
    if (!verses.openFile(file.absolutePath() + QStringLiteral("/") + file.fileName())
        || !verses.runQuery(QStringLiteral("SELECT ID, soraano, ayaano, pageno, chapterNO, ayaa FROM Ayat order by ID"))) {
        *error = verses.errorString();
        return {};
    }
    for (; !verses.atEnd(); verses.moveNext()) {
        const PageVerse verse{verses.text(QStringLiteral("ID")).toInt(), verses.text(QStringLiteral("soraano")).toInt(),
                              verses.text(QStringLiteral("ayaano")).toInt(), verses.text(QStringLiteral("ayaa"))};
        const int page = verses.text(QStringLiteral("pageno")).toInt();
        if (!library.partOfPage.contains(page))
            library.partOfPage.insert(page, verses.text(QStringLiteral("chapterNO")).toInt());
        library.pages[page].append(verse);
        if (verse.id == 1)
            library.basmala = verse.text;
    }
    return library;
}

QList<PageVerse> VerseLibrary::allVerses() const
{
    QList<PageVerse> verses;
    for (const QList<PageVerse> &page : pages)
        verses += page;
    return verses;
}

namespace {

bool moveIntoPlace(const QString &partial, const QString &target)
{
    QFile::remove(target);
    return QFile::rename(partial, target);
}

} // namespace

bool renderSiteImages(const VerseLibrary &library, const SiteImageOptions &options,
                      const std::function<void(int done, int total)> &progress, QString *error)
{
    const QDir site(options.siteFolder);
    if (!site.mkpath(QStringLiteral("hpages")) || !site.mkpath(QStringLiteral("quran/image"))) {
        *error = QStringLiteral("cannot create the picture folders in %1").arg(site.path());
        return false;
    }

    // One job per picture: positive numbers are pages, negative ones verse IDs.
    QList<int> jobs = options.pages.isEmpty() ? library.pages.keys() : options.pages;
    QList<PageVerse> verses;
    for (const PageVerse &verse : library.allVerses()) {
        if (options.verseIds.isEmpty() || options.verseIds.contains(verse.id))
            verses.append(verse);
    }
    QHash<int, PageVerse> verseById;
    for (const PageVerse &verse : verses) {
        verseById.insert(verse.id, verse);
        jobs.append(-verse.id);
    }

    const int total = int(jobs.size());
    std::atomic<int> done = 0;
    QMutex failureLock;
    QString failure;
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, options.jobs));
    QtConcurrent::blockingMap(&pool, jobs, [&](int job) {
        bool ok = true;
        QString target;
        if (job > 0) {
            target = site.filePath(QStringLiteral("hpages/") + pageFileName(job));
            const PagePicture picture{job, library.partOfPage.value(job), pageBlocks(library.pages.value(job)), library.basmala};
            ok = renderPage(picture).save(target + QStringLiteral(".partial.jpg"), "JPG", 88)
                && moveIntoPlace(target + QStringLiteral(".partial.jpg"), target);
        } else {
            const PageVerse verse = verseById.value(-job);
            target = site.filePath(QStringLiteral("quran/image/") + verseFileName(verse.sura, verse.verse));
            QString gifError;
            ok = writeGif(renderVerse(verse), target + QStringLiteral(".partial"), &gifError)
                && moveIntoPlace(target + QStringLiteral(".partial"), target);
        }
        if (!ok) {
            QMutexLocker locker(&failureLock);
            failure = QStringLiteral("cannot write %1").arg(target);
        }
        const int finished = ++done;
        if (progress && (finished % 100 == 0 || finished == total))
            progress(finished, total);
    });
    if (!failure.isEmpty()) {
        *error = failure;
        return false;
    }
    return true;
}
