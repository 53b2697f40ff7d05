#include "core/DataSource.h"
#include "data/Site.h"
#include "net/UpdateFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestSite : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void siteHoldsTheBuiltFiles()
    {
        const QString built = QStringLiteral(VELMORA_BUILD_DIR);
        QTemporaryDir site;
        QString error;
        QVERIFY2(writeSite(built, site.path(), &error), qPrintable(error));
        // Writing again over an existing site works the same.
        QVERIFY2(writeSite(built, site.path(), &error), qPrintable(error));

        const QDir update(site.filePath(QStringLiteral("communication/update")));
        QCOMPARE(contents(update.filePath(QStringLiteral("newdb.qu"))), contents(built + QStringLiteral("/quran.qu")));
        const QStringList translations = QDir(built).entryList({QStringLiteral("*.qut")}, QDir::Files, QDir::Name);
        QVERIFY(translations.contains(QStringLiteral("217.qut")));
        QStringList expected = translations;
        expected << QStringLiteral("newdb.qu") << QStringLiteral("update5.0.php");
        expected.sort();
        QCOMPARE(update.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        for (const QString &name : translations)
            QCOMPARE(contents(update.filePath(name)), contents(built + u'/' + name));

        // The answer names the built database's version, so a program running on
        // the same build finds nothing to update.
        DataSource database;
        QVERIFY(database.openFile(built + QStringLiteral("/quran.qu")));
        QVERIFY(database.runQuery(QStringLiteral("SELECT * FROM DBversion")));
        UpdateAnswer answer;
        QVERIFY(parseUpdateAnswer(QString::fromUtf8(contents(update.filePath(QStringLiteral("update5.0.php")))), &answer));
        QCOMPARE(answer.version, database.text(QStringLiteral("DBversion")));
        QVERIFY(!answer.notes.isEmpty());
        QVERIFY(!answer.notes.endsWith(u'\n'));
    }

    void missingDatabaseFails()
    {
        QTemporaryDir empty, site;
        QString error;
        QVERIFY(!writeSite(empty.path(), site.path(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(site.filePath(QStringLiteral("communication/update/update5.0.php"))));
    }
};

QTEST_MAIN(TestSite)
#include "tst_site.moc"
