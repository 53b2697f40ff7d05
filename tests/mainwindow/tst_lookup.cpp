// Lookups by place, the verse collection, print text and copy, through the main window
// on the real database.

#include "core/DataSource.h"
#include "controls/SideBar.h"
#include "core/EventLoopYield.h"
#include "study/ResultsFrame.h"
#include "support/LocalHttpServer.h"
#include "support/MainWindowFixture.h"
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

// Chooses a row of a combo box as the reader does.
void choose(QComboBox *box, int index)
{
    box->setCurrentIndex(index);
    Q_EMIT box->activated(index);
}

} // namespace

class TestLookup : public QObject
{
    Q_OBJECT

private:
    MainWindowFixture m;
    ResultsFrame *m_results = m.results();
    QWidget *m_lookup = m.find("FrmProSearch");
    DataSource m_verses;

    QString page() const { return m.find<QTextBrowser>("webPreview")->toHtml(); }
    QComboBox *combo(const char *name) const { return child<QComboBox>(m_lookup, name); }
    void clickLookup(const char *name) { QTest::mouseClick(child<QWidget>(m_lookup, name), Qt::LeftButton); }

    // The verse text as stored, for comparing gathered texts.
    QString verseText(const QString &id)
    {
        m_verses.runQuery(QStringLiteral("SELECT ayaa FROM Ayat where ID = ") + id);
        return m_verses.text(QStringLiteral("ayaa"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m.open());
        QVERIFY(m_verses.openFile(m.folder.file(QStringLiteral("quran.qu"))));
    }

    void verseChoosers()
    {
        m.openHeader(5);
        QVERIFY(m_lookup->isVisible());
        auto *first = combo("CombFromProSeach");
        auto *last = combo("CombToProSeach");
        QCOMPARE(items(first), numbers(1, 7));
        QCOMPARE(items(last), numbers(1, 7));
        QCOMPARE(first->currentText(), QStringLiteral("1"));
        QVERIFY(!first->isEditable() && !last->isEditable());

        choose(combo("searchname"), 1);
        QCOMPARE(items(first), numbers(1, 286));
        QCOMPARE(combo("searchnumber")->currentText(), QStringLiteral("2"));
        choose(first, first->findText(QStringLiteral("250")));
        QCOMPARE(items(last), numbers(250, 286));
        QCOMPARE(last->currentText(), QStringLiteral("250"));

        choose(combo("searchnumber"), 111);
        QCOMPARE(combo("searchname")->currentText(), QStringLiteral("الإخلاص"));
        QCOMPARE(items(first), numbers(1, 4));
    }

    void rangeAndPartLookups()
    {
        m.search(QStringLiteral("الله"));
        m.openHeader(5);
        choose(combo("searchname"), 1);
        choose(combo("CombFromProSeach"), 254);
        auto *last = combo("CombToProSeach");
        last->setCurrentIndex(last->findText(QStringLiteral("257")));
        clickLookup("CmdSeachPro");
        QCOMPARE(m_results->rowCount(), 3);
        QCOMPARE(m_results->rowText(0), QStringLiteral("البقرة : 255"));
        QCOMPARE(m_results->rowText(2), QStringLiteral("البقرة : 257"));
        QCOMPARE(m.label("SkinLabel4"), QStringLiteral("3"));
        // Shown without highlighting, in the results frame, with the lookup frame usable again.
        QVERIFY(m_results->isVisible());
        QVERIFY(!page().contains(QStringLiteral("#ff0000")));
        QVERIFY(m_lookup->isEnabled());

        m.openHeader(5);
        auto *part = combo("tafsercombo");
        part->setCurrentIndex(29);
        clickLookup("CmdSeachPro2");
        m_verses.runQuery(QStringLiteral("SELECT ID FROM Ayat where chapterNO = 30 order by ID"));
        QCOMPARE(m_results->rowCount(), m_verses.recordCount());
        for (int row = 0; !m_verses.atEnd(); m_verses.moveNext(), ++row)
            QCOMPARE(m_results->resultRow(row).id, m_verses.text(QStringLiteral("ID")));
    }

    void wholeSuraKeepsTheHighlight()
    {
        m.search(QStringLiteral("القيوم"));
        QCOMPARE(m_results->rowText(0), QStringLiteral("البقرة : 255"));
        m_results->resultMenuEntry(QStringLiteral("serach4"))->trigger();
        QCOMPARE(m_results->rowCount(), 286);
        QCOMPARE(m.state.SearchWord, QStringLiteral("القيوم"));
        m.find<QListWidget>("suraayaalist")->setCurrentRow(254);
        QVERIFY(page().contains(QStringLiteral("#ff0000")));

        // The menu's copy takes the verse on show with its reference.
        m_results->resultMenuEntry(QStringLiteral("copy12"))->trigger();
        QCOMPARE(m.platform.clipboard, verseText(QStringLiteral("262")) + QStringLiteral(" [البقرة : 255]"));
    }

    // The result menu's "this verse" plays in the strip of the main window, which
    // names the reciter and the verse and makes room for itself while it plays.
    void listeningFromTheResultMenu()
    {
        LocalHttpServer server;
        server.serve(QStringLiteral("v/002255.wav"), toneWav(300));
        m.folder.write(QStringLiteral("servers.ini"),
                        QStringLiteral("[VerseRange]\nReciterName/2=قارئ التجربة\nVerseAudio/2=%1\n")
                            .arg(server.url(QStringLiteral("v/{sura:3}{aya:3}.wav")))
                            .toUtf8());
        m.search(QStringLiteral("القيوم"));
        const int height = m.window.height();
        m_results->resultMenuEntry(QStringLiteral("listen"))->trigger();
        auto *strip = m.find("PlayerStrip");
        auto *verse = child<QLabel>(strip, "versePlaying");
        QVERIFY(QTest::qWaitFor([&] { return verse->text() == QStringLiteral("البقرة : 255"); }, 20000));
        QVERIFY(strip->isVisible());
        QCOMPARE(child<QLabel>(strip, "reciterName")->text(), QStringLiteral("قارئ التجربة"));
        QCOMPARE(m.window.height(), height + strip->height());
        QVERIFY(QTest::qWaitFor([&] { return strip->isHidden(); }, 20000));
        QCOMPARE(server.requests, QStringList{QStringLiteral("/v/002255.wav")});
        QCOMPARE(m.window.height(), height);
        QVERIFY(m.platform.messages.isEmpty());
        QFile::remove(m.folder.file(QStringLiteral("servers.ini")));
    }

    void collection()
    {
        auto *list = m.find<QListWidget>("suraayaalist");
        auto *collected = m.find<QListWidget>("addaya");
        auto *gathered = m.find<QPlainTextEdit>("txtGather");

        m.search(QStringLiteral("القيوم"));
        list->setCurrentRow(0);
        Q_EMIT list->itemDoubleClicked(list->item(0));
        const int messagesBefore = int(m.platform.messages.size());
        Q_EMIT list->itemDoubleClicked(list->item(0));
        QCOMPARE(int(m.platform.messages.size()), messagesBefore + 1);
        QCOMPARE(m.platform.messages.last().text, QStringLiteral("لقد تمت إضافة هذه الآية سابقا"));
        QCOMPARE(collected->count(), 1);

        m.search(QStringLiteral("العالمين"));
        list->setCurrentRow(0);
        QCOMPARE(m_results->rowText(0), QStringLiteral("الفاتحة : 2"));
        Q_EMIT list->itemDoubleClicked(list->item(0));

        // While the gather runs, the list it walks cannot change.
        bool triedMeanwhile = false;
        QTimer::singleShot(0, &m.window, [&] {
            triedMeanwhile = true;
            QVERIFY(!collected->isEnabled());
            collected->setCurrentRow(1);
            Q_EMIT collected->itemDoubleClicked(collected->item(1));
        });
        EventLoopYield::setFrameMilliseconds(0); // every verse hands the event loop its turn
        m.click("CoolHoverButton8");
        EventLoopYield::setFrameMilliseconds(33);
        QVERIFY(triedMeanwhile);
        QCOMPARE(collected->count(), 2);
        QVERIFY(collected->isEnabled());
        QVERIFY(m.find("FrmCollect1")->isVisible());
        QCOMPARE(gathered->toPlainText(),
                 QStringLiteral("%1 [البقرة : 255]\n\n%2 [الفاتحة : 2]\n\n")
                     .arg(verseText(QStringLiteral("262")), verseText(QStringLiteral("2"))));
        QCOMPARE(m.label("ProgressReport"), QStringLiteral("100 %"));

        // Removing the first regathers at once, leaving the second.
        collected->setCurrentRow(0);
        Q_EMIT collected->itemDoubleClicked(collected->item(0));
        QCOMPARE(collected->count(), 1);
        QCOMPARE(gathered->toPlainText(), verseText(QStringLiteral("2")) + QStringLiteral(" [الفاتحة : 2]\n\n"));

        // Without diacritics: this gather, and the print gather after it.
        m.find<QCheckBox>("Check1")->click();
        m.click("CoolHoverButton8");
        QCOMPARE(gathered->toPlainText(), QStringLiteral("الحمد لله رب العالمين [الفاتحة : 2]\n\n"));
        m.click("CoolHoverButton12");
        clickLookup("CmdSeachPro");
        QCOMPARE(child<QPlainTextEdit>(m_lookup, "txtForPrint")->toPlainText(), QStringLiteral("بسم الله الرحمن الرحيم (1) "));
        m.find<QCheckBox>("Check1")->click();
        m.click("CoolHoverButton8");
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
        m.click("CoolHoverButton12");
        QCOMPARE(child<QPushButton>(m_lookup, "CmdSeachPro")->text(), QStringLiteral("جمع"));
        QCOMPARE(child<QPushButton>(m_lookup, "CmdSeachPro2")->text(), QStringLiteral("جمع"));
        QVERIFY(child<QWidget>(m_lookup, "CoolHoverButtonGray23")->isVisible());
        QVERIFY(!child<QWidget>(m_lookup, "CoolHoverButtonGray16")->isVisible());

        auto *last = combo("CombToProSeach");
        last->setCurrentIndex(6);
        const int rowsBefore = m_results->rowCount();
        clickLookup("CmdSeachPro");
        const QString text = child<QPlainTextEdit>(m_lookup, "txtForPrint")->toPlainText();
        QString expected;
        for (int verse = 1; verse <= 7; ++verse)
            expected += verseText(QString::number(verse)) + QStringLiteral(" (%1) ").arg(verse);
        QCOMPARE(text, expected);
        QVERIFY(text.endsWith(QStringLiteral("(7) ")) && !text.contains(u'\n'));
        QCOMPARE(m_results->rowCount(), rowsBefore); // gathering lists nothing
        QVERIFY(m_lookup->isEnabled() && m.sideBar()->isEnabled());

        clickLookup("copyPrintText");
        QCOMPARE(m.platform.clipboard, text);

        // Header 5 brings the frame back to looking up.
        m.openHeader(5);
        QCOMPARE(child<QPushButton>(m_lookup, "CmdSeachPro")->text(), QStringLiteral("بحث"));
        QVERIFY(!child<QWidget>(m_lookup, "txtForPrint")->isVisible());
    }
};

QTEST_MAIN(TestLookup)
#include "tst_lookup.moc"
