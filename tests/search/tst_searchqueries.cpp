// The texts the search builds: the text search's query texts, the root search's waiting
// page, and a found verse's page with its marks. The root search's queries run in the
// root-search window's test (tst_rootsearch), against the real database.

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
        QCOMPARE(verses.recordCount(), 7); // in parts 29 and 30
    }

    // The root search's waiting page and the wildcard "_" in a root pattern.
    void rootSearchTexts()
    {
        QCOMPARE(rootSearchWaitingPage(QStringLiteral("Tahoma"), 16, QStringLiteral("كتب")),
                 QStringLiteral("<HTML><html dir=\"rtl\"><HEAD></HEAD><BODY><p align=Center dir=rtl><font face=\"Tahoma \"style=\"font-size: 16pt\">"
                                "يرجى الإنتظار ... يتم الآن البحث عن <p align=Center><font color=\"#FF0000\">كتب</font></p>"
                                "</font></p></BODY></HTML>"));

        QVERIFY(hasLikeWildcard(QStringLiteral("_كتب"))); // the window's test refuses "%"
    }

    void versePageMarks()
    {
        // The worked example: a phrase as whole words.
        QCOMPARE(versePage(verse("A B C", " a b c ", "b c")), page("A " + Red + "B C" + Off));
        // Separate whole words, each once.
        QCOMPARE(versePage(verse("A B C", " a b c ", "c a", true, true)), page(Red + "A" + Off + " B " + Red + "C" + Off));
        // The same word twice collapses.
        QCOMPARE(versePage(verse("A B C", " a b c ", "b b", true, true)), page("A " + Red + "B" + Off + " C"));
        // Parts of words, separately: empty words are skipped.
        QCOMPARE(versePage(verse("AB CD", " ab cd ", "b  d", false, true)), page(Red + "AB" + Off + " " + Red + "CD" + Off));
        // A phrase across part of two words colours both whole.
        QCOMPARE(versePage(verse("AB CD E", " ab cd e ", "b c", false)), page(Red + "AB CD" + Off + " E"));
        // Marks in the verse itself become colour tags.
        QCOMPARE(versePage(verse("A *B^ C", " a b c ", "z")), page("A " + Off + "B" + Red + " C"));
        // Three overlapping matches leave two marks.
        QCOMPARE(versePage(verse("AAA", " aaa ", "a", false)), page(Red + Red + "AAA" + Off + Off));
        // A display text shorter than the index: no crash, no marks.
        QCOMPARE(versePage(verse("A", " a b c ", "c")), page("A"));
    }

    void versePageFontAndWrapping()
    {
        VersePageInput input = verse(QStringLiteral("  A B  "), QStringLiteral(" a b "), QString());
        input.bold = true;
        input.italic = true;
        // Nothing to highlight: the trimmed verse, never wrapped in bold or italic.
        QCOMPARE(versePage(input), page(QStringLiteral("A B")));

        input.searchWord = QStringLiteral("b");
        input.fontName = QStringLiteral("Amiri");
        input.fontSize = 10.5;
        input.color = QStringLiteral("0000FF");
        QCOMPARE(versePage(input), QStringLiteral("<i><b><HTML><html dir=\"rtl\"><HEAD></HEAD><BODY><p align=right dir=rtl>"
                                                  "<font face=\"Amiri \"style=\"font-size: 10.5pt\">A <font color=\"#0000FF\">"
                                                  "B</font> [البقرة : 255]</font></p></BODY></HTML></b></i>"));
    }
};

QTEST_GUILESS_MAIN(TestSearchQueries)
#include "tst_searchqueries.moc"
