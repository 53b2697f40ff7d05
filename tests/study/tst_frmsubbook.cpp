// The topic tree of header 4, in the main window on a scratch copy of the verse database
// holding a small tree of its own.

#include "core/Connection.h"
#include "search/TopicQuery.h"
#include "study/ResultsFrame.h"
#include "support/MainWindowFixture.h"

#include <QListWidget>
#include <QTest>

namespace {

void doubleClick(QListWidget *list, const QString &text)
{
    const QPoint centre = list->visualItemRect(list->findItems(text, Qt::MatchExactly).value(0)).center();
    // A list view opens an item on a double click only after a press on that item.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
}

// A small topic tree. The IDs give the order; they are inserted out of order and with
// topic numbers in another order.
void writeTopics(const QString &databaseFile)
{
    Connection file;
    QVERIFY(file.openFile(databaseFile));
    for (const QString &statement : {
             QStringLiteral("DELETE FROM topics_name"),
             QStringLiteral("DELETE FROM topic_Ayat"),
             QStringLiteral("INSERT INTO topics_name VALUES (3, 7, 'الأخلاق', 0), (1, 10, 'العبادات', 0), (2, 5, 'القرآن', 0), "
                            "(5, 12, 'الصلاة', 10), (4, 11, 'الصيام', 10), (6, 13, 'آية الكرسي', 5), (7, 14, 'الصبر', 7)"),
             QStringLiteral("INSERT INTO topic_Ayat VALUES (1, 11, 2, '1,2'), (2, 11, 2, '5-7'), (3, 11, 2, '9,3,5-6'), "
                            "(4, 11, 2, ''), (5, 11, 112, '4-2'), (6, 13, 2, '255'), (7, 14, 103, '3')"),
         })
        QVERIFY2(file.execute(statement), qPrintable(file.errorString()));
}

} // namespace

class TestFrmSubBook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The reader walks the tree down to a leaf and loads its references as results.
    void browsesTheTreeAndLoadsReferences()
    {
        MainWindowFixture m;
        writeTopics(m.folder.file(QStringLiteral("quran.qu")));
        QVERIFY(m.open());
        auto *mainsearch = m.find<QListWidget>("mainsearch");
        auto *mainlist = m.find<QListWidget>("mainlist");
        auto *references = m.find<QListWidget>("suraayaalistsubbook");

        QCOMPARE(mainlist->count(), 0); // nothing is read before the header is chosen
        m.openHeader(4);
        const QStringList topLevel = {QStringLiteral("العبادات"), QStringLiteral("القرآن"), QStringLiteral("الأخلاق")};
        QCOMPARE(entries(mainlist->model()), topLevel);
        QCOMPARE(entries(mainsearch->model()), QStringList{QStringLiteral("القائمة الرئيسية")});

        doubleClick(mainlist, QStringLiteral("العبادات"));
        const QStringList worship = {QStringLiteral("الصيام"), QStringLiteral("الصلاة")};
        QCOMPARE(entries(mainlist->model()), worship);

        // Choosing the header again keeps the level the reader left.
        m.openHeader(0);
        m.openHeader(4);
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

        // A reference lists its verses in the results frame, the first on show, unhighlighted.
        m.state.SearchWord = QStringLiteral("الصيام");
        doubleClick(references, QStringLiteral("البقرة : (5-7)"));
        QCOMPARE(m.rows(), (QStringList{QStringLiteral("البقرة : 5"), QStringLiteral("البقرة : 6"), QStringLiteral("البقرة : 7")}));
        QCOMPARE(m.find<QListWidget>("suraayaalist")->currentRow(), 0);
        QCOMPARE(m.state.SearchWord, QString());
        QVERIFY(m.results()->isVisible());

        // Written out of order, loaded in reading order.
        m.openHeader(4);
        doubleClick(references, QStringLiteral("البقرة : (9 3 5-6)"));
        QCOMPARE(m.rows(), (QStringList{QStringLiteral("البقرة : 3"), QStringLiteral("البقرة : 5"), QStringLiteral("البقرة : 6"),
                                        QStringLiteral("البقرة : 9")}));

        // A range written backwards stands for its first verse.
        m.openHeader(4);
        doubleClick(references, QStringLiteral("الإخلاص : (4-2)"));
        QCOMPARE(m.rows(), QStringList{QStringLiteral("الإخلاص : 4")});

        // An empty reference asks for nothing and leaves the result list as it was.
        m.openHeader(4);
        doubleClick(references, QStringLiteral("البقرة : ()"));
        QCOMPARE(m.rows(), QStringList{QStringLiteral("الإخلاص : 4")});
        QVERIFY(m.find("FrmSubBook")->isVisible());

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
        // Only the first 10 items count; the 11th (12) is left out.
        QCOMPARE(topicVerseNumbers(QStringLiteral("1,2,3,4,5,6,7,8,9,10-11,12")).join(u','),
                 QStringLiteral("1,2,3,4,5,6,7,8,9,10,11"));
        // Nothing but verse numbers reaches the query.
        QCOMPARE(topicVerseNumbers(QStringLiteral("5,x,1) or (1=1,7-y")), QStringList{QStringLiteral("5")});
        // A mistyped end stops at the longest sura.
        QCOMPARE(topicVerseNumbers(QStringLiteral("280-99999")).size(), 7);
    }
};

QTEST_MAIN(TestFrmSubBook)
#include "tst_frmsubbook.moc"
