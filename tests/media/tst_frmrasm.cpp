#include "media/FrmLink.h"
#include "images/PageImage.h"
#include "media/FrmRasm.h"
#include "support/LocalHttpServer.h"
#include "core/ProgramState.h"
#include "support/ScriptedPlatform.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray pictureBytes(QColor colour, int width, int height = 40)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QTemporaryDir dir;
    QString error;
    writeGif(image, dir.filePath(QStringLiteral("picture.gif")), &error);
    return readFile(dir.filePath(QStringLiteral("picture.gif")));
}

void trigger(FrmRasm *window, const char *entry)
{
    window->findChild<QMenu *>(QStringLiteral("menuopen"))->findChild<QAction *>(QLatin1String(entry))->trigger();
}

} // namespace

class TestFrmRasm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A verse is fetched once and cached (an empty cached file counts as none), shown at
    // its own size (a tall one scrolls), and its window opens where the reader last left
    // one. A failed fetch is said and cached never; a picture can be fetched again, its
    // address shown, and saved without harming the reader's file when the copy fails.
    void fetchCacheSaveAndPlace()
    {
        clearSettings();
        TestProgramFolder folder;
        QDir(folder.path()).mkpath(QStringLiteral("pic"));
        LocalHttpServer server;
        folder.write(QStringLiteral("servers.ini"), QStringLiteral("[Servers]\nScriptImageServer=%1\n").arg(server.url()).toUtf8());
        ScriptedPlatform platform;
        ProgramState state;
        QWidget opener;
        opener.resize(731, 450);
        const auto openVerse = [&](int sura, int verse) {
            state.RasmSura = sura;
            state.RasmAyaa = verse;
            return FrmRasm::open(platform, state, &opener);
        };
        server.serve(QStringLiteral("/quran/image/2_255.gif"), pictureBytes(Qt::black, 300));
        // With nothing stored: where the centred opener has its corner.
        FrmRasm *window = openVerse(2, 255);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window->pos(), QPoint((screen.width() - 731) / 2, (screen.height() - 450) / 2));
        QTRY_VERIFY(child<QLabel>(window, "Image1")->pixmap().width() == 300);

        window->move(40, 60);
        window->close();
        // Stored in twips, as older versions read it.
        QCOMPARE(Settings::value(SettingKeys::XLeft, {}), QStringLiteral("600"));
        window = openVerse(2, 255);
        QCOMPARE(window->pos(), QPoint(40, 60));
        QCOMPARE(child<QLabel>(window, "Image1")->pixmap().width(), 300);

        folder.write(QStringLiteral("pic/1_007.gif"), QByteArray());
        server.serve(QStringLiteral("/quran/image/1_007.gif"), pictureBytes(Qt::darkGreen, 200));
        window = openVerse(1, 7);
        QTRY_COMPARE(child<QLabel>(window, "Image1")->pixmap().width(), 200);
        QCOMPARE(server.requests, (QStringList{QStringLiteral("/quran/image/2_255.gif"), QStringLiteral("/quran/image/1_007.gif")}));

        // 2:282 is 600 × 1266: the window stays on the screen and the picture scrolls.
        folder.write(QStringLiteral("pic/2_282.gif"), pictureBytes(Qt::black, 600, 1266));
        window = openVerse(2, 282);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(child<QLabel>(window, "Image1")->size(), QSize(600, 1266));
        const QRect room = window->screen()->availableGeometry();
        QVERIFY(window->frameGeometry().height() <= room.height());
        auto *area = child<QScrollArea>(window, "ImageArea");
        QVERIFY(area->verticalScrollBar()->isVisible());
        QCOMPARE(area->verticalScrollBar()->maximum(), 1266 - area->viewport()->height());

        // A verse the server lacks, then sends as an error page, then as a picture.
        window = openVerse(114, 6);
        QTRY_COMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("pic/114_006.gif"))));
        auto *save = window->findChild<QMenu *>(QStringLiteral("menuopen"))->findChild<QAction *>(QStringLiteral("save"));
        QVERIFY(!save->isEnabled()); // nothing to save

        trigger(window, "link");
        auto *link = window->findChild<FrmLink *>();
        QVERIFY(link && link->isModal());
        QCOMPARE(child<QLineEdit>(link, "Text1")->text(), server.url(QStringLiteral("quran/image/114_006.gif")));
        link->close();

        // An error page sent as a success is not a picture: never cached.
        server.serve(QStringLiteral("/quran/image/114_006.gif"), QByteArray("<html><body>Busy</body></html>"));
        trigger(window, "redownload");
        QTRY_COMPARE(platform.messages.size(), 2);
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("pic/114_006.gif"))));

        server.serve(QStringLiteral("/quran/image/114_006.gif"), pictureBytes(Qt::black, 120));
        trigger(window, "redownload");
        QTRY_VERIFY(save->isEnabled());
        // "إعادة تنزيل الآية" replaces a cached copy with the server's.
        server.serve(QStringLiteral("/quran/image/114_006.gif"), pictureBytes(Qt::darkBlue, 250));
        trigger(window, "redownload");
        QTRY_COMPARE(child<QLabel>(window, "Image1")->pixmap().width(), 250);
        const QByteArray picture = readFile(folder.file(QStringLiteral("pic/114_006.gif")));
        QVERIFY(picture == pictureBytes(Qt::darkBlue, 250));

        // Saving over the reader's own file: a copy that fails leaves that file whole.
        const QString copy = folder.file(QStringLiteral("copy.gif"));
        folder.write(QStringLiteral("copy.gif"), "the reader's own file");
        platform.fileOperations.bytesUntilFull = 10;
        platform.fileNames.enqueue(copy);
        trigger(window, "save");
        QCOMPARE(platform.messages.size(), 3);
        QCOMPARE(platform.messages.last().title, QStringLiteral("خطأ"));
        QCOMPARE(readFile(copy), QByteArray("the reader's own file"));

        platform.fileOperations.bytesUntilFull = -1;
        platform.fileNames.enqueue(copy);
        trigger(window, "save");
        QVERIFY(readFile(copy) == picture);
        QCOMPARE(QDir(folder.path()).entryList({QStringLiteral("copy.gif*")}), QStringList{QStringLiteral("copy.gif")});
        trigger(window, "save"); // cancelled: nothing happens
        QCOMPARE(platform.messages.size(), 3);
    }
};

QTEST_MAIN(TestFrmRasm)
#include "tst_frmrasm.moc"
