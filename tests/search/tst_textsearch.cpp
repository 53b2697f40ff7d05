// The real built files: the text search (typed forms, the forgiving pass, the vocative,
// part of a word against the plain query over the index, the nearest words), and the
// windows' queries, each reading what it names, in order.

#include "core/CommentaryImport.h"
#include "core/DataSource.h"
#include "memorise/TrackerQuery.h"
#include "search/LookupQuery.h"
#include "search/TextSearch.h"
#include "search/TextSearchQuery.h"

#include <QTest>

namespace {

QList<int> foundIds(DataSource &source)
{
    QList<int> ids;
    for (source.moveFirst(); !source.atEnd(); source.moveNext())
        ids.append(source.text(QStringLiteral("ID")).toInt());
    return ids;
}

} // namespace

class TestTextSearch : public QObject
{
    Q_OBJECT

    DataSource m_verses;
    DataSource m_plain;
    TextSearch m_search{m_verses};

    QList<int> search(const QString &typed, TextSearchResult *result = nullptr, bool wholeWord = true)
    {
        SearchChoices choices;
        choices.wholeWord = wholeWord;
        const TextSearchResult found = m_search.run(typed, SearchScope::WholeText, choices);
        if (result)
            *result = found;
        return found.ok ? foundIds(m_verses) : QList<int>{-1};
    }

    QList<int> plain(const QString &condition)
    {
        if (!m_plain.runQuery(QStringLiteral("SELECT ID FROM Ayat where ") + condition + QStringLiteral(" order by ID")))
            return {-1};
        return foundIds(m_plain);
    }

private Q_SLOTS:
    void initTestCase()
    {
        const QString file = QStringLiteral(VELMORA_BUILD_DIR "/quran.qu");
        QVERIFY(m_verses.openFile(file));
        QVERIFY(m_plain.openFile(file));
    }

    // The typed forms themselves are tst_searchform's; what the forgiving pass shows, the window's.
    void typedFormsAndTheForgivingPass()
    {
        const QList<int> vocative = search(QStringLiteral("يا أيها الذين آمنوا"));
        QVERIFY(!vocative.isEmpty());
        QCOMPARE(vocative, search(QStringLiteral("ياأيها الذين آمنوا")));
        TextSearchResult result;
        QCOMPARE(search(QStringLiteral("الجنه"), &result), search(QStringLiteral("الجنة")));
        QVERIFY(result.forgiving);
        QCOMPARE(result.highlightColumn, QStringLiteral("ayaafolded"));
    }

    void vocativeJoinedWordsAreFound()
    {
        // The text writes "ياموسى" where Moses is called; a search for the name finds those too.
        const QList<int> moses = search(QStringLiteral("موسى"));
        QCOMPARE(moses, plain(QStringLiteral("ayaaindex like '% موسى %' or ayaaindex like '% ياموسى %'")));
        // A word that begins with the letters of the vocative but is no vocative (يابس) is not taken for one.
        QVERIFY(search(QStringLiteral("بس")).isEmpty());
        // The forgiving pass knows the vocative too.
        QCOMPARE(search(QStringLiteral("موسي")), moses);
        // Part of a word: any verse whose index holds the letters.
        QCOMPARE(search(QStringLiteral("وسى"), nullptr, false), plain(QStringLiteral("ayaaindex like '%وسى%'")));
    }

    void nearestWordsForASearchThatFindsNothing()
    {
        // (The window's test searches for the nearest word offered.)
        const QStringList offered = m_search.suggestions(QStringLiteral("الرحمان"));
        QVERIFY(offered.size() <= 5 && offered.value(0) == QStringLiteral("الرحمن"));
        // In a phrase the word the text does not hold is the one replaced.
        QCOMPARE(m_search.suggestions(QStringLiteral("بسم الله الرحمان")).value(0), QStringLiteral("بسم الله الرحمن"));
        QVERIFY(m_search.suggestions(QStringLiteral("بسم الله")).isEmpty());
    }

    void spellingOfAFoldedMatch()
    {
        const QString index = QStringLiteral(" وإذ قال ياإبراهيم لأبيه آزر ");
        const QString folded = QStringLiteral(" واذ قال ياابراهيم لابيه ازر ");
        QCOMPARE(spellingOfFoldedMatch(index, folded, QStringLiteral("ابراهيم"), true, false), QStringLiteral("إبراهيم"));
        QCOMPARE(spellingOfFoldedMatch(index, folded, QStringLiteral("ابيه"), false, false), QStringLiteral("أبيه"));
        QCOMPARE(spellingOfFoldedMatch(index, folded, QStringLiteral("ازر واذ"), true, true), QStringLiteral("آزر وإذ"));
    }

    void windowQueriesReadWhatTheyName_data()
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

    void windowQueriesReadWhatTheyName()
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

QTEST_GUILESS_MAIN(TestTextSearch)
#include "tst_textsearch.moc"
