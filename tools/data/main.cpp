// velmora-data: builds the program's data files from the pinned public sources.

#include "data/DataBuild.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("velmora-data"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Builds the verse database, the translation files and the program's other data files."));
    parser.addHelpOption();
    const QCommandLineOption sources(QStringLiteral("sources"), QStringLiteral("Folder of the unpacked source packages."), QStringLiteral("dir"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Program folder to write into."), QStringLiteral("dir"));
    const QCommandLineOption taf2(QStringLiteral("taf2"), QStringLiteral("First commentary (shown by default), a \"sura|aya|text\" file."), QStringLiteral("file"));
    const QCommandLineOption taf(QStringLiteral("taf"), QStringLiteral("Second commentary, a \"sura|aya|text\" file."), QStringLiteral("file"));
    const QCommandLineOption roots(QStringLiteral("roots"), QStringLiteral("Exact word-to-root table, \"word<TAB>root\" lines, used instead of the root analyser."), QStringLiteral("file"));
    const QCommandLineOption skin(QStringLiteral("skin"), QStringLiteral("Style sheet installed as skn."), QStringLiteral("file"));
    const QCommandLineOption servers(QStringLiteral("servers"), QStringLiteral("servers.ini installed when none exists."), QStringLiteral("file"));
    const QCommandLineOption topics(QStringLiteral("topics"), QStringLiteral("Folder of the topic index."), QStringLiteral("dir"));
    const QCommandLineOption site(QStringLiteral("site"), QStringLiteral("Folder of the local site's update files."), QStringLiteral("dir"));
    parser.addOptions({sources, out, taf2, taf, roots, skin, servers, topics, site});
    parser.process(app);
    if (!parser.isSet(sources) || !parser.isSet(out))
        parser.showHelp(2);

    const DataBuildOptions options{parser.value(sources), parser.value(out), parser.value(taf2),
                                   parser.value(taf), parser.value(skin), parser.value(servers), parser.value(roots),
                                   parser.value(topics), parser.value(site)};
    QElapsedTimer timer;
    timer.start();
    QString error;
    const bool built = buildProgramData(options, [](const QString &step) {
        std::printf("velmora-data: %s\n", qPrintable(step));
    }, &error);
    if (!built) {
        std::fprintf(stderr, "velmora-data: error: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("velmora-data: done in %lld ms\n", static_cast<long long>(timer.elapsed()));
    return 0;
}
