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

void setLocalVersion(const QString &version)
{
    Connection database;
    QVERIFY(database.openFile(ProgramFolder::file(QStringLiteral("quran.qu"))));
    QVERIFY(database.execute(QStringLiteral("UPDATE DBversion SET DBversion = '%1'").arg(version)));
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

QByteArray contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray builtFile(const QString &name)
{
    return contents(QStringLiteral(VELMORA_BUILD_DIR "/") + name);
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
        QTest::addColumn<QByteArray>("answer"); // null: the server is down
        QTest::addColumn<QString>("serverVersion");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<bool>("updateOffered");
        QTest::newRow("same version") << QByteArray("7^abc") << "7" << UpToDate << UpToDate << false;
        QTest::newRow("other version, third field ignored") << QByteArray("8^abc^xyz") << "8" << NeedsUpdate << "abc" << true;
        QTest::newRow("a blank is a difference") << QByteArray("7 ^abc") << "7 " << NeedsUpdate << "abc" << true;
        QTest::newRow("Arabic notes") << QStringLiteral("8^تحسينات في الفهرس").toUtf8() << "8" << NeedsUpdate << QStringLiteral("تحسينات في الفهرس") << true;
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
        TestProgramFolder folder;
        setLocalVersion(QStringLiteral("7"));
        LocalHttpServer server;
        server.serve(QStringLiteral("communication/update/update5.0.php"), {200, answer, true, -1, 16 << 10, 100});
        const QString address = server.url();
        if (answer.isNull())
            server.close();
        ScriptedPlatform platform;
        ProgramState state;

        auto *window = new FrmUpdate(platform, state, address, [] {});
        window->open(); // becoming active runs the check
        QVERIFY(QTest::qWaitFor([&] { return !text(*window, "lblserverdb").isEmpty() && !window->isChecking(); }, 20000));

        const QStringList asked{QStringLiteral("/communication/update/update5.0.php")};
        QCOMPARE(server.requests, answer.isNull() ? QStringList() : asked);
        QCOMPARE(text(*window, "lbluserdbShow"), QStringLiteral("7"));
        QCOMPARE(text(*window, "lblserverdb"), serverVersion);
        QCOMPARE(text(*window, "lblstatus"), status);
        QCOMPARE(text(*window, "txtnote"), notes);
        QCOMPARE(child<QPushButton>(window, "cmdupdate")->isEnabled(), updateOffered);
        QVERIFY(platform.messages.isEmpty());
        // The site button hands the server address to the browser.
        QTest::mouseClick(child<QPushButton>(window, "cmdSite"), Qt::LeftButton);
        QCOMPARE(platform.openedUrls, QList<QUrl>{QUrl(address)});
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
        QVERIFY(server.requests.isEmpty());
        QVERIFY(!child<QPushButton>(&window, "cmdupdate")->isEnabled());
    }

    // A download that fails says why and closes its own window only: nothing is kept and
    // the program goes on. First the server lacks the file (404 with a length), then it
    // announces a database far larger than one can be, refused before it fills the disk.
    void failedDownloadClosesOnlyItsWindow()
    {
        TestProgramFolder folder;
        LocalHttpServer server;
        ScriptedPlatform platform;
        ProgramState state;
        state.DownloadItem = 1;
        int programEnds = 0;
        QWidget owner;
        owner.show();
        for (const QString &said : {QStringLiteral("تحديث قاعدة البيانات غير متوفر على موقع البرنامج حاليا"),
                                    QStringLiteral("أكبر من الحجم المقبول")}) {
            platform.messages.clear();
            QPointer<FrmDownload> window = new FrmDownload(platform, state, server.url(), [&] { ++programEnds; }, &owner);
            window->open();
            QVERIFY(QTest::qWaitFor([&] { return window.isNull(); }, 20000));
            QCOMPARE(platform.messages.size(), 1);
            QVERIFY2(platform.messages.first().text.contains(said), qPrintable(platform.messages.first().text));
            QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
            QCOMPARE(platform.messages.first().icon, Platform::Icon::Warning);
            QVERIFY(owner.isVisible());
            QCOMPARE(programEnds, 0);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("quran.qu")});
            // Announced in full, cut off after a few bytes: only the announcement matters.
            server.serve(QStringLiteral("communication/update/newdb.qu"), {200, QByteArray((64 << 20) + 1, 'x'), true, 1'000});
        }
    }

    // Re-downloading starts the same file again (a translation, not the database), and
    // the window counts the bytes as they arrive.
    void reDownloadStartsTheSameFileAgain()
    {
        TestProgramFolder folder;
        LocalHttpServer server;
        const QByteArray translation = builtFile(QStringLiteral("217.qut"));
        server.serve(QStringLiteral("communication/update/217.qut"), {200, translation, true, -1, 600'000, 100});
        ScriptedPlatform platform;
        ProgramState state;
        state.DownloadItem = 217;
        int programEnds = 0;
        auto *window = new FrmDownload(platform, state, server.url(), [&] { ++programEnds; });
        QCOMPARE(text(*window, "ProgressReport"), QStringLiteral("يتم الإتصال بالموقع"));
        QVERIFY(QTest::qWaitFor([&] { return server.requests.size() == 1; }, 20000));
        QTest::mouseClick(child<QPushButton>(window, "cmdReDownload"), Qt::LeftButton);
        QVERIFY(QTest::qWaitFor([&] { return programEnds == 1; }, 20000));
        QCOMPARE(server.requests, (QStringList{QStringLiteral("/communication/update/217.qut"), QStringLiteral("/communication/update/217.qut")}));
        QVERIFY(contents(folder.file(QStringLiteral("217.qut"))) == translation);
        QCOMPARE(text(*window, "ProgressReport"), QStringLiteral("%1   /   %1").arg(translation.size()));
        auto *bar = child<QProgressBar>(window, "ProgressBar");
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(platform.messages.size(), 1);
        delete window;
    }

    // The whole chain: the check finds a newer database, the download stores it as
    // newdb.qu and ends the program, and the next start installs it.
    void updateEndToEnd()
    {
        TestProgramFolder folder;
        const QString oldVersion = localVersion();
        LocalHttpServer server;
        server.serve(QStringLiteral("communication/update/update5.0.php"), (oldVersion + QStringLiteral(" جديد^قاعدة بيانات أحدث")).toUtf8());
        server.serve(QStringLiteral("communication/update/newdb.qu"), builtFile(QStringLiteral("quran.qu")));
        setLocalVersion(QStringLiteral("older"));
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
        QCOMPARE(server.requests.last(), QStringLiteral("/communication/update/newdb.qu"));
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, Downloaded);
        QCOMPARE(platform.messages.first().title, QStringLiteral("التحديث"));
        QVERIFY(contents(folder.file(QStringLiteral("newdb.qu"))) == builtFile(QStringLiteral("quran.qu")));
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
    }
};

QTEST_MAIN(TestUpdate)
#include "tst_update.moc"
