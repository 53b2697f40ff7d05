// The query texts and the waiting page of the root search.

#include "search/RootSearchQuery.h"

#include <QTest>

class TestRootSearchQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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

    void scopeQueries_data()
    {
        QTest::addColumn<SearchScope>("scope");
        QTest::addColumn<QString>("query");
        QTest::newRow("whole text") << SearchScope::WholeText << QStringLiteral("SELECT ID, AyaaIndex FROM Ayat order by ID");
        QTest::newRow("one part") << SearchScope::OnePart << QStringLiteral("SELECT ID, AyaaIndex FROM Ayat where chapterNO = 3 order by ID");
        QTest::newRow("parts") << SearchScope::PartRange << QStringLiteral("SELECT ID, AyaaIndex FROM Ayat where chapterNO between 5 and 3 order by ID");
        QTest::newRow("one sura") << SearchScope::OneSura << QStringLiteral("SELECT ID, AyaaIndex FROM Ayat where soraano = 2 order by ID");
        QTest::newRow("suras") << SearchScope::SuraRange << QStringLiteral("SELECT ID, AyaaIndex FROM Ayat where soraano between 2 and 3 order by ID");
    }

    void scopeQueries()
    {
        QFETCH(SearchScope, scope);
        QFETCH(QString, query);
        SearchChoices choices;
        choices.part = 3;
        choices.firstPart = 5;
        choices.lastPart = 3;
        choices.sura = 2;
        choices.firstSura = 2;
        choices.lastSura = 3;
        QCOMPARE(rootSearchScopeQuery(scope, choices), query);
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

QTEST_GUILESS_MAIN(TestRootSearchQuery)
#include "tst_rootsearchquery.moc"
