#include "core/Connection.h"
#include "core/DataSource.h"
#include "support/FixtureDatabase.h"
#include "support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

QList<int> column(DataSource &source, const QString &name)
{
    QList<int> values;
    for (source.moveFirst(); !source.atEnd(); source.moveNext())
        values.append(source.text(name).toInt());
    return values;
}

} // namespace

class TestDataSource : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void filesOpenFromAnyFolder()
    {
        // ";" and "\\" are ordinary characters of a folder name here.
        QTemporaryDir root;
        const QString folder = root.filePath(QStringLiteral("Data Source=x;y\\z ;Persist"));
        QVERIFY(QDir().mkpath(folder));
        FixtureDatabase::write(folder + QStringLiteral("/quran.qu"));
        DataSource source;
        QVERIFY2(source.openFile(folder + QStringLiteral("/quran.qu"), DataFileKind::Verses), qPrintable(source.errorString()));
        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 1")));
        QCOMPARE(source.text(QStringLiteral("soraano")), QStringLiteral("1"));
    }

    void programQueriesRunAsWritten()
    {
        DataSource source;
        QVERIFY2(source.openFile(FixtureDatabase::path()), qPrintable(source.errorString()));

        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 67And ayaano between 1 and 7 order by ID")));
        QCOMPARE(column(source, QStringLiteral("ayaano")), (QList<int>{1, 2, 3, 4, 5, 6, 7}));
        QCOMPARE(column(source, QStringLiteral("SORAANO")), QList<int>(7, 67));

        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 67 and ayaano between 9 and 3 order by ID")));
        QCOMPARE(column(source, QStringLiteral("ayaano")), (QList<int>{3, 4, 5, 6, 7, 8, 9}));

        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 1")));
        QCOMPARE(source.recordCount(), 1);
        QCOMPARE(source.text(QStringLiteral("soraano")), QStringLiteral("1"));
        QCOMPARE(source.text(QStringLiteral("ayaano")), QStringLiteral("1"));
        // Column names are matched without regard to case.
        QCOMPARE(source.text(QStringLiteral("AyaaIndex")), source.text(QStringLiteral("ayaaindex")));
        QVERIFY(source.text(QStringLiteral("Ayaa")).startsWith(QStringLiteral("بِسۡمِ")));

        // A sura-range text search: only suras 110 to 113, in reading order.
        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where soraano between 110 and 113 And Ayat.AyaaIndex Like  '%الله%' order by ID")));
        QCOMPARE(column(source, QStringLiteral("ayaano")), (QList<int>{1, 2, 1, 2}));
        QCOMPARE(column(source, QStringLiteral("soraano")), (QList<int>{110, 110, 112, 112}));

        // A clause straight after a closing quote.
        QVERIFY2(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where ayaaindex like '% الرحمن %'order by ID")),
                 qPrintable(source.errorString()));
        QVERIFY(!source.atEnd());

        // Nothing found: the cursor stands at the end and reads give empty texts.
        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where ayaaindex like '% لاتوجدكلمةكهذه %'")));
        QVERIFY(source.atEnd());
        QCOMPARE(source.recordCount(), 0);
        QCOMPARE(source.text(QStringLiteral("ayaa")), QString());

        // A broken query fails and says so.
        QVERIFY(!source.runQuery(QStringLiteral("SELECT *  FROM NoSuchTable")));
        QVERIFY(!source.errorString().isEmpty());
        // Only one statement runs; values read as text the way they always did.
        QVERIFY(!source.runQuery(QStringLiteral("SELECT 1; SELECT 2")));
        QVERIFY(source.runQuery(QStringLiteral("SELECT 1.5 AS a, 2.0 AS b, NULL AS c, 'نص' AS d")));
        QCOMPARE(QStringList({source.text(QStringLiteral("a")), source.text(QStringLiteral("b")), source.text(QStringLiteral("c")),
                              source.text(QStringLiteral("d"))}),
                 QStringList({QStringLiteral("1.5"), QStringLiteral("2"), QString(), QStringLiteral("نص")}));
    }

    void cursorWalksAndRereads()
    {
        DataSource source;
        QVERIFY(source.openFile(FixtureDatabase::path()));
        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 114 order by ID")));
        QCOMPARE(source.recordCount(), 6);
        source.moveNext();
        source.moveNext();
        QCOMPARE(source.position(), 2);
        QCOMPARE(source.text(QStringLiteral("ayaano")), QStringLiteral("3"));
        QVERIFY(source.refresh());
        QCOMPARE(source.position(), 0);
        for (int i = 0; i < 10; ++i)
            source.moveNext();
        QVERIFY(source.atEnd());
        QCOMPARE(source.position(), 6);
    }

    void missingOrCorruptFilesFailAndCreateNothing()
    {
        QTemporaryDir folder;
        DataSource source;

        const QString missing = folder.filePath(QStringLiteral("quran.qu"));
        QVERIFY(!source.openFile(missing));
        QVERIFY(source.errorString().contains(missing));
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(!source.isOpen());
        QVERIFY(!source.runQuery(QStringLiteral("SELECT *  FROM Ayat")));

        const QString corrupt = writeFile(folder.filePath(QStringLiteral("Jthr.qu")), QByteArray(4096, 'x'));
        QVERIFY(!source.openFile(corrupt));
        QVERIFY(!source.errorString().isEmpty());
        QCOMPARE(QFileInfo(corrupt).size(), 4096);

        Connection connection;
        QVERIFY(!connection.openFile(folder.filePath(QStringLiteral("db.mdb"))));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("db.mdb"))));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Jthr.qu")});
    }

    void verseDatabasesAreNeverWritten()
    {
        DataSource source;
        QVERIFY(source.openFile(FixtureDatabase::path()));
        QVERIFY(!source.runQuery(QStringLiteral("DELETE FROM Ayat where ID like 1")));
        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 1")));
        QCOMPARE(source.recordCount(), 1);
    }

    void userDatabaseStatements()
    {
        QTemporaryDir folder;
        const QString path = writeFile(folder.filePath(QStringLiteral("db.mdb")), {}); // an empty file is an empty database

        Connection connection;
        QVERIFY2(connection.openFile(path), qPrintable(connection.errorString()));
        QVERIFY(connection.tables().isEmpty());
        QVERIFY(connection.execute(QStringLiteral("create table ahmad (suranum number, ayaanum number)")));
        for (int verse = 1; verse <= 10; ++verse)
            QVERIFY(connection.execute(QStringLiteral("insert into ahmad values (2, %1)").arg(verse)));
        // Larger bound first, as the marking commands write it.
        QVERIFY(connection.execute(QStringLiteral("delete from ahmad where [suranum] like 2And ayaanum between 7 and 3")));
        // AUTOINCREMENT makes SQLite keep its own sqlite_sequence table, never listed.
        QVERIFY(connection.execute(QStringLiteral("create table sara (n INTEGER PRIMARY KEY AUTOINCREMENT, suranum number)")));
        QVERIFY(connection.execute(QStringLiteral("insert into sara (suranum) values (1)")));
        QCOMPARE(connection.tables(), (QStringList{QStringLiteral("ahmad"), QStringLiteral("sara")}));

        QVERIFY(connection.beginTransaction());
        QVERIFY(connection.execute(QStringLiteral("delete from ahmad")));
        QVERIFY(!connection.execute(QStringLiteral("insert into nosuchtable values (1)")));
        QVERIFY(connection.rollback());
        connection.close();

        DataSource reader;
        QVERIFY(reader.openFile(path));
        QVERIFY(reader.runQuery(QStringLiteral("SELECT *  FROM ahmad order by ayaanum")));
        QCOMPARE(column(reader, QStringLiteral("AyaaNum")), (QList<int>{1, 2, 8, 9, 10}));
    }
};

QTEST_GUILESS_MAIN(TestDataSource)
#include "tst_datasource.moc"
