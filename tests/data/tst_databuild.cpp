// The data build: its inputs (commentary files, place lists, a roots table and the topic
// index, each refused with the file and line of its first fault), and the real database
// it made in build/ from the pinned sources.

#include "core/CommentaryFile.h"
#include "data/DataBuild.h"
#include "core/DataSource.h"
#include "core/SuraTables.h"
#include "data/TopicIndex.h"
#include "data/VersePlaces.h"
#include "data/VerseRows.h"
#include "support/TestProgramFolder.h"
#include "text/TypedText.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString writeFile(const QTemporaryDir &folder, const QString &name, const QByteArray &content)
{
    return writeFile(folder.filePath(name), content);
}

QString builtFile(const QString &name)
{
    return QStringLiteral(VELMORA_BUILD_DIR "/") + name;
}

} // namespace

class TestDataBuild : public QObject
{
    Q_OBJECT

private:
    DataSource m_verses; // the built quran.qu

private Q_SLOTS:
    void searchColumnsMustMatchTheTextWordForWord()
    {
        VerseRow row;
        row.ayaa = QStringLiteral("بِسۡمِ ٱللَّهِ");
        row.ayaaindex = QStringLiteral(" بسم الله ");
        row.ayaafolded = row.ayaaindex;
        QVERIFY(searchColumnsFault(row).isEmpty());
        row.ayaaindex = QStringLiteral(" بسم  الله ");
        QVERIFY(searchColumnsFault(row).contains(QStringLiteral("search form")));
        row.ayaaindex = row.ayaafolded;
        row.ayaafolded = QStringLiteral(" بسم الله اله ");
        QVERIFY(searchColumnsFault(row).contains(QStringLiteral("folded")));
        row.ayaafolded = QStringLiteral("بسم الله ");
        QVERIFY(searchColumnsFault(row).contains(QStringLiteral("folded")));
    }

    void commentaryLines()
    {
        QTemporaryDir folder;
        const CommentaryFile good = readCommentaryFile(writeFile(folder, QStringLiteral("good.txt"),
            "1|1|first\u200c text\n" // a zero-width non-joiner belongs to the text
            "1|2|a text | with a bar and \"\"quoted\"\" words\n"));
        QCOMPARE(good.problem, CommentaryFile::Problem::None);
        QCOMPARE(good.texts.size(), 2);
        QCOMPARE(good.texts.value(1), QStringLiteral("first\u200c text"));
        QCOMPARE(good.texts.value(2), QStringLiteral("a text | with a bar and \"quoted\" words"));

        // A bad line anywhere gives nothing but the problem and its line.
        const QList<std::tuple<QByteArray, CommentaryFile::Problem, int>> bad = {
            {"1|1|ok\n\n1|1 text\n", CommentaryFile::Problem::BadLine, 3},
            {"1|8|there is no 1:8\n", CommentaryFile::Problem::NoSuchVerse, 1},
            {"1|1|ok\n1|2|ok\n1|1|again\n", CommentaryFile::Problem::RepeatedVerse, 3},
            {"# only notes\n", CommentaryFile::Problem::NoVerses, 0},
        };
        for (const auto &[content, problem, line] : bad) {
            const CommentaryFile file = readCommentaryFile(writeFile(folder, QStringLiteral("bad.txt"), content));
            QCOMPARE(file.problem, problem);
            QCOMPARE(file.line, line);
            QVERIFY(file.texts.isEmpty());
        }
        QCOMPARE(readCommentaryFile(folder.filePath(QStringLiteral("missing.txt"))).problem,
                 CommentaryFile::Problem::Unreadable);
        // (The data build names the file and line of a bad line: buildAndRebuild.)
    }

    void placeListsMustHaveTheirShape()
    {
        QTemporaryDir folder;
        QString error;
        const QString noLists = writeFile(folder, QStringLiteral("a.ts"), "export const Other = [1, 2]\n");
        QVERIFY(!VersePlaces::fromHafsLists(noLists, &error).isValid());
        QVERIFY(error.contains(QStringLiteral("JuzList")));

        const QString shortList = writeFile(folder, QStringLiteral("b.ts"),
                                            "export const JuzList: AyahId[] = [0, 1, 149, 6237] as const\n");
        error.clear();
        QVERIFY(!VersePlaces::fromHafsLists(shortList, &error).isValid());
        QVERIFY(!error.isEmpty());
    }

