// The text search, the verse view, lookups by place, the verse collection, print text and
// copy, driven through the main window on the real database.

#include "controls/SearchBox.h"
#include "controls/SideBar.h"
#include "core/DataSource.h"
#include "core/EventLoopYield.h"
#include "study/ResultsFrame.h"
#include "support/LocalHttpServer.h"
#include "support/MainWindowFixture.h"
#include "support/ToneWav.h"
#include "text/TypedText.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>

namespace {

QStringList numbers(int from, int to)
{
    QStringList texts;
    for (int n = from; n <= to; ++n)
        texts.append(QString::number(n));
    return texts;
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private:
    MainWindowFixture m{{QStringLiteral("quran.qu"), QStringLiteral("24.qut"), QStringLiteral("skn")}};
    ResultsFrame *m_results = m.results();
    QTextBrowser *m_view = m.find<QTextBrowser>("webPreview");
    QListWidget *m_list = m.find<QListWidget>("suraayaalist");
    QWidget *m_lookup = m.find("FrmProSearch");

    // One column of the rows of the stored verses that `sql` selects.
    QStringList stored(const QString &sql, const QString &column) const
    {
        DataSource source;
        source.openFile(m.folder.file(QStringLiteral("quran.qu")));
        QStringList values;
        for (source.runQuery(sql); !source.atEnd(); source.moveNext())
            values.append(source.text(column));
        return values;
    }

    QComboBox *combo(const char *name) const { return child<QComboBox>(m_lookup, name); }
    void clickLookup(const char *name) { QTest::mouseClick(child<QWidget>(m_lookup, name), Qt::LeftButton); }

    QString verseText(const QString &id) const
    {
        return stored(QStringLiteral("SELECT ayaa FROM Ayat where ID = ") + id, QStringLiteral("ayaa")).value(0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m.open());
        // Nothing is collected before a verse is shown.
        Q_EMIT m_results->resultDoubleClicked(0);
        QCOMPARE(m.find<QListWidget>("addaya")->count(), 0);
        QVERIFY(m.platform.messages.isEmpty());
    }

    // The lookup by place: its choosers follow one another, and what it finds is shown
    // without highlighting, in the results frame.
    void lookups()
    {
        m.search(QStringLiteral("الله"));
        m.openHeader(5);
        auto *first = combo("CombFromProSeach");
        auto *last = combo("CombToProSeach");
        QVERIFY(!first->isEditable() && !last->isEditable());
        choose(combo("searchnumber"), 111);
        QCOMPARE(combo("searchname")->currentText(), QStringLiteral("الإخلاص"));
        QCOMPARE(entries(first->model()), numbers(1, 4));

        choose(combo("searchname"), 1);
        QCOMPARE(entries(first->model()), numbers(1, 286));
        QCOMPARE(combo("searchnumber")->currentText(), QStringLiteral("2"));
        choose(first, 254);
        QCOMPARE(entries(last->model()), numbers(255, 286));
        QCOMPARE(last->currentText(), QStringLiteral("255"));
        last->setCurrentIndex(last->findText(QStringLiteral("257")));
        clickLookup("CmdSeachPro");
        QCOMPARE(m_results->rowCount(), 3);
        QCOMPARE(m_results->rowText(0), QStringLiteral("البقرة : 255"));
        QVERIFY(m_results->isVisible());
        QVERIFY(!m_view->toHtml().contains(QStringLiteral("#ff0000")));
        QVERIFY(m_lookup->isEnabled());

        m.openHeader(5);
        combo("tafsercombo")->setCurrentIndex(29);
        clickLookup("CmdSeachPro2");
        const QStringList part = stored(QStringLiteral("SELECT ID FROM Ayat where chapterNO = 30 order by ID"), QStringLiteral("ID"));
        QCOMPARE(m_results->rowCount(), part.size());
        QCOMPARE(m_results->resultRow(0).id, part.first());
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
        QCOMPARE(child<QLabel>(strip, "reciterName")->text(), QStringLiteral("قارئ التجربة"));
        QCOMPARE(m.window.height(), height + strip->height());
        QVERIFY(QTest::qWaitFor([&] { return strip->isHidden(); }, 20000));
        QCOMPARE(server.requests, QStringList{QStringLiteral("/v/002255.wav")});
        QCOMPARE(m.window.height(), height);
        QVERIFY(m.platform.messages.isEmpty());
        QFile::remove(m.folder.file(QStringLiteral("servers.ini")));
    }

    // The verse collection: added once each, gathered while the list waits, regathered
    // when one goes; the print gather beside it.
    void collection()
    {
        auto *list = m_list;
        auto *collected = m.find<QListWidget>("addaya");
        auto *gathered = m.find<QPlainTextEdit>("txtGather");

        m.search(QStringLiteral("القيوم"));
        list->setCurrentRow(0);
        Q_EMIT list->itemDoubleClicked(list->item(0));
        Q_EMIT list->itemDoubleClicked(list->item(0));
        QCOMPARE(m.platform.messages.last().text, QStringLiteral("لقد تمت إضافة هذه الآية سابقا"));

        m.search(QStringLiteral("العالمين"));
        list->setCurrentRow(0);
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
        QCOMPARE(child<QPushButton>(m_lookup, "CmdSeachPro")->text(), QStringLiteral("جمع"));
        QCOMPARE(child<QPushButton>(m_lookup, "CmdSeachPro2")->text(), QStringLiteral("جمع"));
        QVERIFY(child<QWidget>(m_lookup, "CoolHoverButtonGray23")->isVisible());
        QVERIFY(!child<QWidget>(m_lookup, "CoolHoverButtonGray16")->isVisible());
        clickLookup("CmdSeachPro");
        QCOMPARE(child<QPlainTextEdit>(m_lookup, "txtForPrint")->toPlainText(), QStringLiteral("بسم الله الرحمن الرحيم (1) "));
        m.find<QCheckBox>("Check1")->click();
        m.click("CoolHoverButton8");

        // The print gather of verses 1-7 lists nothing, and its text is copied whole.
        combo("CombToProSeach")->setCurrentIndex(6);
        const int rowsBefore = m_results->rowCount();
        clickLookup("CmdSeachPro");
        const QString text = child<QPlainTextEdit>(m_lookup, "txtForPrint")->toPlainText();
        QString expected;
        for (int verse = 1; verse <= 7; ++verse)
            expected += verseText(QString::number(verse)) + QStringLiteral(" (%1) ").arg(verse);
        QCOMPARE(text, expected);
        QCOMPARE(m_results->rowCount(), rowsBefore);
        QVERIFY(m_lookup->isEnabled() && m.sideBar()->isEnabled());
        clickLookup("copyPrintText");
        QCOMPARE(m.platform.clipboard, text);

        // Header 5 brings the frame back to looking up.
        m.openHeader(5);
        QCOMPARE(child<QPushButton>(m_lookup, "CmdSeachPro")->text(), QStringLiteral("بحث"));
        QVERIFY(!child<QWidget>(m_lookup, "txtForPrint")->isVisible());
    }

    // The text search: whole words as a scan finds them, the details of a verse, copy,
    // its whole sura, nothing found, quotes and blank text.
    void textSearch()
    {
        m.search(QStringLiteral("الله"));
        const QStringList expected =
            stored(QStringLiteral("SELECT ID FROM Ayat where instr(ayaaindex, ' الله ') > 0 order by ID"), QStringLiteral("ID"));
        QCOMPARE(m_results->rowCount(), expected.size());
        QCOMPARE(m.label("SkinLabel4"), QString::number(expected.size()));
        // The first result is on show, its word highlighted.
        QCOMPARE(m_list->currentRow(), 0);
        QVERIFY(m_view->toHtml().contains(QStringLiteral("#ff0000")));
        QVERIFY(m.find("searcht")->isEnabled());
        QVERIFY(m.find("picStrip")->isEnabled());

        // The verse of the throne: its place as the reader knows it.
        m.search(QStringLiteral("القيوم"));
        const ResultList::Row found = m_results->resultRow(0);
        QCOMPARE(m_results->rowText(0), QStringLiteral("البقرة : 255"));
        QCOMPARE(found.id, QStringLiteral("262"));
        const QStringList details = {"2", "255", "42", "3", "مدنية", "286"};
        int at = 0;
        for (const char *detail : {"SkinLabel5", "ayaanolab", "SkinLabel1", "SkinLabel2", "SkinLabel6", "SkinLabel3"})
            QCOMPARE(m.label(detail), details.at(at++));
        QVERIFY(m_view->toPlainText().startsWith(verseText(QStringLiteral("262")).section(u' ', 0, 4)));
        QVERIFY(m_view->toPlainText().endsWith(QStringLiteral("[البقرة : 255]")));

        // The menu's copy takes the verse on show with its reference.
        m_results->resultMenuEntry(QStringLiteral("copy12"))->trigger();
        QCOMPARE(m.platform.clipboard, verseText(QStringLiteral("262")) + QStringLiteral(" [البقرة : 255]"));

        // Its whole sura keeps the highlight.
        m_results->resultMenuEntry(QStringLiteral("serach4"))->trigger();
        QCOMPARE(m_results->rowCount(), 286);
        m_list->setCurrentRow(254);
        QVERIFY(m_view->toHtml().contains(QStringLiteral("#ff0000")));

        // Nothing found: said, with no details of the verse shown before; the text is trimmed.
        m.search(QStringLiteral("  كلمةليستفيالقرآن  "));
        QCOMPARE(m_results->rowCount(), 0);
        QCOMPARE(m.label("SkinLabel4"), QStringLiteral("0"));
        QVERIFY(m_view->toPlainText().startsWith(QStringLiteral("لم يعثر على \"كلمةليستفيالقرآن\"")));
        for (const char *detail : {"SkinLabel5", "ayaanolab", "SkinLabel1", "SkinLabel2", "SkinLabel6", "SkinLabel3"})
            QCOMPARE(m.label(detail), QString());
        QCOMPARE(m.find<SearchBox>("searcht")->text(), QStringLiteral("كلمةليستفيالقرآن"));

        // Quotes are searched for, never let out of the pattern: the query runs (a failed
        // one would be told) and finds nothing.
        const qsizetype told = m.platform.messages.size();
        m.search(QStringLiteral("x' or '1'='1'"));
        QCOMPARE(m.platform.messages.size(), told);
        QCOMPARE(m_results->rowCount(), 0);

        // Blank text: no query, the previous results stay.
        m.search(QStringLiteral("الرحمن"));
        const int rows = m_results->rowCount();
        m.search(QStringLiteral("   "));
        QCOMPARE(m_results->rowCount(), rows);
    }

    void theReadersSpelling()
    {
        // Nothing as typed: the folded pass says so above the verse and marks the word it matched.
        m.search(QStringLiteral("ابراهيم"));
        QCOMPARE(m_results->rowCount(), 56);
        QCOMPARE(m.find<SearchBox>("searcht")->text(), QStringLiteral("ابراهيم"));
        QVERIFY(m_view->toPlainText().startsWith(QStringLiteral("لم يعثر على \"ابراهيم\" كما كتبت؛ هذه نتائج \"إبراهيم\"")));
        QCOMPARE(searchFormOfTypedText(textDrawnIn(m_view->document(), Qt::red).trimmed()), QStringLiteral("إبراهيم"));
        m_list->setCurrentRow(3);
        QVERIFY(m_view->toPlainText().startsWith(QStringLiteral("لم يعثر على")));

        // An exact search says nothing; "موسى" also finds and marks "ياموسى".
        m.search(QStringLiteral("موسى"));
        QVERIFY(!m_view->toPlainText().contains(QStringLiteral("لم يعثر")));
        m_list->setCurrentRow(int(m.rows().indexOf(QStringLiteral("الأعراف : 144"))));
        QCOMPARE(searchFormOfTypedText(textDrawnIn(m_view->document(), Qt::red).trimmed()), QStringLiteral("ياموسى"));
        const QStringList moses = m.rows();

        // Found by neither pass: the nearest words of the text, as links that search for them.
        m.search(QStringLiteral("الرحمان"));
        QCOMPARE(m_results->rowCount(), 0);
        QVERIFY(m_view->toPlainText().contains(QStringLiteral("هل تقصد")));
        QTextCursor link = m_view->document()->find(QStringLiteral("الرحمن"));
        link.setPosition(link.selectionStart() + 2);
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, m_view->cursorRect(link).center());
        QCOMPARE(m.find<SearchBox>("searcht")->text(), QStringLiteral("الرحمن"));
        QCOMPARE(m_results->rowCount(), 45);

        // Enter (the window's key), and a pause in typing (the box's own signal), search as
        // the button does.
        auto *box = m.find<SearchBox>("searcht");
        box->setText(QStringLiteral("موسى"));
        box->setFocus();
        QTest::keyClick(box->findChild<QLineEdit *>(), Qt::Key_Return);
        QCOMPARE(m.rows(), moses);

        m.search(QStringLiteral("الرحمن"));
        box->setSearchTiggerInterval(QStringLiteral("50"));
        QLineEdit *field = box->findChild<QLineEdit *>();
        field->clear();
        for (const QChar ch : QStringLiteral("موسى"))
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTRY_COMPARE(m.rows(), moses);
    }

