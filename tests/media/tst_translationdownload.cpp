#include "media/FrmDownloadT.h"
#include "support/LocalHttpServer.h"
#include "core/ProgramState.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"
#include "core/TranslationCatalogue.h"

#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray builtFile(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_BUILD_DIR "/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The translations page in a window, on a scratch program folder and a local server.
struct TranslationsPage {
    TestProgramFolder folder;
    LocalHttpServer server;
    ScriptedPlatform platform;
    ProgramState state;
    int programEnds = 0;
    QWidget window;
    FrmDownloadT *page = nullptr;

    // `installed`: a translation file already in the program folder when the page opens.
    explicit TranslationsPage(const QString &installed = {})
    {
        if (!installed.isEmpty())
            folder.copyBuilt(QStringLiteral("22.qut"), installed);
        page = new FrmDownloadT(platform, state, [this] { return server.url(); }, [this] { ++programEnds; }, &window);
        window.show();
    }

    // Chooses a row and presses the button; true once the page has said something.
    bool install(int row)
    {
        platform.messages.clear();
        child<QListWidget>(page, "List4")->setCurrentRow(row);
        QTest::mouseClick(child<QPushButton>(page, "cmddownload"), Qt::LeftButton);
        return QTest::qWaitFor([&] { return !platform.messages.isEmpty(); }, 20000);
    }
};

} // namespace

class TestTranslationDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void refusals()
    {
        TranslationsPage t(QStringLiteral("217.qut"));
        auto *list = child<QListWidget>(t.page, "List4");
        // The catalogue says which translations are installed.
        QCOMPARE(list->item(17)->text(), TranslationNames.at(17) + QStringLiteral(" (مثبتة لديك)"));
        QCOMPARE(list->item(4)->text(), TranslationNames.at(4));

        // No translation chosen: nothing to install.
        QTest::mouseClick(child<QPushButton>(t.page, "cmddownload"), Qt::LeftButton);
        QCOMPARE(t.platform.messages.size(), 1);
        QVERIFY(t.platform.messages.first().text.contains(QStringLiteral("يرجى اختيار الترجمة")));

        // Already installed: told so, and no window opens.
        QVERIFY(t.install(17));
        QCOMPARE(t.platform.messages.last().text, QStringLiteral("إن هذه الترجمة متوفرة حاليا لديك, ليس هناك داعي لإعادة عملية التحميل"));
        QCOMPARE(t.platform.messages.last().title, QStringLiteral("التحديث"));
        QCOMPARE(t.state.DownloadItem, 217);
        QVERIFY(t.window.findChild<QDialog *>() == nullptr);
        QVERIFY(t.server.requests.isEmpty());
    }

    // An error page, half a file or a foreign database never takes the translation's
    // name, so the translation can be fetched again; a 404 means the server lacks it.
    void badTranslationIsNeverInstalled()
    {
        TranslationsPage t;
        t.folder.write(QStringLiteral("24.qut"), "damaged"); // left by an older version
        const QString path = QStringLiteral("communication/update/24.qut");
        QVERIFY(t.install(4));
        QCOMPARE(t.platform.messages.first().text, QStringLiteral("هذه الترجمة غير متوفرة على موقع البرنامج حاليا"));

        const QByteArray whole = builtFile(QStringLiteral("22.qut"));
        for (const QByteArray &body : {QByteArray("<html><body>Service unavailable</body></html>"),
                                       builtFile(QStringLiteral("Jthr.qu"))}) {
            t.server.serve(path, body);
            QVERIFY(t.install(4));
            QCOMPARE(t.platform.messages.first().title, QStringLiteral("خطأ"));
            QCOMPARE(QFile(t.folder.file(QStringLiteral("24.qut"))).size(), 7);
        }
        t.server.serve(path, {200, whole, true, whole.size() / 2});
        QVERIFY(t.install(4));
        QCOMPARE(QFile(t.folder.file(QStringLiteral("24.qut"))).size(), 7);
        QCOMPARE(t.programEnds, 0);

        t.server.serve(path, whole);
        QVERIFY(t.install(4));
        QCOMPARE(t.platform.messages.first().title, QStringLiteral("التحديث"));
        QCOMPARE(t.programEnds, 1);
        QCOMPARE(t.state.DownloadItem, 24);
        QCOMPARE(t.server.requests.last(), u'/' + path);
        QCOMPARE(QFile(t.folder.file(QStringLiteral("24.qut"))).size(), whole.size());
    }
};

QTEST_MAIN(TestTranslationDownload)
#include "tst_translationdownload.moc"
