#include "data/TopicIndex.h"
#include "support/TestProgramFolder.h"

#include <QTemporaryDir>
#include <QTest>

class TestTopicIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTreeAndReferences()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!readTopicIndex(dir.path(), &error));
        QVERIFY2(error.contains(QStringLiteral("holds no topic files")), qPrintable(error));
        // Read in file-name order, whatever order they were written in.
        writeFile(dir.filePath(QStringLiteral("02-second.txt")), "# الثاني\n## ورقة\n2: 1\n");
        writeFile(dir.filePath(QStringLiteral("01-first.txt")),
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
        writeFile(dir.filePath(QStringLiteral("notes.md")), "# not a topic file\n");

        const std::optional<TopicIndex> index = readTopicIndex(dir.path(), &error);
        QVERIFY2(index, qPrintable(error));

        // Each topic as "ID Topic_No name Mother_Topic", each reference as "ID Topic_No sura items".
        QStringList topics;
        for (const TopicRow &row : index->topics)
            topics.append(QStringLiteral("%1 %2 %3 %4").arg(row.id).arg(row.topicNo).arg(row.name).arg(row.motherTopic));
        QCOMPARE(topics, (QStringList{QStringLiteral("1 1 الأول 0"), QStringLiteral("2 2 فرع 1"), QStringLiteral("3 3 ورقة أولى 2"),
                                      QStringLiteral("4 4 ورقة ثانية 2"), QStringLiteral("5 5 ورقة ثالثة 1"),
                                      QStringLiteral("6 6 الثاني 0"), QStringLiteral("7 7 ورقة 6")}));
        QStringList verses;
        for (const TopicVerseRow &row : index->verses)
            verses.append(QStringLiteral("%1 %2 %3 %4").arg(row.id).arg(row.topicNo).arg(row.sura).arg(row.ayatNo));
        QCOMPARE(verses, (QStringList{QStringLiteral("1 3 2 255,1-2"), QStringLiteral("2 3 73 4"), QStringLiteral("3 4 38 71-85"),
                                      QStringLiteral("4 5 3 7"), QStringLiteral("5 7 2 1")}));
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

        QTemporaryDir dir;
        const QString file = writeFile(dir.filePath(QStringLiteral("01-test.txt")), content);
        QString error;
        QVERIFY(!readTopicIndex(dir.path(), &error));
        QVERIFY2(error.startsWith(file + QStringLiteral(":%1: ").arg(line)), qPrintable(error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestTopicIndex)
#include "tst_topicindex.moc"
