// Updating the verse database and fetching translations from the program's site.

#include "core/Connection.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "core/ReaderFolder.h"
#include "core/TranslationCatalogue.h"
#include "data/Site.h"
#include "media/FrmDownloadT.h"
#include "net/FrmDownload.h"
#include "net/FrmUpdate.h"
#include "net/PendingUpdate.h"
#include "net/UpdateFiles.h"
#include "support/LocalHttpServer.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>

namespace {

const QString NeedsUpdate = QStringLiteral("قاعدة البينات لديك تحتاج إلى تحديث");
const QString UpToDate = QStringLiteral("قاعدة البينات لديك لا تحتاج إلى تحديث");
const QString ConnectionError = QStringLiteral("خطأ في الإتصال");
const QString ServerClosed = QStringLiteral("نعتذر موقع البرنامج مغلق حاليا\nيرجى المحاولة فيما بعد");

// A scratch program folder, the site on a local server, and the window the update
// windows open over.
struct Site {
    TestProgramFolder folder;
    LocalHttpServer server;
    ScriptedPlatform platform;
    ProgramState state;
    int programEnds = 0;
    QWidget owner;

    Site() { owner.show(); }
    FrmDownload *download(int item)
    {
        state.DownloadItem = item;
        return new FrmDownload(platform, state, server.url(), [this] { ++programEnds; }, &owner);
    }
    FrmUpdate *update() { return new FrmUpdate(platform, state, server.url(), [this] { ++programEnds; }, &owner); }
};

void setLocalVersion(const QString &version)
{
    Connection database;
    QVERIFY(database.openFile(ProgramFolder::file(QStringLiteral("quran.qu"))));
    QVERIFY(database.execute(QStringLiteral("UPDATE DBversion SET DBversion = '%1'").arg(version)));
}

// The text as the reader reads it: without the marks that only steer its direction.
QString text(const QWidget *window, const char *name)
{
    if (auto *note = window->findChild<QTextEdit *>(QLatin1String(name)))
        return note->toPlainText();
    QString shown = child<QLabel>(window, name)->text();
    return shown.remove(QChar(0x202A)).remove(QChar(0x202C));
}

// Where the label draws character `index` of its text, laid out right to left as the
// window lays it out.
qreal drawnX(const QLabel *label, qsizetype index)
{
    QTextLayout layout(label->text(), label->font());
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(2000);
    layout.endLayout();
    return line.cursorToX(int(index));
}

QByteArray builtFile(const QString &name)
{
    return readFile(QStringLiteral(VELMORA_BUILD_DIR "/") + name);
}

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void versionCheck_data()
    {
        QTest::addColumn<QByteArray>("answer"); // null: the server is down
        QTest::addColumn<QString>("serverVersion");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("updateOffered");
        QTest::newRow("same version") << QByteArray("7^abc") << "7" << UpToDate << UpToDate << false;
        QTest::newRow("a blank is a difference") << QByteArray("7 ^abc") << "7 " << NeedsUpdate << "abc" << true;
        QTest::newRow("Arabic notes, third field ignored") << QStringLiteral("8^تحسينات في الفهرس^xyz").toUtf8() << "8" << NeedsUpdate << QStringLiteral("تحسينات في الفهرس") << true;
        QTest::newRow("no field separator") << QByteArray("7abc") << ConnectionError << ServerClosed << ConnectionError << false;
        QTest::newRow("server down") << QByteArray() << ConnectionError << ServerClosed << ConnectionError << false;
        // Larger than an answer can be: refused at its announced length, before its
        // last piece comes.
        QTest::newRow("oversized") << "8^" + QByteArray(64 << 10, 'x') << ConnectionError << ServerClosed << ConnectionError << false;
    }

