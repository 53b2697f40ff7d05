#include "net/Downloader.h"
#include "support/LocalHttpServer.h"
#include "support/ScriptedPlatform.h"
#include "support/TestProgramFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One download watched from start to end: its signals in order, with their files. (The
// bytes the progress counts are read on the download window, tst_update.)
struct Watch {
    explicit Watch(Downloader &downloader)
    {
        QObject::connect(&downloader, &Downloader::DownloadProgress, &downloader,
                         [this](qint64, qint64, const QString &file) { events.append(QStringLiteral("progress ") + file); });
        QObject::connect(&downloader, &Downloader::DownloadError, &downloader,
                         [this](const QString &file) { events.append(QStringLiteral("error ") + file); });
        QObject::connect(&downloader, &Downloader::DownloadRefused, &downloader,
                         [this](int status) { events.append(QStringLiteral("refused %1").arg(status)); });
        QObject::connect(&downloader, &Downloader::DownloadComplete, &downloader, [this](qint64 total, const QString &file) {
            events.append(QStringLiteral("complete %1 %2").arg(total).arg(file));
        });
    }
    bool waitForCompletion() { return QTest::qWaitFor([this] { return !events.filter(QStringLiteral("complete")).isEmpty(); }, 20000); }

    QStringList events;
};

} // namespace

class TestDownloader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Whatever ends a download early, the signals say so, nothing stays on disk and
    // only a 404 counts as the server not having the file. (A body too large or failing
    // its check is refused by the same steps for the update and picture windows, whose
    // tests serve them.)
    void failuresLeaveNoFile_data()
    {
        QTest::addColumn<int>("status"); // 0: the server no longer listens
        QTest::addColumn<bool>("sendLength");
        QTest::addColumn<qint64>("cutAfter");
        QTest::addColumn<qint64>("bytesUntilFull");
        QTest::addColumn<QString>("refusedRename");
        QTest::newRow("404 with a length") << 404 << true << qint64(-1) << qint64(-1) << QString();
        QTest::newRow("500 with a length") << 500 << true << qint64(-1) << qint64(-1) << QString();
        QTest::newRow("no length") << 200 << false << qint64(-1) << qint64(-1) << QString();
        QTest::newRow("cut in the middle") << 200 << true << qint64(40'000) << qint64(-1) << QString();
        QTest::newRow("unreachable host") << 0 << true << qint64(-1) << qint64(-1) << QString();
        QTest::newRow("the disk fills") << 200 << true << qint64(-1) << qint64(30'000) << QString();
        QTest::newRow("the rename fails") << 200 << true << qint64(-1) << qint64(-1) << "f.bin";
    }

    void failuresLeaveNoFile()
    {
        QFETCH(int, status);
        QFETCH(bool, sendLength);
        QFETCH(qint64, cutAfter);
        QFETCH(qint64, bytesUntilFull);
        QFETCH(QString, refusedRename);
        LocalHttpServer server;
        server.serve(QStringLiteral("f.bin"), {status, QByteArray(100'000, 'b'), sendLength, cutAfter, 8'192, 1});
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("f.bin"));

        ScriptedPlatform platform;
        platform.fileOperations.bytesUntilFull = bytesUntilFull;
        platform.fileOperations.refusedRenameTargets = {refusedRename};
        Downloader downloader(platform);
        Watch watch(downloader);
        if (status == 0)
            server.close();
        downloader.BeginDownload(server.url(QStringLiteral("f.bin")), target);
        QVERIFY(watch.waitForCompletion());

        // No progress for a body that is not the file or has no announced length.
        if (status != 200 || !sendLength)
            QVERIFY(watch.events.filter(QStringLiteral("progress")).isEmpty());
        QCOMPARE(watch.events.mid(watch.events.size() - 2),
                 (QStringList{QStringLiteral("error ") + target, QStringLiteral("complete 0 ") + target}));
        QVERIFY(QDir(dir.path()).isEmpty(QDir::Files | QDir::Hidden));
        QVERIFY(platform.messages.isEmpty());
        // Only an answer other than 2xx is the server refusing; a 404 names the file missing.
        QCOMPARE(!watch.events.filter(QStringLiteral("refused")).isEmpty(), status != 200 && status != 0);
        QCOMPARE(watch.events.contains(QStringLiteral("refused 404")), status == 404);
        QVERIFY(!downloader.failureReason().isEmpty());
    }

    // A start that fails is said at once and signals nothing; a cancelled download stops
    // without a signal and leaves nothing behind; then the same downloader writes a body
    // exactly, replacing an older, longer file instead of writing over it in place.
    void oneDownloaderThroughFailureCancelAndSuccess()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("slow.bin"), {200, QByteArray(50'000, 'b'), true, -1, 1'000, 20});
        const QByteArray body(300'000, 'b');
        server.serve(QStringLiteral("f.bin"), {200, body, true, -1, 16'384, 2});
        QTemporaryDir dir;
        const QString target = dir.filePath(QStringLiteral("f.bin"));
        writeFile(target, QByteArray(500'000, 'x'));
        ScriptedPlatform platform;
        Downloader downloader(platform);
        Watch watch(downloader);
        downloader.CancelDownload(); // nothing to cancel
        downloader.BeginDownload(QStringLiteral("http://127.0.0.1:1/x"), dir.filePath(QStringLiteral("missing/folder/x")));
        downloader.BeginDownload(QStringLiteral("not an address"), dir.filePath(QStringLiteral("x")));
        QCOMPARE(platform.messages.size(), 2);
        for (const ScriptedPlatform::Message &message : platform.messages) {
            QCOMPARE(message.title, QStringLiteral("Warning"));
            QCOMPARE(message.icon, Platform::Icon::Critical);
            QVERIFY(message.text.contains(QStringLiteral(":Error in call to BeginDownload().\n\nError Description: ")));
        }

        downloader.BeginDownload(server.url(QStringLiteral("slow.bin")), dir.filePath(QStringLiteral("slow.bin")));
        QVERIFY(QTest::qWaitFor([&] { return !watch.events.isEmpty(); }, 10000));
        downloader.CancelDownload();
        QCOMPARE(watch.events.filter(QStringLiteral("progress")), watch.events);
        watch.events.clear();
        downloader.BeginDownload(server.url(QStringLiteral("f.bin")), target);
        QVERIFY(watch.waitForCompletion());
        // Only progress of this file, then its completion with its size.
        const QString completed = QStringLiteral("complete %1 %2").arg(body.size()).arg(target);
        QCOMPARE(watch.events.count(QStringLiteral("progress ") + target), watch.events.size() - 1);
        QCOMPARE(watch.events.last(), completed);
        QVERIFY(readFile(target) == body);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("f.bin")});
        QCOMPARE(platform.messages.size(), 2);
    }
};

QTEST_MAIN(TestDownloader)
#include "tst_downloader.moc"
