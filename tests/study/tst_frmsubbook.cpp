#include "core/DataSource.h"
#include "study/FrmSubBook.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/ResultList.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"
#include "search/TopicQuery.h"

#include <QListWidget>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace {

// The main result list as the topic frame sees it.
class RecordingResults : public ResultList
{
public:
    void clearResults() override { m_rows.clear(); m_selected = -1; }
    void appendResults(DataSource &source, const QString &foundBy) override
    {
        for (; !source.atEnd(); source.moveNext())
            m_rows.append({source.text(QStringLiteral("ID")), source.text(QStringLiteral("soraano")),
                           source.text(QStringLiteral("ayaano")), foundBy});
    }
    void showResultCount() override { shownCount = int(m_rows.size()); }
    void selectFirstResult() override { m_selected = m_rows.isEmpty() ? -1 : 0; }
    int rowCount() const override { return int(m_rows.size()); }
    int selectedRow() const override { return m_selected; }
    Row resultRow(int row) const override { return m_rows.value(row); }
    QString rowText(int row) const override { return m_rows.value(row).sura + QStringLiteral(" : ") + m_rows.value(row).verse; }

    QStringList verses() const
    {
        QStringList verses;
        for (const Row &row : m_rows)
            verses.append(row.sura + u':' + row.verse);
        return verses;
    }

    int shownCount = -1;

private:
    QList<Row> m_rows;
    int m_selected = -1;
};

void doubleClick(QListWidget *list, const QString &text)
{
    const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
    if (found.size() != 1)
        qFatal("no single row \"%s\" in %s", qPrintable(text), qPrintable(list->objectName()));
    const QPoint centre = list->visualItemRect(found.first()).center();
    // A list view opens an item on a double click only after a press on that item.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// A small topic tree in the scratch copy of the verse database. The IDs give the
// order; they are inserted out of order and with topic numbers in another order.
void writeTopics(const QString &databaseFile)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("topics"));
        db.setDatabaseName(databaseFile);
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("DELETE FROM topics_name")));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM topic_Ayat")));
        const QStringList statements = {
            QStringLiteral("INSERT INTO topics_name VALUES (3, 7, 'الأخلاق', 0), (1, 10, 'العبادات', 0), (2, 5, 'القرآن', 0), "
                           "(5, 12, 'الصلاة', 10), (4, 11, 'الصيام', 10), (6, 13, 'آية الكرسي', 5), (7, 14, 'الصبر', 7)"),
            QStringLiteral("INSERT INTO topic_Ayat VALUES (1, 11, 2, '1,2'), (2, 11, 2, '5-7'), (3, 11, 2, '9,3,5-6'), "
                           "(4, 11, 2, ''), (5, 11, 112, '4-2'), (6, 13, 2, '255'), (7, 14, 103, '3')"),
        };
        for (const QString &statement : statements)
            QVERIFY2(query.exec(statement), qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("topics"));
}

} // namespace

class TestFrmSubBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The reader walks the tree down to a leaf and loads its references as results.
    void browsesTheTreeAndLoadsReferences()
    {
        TestProgramFolder folder;
        writeTopics(folder.file(QStringLiteral("quran.qu")));
        DataSource verses;
        QVERIFY(verses.openFile(ProgramFolder::file(QStringLiteral("quran.qu"))));
        ProgramState state;
        RecordingResults results;
        FrmSubBook frame(state, results, verses);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        auto *mainsearch = child<QListWidget>(&frame, "mainsearch");
        auto *mainlist = child<QListWidget>(&frame, "mainlist");
        auto *references = child<QListWidget>(&frame, "suraayaalistsubbook");

        QCOMPARE(mainlist->count(), 0); // nothing is read before the header is chosen
        frame.openTopics();
        const QStringList topLevel = {QStringLiteral("العبادات"), QStringLiteral("القرآن"), QStringLiteral("الأخلاق")};
        QCOMPARE(entries(mainlist->model()), topLevel);
        QCOMPARE(entries(mainsearch->model()), QStringList{QStringLiteral("القائمة الرئيسية")});

        doubleClick(mainlist, QStringLiteral("العبادات"));
        const QStringList worship = {QStringLiteral("الصيام"), QStringLiteral("الصلاة")};
        QCOMPARE(entries(mainlist->model()), worship);

        // Choosing the header again keeps the level the reader left.
        frame.openTopics();
        QCOMPARE(entries(mainlist->model()), worship);

        // A leaf without references leaves the list empty.
        doubleClick(mainlist, QStringLiteral("الصلاة"));
        QCOMPARE(references->count(), 0);

        // A leaf lists its references and keeps its siblings on show.
        doubleClick(mainlist, QStringLiteral("الصيام"));
        QCOMPARE(entries(mainlist->model()), worship);
        const QStringList fastingReferences = {QStringLiteral("البقرة : (1 2)"), QStringLiteral("البقرة : (5-7)"),
                                               QStringLiteral("البقرة : (9 3 5-6)"), QStringLiteral("البقرة : ()"),
                                               QStringLiteral("الإخلاص : (4-2)")};
        QCOMPARE(entries(references->model()), fastingReferences);

        QSignalSpy showResults(&frame, &FrmSubBook::showResults);
        state.SearchWord = QStringLiteral("الصيام");
        doubleClick(references, QStringLiteral("البقرة : (5-7)"));
        QCOMPARE(results.verses(), (QStringList{QStringLiteral("2:5"), QStringLiteral("2:6"), QStringLiteral("2:7")}));
        QCOMPARE(results.resultRow(0).id, QStringLiteral("12")); // 7 verses of sura 1 come first
        QCOMPARE(results.resultRow(0).foundBy, QString());
        QCOMPARE(results.shownCount, 3);
        QCOMPARE(results.selectedRow(), 0);
        QCOMPARE(state.SearchWord, QString()); // shown without highlighting
        QCOMPARE(showResults.count(), 1);

        // Written out of order, loaded in reading order.
        doubleClick(references, QStringLiteral("البقرة : (9 3 5-6)"));
        QCOMPARE(results.verses(),
                 (QStringList{QStringLiteral("2:3"), QStringLiteral("2:5"), QStringLiteral("2:6"), QStringLiteral("2:9")}));

        // A range written backwards stands for its first verse.
        doubleClick(references, QStringLiteral("الإخلاص : (4-2)"));
        QCOMPARE(results.verses(), QStringList{QStringLiteral("112:4")});
        QCOMPARE(showResults.count(), 3);

        // An empty reference asks for nothing and leaves the result list as it was.
        doubleClick(references, QStringLiteral("البقرة : ()"));
        QCOMPARE(results.verses(), QStringList{QStringLiteral("112:4")});
        QCOMPARE(showResults.count(), 3);

        // The top level again, then another branch.
        QTest::mouseClick(mainsearch->viewport(), Qt::LeftButton, {},
                          mainsearch->visualItemRect(mainsearch->item(0)).center());
        QCOMPARE(entries(mainlist->model()), topLevel);
        QCOMPARE(references->count(), 0);
        QVERIFY(mainsearch->selectedItems().isEmpty());
        doubleClick(mainlist, QStringLiteral("الأخلاق"));
        QCOMPARE(entries(mainlist->model()), QStringList{QStringLiteral("الصبر")});
        doubleClick(mainlist, QStringLiteral("الصبر"));
        QCOMPARE(entries(references->model()), QStringList{QStringLiteral("العصر : (3)")});
    }

    // Which verse numbers of a reference reach the query.
    void referenceNumbers()
    {
        QCOMPARE(topicVerseNumbers(QStringLiteral("3,5-6,9")).join(u','), QStringLiteral("3,9,5,6"));
        // Only the first 10 items count; the 11th (12) is left out.
        QCOMPARE(topicVerseNumbers(QStringLiteral("1,2,3,4,5,6,7,8,9,10-11,12")).join(u','),
                 QStringLiteral("1,2,3,4,5,6,7,8,9,10,11"));
        // Nothing but verse numbers reaches the query.
        QCOMPARE(topicVerseNumbers(QStringLiteral("5,x,1) or (1=1,7-y")), QStringList{QStringLiteral("5")});
        QVERIFY(topicVerseNumbers(QString()).isEmpty());
        QVERIFY(topicVersesQuery({}, 2).isEmpty());
        // A mistyped end stops at the longest sura.
        QCOMPARE(topicVerseNumbers(QStringLiteral("280-99999")).size(), 7);
    }
};

QTEST_MAIN(TestFrmSubBook)
#include "tst_frmsubbook.moc"