    void versionCheck()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, serverVersion);
        QFETCH(QString, status);
        QFETCH(QString, notes);
        QFETCH(bool, updateOffered);
        Site site;
        setLocalVersion(QStringLiteral("7"));
        site.server.serve(QStringLiteral("communication/update/update5.0.php"), {200, answer, true, -1, 16 << 10, 100});
        const QString address = site.server.url();
        FrmUpdate *window = site.update();
        if (answer.isNull())
            site.server.close();
        window->open(); // becoming active runs the check
        QVERIFY(QTest::qWaitFor([&] { return !text(window, "lblserverdb").isEmpty() && !window->isChecking(); }, 20000));

        QCOMPARE(site.server.requests.size(), qsizetype(answer.isNull() ? 0 : 1));
        QCOMPARE(text(window, "lblserverdb"), serverVersion);
        QCOMPARE(text(window, "lblstatus"), status);
        QCOMPARE(text(window, "txtnote"), notes);
        QCOMPARE(child<QPushButton>(window, "cmdupdate")->isEnabled(), updateOffered);
        QVERIFY(site.platform.messages.isEmpty());
        // The site button hands the server address to the browser.
        QTest::mouseClick(child<QPushButton>(window, "cmdSite"), Qt::LeftButton);
        QCOMPARE(site.platform.openedUrls, QList<QUrl>{QUrl(address)});
    }

    // A download that fails says why and closes its own window only: nothing is kept and
    // the program goes on. First the server lacks the file (404 with a length), then it
    // announces a database far larger than one can be, refused before it fills the disk.
    // Re-downloading starts the same file again (a translation, not the database), and
    // the window counts the bytes as they arrive.
    void failedDownloadsAndReDownload()
    {
        Site site;
        for (const QString &said : {QStringLiteral("تحديث قاعدة البيانات غير متوفر على موقع البرنامج حاليا"),
                                    QStringLiteral("أكبر من الحجم المقبول")}) {
            site.platform.messages.clear();
            QPointer<FrmDownload> window = site.download(1);
            window->open();
            QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }, 20000));
            QCOMPARE(site.platform.messages.size(), 1);
            QVERIFY2(site.platform.messages.first().text.contains(said), qPrintable(site.platform.messages.first().text));
            QCOMPARE(site.platform.messages.first().title, QStringLiteral("خطأ"));
            QCOMPARE(site.platform.messages.first().icon, Platform::Icon::Warning);
            QCOMPARE(site.programEnds, 0);
            QCOMPARE(QDir(site.folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("quran.qu")});
            // Announced in full, cut off after a few bytes: only the announcement matters.
            site.server.serve(QStringLiteral("communication/update/newdb.qu"), {200, QByteArray((64 << 20) + 1, 'x'), true, 1'000});
        }

        site.server.requests.clear();
        site.platform.messages.clear();
        const QByteArray translation = builtFile(QStringLiteral("217.qut"));
        site.server.serve(QStringLiteral("communication/update/217.qut"), {200, translation, true, -1, 600'000, 100});
        FrmDownload *window = site.download(217);
        QCOMPARE(text(window, "ProgressReport"), QStringLiteral("يتم الإتصال بالموقع"));
        QVERIFY(QTest::qWaitFor([&] { return site.server.requests.size() == 1; }, 20000));
        QTest::mouseClick(child<QPushButton>(window, "cmdReDownload"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return site.programEnds == 1; }, 20000));
        QCOMPARE(site.server.requests, QStringList(2, QStringLiteral("/communication/update/217.qut")));
        QVERIFY(readFile(site.folder.file(QStringLiteral("217.qut"))) == translation);
        QCOMPARE(text(window, "ProgressReport"), QStringLiteral("%1   /   %1").arg(translation.size()));
        auto *bar = child<QProgressBar>(window, "ProgressBar");
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(site.platform.messages.size(), 1);
    }

    // The whole chain: without a connection the check says so; with one it finds a newer
    // database, the download stores it as newdb.qu and ends the program, and the next
    // start installs it (its message and its start are tst_frmmain's).
    void updateEndToEnd()
    {
        Site site;
        const QString newVersion = ReaderFolder::databaseVersion(site.folder.path());
        site.server.serve(QStringLiteral("communication/update/update5.0.php"), (newVersion + QStringLiteral("^قاعدة بيانات أحدث")).toUtf8());
        site.server.serve(QStringLiteral("communication/update/newdb.qu"), builtFile(QStringLiteral("quran.qu")));
        site.platform.connected = false;
        FrmUpdate *update = site.update();
        update->Check();
        QCOMPARE(text(update, "lblstatus"), QStringLiteral("التأكد من وجود إتصال بالإنترنت"));
        QTRY_COMPARE(site.platform.messages.size(), 1);
        QCOMPARE(site.platform.messages.first().text, QStringLiteral("لا يوجد إتصال بالإنترنت أو أن البرنامج محجوب من الإتصال بالإنترنت, يرجى التأكد من وجود إتصال بالإنترنت للقيام بعملية التحديث."));
        // The status line says how the check ended, not what it was doing.
        QCOMPARE(text(update, "lblstatus"), QStringLiteral("لا يوجد إتصال بالإنترنت"));
        QVERIFY(site.server.requests.isEmpty());
        // "1.0 (quran-json …)" reads left to right, its bracket before the name.
        const auto *shown = child<QLabel>(update, "lbluserdbShow");
        QCOMPARE(text(update, "lbluserdbShow"), newVersion);
        QVERIFY(newVersion.contains(QStringLiteral(" (q")));
        QVERIFY(drawnX(shown, shown->text().indexOf(u'(')) < drawnX(shown, shown->text().indexOf(u'q')));

        setLocalVersion(QStringLiteral("older"));
        site.platform.connected = true;
        site.platform.messages.clear();
        update->Check();
        QVERIFY(QTest::qWaitFor([&] { return !update->isChecking(); }, 20000));
        QCOMPARE(text(update, "lblstatus"), NeedsUpdate);
        QTest::mouseClick(child<QPushButton>(update, "cmdupdate"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return site.programEnds == 1; }, 30000));
        QCOMPARE(site.platform.messages.size(), 1);
        QCOMPARE(site.platform.messages.first().text, QStringLiteral("تم تنزيل التحديث, سوف يتم إغلاق البرنامج الآن لإكمال عملية التحديث يرجى إعادة تشغيل البرنامج من جديد"));
        QCOMPARE(site.platform.messages.first().title, QStringLiteral("التحديث"));

        QCOMPARE(installPendingDatabase(site.folder.path())->result, Installation::Result::Installed);
        QCOMPARE(ReaderFolder::databaseVersion(site.folder.path()), newVersion);
    }

    // The translations page: which are installed, what it refuses, and a translation
    // fetched by its row. A database of another kind never takes the translation's name,
    // so it can be fetched again; a 404 means the server lacks it. (Which files are no
    // database is the data check's own test, a file cut short the downloader's.)
    void translationsPage()
    {
        Site site;
        site.folder.copyBuilt(QStringLiteral("22.qut"), QStringLiteral("217.qut"));
        site.folder.write(QStringLiteral("24.qut"), "damaged"); // left by an older version
        auto *page = new FrmDownloadT(
            site.platform, site.state, [&] { return site.server.url(); }, [&] { ++site.programEnds; }, &site.owner);
        auto *list = child<QListWidget>(page, "List4");
        QCOMPARE(list->item(17)->text(), TranslationNames.at(17) + QStringLiteral(" (مثبتة لديك)"));
        QCOMPARE(list->item(4)->text(), TranslationNames.at(4));
        // Chooses a row and presses the button; true once the page has said something.
        const auto install = [&](int row) {
            site.platform.messages.clear();
            list->setCurrentRow(row);
            QTest::mouseClick(child<QPushButton>(page, "cmddownload"), Qt::LeftButton);
            return QTest::qWaitFor([&] { return !site.platform.messages.isEmpty(); }, 20000);
        };

        // No translation chosen: nothing to install.
        QTest::mouseClick(child<QPushButton>(page, "cmddownload"), Qt::LeftButton);
        QVERIFY(site.platform.messages.first().text.contains(QStringLiteral("يرجى اختيار الترجمة")));
        // Already installed: told so, and no window opens.
        QVERIFY(install(17));
        QCOMPARE(site.platform.messages.last().text, QStringLiteral("إن هذه الترجمة متوفرة حاليا لديك, ليس هناك داعي لإعادة عملية التحميل"));
        QCOMPARE(site.platform.messages.last().title, QStringLiteral("التحديث"));
        QVERIFY(site.owner.findChild<QDialog *>() == nullptr);

        const QString path = QStringLiteral("communication/update/24.qut");
        QVERIFY(install(4));
        QCOMPARE(site.platform.messages.first().text, QStringLiteral("هذه الترجمة غير متوفرة على موقع البرنامج حاليا"));
        const QByteArray whole = builtFile(QStringLiteral("22.qut"));
        site.server.serve(path, builtFile(QStringLiteral("Jthr.qu")));
        QVERIFY(install(4));
        QCOMPARE(site.platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(QFile(site.folder.file(QStringLiteral("24.qut"))).size(), 7);
        QCOMPARE(site.programEnds, 0);

        site.server.serve(path, whole);
        QVERIFY(install(4));
        QCOMPARE(site.platform.messages.first().title, QStringLiteral("التحديث"));
        QCOMPARE(site.programEnds, 1);
        QCOMPARE(site.server.requests.last(), u'/' + path);
        QCOMPARE(QFile(site.folder.file(QStringLiteral("24.qut"))).size(), whole.size());
    }

    // The site the program's build writes for the update check to talk to.
    void siteHoldsTheBuiltFiles()
    {
        const QString built = QStringLiteral(VELMORA_BUILD_DIR);
        QTemporaryDir site;
        QString error;
        QVERIFY2(writeSite(built, site.path(), &error), qPrintable(error));
        // Writing again over an existing site works the same.
        QVERIFY2(writeSite(built, site.path(), &error), qPrintable(error));

        const QDir update(site.filePath(QStringLiteral("communication/update")));
        QCOMPARE(readFile(update.filePath(QStringLiteral("newdb.qu"))), readFile(built + QStringLiteral("/quran.qu")));
        const QStringList translations = QDir(built).entryList({QStringLiteral("*.qut")}, QDir::Files, QDir::Name);
        QStringList expected = translations;
        expected << QStringLiteral("newdb.qu") << QStringLiteral("update5.0.php");
        expected.sort();
        QCOMPARE(update.entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);

        // The answer names the built database's version, so a program running on
        // the same build finds nothing to update.
        UpdateAnswer answer;
        QVERIFY(parseUpdateAnswer(QString::fromUtf8(readFile(update.filePath(QStringLiteral("update5.0.php")))), &answer));
        QCOMPARE(answer.version, ReaderFolder::databaseVersion(built));
        QVERIFY(!answer.notes.isEmpty());
        QVERIFY(!answer.notes.endsWith(u'\n'));

        // Without a built database there is no site to write.
        QTemporaryDir empty, nothing;
        QVERIFY(!writeSite(empty.path(), nothing.path(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(nothing.filePath(QStringLiteral("communication/update/update5.0.php"))));
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
