// A database update waiting as newdb.qu, installed at start only when it is sound, and
// settled once the program has tried to open it.

#include "core/Connection.h"
#include "support/FailingFileOperations.h"
#include "net/PendingUpdate.h"
#include "support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

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
    void goodUpdateIsInstalledAndKeptOnlyOnceItOpens()
    {
        TestProgramFolder folder(QStringList{});
        folder.write(QStringLiteral("quran.qu"), "the old database");
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        const QByteArray update = readFile(folder.file(QStringLiteral("newdb.qu")));
        const QString current = folder.file(QStringLiteral("quran.qu"));
        FailingFileOperations files;

        QCOMPARE(installPendingDatabase(folder.path(), files)->result, Installation::Result::Installed);
        QVERIFY(readFile(current) == update);
        QCOMPARE(readFile(backupOf(current)), QByteArray("the old database"));
        // quran.qu was never missing: the new file went over it in one rename.
        for (const auto &rename : files.renames)
            QVERIFY(rename.targetExisted || !rename.to.endsWith(QStringLiteral("/quran.qu")));

        // It opened: the backup goes.
        QVERIFY(!settleVerseDatabase(folder.path(), true, files));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quran.qu")});

        // It did not open: the old database comes back.
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        folder.write(QStringLiteral("quran.qu"), "the old database");
        QCOMPARE(installPendingDatabase(folder.path(), files)->result, Installation::Result::Installed);
        QVERIFY(settleVerseDatabase(folder.path(), false, files));
        QCOMPARE(readFile(current), QByteArray("the old database"));
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
        else
            folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        if (kind == u"short")
            runSql(pending, {QStringLiteral("DELETE FROM Ayat WHERE ID = 6236")});
        if (kind == u"damaged")
            folder.damagePage(QStringLiteral("newdb.qu"), 400);
        // A file rejected at an earlier start.
        folder.write(QStringLiteral("newdb.qu.rejected-20200101-000000"), "old rejected file");
        const QByteArray oldDatabase = readFile(folder.file(QStringLiteral("quran.qu")));

        const std::optional<Installation> update = installPendingDatabase(folder.path());
        QCOMPARE(update->result, Installation::Result::Rejected);
        QVERIFY(!update->reason.isEmpty());
        QVERIFY(readFile(folder.file(QStringLiteral("quran.qu"))) == oldDatabase);
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
        const QByteArray oldDatabase = readFile(folder.file(QStringLiteral("quran.qu")));
        const QByteArray update = readFile(folder.file(QStringLiteral("newdb.qu")));
        FailingFileOperations files;
        files.refusedRenameTargets = {refusedRename};
        files.bytesUntilFull = bytesUntilFull;

        const std::optional<Installation> result = installPendingDatabase(folder.path(), files);
        QCOMPARE(result->result, Installation::Result::Failed);
        QVERIFY(!result->reason.isEmpty());
        QVERIFY(readFile(folder.file(QStringLiteral("quran.qu"))) == oldDatabase);
        // The update waits for the next start, and nothing else is left behind.
        QVERIFY(readFile(folder.file(QStringLiteral("newdb.qu"))) == update);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 (QStringList{QStringLiteral("newdb.qu"), QStringLiteral("quran.qu")}));
    }
};

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
