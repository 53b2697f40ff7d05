#include "FrmDownloadT.h"
#include "LocalHttpServer.h"
#include "ProgramState.h"
#include "ScriptedPlatform.h"
#include "TestHelpers.h"
#include "TestProgramFolder.h"

#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

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
        server.serve(QStringLiteral("communication/update/") + fileName, QByteArray("translation"));
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
        folder.write(QStringLiteral("25.qut"), "installed");
        LocalHttpServer server;
        ScriptedPlatform platform;
        ProgramState state;
        QWidget window;
        auto *page = new FrmDownloadT(platform, state, [&] { return server.url(); }, [] {}, &window);
        window.show();
        auto *list = child<QListWidget>(page, "List4");
        auto *install = child<QPushButton>(page, "cmddownload");

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
        QTest::qWait(100);
        QVERIFY(window.findChild<QDialog *>() == nullptr);
        QVERIFY(server.requests.isEmpty());
        QCOMPARE(QFile(folder.file(QStringLiteral("25.qut"))).size(), 9);
    }
};

QTEST_MAIN(TestTranslationDownload)
#include "tst_translationdownload.moc"
