// The texts the search builds: the query texts of the text and the root search, the root
// search's waiting page, and a found verse's page with its marks.

#include "core/DataSource.h"
#include "search/RootSearchQuery.h"
#include "search/TextSearchQuery.h"
#include "search/VersePage.h"
#include "support/FixtureDatabase.h"

#include <QTest>

namespace {

const QString FontTag = QStringLiteral("<p align=right dir=rtl><font face=\"Tahoma \"style=\"font-size: 16pt\">");
const QString Red = QStringLiteral("<font color=\"#FF0000\">");
const QString Off = QStringLiteral("</font>");

VersePageInput verse(const QString &display, const QString &index, const QString &search, bool wholeWord = true,
                     bool separateWords = false)
{
    VersePageInput input;
    input.displayText = display;
    input.indexText = index;
    input.searchWord = search;
    input.reference = QStringLiteral("البقرة : 255");
    input.fontName = QStringLiteral("Tahoma");
    input.color = QStringLiteral("#FF0000");
    input.wholeWord = wholeWord;
    input.separateWords = separateWords;
    return input;
}

QString page(const QString &body)
{
    return QStringLiteral("<HTML><html dir=\"rtl\"><HEAD></HEAD><BODY>") + FontTag + body
        + QStringLiteral(" [البقرة : 255]</font></p></BODY></HTML>");
}

} // namespace

