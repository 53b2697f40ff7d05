// The program's own files, read without the data build: the verse and user databases (and
// the SQL dialect step every query goes through), the settings, servers.ini and the names
// of translation files.

#include "core/Connection.h"
#include "core/DataSource.h"
#include "core/ProgramFolder.h"
#include "core/Servers.h"
#include "core/Settings.h"
#include "core/SqlDialect.h"
#include "core/SqliteLike.h"
#include "core/TranslationCatalogue.h"
#include "support/FixtureDatabase.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestProgramFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void programQueriesRunAsWritten()
    {
        DataSource source;
        QVERIFY2(source.openFile(FixtureDatabase::path()), qPrintable(source.errorString()));
        // A verse database is never written.
        QVERIFY(!source.runQuery(QStringLiteral("DELETE FROM Ayat where ID like 1")));

        // Through the dialect step (dialectAdapts): a number touching a keyword, bounds larger first.
        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 67And ayaano between 9 and 3 order by ID")));
        QList<int> verses;
        for (; !source.atEnd(); source.moveNext())
            verses.append(source.text(QStringLiteral("ayaano")).toInt());
        QCOMPARE(verses, (QList<int>{3, 4, 5, 6, 7, 8, 9}));
        // The cursor walks, stops at the end and starts again on a refresh.
        source.moveFirst();
        source.moveNext();
        QVERIFY(source.refresh());
        QCOMPARE(source.position(), 0);
        for (int i = 0; i < 10; ++i)
            source.moveNext();
        QVERIFY(source.atEnd());
        QCOMPARE(source.position(), 7);

        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 1")));
        QCOMPARE(source.text(QStringLiteral("soraano")), QStringLiteral("1"));
        // Column names are matched without regard to case.
        QCOMPARE(source.text(QStringLiteral("AyaaIndex")), source.text(QStringLiteral("ayaaindex")));

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

    // Files open from any folder; missing or corrupt ones fail and create nothing.
    void filesOpenFromAnyFolderOrFail()
    {
        QTemporaryDir folder;
        DataSource source;
        // ";" and "\\" are ordinary characters of a folder name here.
        const QString odd = folder.filePath(QStringLiteral("Data Source=x;y\\z ;Persist"));
        QVERIFY(QDir().mkpath(odd));
        FixtureDatabase::write(odd + QStringLiteral("/quran.qu"));
        QVERIFY2(source.openFile(odd + QStringLiteral("/quran.qu"), DataFileKind::Verses), qPrintable(source.errorString()));
        QVERIFY(source.runQuery(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID like 1")));
        QCOMPARE(source.text(QStringLiteral("soraano")), QStringLiteral("1"));

        const QString missing = folder.filePath(QStringLiteral("quran.qu"));
        QVERIFY(!source.openFile(missing));
        QVERIFY(source.errorString().contains(missing));
        // The file open before is closed.
        QVERIFY(!source.runQuery(QStringLiteral("SELECT *  FROM Ayat")));

        const QString corrupt = writeFile(folder.filePath(QStringLiteral("Jthr.qu")), QByteArray(4096, 'x'));
        QVERIFY(!source.openFile(corrupt));
        QVERIFY(!source.errorString().isEmpty());
        QCOMPARE(QFileInfo(corrupt).size(), 4096);

        Connection connection;
        QVERIFY(!connection.openFile(folder.filePath(QStringLiteral("db.mdb"))));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("Jthr.qu")});
    }

    // The user tables of db.mdb, never SQLite's own (AUTOINCREMENT makes it keep
    // sqlite_sequence). Statements, transactions and their rollback on db.mdb are run by
    // the memorisation tests (tst_memorise).
    void userTablesOnly()
    {
        QTemporaryDir folder;
        Connection connection;
        QVERIFY(connection.openFile(writeFile(folder.filePath(QStringLiteral("db.mdb")), {})));
        QVERIFY(connection.execute(QStringLiteral("create table sara (n INTEGER PRIMARY KEY AUTOINCREMENT, suranum number)")));
        QVERIFY(connection.execute(QStringLiteral("insert into sara (suranum) values (1)")));
        QCOMPARE(connection.tables(), QStringList{QStringLiteral("sara")});
    }

    void likeAsTheEngineMeansIt()
    {
        // The engine's own LIKE, on a connection that is not given the program's.
        QSqlDatabase engine = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("engine"));
        engine.setDatabaseName(QStringLiteral(":memory:"));
        QVERIFY(engine.open());
        QSqlQuery query(engine);
        QVERIFY(query.prepare(QStringLiteral("SELECT ? LIKE ?")));
        const QStringList texts = {QStringLiteral(" بسم الله الرحمن الرحيم "), QStringLiteral("Allah, the Merciful"),
                                   QStringLiteral("262"), QStringLiteral("ياأيها الذين آمنوا"), QStringLiteral("a_b%c"),
                                   QStringLiteral("ءآأؤإئ")};
        const QStringList patterns = {QStringLiteral("%"), QStringLiteral("%%"), QStringLiteral("% الله %"),
                                      QStringLiteral("%الرحيم"), QStringLiteral("بسم%"), QStringLiteral("%ALLAH%"),
                                      QStringLiteral("%merciful"), QStringLiteral("26_"), QStringLiteral("%ا_أيها%"),
                                      QStringLiteral("_اأيها%"), QStringLiteral("%ا%ذ%ا"), QStringLiteral("a\\_b%"),
                                      QStringLiteral("%_%_%"), QStringLiteral("ءآأؤإئ"), QStringLiteral("______"), QStringLiteral("%ئ_")};
        for (const QString &text : texts) {
            for (const QString &pattern : patterns) {
                query.addBindValue(text);
                query.addBindValue(pattern);
                QVERIFY(query.exec() && query.next());
                QVERIFY2(sqlLikeMatches(pattern.toUtf8(), text.toUtf8()) == query.value(0).toBool(),
                         qPrintable(text + QStringLiteral(" LIKE ") + pattern));
            }
        }
    }

    void dialectAdapts()
    {
        // A number touching a keyword; bounds in order stay.
        QCOMPARE(toSqliteDialect(QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 2And ayaano between 1 and 7 order by ID")),
                 QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano = 2 And ayaano between 1 and 7 order by ID"));
        // Bounds given larger first.
        QCOMPARE(toSqliteDialect(QStringLiteral("DELETE FROM x where ayaanum between 9 and 3")),
                 QStringLiteral("DELETE FROM x where ayaanum between 3 and 9"));
        // Upper-case keywords, larger first, a number touching a letter.
        QCOMPARE(toSqliteDialect(QStringLiteral("select * from t where a BETWEEN 120 AND 17And b like 1")),
                 QStringLiteral("select * from t where a BETWEEN 17 AND 120 And b = 1"));
        // Digits ending a name stay.
        QCOMPARE(toSqliteDialect(QStringLiteral("SELECT Adodc1 FROM t2x")), QStringLiteral("SELECT Adodc1 FROM t2x"));
        // A doubled quote stays inside the string.
        QCOMPARE(toSqliteDialect(QStringLiteral("like '% it''s 2And %' and 3And")), QStringLiteral("like '% it''s 2And %' and 3 And"));
        // A number looked up by key.
        QCOMPARE(toSqliteDialect(QStringLiteral("SELECT *  FROM Ayat where Ayat.ID Like 262")),
                 QStringLiteral("SELECT *  FROM Ayat where Ayat.ID = 262"));
        // A pattern or a decimal keeps its LIKE.
        QCOMPARE(toSqliteDialect(QStringLiteral("where a like '5' or b like 2.5 or c like 7x")),
                 QStringLiteral("where a like '5' or b like 2.5 or c = 7 x"));
    }

    // 25.qut, 210.qut and a skipped 22x.qut are the main window's (translationNamesComeFromTheCatalogue),
    // the names of rows 0 and 17 the download page's.
    void translationFileNames()
    {
        QCOMPARE(translationEntryOfFile(QStringLiteral("217.qut")), 17);
        QCOMPARE(translationEntryOfFile(QStringLiteral("2x.qut")), std::nullopt);
        QCOMPARE(translationEntryOfFile(QStringLiteral("230.qut")), std::nullopt); // past the catalogue
    }

    // Values are kept as text, where other copies look; a write that is lost is reported.
    void settings()
    {
        clearSettings();
        QCOMPARE(Settings::value(QStringLiteral("Key"), QStringLiteral("default")), QStringLiteral("default"));
        const QStringList values = {QStringLiteral("True"), QStringLiteral("  padded "), QStringLiteral("a=b;c,d"), QString()};
        for (const QString &value : values) {
            Settings::setValue(QStringLiteral("Key"), value);
            QCOMPARE(Settings::value(QStringLiteral("Key"), QStringLiteral("default")), value);
        }
        // Stored under application "Velmora5", section "Setting".
        Settings::setValue(QStringLiteral("FontSize"), QStringLiteral("18"));
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5"));
        QCOMPARE(store.value(QStringLiteral("Setting/FontSize")).toString(), QStringLiteral("18"));

        // A folder where the settings file belongs: nothing can be written there.
        QFile::remove(store.fileName());
        QVERIFY(QDir().mkpath(store.fileName()));
        QString reported;
        Settings::setWriteFailureHandler([&](const QString &key) { reported = key; });
        QVERIFY(!Settings::setValue(QStringLiteral("FontSize"), QStringLiteral("20")));
        QCOMPARE(reported, QStringLiteral("FontSize"));
        QVERIFY(QDir(store.fileName()).removeRecursively());
        reported.clear();
        QVERIFY(Settings::setValue(QStringLiteral("FontSize"), QStringLiteral("20")));
        QVERIFY(reported.isEmpty());
        Settings::setWriteFailureHandler({});
    }

    void serversFallBackToTheLocalSite()
    {
        QTemporaryDir folder;
        ProgramFolder::setPath(folder.path());
        const Servers defaults = Servers::load();
        QCOMPARE(defaults.updateServer, Servers::localSite());
        QCOMPARE(defaults.connectivityProbe, QUrl(Servers::localSite()));
        // The local site holds no recitations: no recitation server unless one is set.
        QVERIFY(defaults.wholeSuraPlayBase.isEmpty() && defaults.partialRecitationBase.isEmpty());

        writeFile(ProgramFolder::file(QStringLiteral("servers.ini")),
                  "[Servers]\nUpdateServer=http://updates.example.org/velmora\nPageImageServer=\nPlayerCommand=vlc\n");
        const Servers configured = Servers::load();
        QCOMPARE(configured.updateServer, QStringLiteral("http://updates.example.org/velmora/"));
        QCOMPARE(configured.pageImageServer, Servers::localSite());
        QCOMPARE(configured.playerCommand, QStringLiteral("vlc"));
    }
};

QTEST_GUILESS_MAIN(TestProgramFiles)
#include "tst_programfiles.moc"
