// The windows' queries, run once on the real built files: each reads what it names, in order.

#include "core/CommentaryImport.h"
#include "core/DataSource.h"
#include "memorise/TrackerQuery.h"
#include "search/LookupQuery.h"

#include <QTest>

class TestWindowQueries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readWhatTheyName_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QStringList>("values");
        const QString verses = QStringLiteral("quran.qu");
        const QString id = QStringLiteral("ID");
        QTest::newRow("tracked verse 2:255") << verses << trackedVerseQuery("2", "255") << id << QStringList{"262"};
        QTest::newRow("tracked range 2:3-5") << verses << trackedRangeQuery("2", "3", "5") << id << QStringList{"10", "11", "12"};
        QTest::newRow("page 1") << verses << pageQuery("1") << id << QStringList{"1", "2", "3", "4", "5", "6", "7"};
        QTest::newRow("sura 113") << verses << wholeSuraQuery(113) << id << QStringList{"6226", "6227", "6228", "6229", "6230"};
        QTest::newRow("verse on show") << verses << collectedVerseQuery("262") << id << QStringList{"262"};
        QTest::newRow("translation") << QStringLiteral("24.qut") << translationVerseQuery("262") << id << QStringList{"262"};
        QTest::newRow("filled commentary") << verses << CommentaryImport::filledVersesQuery("english") << "filled"
                                           << QStringList{"6236"};
    }

    void readWhatTheyName()
    {
        QFETCH(QString, file);
        QFETCH(QString, sql);
        QFETCH(QString, column);
        QFETCH(QStringList, values);
        DataSource source;
        QVERIFY(source.openFile(QStringLiteral(VELMORA_BUILD_DIR "/") + file));
        QVERIFY2(source.runQuery(sql), qPrintable(source.errorString()));
        QStringList read;
        for (; !source.atEnd(); source.moveNext())
            read.append(source.text(column));
        QCOMPARE(read, values);
    }
};

QTEST_MAIN(TestWindowQueries)
#include "tst_windowqueries.moc"