class TestSearchQueries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The scopes and the whole-word and all-words conditions are run by the window's and the
    // command line's searches (tst_search, tst_velmorasearch) and on the fixture below; here
    // the text of one query, and the empty word of two blanks, which still adds its condition.
    void conditionsAndScopes()
    {
        SearchChoices choices;
        choices.sura = 2;
        QCOMPARE(textSearchQuery(textSearchCondition(QStringLiteral("الله"), true, false), SearchScope::OneSura, choices),
                 QStringLiteral("SELECT *  FROM Ayat where soraano = 2 And Ayat.AyaaIndex Like  '% الله %' order by ID"));
        choices.firstSura = 2;
        choices.lastSura = 3; // the command line's range search finds its one verse in the first sura
        QCOMPARE(scopeCondition(SearchScope::SuraRange, choices), QStringLiteral("soraano between 2 and 3"));
        QCOMPARE(textSearchCondition(QStringLiteral("رب  العالمين"), true, true),
                 QStringLiteral("( Ayat.AyaaIndex Like  '% رب %' and Ayat.AyaaIndex Like  '%  %' and "
                                "Ayat.AyaaIndex Like  '% العالمين %' )"));
        QCOMPARE(textSearchCondition(QStringLiteral("رب  العالمين"), false, true),
                 QStringLiteral("( Ayat.AyaaIndex Like  '%رب%' and Ayat.AyaaIndex Like  '%%' and "
                                "Ayat.AyaaIndex Like  '%العالمين%' )"));
    }

    void quotesAndBackwardRangesOnTheFixture()
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

        // A part range given backwards still finds the verses between.
        SearchChoices choices;
        choices.firstPart = 30;
        choices.lastPart = 29;
        QVERIFY(verses.runQuery(textSearchQuery(textSearchCondition(QStringLiteral("الله"), true, false), SearchScope::PartRange, choices)));
        QCOMPARE(verses.recordCount(), 7);
        QSet<int> parts;
        for (; !verses.atEnd(); verses.moveNext())
            parts.insert(verses.text(QStringLiteral("chapterNO")).toInt());
        QCOMPARE(parts, (QSet<int>{29, 30}));
    }

    // The root search's queries, its waiting page and the wildcards of a root pattern.
    void rootSearchTexts()
    {
        QCOMPARE(rootsOfWordQuery(QStringLiteral("الكتاب")),
                 QStringLiteral("SELECT *  FROM Words where Word like 'الكتاب'order by JathrID"));
        QCOMPARE(formsOfRootQuery(QStringLiteral("كتب")),
                 QStringLiteral("SELECT *  FROM Words where JathrID like 'كتب'order by JathrID"));
        // A quote is searched for, not the end of the string.
        QCOMPARE(rootsOfWordQuery(QStringLiteral("a'b")),
                 QStringLiteral("SELECT *  FROM Words where Word like 'a''b'order by JathrID"));

        // The scope conditions themselves are the text search's.
        SearchChoices choices;
        choices.firstPart = 5;
        choices.lastPart = 3;
        QCOMPARE(rootSearchScopeQuery(SearchScope::WholeText, choices), QStringLiteral("SELECT ID, AyaaIndex FROM Ayat order by ID"));
        QCOMPARE(rootSearchScopeQuery(SearchScope::PartRange, choices),
                 QStringLiteral("SELECT ID, AyaaIndex FROM Ayat where chapterNO between 5 and 3 order by ID"));
        QCOMPARE(versesByIdQuery({7, 86, 2001}), QStringLiteral("SELECT *  FROM Ayat where ID in (7,86,2001) order by ID"));

        QCOMPARE(rootSearchWaitingPage(QStringLiteral("Tahoma"), 16, QStringLiteral("كتب")),
                 QStringLiteral("<HTML><html dir=\"rtl\"><HEAD></HEAD><BODY><p align=Center dir=rtl><font face=\"Tahoma \"style=\"font-size: 16pt\">"
                                "يرجى الإنتظار ... يتم الآن البحث عن <p align=Center><font color=\"#FF0000\">كتب</font></p>"
                                "</font></p></BODY></HTML>"));
        QVERIFY(rootSearchWaitingPage(QStringLiteral("Amiri"), 10.5, QStringLiteral("x")).contains(QStringLiteral("font-size: 10.5pt")));

        QVERIFY(hasLikeWildcard(QStringLiteral("كت%")));
        QVERIFY(hasLikeWildcard(QStringLiteral("_كتب")));
        QVERIFY(!hasLikeWildcard(QStringLiteral("الكتاب")));
    }

    void versePageMarks_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("index");
        QTest::addColumn<QString>("search");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<bool>("separateWords");
        QTest::addColumn<QString>("body");

        QTest::newRow("worked example: a phrase as whole words")
            << "A B C" << " a b c " << "b c" << true << false << "A " + Red + "B C" + Off;
        QTest::newRow("one whole word") << "A B C" << " a b c " << "b" << true << false << "A " + Red + "B" + Off + " C";
        QTest::newRow("first and last word") << "A B C" << " a b c " << "a" << true << false << Red + "A" + Off + " B C";
        QTest::newRow("part of a word colours the whole word")
            << "A BC D" << " a bc d " << "c" << false << false << "A " + Red + "BC" + Off + " D";
        QTest::newRow("separate whole words, each once")
            << "A B C" << " a b c " << "c a" << true << true << Red + "A" + Off + " B " + Red + "C" + Off;
        QTest::newRow("a word twice in the verse")
            << "A B A" << " a b a " << "a" << true << false << Red + "A" + Off + " B " + Red + "A" + Off;
        QTest::newRow("the same word twice collapses")
            << "A B C" << " a b c " << "b b" << true << true << "A " + Red + "B" + Off + " C";
        QTest::newRow("part of words, separately") << "AB CD" << " ab cd " << "b d" << false << true
                                                   << Red + "AB" + Off + " " + Red + "CD" + Off;
        QTest::newRow("empty words are skipped") << "AB CD" << " ab cd " << "b  d" << false << true
                                                 << Red + "AB" + Off + " " + Red + "CD" + Off;
        QTest::newRow("a phrase across part of two words")
            << "AB CD E" << " ab cd e " << "b c" << false << false << Red + "AB CD" + Off + " E";
        QTest::newRow("letter case is ignored") << "A B" << " a b " << "B" << true << false << "A " + Red + "B" + Off;
        QTest::newRow("no match") << "A B" << " a b " << "z" << true << false << "A B";
        QTest::newRow("marks in the verse become colour tags") << "A *B^ C" << " a b c " << "z" << true << false
                                                               << "A " + Off + "B" + Red + " C";
        QTest::newRow("three overlapping matches leave two marks")
            << "AAA" << " aaa " << "a" << false << false << Red + Red + "AAA" + Off + Off;
        QTest::newRow("display text shorter than the index: no crash, no marks")
            << "A" << " a b c " << "c" << true << false << "A";
        QTest::newRow("real verse, diacritics shown")
            << QStringLiteral("ٱللَّهُ لَآ إِلَٰهَ إِلَّا هُوَ") << QStringLiteral(" الله لا إله إلا هو ") << QStringLiteral("إله")
            << true << false << QStringLiteral("ٱللَّهُ لَآ ") + Red + QStringLiteral("إِلَٰهَ") + Off + QStringLiteral(" إِلَّا هُوَ");
    }

    void versePageMarks()
    {
        QFETCH(QString, display);
        QFETCH(QString, index);
        QFETCH(QString, search);
        QFETCH(bool, wholeWord);
        QFETCH(bool, separateWords);
        QFETCH(QString, body);
        QCOMPARE(versePage(verse(display, index, search, wholeWord, separateWords)), page(body));
    }

    void versePageFontAndWrapping()
    {
        VersePageInput input = verse(QStringLiteral("  A B  "), QStringLiteral(" a b "), QString());
        input.bold = true;
        input.italic = true;
        // Nothing to highlight: the trimmed verse, never wrapped in bold or italic.
        QCOMPARE(versePage(input), page(QStringLiteral("A B")));

        input.searchWord = QStringLiteral("b");
        const QString wrapped = versePage(input);
        QVERIFY(wrapped.startsWith(QStringLiteral("<i><b><HTML>")));
        QVERIFY(wrapped.endsWith(QStringLiteral("</HTML></b></i>")));

        input.italic = false;
        input.fontName = QStringLiteral("Amiri");
        input.fontSize = 10.5;
        input.color = QStringLiteral("0000FF");
        QCOMPARE(versePage(input), QStringLiteral("<b><HTML><html dir=\"rtl\"><HEAD></HEAD><BODY><p align=right dir=rtl>"
                                                  "<font face=\"Amiri \"style=\"font-size: 10.5pt\">A <font color=\"#0000FF\">"
                                                  "B</font> [البقرة : 255]</font></p></BODY></HTML></b>"));
    }
};

QTEST_GUILESS_MAIN(TestSearchQueries)
#include "tst_searchqueries.moc"
