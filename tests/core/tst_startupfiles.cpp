#include "PendingUpdate.h"
#include "TestProgramFolder.h"
#include "TranslationCatalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

class TestStartupFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void translationFileNames()
    {
        QCOMPARE(translationEntryOfFile(QStringLiteral("25.qut")), 5);
        QCOMPARE(translationEntryOfFile(QStringLiteral("210.qut")), 10);
        QCOMPARE(translationEntryOfFile(QStringLiteral("20.qut")), 0);
        QCOMPARE(translationEntryOfFile(QStringLiteral("217.qut")), 17);
        QCOMPARE(translationEntryOfFile(QStringLiteral("2x.qut")), std::nullopt);
        QCOMPARE(translationEntryOfFile(QStringLiteral("notes.qut")), std::nullopt);
        QCOMPARE(translationEntryOfFile(QStringLiteral("230.qut")), std::nullopt); // past the catalogue
        QCOMPARE(translationFileName(4), QStringLiteral("24.qut"));
        QCOMPARE(translationFileName(12), QStringLiteral("212.qut"));
        QCOMPARE(TranslationNames.size(), 18);
        QCOMPARE(TranslationNames.at(10), QStringLiteral("اللغة المكسيكية"));
    }

    void noPendingUpdate()
    {
        TestProgramFolder folder;
        QCOMPARE(installPendingDatabase(folder.path()).result, PendingUpdate::Result::None);
        QVERIFY(QFileInfo::exists(folder.file(QStringLiteral("quran.qu"))));
    }

    void goodUpdateReplacesTheDatabase()
    {
        TestProgramFolder folder(QStringList{});
        folder.write(QStringLiteral("quran.qu"), "the old database");
        folder.copyBuilt(QStringLiteral("quran.qu"), QStringLiteral("newdb.qu"));
        const qint64 newSize = QFileInfo(folder.file(QStringLiteral("newdb.qu"))).size();

        QCOMPARE(installPendingDatabase(folder.path()).result, PendingUpdate::Result::Installed);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("quran.qu")});
        QCOMPARE(QFileInfo(folder.file(QStringLiteral("quran.qu"))).size(), newSize);
        // Nothing is left to install the next time.
        QCOMPARE(installPendingDatabase(folder.path()).result, PendingUpdate::Result::None);
    }

    void unusableUpdateIsSetAside_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("not a database") << QByteArray("<html>404 Not Found</html>");
        QTest::newRow("empty file") << QByteArray();
    }

    void unusableUpdateIsSetAside()
    {
        QFETCH(QByteArray, content);
        TestProgramFolder folder;
        const QByteArray oldDatabase = [&] {
            QFile f(folder.file(QStringLiteral("quran.qu")));
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        folder.write(QStringLiteral("newdb.qu"), content);

        const PendingUpdate update = installPendingDatabase(folder.path());
        QCOMPARE(update.result, PendingUpdate::Result::Rejected);
        QVERIFY(!update.reason.isEmpty());
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("newdb.qu"))));
        QVERIFY(QFileInfo::exists(update.setAsideFile));
        QFile kept(folder.file(QStringLiteral("quran.qu")));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QVERIFY(kept.readAll() == oldDatabase);
    }

    void databaseWithoutVersesIsRejected()
    {
        TestProgramFolder folder;
        // A valid database file that holds no verse table at all.
        folder.copyBuilt(QStringLiteral("22.qut"), QStringLiteral("newdb.qu"));
        QCOMPARE(installPendingDatabase(folder.path()).result, PendingUpdate::Result::Rejected);
    }
};

QTEST_GUILESS_MAIN(TestStartupFiles)
#include "tst_startupfiles.moc"
