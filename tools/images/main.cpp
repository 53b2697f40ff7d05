// velmora-images: draws the page and verse pictures of the local site from the verse
// database, on every core, for the page reader and the script-image window.

#include "images/SiteImages.h"

#include <QCommandLineParser>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Fonts need a GUI application; no window is ever shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the page and verse pictures of the local site."));
    parser.addHelpOption();
    const QCommandLineOption database(QStringLiteral("database"), QStringLiteral("The built quran.qu."), QStringLiteral("file"));
    const QCommandLineOption site(QStringLiteral("site"), QStringLiteral("The site folder to draw into."), QStringLiteral("dir"));
    const QCommandLineOption jobs(QStringLiteral("jobs"), QStringLiteral("Pictures drawn at once."), QStringLiteral("n"),
                                  QStringLiteral("2"));
    parser.addOptions({database, site, jobs});
    parser.process(app);
    if (!parser.isSet(database) || !parser.isSet(site))
        parser.showHelp(2);

    QElapsedTimer timer;
    timer.start();
    QString error;
    const VerseLibrary library = VerseLibrary::load(parser.value(database), &error);
    if (library.pages.isEmpty()) {
        std::fprintf(stderr, "velmora-images: error: %s\n", qPrintable(error));
        return 1;
    }
    const QString stamp = QDir(parser.value(site)).filePath(QStringLiteral(".images-complete"));
    QFile::remove(stamp);
    const SiteImageOptions options{parser.value(site), parser.value(jobs).toInt(), {}, {}};
    const bool drawn = renderSiteImages(library, options, [](int done, int total) {
        std::printf("\rvelmora-images: %d / %d pictures", done, total);
        std::fflush(stdout);
    }, &error);
    std::printf("\n");
    if (!drawn) {
        std::fprintf(stderr, "velmora-images: error: %s\n", qPrintable(error));
        return 1;
    }
    // The stamp tells scripts/run the pictures are complete and need not be drawn again.
    QFile done(stamp);
    done.open(QIODevice::WriteOnly);
    std::printf("velmora-images: done in %lld s\n", static_cast<long long>(timer.elapsed() / 1000));
    return 0;
}
