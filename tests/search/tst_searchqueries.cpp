// The query texts of the text and the root search, and the root search's waiting page.

#include "core/DataSource.h"
#include "search/RootSearchQuery.h"
#include "search/TextSearchQuery.h"
#include "support/FixtureDatabase.h"

#include <QTest>

class TestSearchQueries : public QObject
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

    void rootDatabaseQueries()
    {
        QCOMPARE(rootsOfWordQuery(QStringLiteral("الكتاب")),
                 QStringLiteral("SELECT *  FROM Words where Word like 'الكتاب'order by JathrID"));
        QCOMPARE(formsOfRootQuery(QStringLiteral("كتب")),
                 QStringLiteral("SELECT *  FROM Words where JathrID like 'كتب'order by JathrID"));
        // A quote is searched for, not the end of the string.
        QCOMPARE(rootsOfWordQuery(QStringLiteral("a'b")),
                 QStringLiteral("SELECT *  FROM Words where Word like 'a''b'order by JathrID"));
    }

    // The scope conditions themselves are those of the text search (conditionsAndScopes).
    void scopeQueries()
    {
        SearchChoices choices;
        choices.firstPart = 5;
        choices.lastPart = 3;
        QCOMPARE(rootSearchScopeQuery(SearchScope::WholeText, choices), QStringLiteral("SELECT ID, AyaaIndex FROM Ayat order by ID"));
        QCOMPARE(rootSearchScopeQuery(SearchScope::PartRange, choices),
                 QStringLiteral("SELECT ID, AyaaIndex FROM Ayat where chapterNO between 5 and 3 order by ID"));
        QCOMPARE(versesByIdQuery({7, 86, 2001}), QStringLiteral("SELECT *  FROM Ayat where ID in (7,86,2001) order by ID"));
    }

    void waitingPage()
    {
        QCOMPARE(rootSearchWaitingPage(QStringLiteral("Tahoma"), 16, QStringLiteral("كتب")),
                 QStringLiteral("<HTML><html dir=\"rtl\"><HEAD></HEAD><BODY><p align=Center dir=rtl><font face=\"Tahoma \"style=\"font-size: 16pt\">"
                                "يرجى الإنتظار ... يتم الآن البحث عن <p align=Center><font color=\"#FF0000\">كتب</font></p>"
                                "</font></p></BODY></HTML>"));
        QVERIFY(rootSearchWaitingPage(QStringLiteral("Amiri"), 10.5, QStringLiteral("x")).contains(QStringLiteral("font-size: 10.5pt")));
    }

    void wildcards()
    {
        QVERIFY(hasLikeWildcard(QStringLiteral("كت%")));
        QVERIFY(hasLikeWildcard(QStringLiteral("_كتب")));
        QVERIFY(!hasLikeWildcard(QStringLiteral("الكتاب")));
    }
};

QTEST_GUILESS_MAIN(TestSearchQueries)
#include "tst_searchqueries.moc"
