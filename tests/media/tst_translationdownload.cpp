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

QByteArray builtFileContent(const QString &name)
{
    QFile file(QStringLiteral(VELMORA_BUILD_DIR "/") + name);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray builtTranslation()
{
    return builtFileContent(QStringLiteral("22.qut"));
}

} // namespace

class TestTranslationDownload : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installsTheChosenTranslation_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("fileName");
        QTest::newRow("row 0") << 0 << "20.qut";
        QTest::newRow("row 17") << 17 << "217.qut";
    }

    void installsTheChosenTranslation()
    {
        QFETCH(int, row);
        QFETCH(QString, fileName);
        TestProgramFolder folder;
        LocalHttpServer server;
        server.serve(QStringLiteral("communication/update/") + fileName, builtTranslation());
        ScriptedPlatform platform;
        ProgramState state;
        int programEnds = 0;
        QWidget window;
        auto *page = new FrmDownloadT(platform, state, [&] { return server.url(); }, [&] { ++programEnds; }, &window);
        window.show();

        auto *list = child<QListWidget>(page, "List4");
        list->setCurrentRow(row);
        QTest::mouseClick(child<QPushButton>(page, "cmddownload"), Qt::LeftButton);
        QCOMPARE(state.DownloadItem, fileName.chopped(4).toInt());
        QVERIFY(QTest::qWaitFor([&] { return programEnds == 1; }, 20000));
        QCOMPARE(server.requests, QStringList{QStringLiteral("/communication/update/") + fileName});
        QVERIFY(QFile::exists(folder.file(fileName)));
    }

    void refusals()
    {
        TestProgramFolder folder;
        folder.copyBuilt(QStringLiteral("22.qut"), QStringLiteral("25.qut"));
        LocalHttpServer server;
        ScriptedPlatform platform;
        ProgramState state;
        QWidget window;
        auto *page = new FrmDownloadT(platform, state, [&] { return server.url(); }, [] {}, &window);
        window.show();
        auto *list = child<QListWidget>(page, "List4");
        auto *install = child<QPushButton>(page, "cmddownload");
        // The catalogue says which translations are installed.
        QCOMPARE(list->item(5)->text(), TranslationNames.at(5) + QStringLiteral(" (مثبتة لديك)"));
        QCOMPARE(list->item(4)->text(), TranslationNames.at(4));

        // No translation chosen: nothing to install.
        QTest::mouseClick(install, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.first().text.contains(QStringLiteral("يرجى اختيار الترجمة")));

        // Already installed: told so, and no window opens.
        list->setCurrentRow(5);
        QTest::mouseClick(install, Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages.last().text, QStringLiteral("إن هذه الترجمة متوفرة حاليا لديك, ليس هناك داعي لإعادة عملية التحميل"));
        QCOMPARE(platform.messages.last().title, QStringLiteral("التحديث"));
        QCOMPARE(state.DownloadItem, 25);
        QVERIFY(window.findChild<QDialog *>() == nullptr);
        QVERIFY(server.requests.isEmpty());
    }

    // An error page, half a file or a foreign database never takes the translation's
    // name, so the translation can be fetched again; a 404 means the server lacks it.
    void badTranslationIsNeverInstalled()
    {
        TestProgramFolder folder;
        folder.write(QStringLiteral("24.qut"), "damaged"); // left by an older version
        LocalHttpServer server;
        const QString path = QStringLiteral("communication/update/24.qut");
        ScriptedPlatform platform;
        ProgramState state;
        int programEnds = 0;
        QWidget window;
        auto *page = new FrmDownloadT(platform, state, [&] { return server.url(); }, [&] { ++programEnds; }, &window);
        window.show();
        child<QListWidget>(page, "List4")->setCurrentRow(4);
        const auto tryInstalling = [&] {
            platform.messages.clear();
            QTest::mouseClick(child<QPushButton>(page, "cmddownload"), Qt::LeftButton);
            return QTest::qWaitFor([&] { return !platform.messages.isEmpty(); }, 20000);
        };

        QVERIFY(tryInstalling());
        QCOMPARE(platform.messages.first().text, QStringLiteral("هذه الترجمة غير متوفرة على موقع البرنامج حاليا"));

        const QByteArray whole = builtTranslation();
        for (const QByteArray &body : {QByteArray("<html><body>Service unavailable</body></html>"),
                                       builtFileContent(QStringLiteral("Jthr.qu"))}) {
            server.serve(path, body);
            QVERIFY(tryInstalling());
            QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
            QCOMPARE(QFile(folder.file(QStringLiteral("24.qut"))).size(), 7);
        }
        server.serve(path, {200, whole, true, whole.size() / 2});
        QVERIFY(tryInstalling());
        QCOMPARE(QFile(folder.file(QStringLiteral("24.qut"))).size(), 7);
        QCOMPARE(programEnds, 0);

        server.serve(path, whole);
        QVERIFY(tryInstalling());
        QCOMPARE(platform.messages.first().title, QStringLiteral("التحديث"));
        QCOMPARE(programEnds, 1);
        QCOMPARE(QFile(folder.file(QStringLiteral("24.qut"))).size(), whole.size());
    }
};

QTEST_MAIN(TestTranslationDownload)
#include "tst_translationdownload.moc"
