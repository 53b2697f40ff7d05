#include "reader/FrmRead.h"
#include "reader/ReaderPages.h"
#include "reader/ScaledPicture.h"
#include "support/LocalHttpServer.h"
#include "support/ScriptedPlatform.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

QByteArray jpeg(const QColor &colour)
{
    QImage page(60, 90, QImage::Format_RGB32);
    page.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    page.save(&buffer, "JPG");
    return bytes;
}

// A cached page picture in a colour of its own, enough to tell pages apart.
void cachePage(const TestProgramFolder &folder, int page)
{
    QDir(folder.path()).mkpath(QStringLiteral("pic2"));
    folder.write(QStringLiteral("pic2/%1.jpg").arg(page, 3, 10, QLatin1Char('0')), jpeg(QColor(page % 256, 100, 100)));
}

} // namespace

class TestFrmRead : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { clearSettings(); }

    void readingCachedPagesOffline()
    {
        TestProgramFolder folder;
        for (int page : {1, 2, 105, 106, 603, 604})
            cachePage(folder, page);
        Settings::setValue(SettingKeys::SavedPages, QStringLiteral("15^203^"));
        ScriptedPlatform platform;
        platform.connected = false;
        QList<QList<int>> recited; // sura, first and last verse, reciter
        FrmRead reader(platform, [&](int sura, int first, int last, int reciter) { recited.append({sura, first, last, reciter}); });
        reader.Form_Load();
        reader.show();

        // Without a connection: the two-paragraph message once, cached pages still shown.
        QTRY_COMPARE(platform.messages.size(), 1);
        QVERIFY(platform.messages.first().text.contains(QStringLiteral("جدار ناري")));
        QVERIFY(platform.messages.first().text.contains(u'\n'));
        QCOMPARE(reader.spread(), (Spread{2, 1}));
        QCOMPARE(child<QLabel>(&reader, "lblLeftPageNumber")->text(), QStringLiteral("2"));
        QCOMPARE(child<QLabel>(&reader, "lblSoraName")->text(), QStringLiteral("الفاتحة"));

        // The page box edits like any box, takes digits only, and Enter shows the page.
        auto *box = child<QLineEdit>(&reader, "txtPageNumber");
        box->setFocus();
        box->clear();
        QTest::keyClicks(box, QStringLiteral("50"));
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QStringLiteral("ب"), Qt::NoModifier);
        QTest::keyClick(box, Qt::Key_A);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(reader.spread(), (Spread{50, 49}));
        // Pages outside the book are corrected once typing is done.
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("700"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(box->text(), QStringLiteral("604"));
        for (const QString &outside : {QStringLiteral("0"), QString()}) {
            box->setText(outside);
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->text(), QStringLiteral("1"));
        }
        QCOMPARE(reader.spread(), (Spread{2, 1}));

        // Previous on 1 and next on 604 do nothing.
        QTest::mouseClick(child<QPushButton>(&reader, "CmdPrePage"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("1"));
        box->setText(QStringLiteral("603"));
        QTest::mouseClick(child<QPushButton>(&reader, "CmdNextPage"), Qt::LeftButton);
        QCOMPARE(reader.spread(), (Spread{604, 603}));
        QTest::mouseClick(child<QPushButton>(&reader, "CmdNextPage"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("604"));

        // A sura starting mid-page: the page names the sura that starts it.
        box->setText(QStringLiteral("106"));
        QTest::mouseClick(child<QPushButton>(&reader, "cmdViewThis"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(&reader, "lblSoraName")->text(), QStringLiteral("النساء"));
        QCOMPARE(child<QLabel>(&reader, "lblAyaaFrom")->text(), QStringLiteral("176"));
        QCOMPARE(child<QLabel>(&reader, "lblAyaaTo")->text(), QStringLiteral("176"));

        // Going to a sura opens its first page with its verses there.
        auto *suras = child<QComboBox>(&reader, "Combo1");
        suras->setCurrentIndex(4);
        Q_EMIT suras->activated(4);
        QCOMPARE(box->text(), QStringLiteral("106"));
        QCOMPARE(child<QLabel>(&reader, "lblSoraName")->text(), QStringLiteral("المائدة"));
        QCOMPARE(child<QLabel>(&reader, "lblAyaaFrom")->text(), QStringLiteral("1"));
        QCOMPARE(child<QLabel>(&reader, "lblAyaaTo")->text(), QStringLiteral("2"));
        // Choosing the same sura again, after turning a page, goes back to it.
        QTest::mouseClick(child<QPushButton>(&reader, "CmdNextPage"), Qt::LeftButton);
        QCOMPARE(box->text(), QStringLiteral("107"));
        Q_EMIT suras->activated(4);
        QCOMPARE(box->text(), QStringLiteral("106"));

        // Listening recites the page's verses with the second reciter.
        QTest::mouseClick(child<QPushButton>(&reader, "CmdLstn2Page"), Qt::LeftButton);
        QCOMPARE(recited, (QList<QList<int>>{{5, 1, 2, 1}}));

        // Saved pages: removed, refused twice, added and shown.
        auto *saved = child<QComboBox>(&reader, "LstSavedPages");
        QTest::mouseClick(child<QPushButton>(&reader, "cmdRemoveSaved"), Qt::LeftButton);
        QCOMPARE(Settings::value(SettingKeys::SavedPages, {}), QStringLiteral("203^"));

        // The same page twice: a message and nothing stored.
        box->setText(QStringLiteral("203"));
        QTest::mouseClick(child<QPushButton>(&reader, "CmdSavePage"), Qt::LeftButton);
        QCOMPARE(platform.messages.last().text, QStringLiteral("إن هذه الصفحة سبق و أن تم حفظها"));
        QCOMPARE(platform.messages.last().title, QStringLiteral("خطأ"));
        QCOMPARE(Settings::value(SettingKeys::SavedPages, {}), QStringLiteral("203^"));

        box->setText(QStringLiteral("42"));
        QTest::mouseClick(child<QPushButton>(&reader, "CmdSavePage"), Qt::LeftButton);
        QCOMPARE(Settings::value(SettingKeys::SavedPages, {}), QStringLiteral("203^42^"));

        saved->setCurrentIndex(1);
        QTest::mouseClick(child<QPushButton>(&reader, "cmdViewSaved"), Qt::LeftButton);
        QCOMPARE(reader.spread(), (Spread{42, 41}));

        QTest::mouseClick(child<QPushButton>(&reader, "cmdRemoveSaved"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(&reader, "cmdRemoveSaved"), Qt::LeftButton);
        QCOMPARE(Settings::value(SettingKeys::SavedPages, QStringLiteral("x")), QString());
        QCOMPARE(saved->count(), 0);
    }

    // Pages come from the server into the cache; a page the server lacks, or an error
    // page sent as a success, is said and never shown or cached; a download the reader
    // has left behind ends in the cache, never on the screen.
    void fetchingPagesFromTheServer()
    {
        TestProgramFolder folder;
        LocalHttpServer server;
        folder.write(QStringLiteral("servers.ini"),
                     QStringLiteral("[Servers]\nPageImageServer=%1\nConnectivityProbe=%1\n").arg(server.url()).toUtf8());
        const QByteArray green = jpeg(Qt::darkGreen);
        server.serve(QStringLiteral("/hpages/001.jpg"), green);
        // Page 2 is cached empty, as a failed fetch of old left it: it is fetched again.
        cachePage(folder, 2);
        folder.write(QStringLiteral("pic2/002.jpg"), QByteArray());
        server.serve(QStringLiteral("/hpages/002.jpg"), green);
        for (int page : {3, 5, 6})
            cachePage(folder, page);
        server.serve(QStringLiteral("/hpages/004.jpg"), {200, jpeg(Qt::blue), true, -1, 100, 100});
        server.serve(QStringLiteral("/hpages/042.jpg"), QByteArray("<html><body>Service unavailable</body></html>"));

        ScriptedPlatform platform;
        FrmRead reader(platform, {});
        reader.Form_Load();
        reader.show();
        QTRY_VERIFY(!child<ScaledPicture>(&reader, "RightImage")->isEmpty());
        QTRY_VERIFY(!child<ScaledPicture>(&reader, "LeftImage")->isEmpty());
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(QFileInfo(folder.file(QStringLiteral("pic2/001.jpg"))).size(), green.size());

        auto *page = child<QLineEdit>(&reader, "txtPageNumber");
        page->setText(QStringLiteral("41"));
        QTest::mouseClick(child<QPushButton>(&reader, "cmdViewThis"), Qt::LeftButton);
        QTRY_COMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages.at(0).title, QStringLiteral("خطأ"));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("pic2/041.jpg"))));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("pic2/042.jpg"))));
        QVERIFY(child<ScaledPicture>(&reader, "RightImage")->isEmpty());
        QVERIFY(child<ScaledPicture>(&reader, "LeftImage")->isEmpty());

        page->setText(QStringLiteral("4"));
        QTest::mouseClick(child<QPushButton>(&reader, "cmdViewThis"), Qt::LeftButton);
        QTRY_VERIFY(server.requests.contains(QStringLiteral("/hpages/004.jpg")));
        QTest::mouseClick(child<QPushButton>(&reader, "CmdNextPage"), Qt::LeftButton);
        QTRY_VERIFY(QFileInfo::exists(folder.file(QStringLiteral("pic2/004.jpg"))));
        QCoreApplication::processEvents();
        auto *left = child<ScaledPicture>(&reader, "LeftImage");
        const QColor shown = left->grab().toImage().pixelColor(left->width() / 2, left->height() / 2);
        QVERIFY2(shown.blue() < 180, qPrintable(shown.name())); // page 6's colour, not page 4's blue
        QCOMPARE(platform.messages.size(), 2);
    }
};

QTEST_MAIN(TestFrmRead)
#include "tst_frmread.moc"