    // A build from supplied commentary, roots, skin and servers; a rebuild keeps the
    // reader's files, and a failed one the files it would have replaced.
    void buildAndRebuild()
    {
        QTemporaryDir out;
        QString error;
        const QString servers = writeFile(out, QStringLiteral("servers-template.ini"), "[Servers]\nUpdateServer=http://a/\n");
        const QString skin = writeFile(out, QStringLiteral("skin.qss"), "QWidget { color: black; }");
        const QString taf2 = writeFile(out, QStringLiteral("taf2.txt"), "2|255|آية الكرسي\n");
        const QString roots = writeFile(out, QStringLiteral("roots.txt"), "# word and root\nالكتاب\tكتب\nكتابه\tكتب\n");
        DataBuildOptions options{builtFile(QStringLiteral("sources")), out.filePath(QStringLiteral("program")), taf2, {}, skin, servers, roots};
        QVERIFY2(buildProgramData(options, [](const QString &) {}, &error), qPrintable(error));

        // The roots of a supplied table; a word it does not list is found only by itself.
        DataSource words;
        QVERIFY(words.openFile(options.outFolder + QStringLiteral("/Jthr.qu")));
        QVERIFY(words.runQuery(QStringLiteral("SELECT * FROM Words where JathrID like 'كتب' order by Word")));
        QCOMPARE(words.recordCount(), 2);
        QCOMPARE(words.text(QStringLiteral("Word")), QStringLiteral("الكتاب"));
        QVERIFY(words.runQuery(QStringLiteral("SELECT * FROM Words where Word like 'الرحمن'")));
        QCOMPARE(words.text(QStringLiteral("JathrID")), QStringLiteral("~الرحمن"));
        words.close();

        DataSource verses;
        QVERIFY(verses.openFile(options.outFolder + QStringLiteral("/quran.qu")));
        QVERIFY(verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 262")));
        QCOMPARE(verses.text(QStringLiteral("taf2")), QStringLiteral("آية الكرسي"));
        QCOMPARE(verses.text(QStringLiteral("taf")), QString());
        verses.close();

        // The reader's records and edited servers.ini survive a rebuild; the skin follows the program.
        const QString program = options.outFolder + u'/';
        writeFile(out, QStringLiteral("program/servers.ini"), "[Servers]\nUpdateServer=http://mine/\n");
        QVERIFY(QFileInfo(program + QStringLiteral("db.mdb")).size() > 0);
        writeFile(out, QStringLiteral("program/db.mdb"), QByteArray()); // stands for the reader's records
        writeFile(out, QStringLiteral("skin.qss"), "QWidget { color: green; }");
        QVERIFY2(buildProgramData(options, [](const QString &) {}, &error), qPrintable(error));
        QCOMPARE(QFileInfo(program + QStringLiteral("db.mdb")).size(), 0);
        QVERIFY(readFile(program + QStringLiteral("servers.ini")).contains("http://mine/"));
        QVERIFY(readFile(program + QStringLiteral("skn")).contains("green"));

        // A failed build leaves the database it would have replaced as it was.
        const QDateTime before = QFileInfo(program + QStringLiteral("quran.qu")).lastModified();
        options.tafFile = writeFile(out, QStringLiteral("broken.txt"), "not a commentary line\n");
        QVERIFY(!buildProgramData(options, [](const QString &) {}, &error));
        QVERIFY(error.contains(QStringLiteral("broken.txt:1")));
        QCOMPARE(QFileInfo(program + QStringLiteral("quran.qu")).lastModified(), before);
        QVERIFY(QDir(options.outFolder).entryList({QStringLiteral("*.partial")}).isEmpty());
        options.tafFile.clear();
        options.rootsFile = writeFile(out, QStringLiteral("bad-roots.txt"), "الكتاب\tكتب\nno tab here\n");
        QVERIFY(!buildProgramData(options, [](const QString &) {}, &error));
        QVERIFY2(error.contains(QStringLiteral("bad-roots.txt:2")), qPrintable(error));
    }

    void topicIndexTreeAndReferences()
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

    void topicIndexRefusals_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");

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
        QTest::newRow("file starts below the top level")
            << QByteArray("## ب\n2: 6\n") << 1 << QStringLiteral("has no parent topic at level 1");
        QTest::newRow("reference before any topic") << QByteArray("2: 6\n# أ\n") << 1 << QStringLiteral("before any topic");
        QTest::newRow("empty leaf") << QByteArray("# أ\n## ب\n## ج\n2: 1\n") << 2
                                    << QStringLiteral("topic \"ب\" has neither sub-topics nor verse references");
        QTest::newRow("unreadable line") << QByteArray("# أ\n## ب\nالبقرة: 5\n") << 3 << QStringLiteral("expected a heading");
    }

