#include "core/Connection.h"
#include "core/DataSource.h"
#include "net/FrmDownload.h"
#include "mainwindow/FrmMain.h"
#include "net/FrmUpdate.h"
#include "support/LocalHttpServer.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTextLayout>

namespace {

const QString NeedsUpdate = QStringLiteral("قاعدة البينات لديك تحتاج إلى تحديث");
const QString UpToDate = QStringLiteral("قاعدة البينات لديك لا تحتاج إلى تحديث");
const QString ConnectionError = QStringLiteral("خطأ في الإتصال");
const QString ServerClosed = QStringLiteral("نعتذر موقع البرنامج مغلق حاليا\nيرجى المحاولة فيما بعد");
const QString Downloaded = QStringLiteral("تم تنزيل التحديث, سوف يتم إغلاق البرنامج الآن لإكمال عملية التحديث يرجى إعادة تشغيل البرنامج من جديد");
const QString Installed = QStringLiteral("تم الإنتهاء من عملية التحديث بنجاح شكرا لك");

void setLocalVersion(const TestProgramFolder &folder, const QString &version)
{
    Connection database;
    QVERIFY(database.openFile(ProgramFolder::file(QStringLiteral("quran.qu"))));
    QVERIFY(database.execute(QStringLiteral("UPDATE DBversion SET DBversion = '%1'").arg(version)));
    Q_UNUSED(folder);
}

QString localVersion()
{
    DataSource database;
    database.openFile(ProgramFolder::file(QStringLiteral("quran.qu")));
    database.runQuery(QStringLiteral("SELECT * FROM DBversion"));
    return database.text(QStringLiteral("DBversion"));
}

// The text as the reader reads it: without the marks that only steer its direction.
QString text(const QWidget &window, const char *name)
{
    if (auto *note = window.findChild<QTextEdit *>(QLatin1String(name)))
        return note->toPlainText();
    QString shown = child<QLabel>(&window, name)->text();
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
    QFile file(QStringLiteral(VELMORA_BUILD_DIR "/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        clearSettings();
    }

    void versionCheck_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("serverVersion");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("updateOffered");
        QTest::newRow("same version") << QByteArray("7^abc") << "7" << UpToDate << UpToDate << false;
        QTest::newRow("other version, third field ignored") << QByteArray("8^abc^xyz") << "8" << NeedsUpdate << "abc" << true;
        QTest::newRow("a blank is a difference") << QByteArray("7 ^abc") << "7 " << NeedsUpdate << "abc" << true;
        QTest::newRow("Arabic notes") << QStringLiteral("8^تحسينات في الفهرس").toUtf8() << "8" << NeedsUpdate << QStringLiteral("تحسينات في الفهرس") << true;
        QTest::newRow("no field separator") << QByteArray("7abc") << ConnectionError << ServerClosed << ConnectionError << false;
    }

    void versionCheck()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, serverVersion);
        QFETCH(QString, status);
        QFETCH(QString, notes);
        QFETCH(bool, updateOffered);
        TestProgramFolder folder;
        setLocalVersion(folder, QStringLiteral("7"));
        LocalHttpServer server;
        server.serve(QStringLiteral("communication/update/update5.0.php"), answer);
        ScriptedPlatform platform;
        ProgramState state;

        auto *window = new FrmUpdate(platform, state, server.url(), [] {});
        window->open(); // becoming active runs the check
        QVERIFY(QTest::qWaitFor([&] { return !server.requests.isEmpty() && !window->isChecking(); }, 20000));

