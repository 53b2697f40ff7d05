#include "core/DataSource.h"
#include "search/TextSearchQuery.h"
#include "support/FixtureDatabase.h"

#include <QTest>

class TestTextSearchQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void conditionsAndScopes()
    {
        SearchChoices choices;
        const QString allah = textSearchCondition(QStringLiteral("الله"), true, false);
        QCOMPARE(textSearchQuery(allah, SearchScope::WholeText, choices),
                 QStringLiteral("SELECT *  FROM Ayat where Ayat.AyaaIndex Like  '% الله %' order by ID"));

        choices.sura = 2;
        QCOMPARE(textSearchQuery(textSearchCondition(QStringLiteral("الله"), false, false), SearchScope::OneSura, choices),
                 QStringLiteral("SELECT *  FROM Ayat where soraano = 2 And Ayat.AyaaIndex Like  '%الله%' order by ID"));

        QCOMPARE(textSearchCondition(QStringLiteral("رب العالمين"), true, true),
                 QStringLiteral("( Ayat.AyaaIndex Like  '% رب %' and Ayat.AyaaIndex Like  '% العالمين %' )"));
        // Two blanks in a row give an empty word, which still adds its condition.
        QCOMPARE(textSearchCondition(QStringLiteral("رب  العالمين"), true, true),
                 QStringLiteral("( Ayat.AyaaIndex Like  '% رب %' and Ayat.AyaaIndex Like  '%  %' and "
                                "Ayat.AyaaIndex Like  '% العالمين %' )"));
        QCOMPARE(textSearchCondition(QStringLiteral("رب  العالمين"), false, true),
                 QStringLiteral("( Ayat.AyaaIndex Like  '%رب%' and Ayat.AyaaIndex Like  '%%' and "
                                "Ayat.AyaaIndex Like  '%العالمين%' )"));

        choices.part = 30;
        choices.firstPart = 5;
        choices.lastPart = 3;
        choices.firstSura = 2;
        choices.lastSura = 3;
        const QString word = textSearchCondition(QStringLiteral("كتاب"), false, false);
        QCOMPARE(textSearchQuery(word, SearchScope::OnePart, choices),
                 QStringLiteral("SELECT *  FROM Ayat where chapterNO = 30 And Ayat.AyaaIndex Like  '%كتاب%' order by ID"));
        QCOMPARE(textSearchQuery(word, SearchScope::PartRange, choices),
                 QStringLiteral("SELECT *  FROM Ayat where chapterNO between 5 and 3 And Ayat.AyaaIndex Like  '%كتاب%' order by ID"));
        QCOMPARE(textSearchQuery(word, SearchScope::SuraRange, choices),
                 QStringLiteral("SELECT *  FROM Ayat where soraano between 2 and 3 And Ayat.AyaaIndex Like  '%كتاب%' order by ID"));
    }

    void quotesStayInsideTheText()
    {
        QCOMPARE(textSearchCondition(QStringLiteral("x' or '1'='1"), false, false),
                 QStringLiteral("Ayat.AyaaIndex Like  '%x'' or ''1''=''1%'"));

        DataSource verses;
        QVERIFY(verses.openFile(FixtureDatabase::path()));
        for (const QString &text : {QStringLiteral("'"), QStringLiteral("x' or '1'='1"), QStringLiteral("الله' or ''='")}) {
            for (bool allWords : {false, true}) {
                const QString sql = textSearchQuery(textSearchCondition(text, false, allWords), SearchScope::WholeText, SearchChoices());
                QVERIFY2(verses.runQuery(sql), qPrintable(verses.errorString()));
                QCOMPARE(verses.recordCount(), 0);
            }
        }
    }

    void partRangeGivenBackwards()
    {
        SearchChoices choices;
        choices.firstPart = 30;
        choices.lastPart = 29;
        DataSource verses;
        QVERIFY(verses.openFile(FixtureDatabase::path()));
        QVERIFY(verses.runQuery(textSearchQuery(textSearchCondition(QStringLiteral("الله"), true, false), SearchScope::PartRange, choices)));
        QCOMPARE(verses.recordCount(), 7);
        QSet<int> parts;
        for (; !verses.atEnd(); verses.moveNext())
            parts.insert(verses.text(QStringLiteral("chapterNO")).toInt());
        QCOMPARE(parts, (QSet<int>{29, 30}));
    }
};

QTEST_GUILESS_MAIN(TestTextSearchQuery)
#include "tst_textsearchquery.moc"
