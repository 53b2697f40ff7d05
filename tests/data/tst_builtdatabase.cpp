// Checks the real database the build produced from the pinned sources.

#include "core/DataSource.h"
#include "core/SuraTables.h"
#include "text/TypedText.h"

#include <QFileInfo>
#include <QTest>

namespace {

QString builtFile(const QString &name)
{
    return QStringLiteral(VELMORA_BUILD_DIR "/") + name;
}

} // namespace

class TestBuiltDatabase : public QObject
{
    Q_OBJECT

private:
    DataSource m_verses;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_verses.openFile(builtFile(QStringLiteral("quran.qu"))), qPrintable(m_verses.errorString()));
    }

    void everyVerseInReadingOrder()
    {
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat order by ID")));
        QCOMPARE(m_verses.recordCount(), VerseTotal);
        QList<int> perSura(SuraCount, 0);
        int expectedId = 0;
        for (; !m_verses.atEnd(); m_verses.moveNext()) {
            const int id = m_verses.text(QStringLiteral("ID")).toInt();
            const int sura = m_verses.text(QStringLiteral("soraano")).toInt();
            const int verse = m_verses.text(QStringLiteral("ayaano")).toInt();
            QCOMPARE(id, ++expectedId);
            QCOMPARE(verseId(sura, verse), id);
            QCOMPARE(verseOfId(id), (VerseRef{sura, verse}));
            ++perSura[sura - 1];

            const int part = m_verses.text(QStringLiteral("chapterNO")).toInt();
            const int page = m_verses.text(QStringLiteral("pageno")).toInt();
            QVERIFY(part >= 1 && part <= 30);
            QVERIFY(page >= 1 && page <= 604);

            // The build refuses a search form whose words do not match the text's (searchColumnsFault).
            const QString index = m_verses.text(QStringLiteral("ayaaindex"));
            QCOMPARE(m_verses.text(QStringLiteral("ayaafolded")), foldedSpelling(index));
            QVERIFY(!m_verses.text(QStringLiteral("english")).isEmpty());
        }
        for (int s = 0; s < SuraCount; ++s)
            QCOMPARE(perSura[s], SuraVerseCounts[s]);
        QVERIFY(!verseOfId(0) && !verseOfId(VerseTotal + 1));
        for (const auto &[sura, verse] : {std::pair{0, 1}, {1, 8}, {115, 1}, {2, 0}})
            QCOMPARE(verseId(sura, verse), std::nullopt);
        // The program's own tables of the suras.
        QCOMPARE(SuraNames.size(), SuraCount);
        QCOMPARE(SuraTypes.count(QStringLiteral("مكية")), 85);
        QCOMPARE(SuraTypes.count(QStringLiteral("مدنية")), 28);
        // Sura 57 has always been shown with this spelling.
        QCOMPARE(SuraTypes.at(57 - 1), QStringLiteral("مدينة"));
    }

    void placesOfKnownVerses()
    {
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 2And ayaano like 255")));
        QCOMPARE(m_verses.text(QStringLiteral("pageno")), QStringLiteral("42"));
        QCOMPARE(m_verses.text(QStringLiteral("chapterNO")), QStringLiteral("3"));
        QCOMPARE(m_verses.text(QStringLiteral("ID")), QStringLiteral("262"));

        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 6236")));
        QCOMPARE(m_verses.text(QStringLiteral("soraano")), QStringLiteral("114"));
        QCOMPARE(m_verses.text(QStringLiteral("ayaano")), QStringLiteral("6"));
        QCOMPARE(m_verses.text(QStringLiteral("pageno")), QStringLiteral("604"));
        QCOMPARE(m_verses.text(QStringLiteral("chapterNO")), QStringLiteral("30"));

        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 1")));
        QCOMPARE(m_verses.text(QStringLiteral("pageno")), QStringLiteral("1"));
        QCOMPARE(m_verses.text(QStringLiteral("ayaaindex")), QStringLiteral(" بسم الله الرحمن الرحيم "));

        // The first verse of part 30 and of the last page.
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 78And ayaano like 1")));
        QCOMPARE(m_verses.text(QStringLiteral("chapterNO")), QStringLiteral("30"));
        QCOMPARE(m_verses.text(QStringLiteral("pageno")), QStringLiteral("582"));
    }

    void otherTablesOfTheVerseDatabase()
    {
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT * FROM DBversion")));
        QCOMPARE(m_verses.recordCount(), 1);
        QVERIFY(m_verses.text(QStringLiteral("DBversion")).contains(QStringLiteral("quran-json 3.1.2")));

        // The shipped topic index went in whole (tst_topicindex checks its references).
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT ID, Topic_No, Topic_Name, Mother_Topic FROM topics_name where Mother_Topic like 0 order by ID")));
        QVERIFY(m_verses.recordCount() >= 15);
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT ID, Topic_No, Sura_No, Ayat_No FROM topic_Ayat")));
        QVERIFY(m_verses.recordCount() >= 150);
    }

    void translationFiles()
    {
        for (const QString &name : {QStringLiteral("22.qut"), QStringLiteral("24.qut"), QStringLiteral("26.qut"),
                                    QStringLiteral("214.qut"), QStringLiteral("217.qut")}) {
            DataSource translation;
            QVERIFY2(translation.openFile(builtFile(name)), qPrintable(translation.errorString()));
            QVERIFY(translation.runQuery(QStringLiteral("SELECT * FROM Taf order by ID")));
            QCOMPARE(translation.recordCount(), VerseTotal);
            QVERIFY(translation.runQuery(QStringLiteral("SELECT * FROM Taf where ID like 6236")));
            QVERIFY(!translation.text(QStringLiteral("Taf")).isEmpty());
        }
    }

    void userDatabaseAndProgramFiles()
    {
        for (const QString &name : {QStringLiteral("db.mdb"), QStringLiteral("skn"), QStringLiteral("servers.ini")})
            QVERIFY2(QFileInfo::exists(QStringLiteral(VELMORA_BUILD_DIR "/") + name), qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(TestBuiltDatabase)
#include "tst_builtdatabase.moc"