        QCOMPARE(server.requests, QStringList{QStringLiteral("/communication/update/update5.0.php")});
        QCOMPARE(text(*window, "lbluserdbShow"), QStringLiteral("7"));
        QCOMPARE(text(*window, "lblserverdb"), serverVersion);
        QCOMPARE(text(*window, "lblstatus"), status);
        QCOMPARE(text(*window, "txtnote"), notes);
        QCOMPARE(child<QPushButton>(window, "cmdupdate")->isEnabled(), updateOffered);
        QVERIFY(platform.messages.isEmpty());
        window->close();
    }

    void noConnection()
    {
        TestProgramFolder folder;
        LocalHttpServer server;
        server.serve(QStringLiteral("communication/update/update5.0.php"), QByteArray("8^abc"));
        ScriptedPlatform platform;
        platform.connected = false;
        ProgramState state;
        FrmUpdate window(platform, state, server.url(), [] {});
        window.Check();
        QCOMPARE(text(window, "lblstatus"), QStringLiteral("التأكد من وجود إتصال بالإنترنت"));

        QTRY_COMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, QStringLiteral("لا يوجد إتصال بالإنترنت أو أن البرنامج محجوب من الإتصال بالإنترنت, يرجى التأكد من وجود إتصال بالإنترنت للقيام بعملية التحديث."));
        // The status line says how the check ended, not what it was doing.
        QCOMPARE(text(window, "lblstatus"), QStringLiteral("لا يوجد إتصال بالإنترنت"));
        QCOMPARE(text(window, "lbluserdbShow"), localVersion());
        // "1.0 (quran-json …)" reads left to right, its bracket before the name.
        const auto *shown = child<QLabel>(&window, "lbluserdbShow");
        QVERIFY(localVersion().contains(QStringLiteral(" (q")));
        QVERIFY(drawnX(shown, shown->text().indexOf(u'(')) < drawnX(shown, shown->text().indexOf(u'q')));
        QVERIFY(!window.isChecking());
        QTest::qWait(100);
        QVERIFY(server.requests.isEmpty());
        QVERIFY(!child<QPushButton>(&window, "cmdupdate")->isEnabled());
    }

    void serverDown()
    {
        TestProgramFolder folder;
        ScriptedPlatform platform;
        ProgramState state;
        const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(LocalHttpServer::closedPort());
        FrmUpdate window(platform, state, address, [] {});
        window.Check();
        // A refused connection can end the check before the next poll, so only its end is
        // compared: the status passes through its waiting text too quickly to catch.
        QVERIFY(QTest::qWaitFor([&] { return !window.isChecking(); }, 20000));
        QCOMPARE(text(window, "lblserverdb"), ConnectionError);
        QCOMPARE(text(window, "txtnote"), ConnectionError);
        QCOMPARE(text(window, "lblstatus"), ServerClosed);
        QVERIFY(platform.messages.isEmpty());

        // The site button hands the server address to the browser.
        QTest::mouseClick(child<QPushButton>(&window, "cmdSite"), Qt::LeftButton);
        QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl(address)});
    }

    // Bodies far larger than their kind are refused with a message, before they fill
    // the memory or the disk.
    void oversizedAnswersAreRefused()
    {
        TestProgramFolder folder;
        LocalHttpServer server;
        // Announced in full, cut off after a few bytes: only the announcement matters.
        server.serve(QStringLiteral("communication/update/update5.0.php"),
                     {200, QByteArray(1 << 20, 'x'), true, 100'000});
        server.serve(QStringLiteral("communication/update/newdb.qu"), {200, QByteArray((64 << 20) + 1, 'x'), true, 1'000});
        ScriptedPlatform platform;
        ProgramState state;
        state.DownloadItem = 1;
        int programEnds = 0;
        {
            FrmUpdate update(platform, state, server.url(), [] {});
            update.Check();
            QTRY_VERIFY(!update.isChecking());
            QCOMPARE(text(update, "lblstatus"), ServerClosed);
        }
        QPointer<FrmDownload> download = new FrmDownload(platform, state, server.url(), [&] { ++programEnds; });
        download->open();
        QTRY_COMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.first().text.contains(QStringLiteral("أكبر من الحجم المقبول")));
        QCOMPARE(programEnds, 0);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("newdb.qu"))));
        QTRY_VERIFY(download.isNull());
    }

    void downloadTargets_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("builtName");
        QTest::newRow("database") << 1 << "/communication/update/newdb.qu" << "newdb.qu" << "quran.qu";
        QTest::newRow("translation 25") << 25 << "/communication/update/25.qut" << "25.qut" << "22.qut";
    }

    void downloadTargets()
    {
        QFETCH(int, item);
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(QString, builtName);
        TestProgramFolder folder;
        LocalHttpServer server;
        server.serve(path, builtFile(builtName));
        ScriptedPlatform platform;
        ProgramState state;
        state.DownloadItem = item;
        int programEnds = 0;

        auto *window = new FrmDownload(platform, state, server.url(), [&] { ++programEnds; });
        QCOMPARE(text(*window, "ProgressReport"), QStringLiteral("يتم الإتصال بالموقع"));
        window->open();
        QVERIFY(QTest::qWaitFor([&] { return programEnds > 0; }, 20000));

        QCOMPARE(server.requests, QStringList{path});
        QFile saved(folder.file(fileName));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll() == builtFile(builtName));
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, Downloaded);
        QCOMPARE(platform.messages.first().title, QStringLiteral("التحديث"));
        QCOMPARE(programEnds, 1);
        delete window;
    }

    void progressReport()
    {
        TestProgramFolder folder;
        LocalHttpServer server;
        // 4000 bytes, 1000 at a time, slowly enough to see each step.
        server.serve(QStringLiteral("communication/update/newdb.qu"), {200, QByteArray(4000, 'q'), true, -1, 1000, 400});
        ScriptedPlatform platform;
        ProgramState state;
        state.DownloadItem = 1;
        FrmDownload window(platform, state, server.url(), [] {});
        window.setAttribute(Qt::WA_DeleteOnClose, false); // 4,000 bytes are no database: it closes at the end
        auto *report = child<QLabel>(&window, "ProgressReport");
        auto *bar = child<QProgressBar>(&window, "ProgressBar");
        QVERIFY(QTest::qWaitFor([&] { return report->text() == QStringLiteral("1000   /   4000"); }, 20000));
        QCOMPARE(bar->value() * 4, bar->maximum());
        QVERIFY(QTest::qWaitFor([&] { return report->text() == QStringLiteral("4000   /   4000"); }, 20000));
        QCOMPARE(bar->value(), bar->maximum());
    }

    void failedDownloadClosesOnlyItsWindow()
    {
        TestProgramFolder folder;
        LocalHttpServer server; // serves nothing: 404 with a length
        ScriptedPlatform platform;
        ProgramState state;
        state.DownloadItem = 1;
        int programEnds = 0;
        QWidget owner;
        owner.show();
        QPointer<FrmDownload> window = new FrmDownload(platform, state, server.url(), [&] { ++programEnds; }, &owner);
        window->open();
        QVERIFY(QTest::qWaitFor([&] { return !platform.messages.isEmpty(); }, 20000));

        QCOMPARE(platform.messages.first().text, QStringLiteral("تحديث قاعدة البيانات غير متوفر على موقع البرنامج حاليا"));
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(platform.messages.first().icon, Platform::Icon::Warning);
        QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }, 5000));
        QVERIFY(owner.isVisible());
        QCOMPARE(programEnds, 0);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("newdb.qu"))));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("quran.qu")});
    }

    void reDownloadStartsTheSameFileAgain()
    {
        TestProgramFolder folder;
        LocalHttpServer server;
        const QByteArray translation = builtFile(QStringLiteral("217.qut"));
        server.serve(QStringLiteral("communication/update/217.qut"), {200, translation, true, -1, 256 * 1024, 300});
        ScriptedPlatform platform;
        ProgramState state;
        state.DownloadItem = 217;
        int programEnds = 0;
        auto *window = new FrmDownload(platform, state, server.url(), [&] { ++programEnds; });
        QVERIFY(QTest::qWaitFor([&] { return server.requests.size() == 1; }, 20000));
        QTest::mouseClick(child<QPushButton>(window, "cmdReDownload"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return programEnds == 1; }, 20000));
        QCOMPARE(server.requests, (QStringList{QStringLiteral("/communication/update/217.qut"), QStringLiteral("/communication/update/217.qut")}));
        QCOMPARE(QFile(folder.file(QStringLiteral("217.qut"))).size(), translation.size());
        QCOMPARE(platform.messages.size(), 1);
        delete window;
    }

    // The whole chain: the check finds a newer database, the download stores it as
    // newdb.qu and ends the program, and the next start installs it, once.
    void updateEndToEnd()
    {
        TestProgramFolder folder;
        const QString oldVersion = localVersion();
        LocalHttpServer server;
        server.serve(QStringLiteral("communication/update/update5.0.php"), (oldVersion + QStringLiteral(" جديد^قاعدة بيانات أحدث")).toUtf8());
        server.serve(QStringLiteral("communication/update/newdb.qu"), builtFile(QStringLiteral("quran.qu")));
        setLocalVersion(folder, QStringLiteral("older"));
        ScriptedPlatform platform;
        ProgramState state;
        int programEnds = 0;

        auto *update = new FrmUpdate(platform, state, server.url(), [&] { ++programEnds; });
        update->Check();
        QVERIFY(QTest::qWaitFor([&] { return !update->isChecking(); }, 20000));
        QCOMPARE(text(*update, "lblstatus"), NeedsUpdate);
        QTest::mouseClick(child<QPushButton>(update, "cmdupdate"), Qt::LeftButton);
        QCOMPARE(state.DownloadItem, 1);
        QVERIFY(QTest::qWaitFor([&] { return programEnds == 1; }, 30000));
        QVERIFY(QFile::exists(folder.file(QStringLiteral("newdb.qu"))));
        delete update;

        platform.messages.clear();
        {
            FrmMain window(platform, state);
            QVERIFY(window.Form_Load());
        }
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, Installed);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("newdb.qu"))));
        QCOMPARE(localVersion(), oldVersion);

        platform.messages.clear();
        {
            FrmMain window(platform, state);
            QVERIFY(window.Form_Load());
        }
        QVERIFY(platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