    void optionsShapeTheSearch()
    {
        auto *options = m.find("FrmOptions");
        child<QRadioButton>(options, "withother")->click();
        m.search(QStringLiteral("كتاب"));
        const int partOfWord = m_results->rowCount();
        child<QRadioButton>(options, "alone")->click();
        m.search(QStringLiteral("كتاب"));
        QVERIFY(m_results->rowCount() < partOfWord);

        // One sura: Al-Baqara only, as the search panel says.
        auto *scope = m.find<QLabel>("SearchScopeText");
        QCOMPARE(scope->text(), QStringLiteral("البحث في: القرآن الكريم كاملا"));
        child<QComboBox>(options, "sora")->setCurrentIndex(1);
        child<QRadioButton>(options, "soraop")->click();
        QCOMPARE(scope->text(), QStringLiteral("البحث في: سورة البقرة"));
        QVERIFY(scope->isVisible());
        m.search(QStringLiteral("الله"));
        for (int row = 0; row < m_results->rowCount(); ++row)
            QCOMPARE(m_results->resultRow(row).sura, QStringLiteral("2"));
        // Reopening the options puts the chooser back on the first sura: the panel says so.
        m.click("SearchOptions");
        QCOMPARE(scope->text(), QStringLiteral("البحث في: سورة الفاتحة"));
        child<QComboBox>(options, "part1")->setCurrentIndex(1);
        child<QComboBox>(options, "part2")->setCurrentIndex(3);
        child<QRadioButton>(options, "part12op")->click();
        QCOMPARE(scope->text(), QStringLiteral("البحث من الجزء 2 إلى الجزء 4"));

        // Every word anywhere in the verse.
        child<QRadioButton>(options, "allsearch")->click();
        child<QCheckBox>(options, "Check3")->click();
        m.search(QStringLiteral("العالمين رب"));
        QVERIFY(m.rows().contains(QStringLiteral("الفاتحة : 2")));
        child<QCheckBox>(options, "Check3")->click();
        m.search(QStringLiteral("العالمين رب"));
        QVERIFY(!m.rows().contains(QStringLiteral("الفاتحة : 2")));

        // 4,000 different words, every one required: more than the database can take
        // in one query. The failure is reported and never shown as "nothing found".
        child<QCheckBox>(options, "Check3")->click();
        const QStringList before = m.rows();
        QStringList words;
        for (int i = 0; i < 4000; ++i)
            words.append(QString(QChar(0x0628 + i % 20)) + QChar(0x0628 + i / 20 % 20) + QChar(0x0628 + i / 400));
        m.platform.messages.clear();
        m.search(words.join(u' '));
        QCOMPARE(m.platform.messages.size(), 1);
        QCOMPARE(m.platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(m.rows(), before);
        child<QCheckBox>(options, "Check3")->click();
    }

    void verseViewChoices()
    {
        auto *options = m.find("FrmOptions");
        auto *list = m_list;
        auto *text2 = m.find<QTextEdit>("Text2");
        m.search(QStringLiteral("القيوم"));

        // Without diacritics from the next display on; a click on the row on show redraws it.
        const auto clickRow = [list](int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        };
        const auto drawn = [this] { return m_view->toPlainText(); };
        child<QCheckBox>(options, "Check1")->click();
        clickRow(0);
        QVERIFY(!drawn().contains(QChar(0x064E)));
        child<QCheckBox>(options, "Check1")->click();
        clickRow(0);
        QVERIFY(drawn().contains(QChar(0x064E)));

        // The stored commentary is empty here: the box says so (tst_commentary).
        m.click("CoolHoverButton1");
        QVERIFY(text2->isVisible());
        QVERIFY(text2->toPlainText().isEmpty());
        QCOMPARE(text2->layoutDirection(), Qt::RightToLeft);

        m.click("CoolHoverButton3");
        QVERIFY(text2->toPlainText().contains(QStringLiteral("Allah")));
        QCOMPARE(text2->layoutDirection(), Qt::LeftToRight);

        // An installed translation stays in use for every row until a stored text is chosen.
        auto *menu = m.find<QListWidget>("lstMenu");
        QCOMPARE(menu->item(2)->text(), QStringLiteral("اللغة الفرنسية"));
        menu->setCurrentRow(2);
        Q_EMIT menu->itemDoubleClicked(menu->item(2));
        const QString french = text2->toPlainText();
        QVERIFY(!french.isEmpty() && !french.contains(QStringLiteral("Allah ")));
        list->setCurrentRow(1);
        QVERIFY(text2->toPlainText() != french && !text2->toPlainText().isEmpty());
        QVERIFY(!text2->toPlainText().contains(QStringLiteral("the")));
        m.click("CoolHoverButton3");
        QVERIFY(text2->toPlainText().contains(QStringLiteral("the")));

        // Closing the box keeps filling it.
        m.click("CoolHoverButton4");
        QVERIFY(!text2->isVisible());
        list->setCurrentRow(0);
        QVERIFY(!text2->toPlainText().isEmpty());

        // The translation menu slides out, its rows fit, and it closes when it loses the focus.
        auto *button = m.find("CoolHoverButton15");
        const QPoint closed = menu->pos();
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(menu->isVisible() && menu->isEnabled());
        QVERIFY(!button->isEnabled());
        QTRY_COMPARE(menu->pos(), closed + QPoint(101, 0));

        // The separator does nothing; the first row opens the download page.
        menu->setCurrentRow(1);
        Q_EMIT menu->itemDoubleClicked(menu->item(1));
        QVERIFY(m_results->isVisible());
        menu->setCurrentRow(0);
        Q_EMIT menu->itemDoubleClicked(menu->item(0));
        QVERIFY(m.find("FrmDownloadT")->isVisible());
        QCOMPARE(m.find<QListWidget>("List4")->currentRow(), 0);

        // Losing the focus closes it, back where it started.
        QTRY_VERIFY(menu->isHidden());
        QCOMPARE(menu->pos(), closed);
        QVERIFY(button->isEnabled());
    }

    void rightClickOnTheResultList()
    {
        m.search(QStringLiteral("القيوم"));
        auto *list = m_list;
        auto *popup = m.find<QMenu>("show1");
        list->setCurrentRow(0);

        // Below the last row: nothing selected, no menu.
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(20, list->viewport()->height() - 3));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(!popup->isVisible());

        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, second.center());
        QCOMPARE(list->currentRow(), 1);
        QTRY_VERIFY(popup->isVisible());
        QStringList entries;
        for (const QAction *entry : popup->actions())
            entries.append(entry->objectName());
        QCOMPARE(entries, (QStringList{QStringLiteral("rasm"), QStringLiteral("cutme"), QStringLiteral("serach4"),
                                       QStringLiteral("cutme1"), QStringLiteral("listen"), QStringLiteral("listen2"),
                                       QStringLiteral("listen3"), QStringLiteral("cutme2"), QStringLiteral("copy12")}));

        // The entry under the keyboard is drawn on the skin's green, the others are not.
        QTest::keyClick(popup, Qt::Key_Down);
        QAction *current = popup->activeAction();
        const QImage drawn = popup->grab().toImage();
        const auto ground = [&](QAction *entry) {
            const QRect place = popup->actionGeometry(entry);
            return drawn.pixelColor(place.left() + 3, place.center().y());
        };
        QCOMPARE(ground(current), QColor(0x2f, 0x6b, 0x4f));
        QVERIFY(ground(popup->actions().last()) != QColor(0x2f, 0x6b, 0x4f));
        popup->close();
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
