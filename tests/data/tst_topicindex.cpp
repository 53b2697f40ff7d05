#include "core/SuraTables.h"
#include "data/TopicIndex.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A folder holding one topic file with `content`.
struct TopicFolder {
    explicit TopicFolder(const QByteArray &content)
    {
        QFile file(path());
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }
    QString path() const { return dir.filePath(QStringLiteral("01-test.txt")); }
    QTemporaryDir dir;
};

} // namespace

class TestTopicIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTreeAndReferences()
    {
        QTemporaryDir dir;
        const auto write = [&](const char *name, const QByteArray &content) {
            QFile file(dir.filePath(QLatin1String(name)));
            file.open(QIODevice::WriteOnly);
            file.write(content);
        };
        // Read in file-name order, whatever order they were written in.
        write("02-second.txt", "# الثاني\n## ورقة\n2: 1\n");
        write("01-first.txt",
              "; a note for the editor\n"
              "# الأول\n"
              "\n"
              "## فرع\n"
              "### ورقة أولى\n"
              "البقرة 2: 255, 1 - 2\n"
              "المزمل 73: 4\n"
              "### ورقة ثانية\n"
              "ص 38:71-85\n"
              "## ورقة ثالثة\n"
              "آل عمران 3: 7\n");
        write("notes.md", "# not a topic file\n");

        QString error;
        const std::optional<TopicIndex> index = readTopicIndex(dir.path(), &error);
        QVERIFY2(index, qPrintable(error));

        const QList<TopicRow> expectedTopics = {
            {1, 1, QStringLiteral("الأول"), 0},       {2, 2, QStringLiteral("فرع"), 1},
            {3, 3, QStringLiteral("ورقة أولى"), 2},   {4, 4, QStringLiteral("ورقة ثانية"), 2},
            {5, 5, QStringLiteral("ورقة ثالثة"), 1},  {6, 6, QStringLiteral("الثاني"), 0},
            {7, 7, QStringLiteral("ورقة"), 6},
        };
        QCOMPARE(index->topics.size(), expectedTopics.size());
        for (int i = 0; i < expectedTopics.size(); ++i) {
            const TopicRow &row = index->topics.at(i);
            const TopicRow &expected = expectedTopics.at(i);
            QCOMPARE(row.id, expected.id);
            QCOMPARE(row.topicNo, expected.topicNo);
            QCOMPARE(row.name, expected.name);
            QCOMPARE(row.motherTopic, expected.motherTopic);
        }

        const QList<TopicVerseRow> expectedVerses = {
            {1, 3, 2, QStringLiteral("255,1-2")}, {2, 3, 73, QStringLiteral("4")},
            {3, 4, 38, QStringLiteral("71-85")},  {4, 5, 3, QStringLiteral("7")},
            {5, 7, 2, QStringLiteral("1")},
        };
        QCOMPARE(index->verses.size(), expectedVerses.size());
        for (int i = 0; i < expectedVerses.size(); ++i) {
            const TopicVerseRow &row = index->verses.at(i);
            const TopicVerseRow &expected = expectedVerses.at(i);
            QCOMPARE(row.id, expected.id);
            QCOMPARE(row.topicNo, expected.topicNo);
            QCOMPARE(row.sura, expected.sura);
            QCOMPARE(row.ayatNo, expected.ayatNo);
        }
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");

        QTest::newRow("no such verse") << QByteArray("# أ\n## ب\n2: 5\n1: 8\n") << 4 << QStringLiteral("1:8 does not exist");
        QTest::newRow("no such verse at a range's end")
            << QByteArray("# أ\n## ب\n108: 1-4\n") << 3 << QStringLiteral("108:4 does not exist");
        QTest::newRow("verse zero") << QByteArray("# أ\n## ب\n2: 0\n") << 3 << QStringLiteral("2:0 does not exist");
        QTest::newRow("no such sura") << QByteArray("# أ\n## ب\n115: 1\n") << 3 << QStringLiteral("sura 115 does not exist");
        QTest::newRow("wrong sura name")
            << QByteArray("# أ\n## ب\nالبقرة 3: 1\n") << 3 << QStringLiteral("sura 3 is آل عمران, not البقرة");
        QTest::newRow("backward range") << QByteArray("# أ\n## ب\n2: 9-7\n") << 3 << QStringLiteral("9-7 runs backwards");
        QTest::newRow("eleven items")
            << QByteArray("# أ\n## ب\n2: 1, 2, 3, 4, 5, 6, 7, 8, 9, 10-12, 13\n") << 3
            << QStringLiteral("11 items on one line; at most 10");
        QTest::newRow("not a verse item") << QByteArray("# أ\n## ب\n2: 5, x\n") << 3 << QStringLiteral("\"x\" is not a verse number");
        QTest::newRow("references then sub-topics")
            << QByteArray("# أ\n## ب\n2: 5\n### ج\n2: 6\n") << 4
            << QStringLiteral("topic \"ب\" has verse references and cannot have sub-topics");
        QTest::newRow("parent missing") << QByteArray("# أ\n### ج\n2: 6\n") << 2
                                        << QStringLiteral("topic \"ج\" at level 3 has no parent topic at level 2");
        QTest::newRow("file starts below the top level")
            << QByteArray("## ب\n2: 6\n") << 1 << QStringLiteral("has no parent topic at level 1");
        QTest::newRow("reference before any topic") << QByteArray("2: 6\n# أ\n") << 1 << QStringLiteral("before any topic");
        QTest::newRow("empty leaf") << QByteArray("# أ\n## ب\n## ج\n2: 1\n") << 2
                                    << QStringLiteral("topic \"ب\" has neither sub-topics nor verse references");
        QTest::newRow("unreadable line") << QByteArray("# أ\n## ب\nالبقرة: 5\n") << 3 << QStringLiteral("expected a heading");
    }

    void refusals()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, line);
        QFETCH(QString, reason);

        const TopicFolder folder(content);
        QString error;
        QVERIFY(!readTopicIndex(folder.dir.path(), &error));
        QVERIFY2(error.startsWith(folder.path() + QStringLiteral(":%1: ").arg(line)), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void refusesEmptyFolder()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!readTopicIndex(dir.path(), &error));
        QVERIFY2(error.contains(QStringLiteral("holds no topic files")), qPrintable(error));
    }

    // The index shipped with the program: readable, every reference names existing
    // verses, and it is large enough to be worth browsing.
    void shippedIndex()
    {
        QString error;
        const std::optional<TopicIndex> index = readTopicIndex(QStringLiteral(VELMORA_TOPICS_DIR), &error);
        QVERIFY2(index, qPrintable(error));

        QSet<int> parents;
        QSet<int> numbers;
        int topLevel = 0;
        for (const TopicRow &topic : index->topics) {
            parents.insert(topic.motherTopic);
            numbers.insert(topic.topicNo);
            QVERIFY(!topic.name.trimmed().isEmpty());
            if (topic.motherTopic == 0)
                ++topLevel;
            else
                QVERIFY2(numbers.contains(topic.motherTopic), qPrintable(topic.name)); // parent comes first
        }
        int leaves = 0;
        QSet<int> leavesWithVerses;
        for (const TopicVerseRow &row : index->verses)
            leavesWithVerses.insert(row.topicNo);
        for (const TopicRow &topic : index->topics) {
            if (!parents.contains(topic.topicNo)) {
                ++leaves;
                QVERIFY2(leavesWithVerses.contains(topic.topicNo), qPrintable(topic.name));
            }
        }

        int references = 0;
        for (const TopicVerseRow &row : index->verses) {
            QVERIFY(!parents.contains(row.topicNo));
            const QStringList items = row.ayatNo.split(u',');
            QVERIFY(items.size() <= MaxItemsPerReference);
            for (const QString &item : items) {
                ++references;
                const QStringList ends = item.split(u'-');
                const int first = ends.first().toInt();
                const int last = ends.last().toInt();
                QVERIFY2(verseId(row.sura, first) && verseId(row.sura, last) && first <= last,
                         qPrintable(QStringLiteral("%1:%2").arg(row.sura).arg(item)));
            }
        }
        qInfo("shipped topic index: %d top-level topics, %d leaves, %d references", topLevel, leaves, references);
        QVERIFY(topLevel >= 15);
        QVERIFY(leaves >= 150);
        QVERIFY(references >= 500);
    }
};

QTEST_GUILESS_MAIN(TestTopicIndex)
#include "tst_topicindex.moc"
