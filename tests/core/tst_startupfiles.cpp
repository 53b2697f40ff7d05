// What the program reads and settles at start: its settings, servers.ini, the names of
// translation files and a pending database update.

#include "core/Connection.h"
#include "core/ProgramFolder.h"
#include "core/Servers.h"
#include "core/Settings.h"
#include "support/FailingFileOperations.h"
#include "net/PendingUpdate.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"
#include "core/TranslationCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void runSql(const QString &path, const QStringList &statements)
{
    Connection file;
    QVERIFY(file.openFile(path));
    for (const QString &statement : statements)
        QVERIFY(file.execute(statement));
}

} // namespace

class TestStartupFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // 25.qut, 210.qut and a skipped 22x.qut are the main window's (translationNamesComeFromTheCatalogue),
    // the names of rows 0 and 17 the download page's.
    void translationFileNames()
    {
        QCOMPARE(translationEntryOfFile(QStringLiteral("20.qut")), 0);
        QCOMPARE(translationEntryOfFile(QStringLiteral("217.qut")), 17);
        QCOMPARE(translationEntryOfFile(QStringLiteral("2x.qut")), std::nullopt);
        QCOMPARE(translationEntryOfFile(QStringLiteral("notes.qut")), std::nullopt);
        QCOMPARE(translationEntryOfFile(QStringLiteral("230.qut")), std::nullopt); // past the catalogue
    }

    void goodUpdateIsInstalledAndKeptOnlyOnceItOpens()
    {
        TestProgramFolder folder(QStringList{});
        folder.write(QStringLiteral("quran.qu"), "the old database");
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        const QByteArray update = contentOf(folder.file(QStringLiteral("newdb.qu")));
        const QString current = folder.file(QStringLiteral("quran.qu"));
        FailingFileOperations files;

        QCOMPARE(installPendingDatabase(folder.path(), files)->result, Installation::Result::Installed);
        QVERIFY(contentOf(current) == update);
        QCOMPARE(contentOf(backupOf(current)), QByteArray("the old database"));
        // quran.qu was never missing: the new file went over it in one rename.
        for (const auto &rename : files.renames)
            QVERIFY(rename.targetExisted || !rename.to.endsWith(QStringLiteral("/quran.qu")));
        QVERIFY(!installPendingDatabase(folder.path(), files)); // nothing pending any more

        // It opened: the backup goes.
        QVERIFY(!settleVerseDatabase(folder.path(), true, files));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quran.qu")});

        // It did not open: the old database comes back.
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        folder.write(QStringLiteral("quran.qu"), "the old database");
        QCOMPARE(installPendingDatabase(folder.path(), files)->result, Installation::Result::Installed);
        QVERIFY(settleVerseDatabase(folder.path(), false, files));
        QCOMPARE(contentOf(current), QByteArray("the old database"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quran.qu")});
    }

    void unfitUpdateIsNeverInstalled_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("an HTML page") << "html";
        QTest::newRow("an empty file") << "empty";
        QTest::newRow("a table Ayat(x) with one row") << "schema";
        QTest::newRow("a verse missing") << "short";
        QTest::newRow("damaged pages") << "damaged";
        QTest::newRow("a translation file") << "translation";
    }

    void unfitUpdateIsNeverInstalled()
    {
        QFETCH(QString, kind);
        TestProgramFolder folder;
        const QString pending = folder.file(QStringLiteral("newdb.qu"));
        if (kind == u"html")
            folder.write(QStringLiteral("newdb.qu"), "<html>404 Not Found</html>");
        else if (kind == u"empty")
            folder.write(QStringLiteral("newdb.qu"), {});
        else if (kind == u"schema")
            runSql(writeFile(pending, {}), {QStringLiteral("CREATE TABLE Ayat(x)"), QStringLiteral("INSERT INTO Ayat VALUES (1)")});
        else if (kind == u"translation")
            folder.copyBuilt(QStringLiteral("22.qut"), QStringLiteral("newdb.qu"));
        else
            folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        if (kind == u"short")
            runSql(pending, {QStringLiteral("DELETE FROM Ayat WHERE ID = 6236")});
        if (kind == u"damaged")
            folder.damagePage(QStringLiteral("newdb.qu"), 400);
        // A file rejected at an earlier start.
        folder.write(QStringLiteral("newdb.qu.rejected-20200101-000000"), "old rejected file");
        const QByteArray oldDatabase = contentOf(folder.file(QStringLiteral("quran.qu")));

        const std::optional<Installation> update = installPendingDatabase(folder.path());
        QCOMPARE(update->result, Installation::Result::Rejected);
        QVERIFY(!update->reason.isEmpty());
        QVERIFY(contentOf(folder.file(QStringLiteral("quran.qu"))) == oldDatabase);
        QVERIFY(!QFileInfo::exists(pending));
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("newdb.qu.rejected-*")}),
                 QStringList{QFileInfo(update->setAsideFile).fileName()});
        QVERIFY(!QFileInfo::exists(backupOf(folder.file(QStringLiteral("quran.qu")))));
    }

    void failedStepLeavesEverythingAsItWas_data()
    {
        QTest::addColumn<QString>("refusedRename");
        QTest::addColumn<qint64>("bytesUntilFull");
        QTest::addColumn<bool>("fit");
        QTest::newRow("quran.qu cannot be replaced") << "quran.qu" << qint64(-1) << true;
        QTest::newRow("the disk fills during the backup") << QString() << qint64(100000) << true;
        QTest::newRow("the backup cannot be put in place") << "quran.qu.bak" << qint64(-1) << true;
        QTest::newRow("an unfit update cannot be set aside") << "newdb.qu.rejected-*" << qint64(-1) << false;
    }

    void failedStepLeavesEverythingAsItWas()
    {
        QFETCH(QString, refusedRename);
        QFETCH(qint64, bytesUntilFull);
        QFETCH(bool, fit);
        TestProgramFolder folder;
        if (fit)
            folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        else
            folder.write(QStringLiteral("newdb.qu"), "<html></html>");
        runSql(folder.file(QStringLiteral("quran.qu")), {QStringLiteral("UPDATE DBversion SET DBversion = 'old'")});
        const QByteArray oldDatabase = contentOf(folder.file(QStringLiteral("quran.qu")));
        const QByteArray update = contentOf(folder.file(QStringLiteral("newdb.qu")));
        FailingFileOperations files;
        files.refusedRenameTargets = {refusedRename};
        files.bytesUntilFull = bytesUntilFull;

        const std::optional<Installation> result = installPendingDatabase(folder.path(), files);
        QCOMPARE(result->result, Installation::Result::Failed);
        QVERIFY(!result->reason.isEmpty());
        QVERIFY(contentOf(folder.file(QStringLiteral("quran.qu"))) == oldDatabase);
        // The update waits for the next start, and nothing else is left behind.
        QVERIFY(contentOf(folder.file(QStringLiteral("newdb.qu"))) == update);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("newdb.qu"), QStringLiteral("quran.qu")}));
    }

    // Values are kept as text, where other copies look; a write that is lost is reported.
    void settings()
    {
        clearSettings();
        QCOMPARE(Settings::value(QStringLiteral("Key"), QStringLiteral("default")), QStringLiteral("default"));
        const QStringList values = {QStringLiteral("True"), QStringLiteral("FALSE"), QStringLiteral("10.5"),
                                    QStringLiteral("FF8000"), QStringLiteral("15^203^604^"),
                                    QStringLiteral("http://example.invalid/a b/"), QStringLiteral("  padded "),
                                    QStringLiteral("أميري"), QStringLiteral("a=b;c,d"), QString()};
        for (const QString &value : values) {
            Settings::setValue(QStringLiteral("Key"), value);
            QCOMPARE(Settings::value(QStringLiteral("Key"), QStringLiteral("default")), value);
        }
        // Stored under application "Velmora5", section "Setting".
        Settings::setValue(QStringLiteral("FontSize"), QStringLiteral("18"));
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Velmora5"), QStringLiteral("Velmora5"));
        QCOMPARE(store.value(QStringLiteral("Setting/FontSize")).toString(), QStringLiteral("18"));
        QVERIFY(store.fileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")));

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
        QVERIFY(defaults.playerCommand.isEmpty());
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

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
