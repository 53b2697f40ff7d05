// velmora-search run as a reader's script runs it: arguments in, lines and an exit status
// out. Which damage the data check finds is tst_startupfiles' and tst_programfiles'.

#include "support/TestProgramFolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

Run velmoraSearch(const QStringList &arguments, const QString &locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VELMORA_SEARCH_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestVelmoraSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // (A search that finds something ends with 0, whatever it prints: checked once.)
    void resultsAndExitStatuses()
    {
        Run run = velmoraSearch({QStringLiteral("القيوم")});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out, QStringLiteral("2:255\n3:2\n20:111\n"));

        run = velmoraSearch({QStringLiteral("--text"), QStringLiteral("--scope"), QStringLiteral("suras"), QStringLiteral("3"),
                             QStringLiteral("20"), QStringLiteral("الحي"), QStringLiteral("القيوم")});
        QVERIFY(run.out.startsWith(QStringLiteral("3:2\tٱللَّهُ")));
        QCOMPARE(run.out.count(u'\n'), 1);

        // Nothing as typed: the forgiving pass says what it found, unless told to be strict.
        run = velmoraSearch({QStringLiteral("ابراهيم")}, QStringLiteral("ar_SA.UTF-8"));
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.count(u'\n'), 56);
        QVERIFY(run.err.contains(QStringLiteral("لم يعثر على \"ابراهيم\" كما كتبت؛ هذه نتائج \"إبراهيم\"")));
        run = velmoraSearch({QStringLiteral("--strict"), QStringLiteral("ابراهيم")});
        QCOMPARE(run.status, 1);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains(QStringLiteral("nothing found")));

        // The root search: every verse once, in reading order.
        run = velmoraSearch({QStringLiteral("--root"), QStringLiteral("--scope"), QStringLiteral("sura"), QStringLiteral("2"),
                             QStringLiteral("كتاب")});
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        QVERIFY(lines.size() > 20 && lines.contains(QStringLiteral("2:2")));
        QCOMPARE(QSet<QString>(lines.cbegin(), lines.cend()).size(), lines.size());
        for (const QString &line : lines)
            QVERIFY(line.startsWith(QStringLiteral("2:")));

        // Usage errors.
        for (const QStringList &arguments : {QStringList{}, QStringList{QStringLiteral("--bogus"), QStringLiteral("الله")},
                                             QStringList{QStringLiteral("--scope"), QStringLiteral("sura"), QStringLiteral("115"), QStringLiteral("الله")},
                                             QStringList{QStringLiteral("--root"), QStringLiteral("رب العالمين")}}) {
            run = velmoraSearch(arguments);
            QCOMPARE(run.status, 2);
            QVERIFY(run.out.isEmpty() && !run.err.isEmpty());
        }

        run = velmoraSearch({QStringLiteral("--help")});
        QCOMPARE(run.status, 0);
        QVERIFY(run.out.contains(QStringLiteral("--json")));

        run = velmoraSearch({QStringLiteral("--json"), QStringLiteral("--scope"), QStringLiteral("part"), QStringLiteral("3"),
                             QStringLiteral("القيوم")});
        const QJsonArray verses = QJsonDocument::fromJson(run.out.toUtf8()).array();
        QCOMPARE(verses.size(), 2);
        const QJsonObject throne = verses.at(0).toObject();
        QCOMPARE(throne.value(QStringLiteral("sura")).toInt(), 2);
        QCOMPARE(throne.value(QStringLiteral("aya")).toInt(), 255);
        QCOMPARE(throne.value(QStringLiteral("page")).toInt(), 42);
        QCOMPARE(throne.value(QStringLiteral("part")).toInt(), 3);
        QVERIFY(throne.value(QStringLiteral("text")).toString().contains(QStringLiteral("ٱلۡقَيُّومُ")));

        // A data folder without the verse database, or with a damaged one.
        QTemporaryDir folder;
        run = velmoraSearch({QStringLiteral("--data"), folder.path(), QStringLiteral("الله")});
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("quran.qu")));

        writeFile(folder.filePath(QStringLiteral("quran.qu")), QByteArray(8192, 'x'));
        run = velmoraSearch({QStringLiteral("--data"), folder.path(), QStringLiteral("الله")}, QStringLiteral("ar_EG.UTF-8"));
        QCOMPARE(run.status, 2);
        QVERIFY(run.err.contains(QStringLiteral("تالف")));
    }
};

QTEST_GUILESS_MAIN(TestVelmoraSearch)
#include "tst_velmorasearch.moc"