    void topicIndexRefusals()
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

    void initTestCase()
    {
        QVERIFY2(m_verses.openFile(builtFile(QStringLiteral("quran.qu"))), qPrintable(m_verses.errorString()));
    }

    void everyVerseInReadingOrder()
    {
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat order by ID")));
        QCOMPARE(m_verses.recordCount(), VerseTotal);
        int expectedId = 0;
        for (; !m_verses.atEnd(); m_verses.moveNext()) {
            const int id = m_verses.text(QStringLiteral("ID")).toInt();
            const int sura = m_verses.text(QStringLiteral("soraano")).toInt();
            const int verse = m_verses.text(QStringLiteral("ayaano")).toInt();
            QCOMPARE(id, ++expectedId);
            QCOMPARE(verseId(sura, verse), id);
            QCOMPARE(verseOfId(id), (VerseRef{sura, verse}));

            const int part = m_verses.text(QStringLiteral("chapterNO")).toInt();
            const int page = m_verses.text(QStringLiteral("pageno")).toInt();
            QVERIFY(part >= 1 && part <= 30);
            QVERIFY(page >= 1 && page <= 604);

            // The build refuses a search form whose words do not match the text's (searchColumnsFault).
            const QString index = m_verses.text(QStringLiteral("ayaaindex"));
            QCOMPARE(m_verses.text(QStringLiteral("ayaafolded")), foldedSpelling(index));
            QVERIFY(!m_verses.text(QStringLiteral("english")).isEmpty());
        }
        QVERIFY(!verseOfId(0) && !verseOfId(VerseTotal + 1));
        for (const auto &[sura, verse] : {std::pair{0, 1}, {1, 8}, {115, 1}, {2, 0}})
            QCOMPARE(verseId(sura, verse), std::nullopt);
    }

    void placesOfKnownVerses()
    {
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 2And ayaano like 255")));
        QCOMPARE(m_verses.text(QStringLiteral("pageno")), QStringLiteral("42"));
        QCOMPARE(m_verses.text(QStringLiteral("chapterNO")), QStringLiteral("3"));
        QCOMPARE(m_verses.text(QStringLiteral("ID")), QStringLiteral("262"));

        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 6236")));
        QCOMPARE(m_verses.text(QStringLiteral("pageno")), QStringLiteral("604"));
        QCOMPARE(m_verses.text(QStringLiteral("chapterNO")), QStringLiteral("30"));

        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 1")));
        QCOMPARE(m_verses.text(QStringLiteral("ayaaindex")), QStringLiteral(" بسم الله الرحمن الرحيم "));

        // The first verse of part 30 and of the last page.
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 78And ayaano like 1")));
        QCOMPARE(m_verses.text(QStringLiteral("chapterNO")), QStringLiteral("30"));
        QCOMPARE(m_verses.text(QStringLiteral("pageno")), QStringLiteral("582"));
    }

    void otherTablesOfTheVerseDatabase()
    {
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT * FROM DBversion")));
        QVERIFY(m_verses.text(QStringLiteral("DBversion")).contains(QStringLiteral("quran-json 3.1.2")));

        // The shipped topic index went in whole (topicIndexTreeAndReferences checks how they are read).
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT ID, Topic_No, Topic_Name, Mother_Topic FROM topics_name where Mother_Topic like 0 order by ID")));
        QVERIFY(m_verses.recordCount() >= 15);
        QVERIFY(m_verses.runQuery(QStringLiteral("SELECT ID, Topic_No, Sura_No, Ayat_No FROM topic_Ayat")));
        QVERIFY(m_verses.recordCount() >= 150);
    }

    void translationFiles()
    {
        for (const QString &name : {QStringLiteral("22.qut"), QStringLiteral("24.qut"), QStringLiteral("26.qut"),
                                    QStringLiteral("214.qut"), QStringLiteral("217.qut")}) {
            DataSource translation;
            QVERIFY2(translation.openFile(builtFile(name)), qPrintable(translation.errorString()));
            QVERIFY(translation.runQuery(QStringLiteral("SELECT * FROM Taf order by ID")));
            QCOMPARE(translation.recordCount(), VerseTotal);
            QVERIFY(translation.runQuery(QStringLiteral("SELECT * FROM Taf where ID like 6236")));
            QVERIFY(!translation.text(QStringLiteral("Taf")).isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(TestDataBuild)
#include "tst_databuild.moc"
