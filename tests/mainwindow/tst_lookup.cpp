// Lookups by place, the verse collection, print text and copy, through the main window
// on the real database.

#include "controls/CoolHoverButton.h"
#include "core/DataSource.h"
#include "core/EventLoopYield.h"
#include "mainwindow/FrmMain.h"
#include "support/LocalHttpServer.h"
#include "search/LookupQuery.h"
#include "core/ProgramState.h"
#include "study/ResultsFrame.h"
#include "support/ScriptedPlatform.h"
#include "controls/SearchBox.h"
#include "controls/SideBar.h"
#include "support/TestHelpers.h"
#include "support/TestProgramFolder.h"
#include "support/ToneWav.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTextBrowser>

namespace {

QStringList items(QComboBox *box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

QStringList numbers(int from, int to)
{
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts.append(QString::number(n));
    return texts;
}

} // namespace

class TestLookup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    ScriptedPlatform m_platform;
    ProgramState m_state;
    std::unique_ptr<FrmMain> m_window;
    ResultsFrame *m_results = nullptr;
    DataSource m_verses;

    QWidget *lookup() const { return child<QWidget>(m_window.get(), "FrmProSearch"); }
    QString page() const { return child<QTextBrowser>(m_window.get(), "webPreview")->toHtml(); }

    void openHeader(int index)
    {
        QTest::mouseClick(m_window->findChild<SideBar *>()->strip(index), Qt::LeftButton);
    }

    void chooseSura(int index)
    {
        auto *names = child<QComboBox>(lookup(), "searchname");
        names->setCurrentIndex(index);
        Q_EMIT names->activated(index);
    }

    void chooseFirstVerse(const QString &verse)
    {
        auto *first = child<QComboBox>(lookup(), "CombFromProSeach");
        first->setCurrentIndex(first->findText(verse));
        Q_EMIT first->activated(first->currentIndex());
    }

    void search(const QString &text)
    {
        child<SearchBox>(m_window.get(), "searcht")->setText(text);
        QTest::mouseClick(child<QPushButton>(m_window.get(), "search"), Qt::LeftButton);
    }

    // The verse text as stored, for comparing gathered texts.
    QString verseText(const QString &column, const QString &id)
    {
        m_verses.runQuery(QStringLiteral("SELECT * FROM Ayat where ID = ") + id);
        return m_verses.text(column);
    }

private Q_SLOTS:
    void initTestCase()
    {
        clearSettings();
        m_folder = std::make_unique<TestProgramFolder>();
        m_window = std::make_unique<FrmMain>(m_platform, m_state);
        QVERIFY(m_window->Form_Load());
        m_window->show();
        m_results = m_window->findChild<ResultsFrame *>();
        QVERIFY(m_verses.openFile(m_folder->path() + QStringLiteral("/quran.qu")));
    }

