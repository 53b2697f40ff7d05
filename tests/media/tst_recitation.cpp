#include "FrmLst2Quran.h"
#include "Listn2Quran.h"
#include "LocalHttpServer.h"
#include "ScriptedPlatform.h"
#include "Servers.h"
#include "SettingKeys.h"
#include "Settings.h"
#include "TestHelpers.h"

#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

Servers testServers()
{
    Servers servers = Servers::load(QStringLiteral("/nonexistent/servers.ini"));
    servers.wholeSuraPlayBase = QStringLiteral("http://play.example/");
    servers.wholeSuraSaveBase = QStringLiteral("http://save.example/");
    servers.partialRecitationBase = QStringLiteral("http://range.example/");
    servers.playerCommand = QStringLiteral("mpv");
    return servers;
}

QStringList items(const QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

// Chooses a row of a combo box as the reader does.
void choose(QComboBox *box, int row)
{
    box->setCurrentIndex(row);
    Q_EMIT box->activated(row);
}

} // namespace

class TestRecitation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        clearSettings();
    }

    void wholeSuraAddresses()
    {
        using namespace Listn2Quran;
        QCOMPARE(wholeSuraPath(0, 6), QStringLiteral("quran3/213/001.rm"));
        QCOMPARE(wholeSuraPath(9, 6), QStringLiteral("quran3/213/010.rm"));
        QCOMPARE(wholeSuraPath(98, 0), QStringLiteral("quran3/47/099.rm"));
        QCOMPARE(wholeSuraPath(99, 13), QStringLiteral("quran3/122/100.rm"));
        QCOMPARE(wholeSuraPath(113, 6), QStringLiteral("quran3/213/114.rm"));
        QCOMPARE(wholeSuraPath(1, 14), QStringLiteral("quran3/0/002.rm"));
        QCOMPARE(wholeSuraPath(1, -1), QStringLiteral("quran3/0/002.rm"));

        const Servers servers = testServers();
        ScriptedPlatform platform;
        PlayWholeSura(platform, servers, 0, 6);
        QCOMPARE(platform.startedPrograms.last(), (QPair<QString, QString>{QStringLiteral("mpv"), QStringLiteral("http://play.example/quran3/213/001.rm")}));

        // listen3 with nothing stored plays reciter row 6; a stored choice wins.
        listenWholeSura(platform, servers, 2);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://play.example/quran3/213/002.rm"));
        Settings::setValue(SettingKeys::ReaderName, QStringLiteral("1"));
        listenWholeSura(platform, servers, 2);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://play.example/quran3/144/002.rm"));
        QVERIFY(platform.messages.isEmpty());
    }

    void verseRanges()
    {
        using namespace Listn2Quran;
        const Servers servers = testServers();
        ScriptedPlatform platform;
        listenVerse(platform, servers, 2, 255);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://range.example/cgi-bin/recite.pl?s=2&f=255&t=255&r=1"));
        listenToSuraEnd(platform, servers, 1, 3);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://range.example/cgi-bin/recite.pl?s=1&f=3&t=7&r=1"));
        QVERIFY(PlayVerseRange(platform, servers, 112, 4, 4, 0));
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://range.example/cgi-bin/recite.pl?s=112&f=4&t=4&r=0"));
        QCOMPARE(platform.startedPrograms.size(), 3);
        QVERIFY(platform.messages.isEmpty());

        QVERIFY(!PlayVerseRange(platform, servers, 2, 5, 4, 1));
        QCOMPARE(platform.startedPrograms.size(), 3);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, QStringLiteral("رقم آية البداية أكبر من رقم آية النهاية"));
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
    }

    void listeningFrame()
    {
        ScriptedPlatform platform;
        FrmLst2Quran frame(platform, testServers());
        QCOMPARE(frame.size(), QSize(513, 438));
        QCOMPARE(frame.layoutDirection(), Qt::RightToLeft);
        auto *suras = child<QComboBox>(&frame, "AyaaName");
        auto *from = child<QComboBox>(&frame, "CombFrom");
        auto *to = child<QComboBox>(&frame, "CombTo");
        auto *reciters = child<QListWidget>(&frame, "lstReaderName");
        auto *rangeReciters = child<QListWidget>(&frame, "lstReaderNamePartial");
        QCOMPARE(suras->count(), 114);
        QCOMPARE(reciters->count(), 14);
        QCOMPARE(rangeReciters->count(), 2);

        // Nothing chosen yet: the commands refuse instead of playing folder 0.
        QTest::mouseClick(child<QPushButton>(&frame, "CmdLstnFull"), Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.startedPrograms.isEmpty());

        frame.selectFirstChoices();
        QCOMPARE(suras->currentIndex(), 0);
        QCOMPARE(items(from), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
        QCOMPARE(items(to), items(from));
        QCOMPARE(reciters->currentRow(), 0);
        QCOMPARE(rangeReciters->currentRow(), 1);

        choose(suras, 111);
        QCOMPARE(items(from), (QStringList{"1", "2", "3", "4"}));
        QCOMPARE(items(to), (QStringList{"1", "2", "3", "4"}));
        choose(from, 2);
        QCOMPARE(items(to), (QStringList{"3", "4"}));
        QCOMPARE(to->currentText(), QStringLiteral("3"));
        choose(to, 1);
        QTest::mouseClick(child<QPushButton>(&frame, "CmdLstnPart"), Qt::LeftButton);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://range.example/cgi-bin/recite.pl?s=112&f=3&t=4&r=1"));

        // A later opening keeps the reader's choices.
        reciters->setCurrentRow(7);
        frame.selectFirstChoices();
        QCOMPARE(suras->currentIndex(), 111);
        QTest::mouseClick(child<QPushButton>(&frame, "CmdLstnFull"), Qt::LeftButton);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://play.example/quran3/133/112.rm"));
        QCOMPARE(platform.messages.size(), 1);
    }

    void savingAWholeSura()
    {
        LocalHttpServer server;
        const QByteArray recording(50'000, 'r');
        server.serve(QStringLiteral("quran3/144/002.rm"), recording);
        Servers servers = testServers();
        servers.wholeSuraSaveBase = server.url();
        QTemporaryDir dir;
        ScriptedPlatform platform;
        platform.fileNames.enqueue(dir.filePath(QStringLiteral("baqara.rm")));
        QWidget host;

        Listn2Quran::DownloadWholeSura(platform, servers, 1, 1, &host);
        QVERIFY(QTest::qWaitFor([&] { return !platform.messages.isEmpty(); }, 20000));
        QCOMPARE(server.requests, QStringList{QStringLiteral("/quran3/144/002.rm")});
        QFile saved(dir.filePath(QStringLiteral("baqara.rm")));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), recording);
        QVERIFY(platform.messages.first().text.contains(QStringLiteral("baqara.rm")));

        // A recording the server does not have is reported and leaves no file.
        platform.messages.clear();
        platform.fileNames.enqueue(dir.filePath(QStringLiteral("missing.rm")));
        Listn2Quran::DownloadWholeSura(platform, servers, 2, 1, &host);
        QVERIFY(QTest::qWaitFor([&] { return !platform.messages.isEmpty(); }, 20000));
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing.rm"))));

        // Cancelling the file dialog fetches nothing.
        Listn2Quran::DownloadWholeSura(platform, servers, 3, 1, &host);
        QTest::qWait(100);
        QCOMPARE(server.requests.size(), 2);
    }
};

QTEST_MAIN(TestRecitation)
#include "tst_recitation.moc"
