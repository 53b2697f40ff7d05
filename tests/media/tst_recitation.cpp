#include "media/FrmLst2Quran.h"
#include "media/Listn2Quran.h"
#include "support/LocalHttpServer.h"
#include "media/PlayerStrip.h"
#include "media/RecitationPlayer.h"
#include "support/ScriptedPlatform.h"
#include "core/Servers.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"
#include "support/ToneWav.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Servers as a servers.ini names them (reciter names under both key spellings), on hosts
// the tests only read back, played by an outside player.
Servers testServers()
{
    QTemporaryDir dir;
    return Servers::load(writeFile(dir.filePath(QStringLiteral("servers.ini")),
                                   "[Servers]\nWholeSuraPlayBase=http://play.example\nWholeSuraSaveBase=http://save.example/\n"
                                   "PartialRecitationBase=http://range.example/\nPlayerCommand=mpv\n"
                                   "[WholeSura]\nReciterName/1=أحمد\n[VerseRange]\nReciterName\\2=علي\n"));
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

    // What an outside player is given to play, and what is said when it cannot; the
    // listening frame's choices lead to the same addresses.
    void outsidePlayerAndTheListeningFrame()
    {
        using namespace Listn2Quran;
        const QList<std::tuple<int, int, QString>> paths = {
            {0, 6, "quran3/213/001.rm"}, {9, 6, "quran3/213/010.rm"}, {98, 0, "quran3/47/099.rm"},
            {99, 13, "quran3/122/100.rm"}, {1, 14, "quran3/0/002.rm"}, {1, -1, "quran3/0/002.rm"}};
        for (const auto &[suraIndex, reciter, path] : paths)
            QCOMPARE(wholeSuraPath(suraIndex, reciter), path);
        QCOMPARE(verseAddress(QStringLiteral("https://h/{sura}/{aya}.mp3"), 114, 6), QStringLiteral("https://h/114/6.mp3"));

        Servers servers = testServers();
        ScriptedPlatform platform;
        RecitationPlayer player(platform);
        // listen3 with nothing stored plays reciter row 6; a stored choice wins.
        listenWholeSura(platform, servers, player, 2);
        QCOMPARE(platform.startedPrograms.last(), (QPair<QString, QString>{QStringLiteral("mpv"), QStringLiteral("http://play.example/quran3/213/002.rm")}));
        Settings::setValue(SettingKeys::ReaderName, QStringLiteral("1"));
        listenWholeSura(platform, servers, player, 2);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://play.example/quran3/144/002.rm"));

        // Verse ranges go to the range server; a range given backwards is refused.
        listenVerse(platform, servers, player, 2, 255);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://range.example/cgi-bin/recite.pl?s=2&f=255&t=255&r=1"));
        listenToSuraEnd(platform, servers, player, 1, 3);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://range.example/cgi-bin/recite.pl?s=1&f=3&t=7&r=1"));
        const qsizetype launched = platform.startedPrograms.size();
        QVERIFY(!PlayVerseRange(platform, servers, player, 2, 5, 4, 1));
        QCOMPARE(platform.startedPrograms.size(), launched);
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.messages.first().text, QStringLiteral("رقم آية البداية أكبر من رقم آية النهاية"));
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));

        // A player command that cannot start is said, not swallowed.
        platform.programStarts = false;
        PlayWholeSura(platform, servers, player, 0, 6);
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages.last().title, QStringLiteral("خطأ"));

        // Without a player command nothing is launched: the program plays it itself, and
        // says so when no server is set for the reciter.
        servers.playerCommand.clear();
        servers.wholeSuraPlayBase.clear();
        PlayWholeSura(platform, servers, player, 0, 6);
        QCOMPARE(platform.messages.size(), 3);
        QVERIFY(platform.messages.last().text.contains(QStringLiteral("لا يوجد خادم تلاوات لهذا القارئ")));

        platform.programStarts = true;
        platform.messages.clear();
        platform.startedPrograms.clear();
        FrmLst2Quran frame(platform, testServers(), player);
        QCOMPARE(frame.layoutDirection(), Qt::RightToLeft);
        auto *suras = child<QComboBox>(&frame, "AyaaName");
        auto *from = child<QComboBox>(&frame, "CombFrom");
        auto *to = child<QComboBox>(&frame, "CombTo");
        auto *reciters = child<QListWidget>(&frame, "lstReaderName");
        // Names from servers.ini; a reciter it does not name is numbered.
        QCOMPARE(reciters->item(0)->text(), QStringLiteral("أحمد"));
        QCOMPARE(reciters->item(13)->text(), QStringLiteral("القارئ 14"));
        QCOMPARE(child<QListWidget>(&frame, "lstReaderNamePartial")->item(1)->text(), QStringLiteral("علي"));

        // Nothing chosen yet: the commands refuse instead of playing folder 0.
        QTest::mouseClick(child<QPushButton>(&frame, "CmdLstnFull"), Qt::LeftButton);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY(platform.startedPrograms.isEmpty());

        frame.selectFirstChoices();
        QCOMPARE(entries(from->model()), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
        QCOMPARE(reciters->currentRow(), 0);

        choose(suras, 111);
        QCOMPARE(entries(from->model()), (QStringList{"1", "2", "3", "4"}));
        // The last verse starts at the first one chosen (its second row is verse 4).
        choose(from, 2);
        QCOMPARE(to->currentText(), QStringLiteral("3"));
        choose(to, 1);
        QTest::mouseClick(child<QPushButton>(&frame, "CmdLstnPart"), Qt::LeftButton);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://range.example/cgi-bin/recite.pl?s=112&f=3&t=4&r=1"));

        // A later opening keeps the reader's choices.
        reciters->setCurrentRow(7);
        frame.selectFirstChoices();
        QTest::mouseClick(child<QPushButton>(&frame, "CmdLstnFull"), Qt::LeftButton);
        QCOMPARE(platform.startedPrograms.last().second, QStringLiteral("http://play.example/quran3/133/112.rm"));
        QCOMPARE(platform.messages.size(), 1);
    }

    // The in-program player plays a whole sura to its end and a range verse by verse, in
    // order, naming the recitation in its strip while it sounds (the strip's room in the
    // main window and the reciter are tst_search's); stop ends the whole range, not only
    // the verse sounding. Each way a
    // recitation can fail to sound is told in its own Arabic words. (Each recording
    // costs the media backend most of a second, whatever its length: few and short.)
    void playsInsideTheProgram()
    {
        LocalHttpServer server;
        // Sent slowly, so the strip has time to say how much has arrived.
        server.serve(QStringLiteral("quran3/47/001.rm"), {200, toneWav(100), true, -1, 400, 40});
        for (const char *verse : {"255", "256", "257"})
            server.serve(QStringLiteral("v/002%1.wav").arg(QLatin1String(verse)), toneWav(100));
        server.serve(QStringLiteral("quran3/47/002.rm"), QByteArray("<!DOCTYPE html><html><body>Not here</body></html>"));
        // Nothing but recitations from the local server, played inside the program.
        Servers servers = Servers::load(QStringLiteral("/nonexistent/servers.ini"));
        servers.wholeSuraPlayBase = server.url();
        servers.partialRecitationBase = server.url();
        servers.partialReciters[1].verseAudio = server.url(QStringLiteral("v/{sura:3}{aya:3}.wav"));
        ScriptedPlatform platform;
        RecitationPlayer player(platform);
        QWidget window;
        auto *strip = new PlayerStrip(player, &window);
        window.show();
        auto *caption = child<QLabel>(strip, "versePlaying");
        qint64 furthest = 0;
        connect(&player, &RecitationPlayer::positionChanged, this, [&](qint64 position) { furthest = qMax(furthest, position); });
        QStringList captions;
        connect(&player, &RecitationPlayer::changed, this, [&] { captions.append(caption->text()); });
        QStringList started;
        connect(&player, &RecitationPlayer::partStarted, this, [&] { started.append(caption->text()); });
        QSignalSpy finished(&player, &RecitationPlayer::finished);
        const auto stopped = [&] { return player.state() == RecitationPlayer::State::Stopped; };

        Listn2Quran::PlayWholeSura(platform, servers, player, 0, 0);
        QVERIFY(QTest::qWaitFor([&] { return player.state() == RecitationPlayer::State::Playing; }, 20000));
        QCOMPARE(caption->text(), QStringLiteral("سورة الفاتحة"));
        // Part of the file and no more: "... (جار التحميل 49٪)".
        const QRegularExpression partly(QStringLiteral("^سورة الفاتحة \\(جار التحميل [1-9][0-9]?٪\\)$"));
        QVERIFY2(captions.indexOf(partly) >= 0, qPrintable(captions.join(u'|')));
        QVERIFY(QTest::qWaitFor(stopped, 20000));
        QCOMPARE(finished.size(), 1);
        QVERIFY2(furthest >= 90, qPrintable(QString::number(furthest)));

        QVERIFY(Listn2Quran::PlayVerseRange(platform, servers, player, 2, 255, 257, 1));
        QVERIFY(QTest::qWaitFor([&] { return started.size() == 3; }, 20000));
        QTest::mouseClick(child<QPushButton>(strip, "cmdStop"), Qt::LeftButton);
        QCOMPARE(player.state(), RecitationPlayer::State::Stopped);
        QCOMPARE(finished.size(), 2);
        QVERIFY(strip->isHidden());
        QCOMPARE(started, (QStringList{"سورة الفاتحة", "البقرة : 255", "البقرة : 256"}));
        // The verse after the one sounding may already be on its way, no further.
        QCOMPARE(server.requests.mid(0, 3), (QStringList{"/quran3/47/001.rm", "/v/002255.wav", "/v/002256.wav"}));
        QVERIFY(server.requests.size() <= 4);
        QVERIFY2(platform.messages.isEmpty(), qPrintable(platform.messages.value(0).text));

        const auto failureOf = [&](int suraIndex) {
            platform.messages.clear();
            Listn2Quran::PlayWholeSura(platform, servers, player, suraIndex, 0);
            if (!QTest::qWaitFor(stopped, 20000) || platform.messages.size() != 1)
                return QString();
            return platform.messages.first().title + u'|' + platform.messages.first().text;
        };
        const QString missing = failureOf(2);                 // 404
        const QString notAudio = failureOf(1);                // an HTML page
        server.close();
        const QString noAnswer = failureOf(2);                // connection refused
        QVERIFY(missing.startsWith(QStringLiteral("خطأ|هذه التلاوة غير موجودة على خادم التلاوات")));
        QVERIFY(notAudio.startsWith(QStringLiteral("خطأ|الملف الذي أرسله خادم التلاوات ليس تسجيلا صوتيا")));
        QVERIFY(noAnswer.startsWith(QStringLiteral("خطأ|لا يستجيب خادم التلاوات")));
        QVERIFY(missing.contains(QStringLiteral("سورة آل عمران")));
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
        QWidget host;
        // Saves a sura under the name the reader gives; true once the reader is told.
        const auto save = [&](int suraIndex, const QString &name) {
            platform.messages.clear();
            platform.fileNames.enqueue(dir.filePath(name));
            Listn2Quran::DownloadWholeSura(platform, servers, suraIndex, 1, &host);
            return QTest::qWaitFor([&] { return !platform.messages.isEmpty(); }, 20000);
        };

        QVERIFY(save(1, QStringLiteral("baqara.rm")));
        QCOMPARE(readFile(dir.filePath(QStringLiteral("baqara.rm"))), recording);
        QVERIFY(platform.messages.first().text.contains(QStringLiteral("baqara.rm")));

        // Cancelling the file dialog fetches nothing; a recording the server does not
        // have is reported and leaves no file.
        Listn2Quran::DownloadWholeSura(platform, servers, 3, 1, &host);
        QVERIFY(save(2, QStringLiteral("missing.rm")));
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing.rm"))));
        QCOMPARE(server.requests, (QStringList{"/quran3/144/002.rm", "/quran3/144/003.rm"}));

        // Verse by verse: a folder named as the reader chose holds the sura's verse files,
        // and appears only once all of them arrived.
        servers.wholeSuraReciters[1].verseAudio = server.url(QStringLiteral("v/{sura:3}{aya:3}.mp3"));
        for (int verse = 1; verse <= 3; ++verse)
            server.serve(QStringLiteral("v/108%1.mp3").arg(verse, 3, 10, QLatin1Char('0')), QByteArray(100, char('0' + verse)));
        QVERIFY(save(107, QStringLiteral("الكوثر")));
        QCOMPARE(QDir(dir.filePath(QStringLiteral("الكوثر"))).entryList(QDir::Files),
                 (QStringList{"108001.mp3", "108002.mp3", "108003.mp3"}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);

        // A verse missing on the server leaves no folder and no scratch behind.
        QVERIFY(save(0, QStringLiteral("الفاتحة")));
        QCOMPARE(platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
    }
};

QTEST_MAIN(TestRecitation)
#include "tst_recitation.moc"