    void queryTexts()
    {
        QCOMPARE(verseRangeQuery(2, QStringLiteral("1"), QStringLiteral("7")),
                 QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 2And ayaano between 1 and 7 order by ID"));
        QCOMPARE(partQuery(30), QStringLiteral("SELECT *  FROM Ayat where Ayat.chapterNO like 30 order by ID"));
        QCOMPARE(wholeSuraQuery(114), QStringLiteral("SELECT *  FROM Ayat where Ayat.soraano like 114 order by ID"));
        QCOMPARE(printPartQuery(QStringLiteral("1")), QStringLiteral("SELECT *  FROM Ayat where Ayat.chapterNO = 1 order by ID"));
        QCOMPARE(collectedVerseQuery(QStringLiteral("262")), QStringLiteral("SELECT * FROM Ayat where Ayat.ID like 262 order by ID"));
        QCOMPARE(printTextPiece(QStringLiteral(" نص "), QStringLiteral("7")), QStringLiteral("نص (7) "));
        QCOMPARE(collectionEntry(QStringLiteral("نص "), QStringLiteral("البقرة : 255")),
                 QStringLiteral("نص [البقرة : 255]\r\n\r\n"));
    }

    void verseChoosers()
    {
        openHeader(5);
        QVERIFY(lookup()->isVisible());
        auto *first = child<QComboBox>(lookup(), "CombFromProSeach");
        auto *last = child<QComboBox>(lookup(), "CombToProSeach");
        QCOMPARE(items(first), numbers(1, 7));
        QCOMPARE(items(last), numbers(1, 7));
        QCOMPARE(first->currentText(), QStringLiteral("1"));
        QVERIFY(!first->isEditable() && !last->isEditable());

        chooseSura(1);
        QCOMPARE(items(first), numbers(1, 286));
        QCOMPARE(child<QComboBox>(lookup(), "searchnumber")->currentText(), QStringLiteral("2"));
        chooseFirstVerse(QStringLiteral("250"));
        QCOMPARE(items(last), numbers(250, 286));
        QCOMPARE(last->currentText(), QStringLiteral("250"));

        auto *byNumber = child<QComboBox>(lookup(), "searchnumber");
        byNumber->setCurrentIndex(111);
        Q_EMIT byNumber->activated(111);
        QCOMPARE(child<QComboBox>(lookup(), "searchname")->currentText(), QStringLiteral("الإخلاص"));
        QCOMPARE(items(first), numbers(1, 4));
    }

    void rangeAndPartLookups()
    {
        search(QStringLiteral("الله"));
        openHeader(5);
        chooseSura(1);
        chooseFirstVerse(QStringLiteral("255"));
        auto *last = child<QComboBox>(lookup(), "CombToProSeach");
        last->setCurrentIndex(last->findText(QStringLiteral("257")));
        QTest::mouseClick(child<QPushButton>(lookup(), "CmdSeachPro"), Qt::LeftButton);
        QCOMPARE(m_results->rowCount(), 3);
        QCOMPARE(m_results->rowText(0), QStringLiteral("البقرة : 255"));
        QCOMPARE(m_results->rowText(2), QStringLiteral("البقرة : 257"));
        QCOMPARE(child<QLabel>(m_window.get(), "SkinLabel4")->text(), QStringLiteral("3"));
        // Shown without highlighting, in the results frame, with the lookup frame usable again.
        QVERIFY(m_results->isVisible());
        QVERIFY(!page().contains(QStringLiteral("#ff0000")));
        QVERIFY(lookup()->isEnabled());

        openHeader(5);
        auto *part = child<QComboBox>(lookup(), "tafsercombo");
        part->setCurrentIndex(29);
        QTest::mouseClick(child<QPushButton>(lookup(), "CmdSeachPro2"), Qt::LeftButton);
        m_verses.runQuery(QStringLiteral("SELECT ID FROM Ayat where chapterNO = 30 order by ID"));
        QCOMPARE(m_results->rowCount(), m_verses.recordCount());
        for (int row = 0; !m_verses.atEnd(); m_verses.moveNext(), ++row)
            QCOMPARE(m_results->resultRow(row).id, m_verses.text(QStringLiteral("ID")));
    }

    void wholeSuraKeepsTheHighlight()
    {
        search(QStringLiteral("القيوم"));
        QCOMPARE(m_results->rowText(0), QStringLiteral("البقرة : 255"));
        m_results->resultMenuEntry(QStringLiteral("serach4"))->trigger();
        QCOMPARE(m_results->rowCount(), 286);
        QCOMPARE(m_state.SearchWord, QStringLiteral("القيوم"));
        child<QListWidget>(m_window.get(), "suraayaalist")->setCurrentRow(254);
        QVERIFY(page().contains(QStringLiteral("#ff0000")));
    }

    // The result menu's "this verse" plays in the strip of the main window, which
    // names the reciter and the verse and makes room for itself while it plays.
    void listeningFromTheResultMenu()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("v/002255.wav"), toneWav(300));
        m_folder->write(QStringLiteral("servers.ini"),
                        QStringLiteral("[VerseRange]\nReciterName/2=قارئ التجربة\nVerseAudio/2=%1\n")
                            .arg(server.url(QStringLiteral("v/{sura:3}{aya:3}.wav")))
                            .toUtf8());
        search(QStringLiteral("القيوم"));
        const int height = m_window->height();
        m_results->resultMenuEntry(QStringLiteral("listen"))->trigger();
        auto *strip = child<QWidget>(m_window.get(), "PlayerStrip");
        auto *verse = child<QLabel>(strip, "versePlaying");
        QVERIFY(QTest::qWaitFor([&] { return verse->text() == QStringLiteral("البقرة : 255"); }, 20000));
        QVERIFY(strip->isVisible());
        QCOMPARE(child<QLabel>(strip, "reciterName")->text(), QStringLiteral("قارئ التجربة"));
        QCOMPARE(m_window->height(), height + strip->height());
        QVERIFY(QTest::qWaitFor([&] { return strip->isHidden(); }, 20000));
        QCOMPARE(server.requests, QStringList{QStringLiteral("/v/002255.wav")});
        QCOMPARE(m_window->height(), height);
        QVERIFY(m_platform.messages.isEmpty());
        QFile::remove(m_folder->file(QStringLiteral("servers.ini")));
    }

    void collection()
    {
        auto *list = child<QListWidget>(m_window.get(), "suraayaalist");
        auto *collected = child<QListWidget>(m_window.get(), "addaya");
        auto *gathered = child<QPlainTextEdit>(m_window.get(), "txtGather");

        search(QStringLiteral("القيوم"));
        list->setCurrentRow(0);
        Q_EMIT list->itemDoubleClicked(list->item(0));
        const int messagesBefore = int(m_platform.messages.size());
        Q_EMIT list->itemDoubleClicked(list->item(0));
        QCOMPARE(int(m_platform.messages.size()), messagesBefore + 1);
        QCOMPARE(m_platform.messages.last().text, QStringLiteral("لقد تمت إضافة هذه الآية سابقا"));
        QCOMPARE(collected->count(), 1);

        search(QStringLiteral("العالمين"));
        list->setCurrentRow(0);
        QCOMPARE(m_results->rowText(0), QStringLiteral("الفاتحة : 2"));
        Q_EMIT list->itemDoubleClicked(list->item(0));

        // While the gather runs, the list it walks cannot change.
        bool triedMeanwhile = false;
        QTimer::singleShot(0, m_window.get(), [&] {
            triedMeanwhile = true;
            QVERIFY(!collected->isEnabled());
            collected->setCurrentRow(1);
            Q_EMIT collected->itemDoubleClicked(collected->item(1));
        });
        EventLoopYield::setFrameMilliseconds(0); // every verse hands the event loop its turn
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton8"), Qt::LeftButton);
        EventLoopYield::setFrameMilliseconds(33);
        QVERIFY(triedMeanwhile);
        QCOMPARE(collected->count(), 2);
        QVERIFY(collected->isEnabled());
        QVERIFY(child<QWidget>(m_window.get(), "FrmCollect1")->isVisible());
        QCOMPARE(gathered->toPlainText(),
                 QStringLiteral("%1 [البقرة : 255]\n\n%2 [الفاتحة : 2]\n\n")
                     .arg(verseText(QStringLiteral("ayaa"), QStringLiteral("262")), verseText(QStringLiteral("ayaa"), QStringLiteral("2"))));
        QCOMPARE(child<QLabel>(m_window.get(), "ProgressReport")->text(), QStringLiteral("100 %"));

        // Removing the first regathers at once, leaving the second.
        collected->setCurrentRow(0);
        Q_EMIT collected->itemDoubleClicked(collected->item(0));
        QCOMPARE(collected->count(), 1);
        QCOMPARE(gathered->toPlainText(), verseText(QStringLiteral("ayaa"), QStringLiteral("2")) + QStringLiteral(" [الفاتحة : 2]\n\n"));

        // Without diacritics: this gather, and the print gather after it.
        child<QCheckBox>(m_window.get(), "Check1")->click();
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton8"), Qt::LeftButton);
        QCOMPARE(gathered->toPlainText(), QStringLiteral("الحمد لله رب العالمين [الفاتحة : 2]\n\n"));
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton12"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(lookup(), "CmdSeachPro"), Qt::LeftButton);
        QCOMPARE(child<QPlainTextEdit>(lookup(), "txtForPrint")->toPlainText(), QStringLiteral("بسم الله الرحمن الرحيم (1) "));
        child<QCheckBox>(m_window.get(), "Check1")->click();
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton8"), Qt::LeftButton);
    }

    void nothingCollectedBeforeAVerseIsShown()
    {
        ScriptedPlatform platform;
        ProgramState state;
        FrmMain window(platform, state);
        Q_EMIT window.findChild<ResultsFrame *>()->resultDoubleClicked(0);
        QCOMPARE(child<QListWidget>(&window, "addaya")->count(), 0);
        QVERIFY(platform.messages.isEmpty());
    }

    void printGather()
    {
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton12"), Qt::LeftButton);
        QCOMPARE(child<QPushButton>(lookup(), "CmdSeachPro")->text(), QStringLiteral("جمع"));
        QCOMPARE(child<QPushButton>(lookup(), "CmdSeachPro2")->text(), QStringLiteral("جمع"));
        QVERIFY(child<QWidget>(lookup(), "CoolHoverButtonGray23")->isVisible());
        QVERIFY(!child<QWidget>(lookup(), "CoolHoverButtonGray16")->isVisible());

        auto *last = child<QComboBox>(lookup(), "CombToProSeach");
        last->setCurrentIndex(6);
        const int rowsBefore = m_results->rowCount();
        QTest::mouseClick(child<QPushButton>(lookup(), "CmdSeachPro"), Qt::LeftButton);
        const QString text = child<QPlainTextEdit>(lookup(), "txtForPrint")->toPlainText();
        QString expected;
        for (int verse = 1; verse <= 7; ++verse)
            expected += verseText(QStringLiteral("ayaa"), QString::number(verse)) + QStringLiteral(" (%1) ").arg(verse);
        QCOMPARE(text, expected);
        QVERIFY(text.endsWith(QStringLiteral("(7) ")) && !text.contains(u'\n'));
        QCOMPARE(m_results->rowCount(), rowsBefore); // gathering lists nothing
        QVERIFY(lookup()->isEnabled() && m_window->findChild<SideBar *>()->isEnabled());

        QTest::mouseClick(child<QPushButton>(lookup(), "copyPrintText"), Qt::LeftButton);
        QCOMPARE(m_platform.clipboard, text);

        // Header 5 brings the frame back to looking up.
        openHeader(5);
        QCOMPARE(child<QPushButton>(lookup(), "CmdSeachPro")->text(), QStringLiteral("بحث"));
        QVERIFY(!child<QWidget>(lookup(), "txtForPrint")->isVisible());
    }

    void copyTheShownVerse()
    {
        search(QStringLiteral("القيوم"));
        m_results->resultMenuEntry(QStringLiteral("copy12"))->trigger();
        QCOMPARE(m_platform.clipboard,
                 verseText(QStringLiteral("ayaa"), QStringLiteral("262")) + QStringLiteral(" [البقرة : 255]"));
    }
};

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"
