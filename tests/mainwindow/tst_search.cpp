// The text search and the verse view, driven through the main window on the real database.

#include "controls/CoolHoverButton.h"
#include "core/DataSource.h"
#include "controls/DisplayFont.h"
#include "mainwindow/FrmMain.h"
#include "core/ProgramState.h"
#include "study/ResultsFrame.h"
#include "support/ScriptedPlatform.h"
#include "support/TestHelpers.h"
#include "controls/SearchBox.h"
#include "support/TestProgramFolder.h"
#include "text/TypedText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>

namespace {

QString label(QWidget *window, const char *name)
{
    return child<QLabel>(window, name)->text();
}

// The texts the verse view draws in the highlight colour.
QStringList highlighted(QTextBrowser *view)
{
    QStringList texts;
    for (QTextBlock block = view->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().foreground().color() == QColor(Qt::red))
                texts.append(it.fragment().text().trimmed());
        }
    }
    return texts;
}

// The reference of every result row.
QStringList rows(QWidget *window)
{
    QStringList texts;
    auto *list = child<QListWidget>(window, "suraayaalist");
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgramFolder> m_folder;
    ScriptedPlatform m_platform;
    ProgramState m_state;
    std::unique_ptr<FrmMain> m_window;
    ResultsFrame *m_results = nullptr;

    void search(const QString &text)
    {
        child<SearchBox>(m_window.get(), "searcht")->setText(text);
        QTest::mouseClick(child<QPushButton>(m_window.get(), "search"), Qt::LeftButton);
    }

private Q_SLOTS:
    void initTestCase()
    {
        clearSettings();
        m_folder = std::make_unique<TestProgramFolder>(QStringList{QStringLiteral("quran.qu"), QStringLiteral("24.qut"), QStringLiteral("skn")});
        registerArabicFontSubstitutions();
        m_window = std::make_unique<FrmMain>(m_platform, m_state);
        QVERIFY(m_window->Form_Load());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_results = m_window->findChild<ResultsFrame *>();
    }

    void wholeWordFindsWhatAScanFinds()
    {
        search(QStringLiteral("الله"));
        DataSource scan;
        QVERIFY(scan.openFile(m_folder->path() + QStringLiteral("/quran.qu")));
        QVERIFY(scan.runQuery(QStringLiteral("SELECT ID, ayaaindex FROM Ayat order by ID")));
        QStringList expected;
        for (; !scan.atEnd(); scan.moveNext()) {
            if (scan.text(QStringLiteral("ayaaindex")).contains(QStringLiteral(" الله ")))
                expected.append(scan.text(QStringLiteral("ID")));
        }
        QVERIFY(expected.size() > 1500);
        QCOMPARE(m_results->rowCount(), expected.size());
        for (int row = 0; row < m_results->rowCount(); ++row)
            QCOMPARE(m_results->resultRow(row).id, expected.at(row));
        QCOMPARE(label(m_window.get(), "SkinLabel4"), QString::number(expected.size()));
        QCOMPARE(m_state.SearchWord, QStringLiteral("الله"));
        // The first result is on show, its word highlighted.
        QCOMPARE(child<QListWidget>(m_window.get(), "suraayaalist")->currentRow(), 0);
        QVERIFY(child<QTextBrowser>(m_window.get(), "webPreview")->toHtml().contains(QStringLiteral("#ff0000")));
        QVERIFY(child<SearchBox>(m_window.get(), "searcht")->isEnabled());
        QVERIFY(child<QWidget>(m_window.get(), "picStrip")->isEnabled());
    }

    void verseOfTheThrone()
    {
        search(QStringLiteral("القيوم"));
        const int row = int(rows(m_window.get()).indexOf(QStringLiteral("البقرة : 255")));
        QVERIFY(row >= 0);
        const ResultList::Row found = m_results->resultRow(row);
        QCOMPARE(found.sura, QStringLiteral("2"));
        QCOMPARE(found.verse, QStringLiteral("255"));
        QCOMPARE(found.id, QStringLiteral("262"));
        QVERIFY(found.foundBy.isEmpty());

        child<QListWidget>(m_window.get(), "suraayaalist")->setCurrentRow(row);
        QCOMPARE(label(m_window.get(), "SkinLabel5"), QStringLiteral("2"));
        QCOMPARE(label(m_window.get(), "ayaanolab"), QStringLiteral("255"));
        QCOMPARE(label(m_window.get(), "SkinLabel1"), QStringLiteral("42"));
        QCOMPARE(label(m_window.get(), "SkinLabel2"), QStringLiteral("3"));
        QCOMPARE(label(m_window.get(), "SkinLabel6"), QStringLiteral("مدنية"));
        QCOMPARE(label(m_window.get(), "SkinLabel3"), QStringLiteral("286"));
        DataSource verses;
        QVERIFY(verses.openFile(m_folder->path() + QStringLiteral("/quran.qu")));
        QVERIFY(verses.runQuery(QStringLiteral("SELECT ayaa FROM Ayat where ID = 262")));
        const QString shown = child<QTextBrowser>(m_window.get(), "webPreview")->toPlainText();
        QVERIFY(shown.startsWith(verses.text(QStringLiteral("ayaa")).section(u' ', 0, 4)));
        QVERIFY(shown.endsWith(QStringLiteral("[البقرة : 255]")));
        // A picture of the search panel for looking at by eye (build/screenshots).
        QDir(QStringLiteral(VELMORA_BUILD_DIR)).mkpath(QStringLiteral("screenshots"));
        QVERIFY(m_window->grab().save(QStringLiteral(VELMORA_BUILD_DIR "/screenshots/search.png")));
    }

    void nothingFoundAndTrimming()
    {
        auto *view = child<QTextBrowser>(m_window.get(), "webPreview");
        const auto noVerseDetails = [this] {
            for (const char *detail : {"SkinLabel5", "ayaanolab", "SkinLabel1", "SkinLabel2", "SkinLabel6", "SkinLabel3"})
                QCOMPARE(label(m_window.get(), detail), QString());
        };
        search(QStringLiteral("القيوم"));
        search(QStringLiteral("  كلمةليستفيالقرآن  "));
        QCOMPARE(m_results->rowCount(), 0);
        QCOMPARE(label(m_window.get(), "SkinLabel4"), QStringLiteral("0"));
        QVERIFY(view->toPlainText().startsWith(QStringLiteral("لم يعثر على \"كلمةليستفيالقرآن\"")));
        noVerseDetails();
        QCOMPARE(child<SearchBox>(m_window.get(), "searcht")->text(), QStringLiteral("كلمةليستفيالقرآن"));

        // A topic reference or lookup that lists no verse shows nothing either.
        search(QStringLiteral("القيوم"));
        DataSource none;
        QVERIFY(none.openFile(m_folder->path() + QStringLiteral("/quran.qu")));
        QVERIFY(none.runQuery(QStringLiteral("SELECT * FROM Ayat where ID = 0")));
        m_results->clearResults();
        m_results->appendResults(none);
        m_results->showResultCount();
        m_results->selectFirstResult();
        QVERIFY(view->toPlainText().trimmed().isEmpty());
        noVerseDetails();

        // Quotes are searched for, never let out of the pattern: the query runs (a failed
        // one would be told) and finds nothing.
        const qsizetype told = m_platform.messages.size();
        search(QStringLiteral("x' or '1'='1'"));
        QCOMPARE(m_platform.messages.size(), told);
        QCOMPARE(m_results->rowCount(), 0);

        // Blank text: no query, the previous results stay.
        search(QStringLiteral("الرحمن"));
        const int found = m_results->rowCount();
        search(QStringLiteral("   "));
        QCOMPARE(m_results->rowCount(), found);
        QCOMPARE(child<SearchBox>(m_window.get(), "searcht")->text(), QString());
    }

    void theReadersSpelling()
    {
        auto *view = child<QTextBrowser>(m_window.get(), "webPreview");
        auto *list = child<QListWidget>(m_window.get(), "suraayaalist");

        // Nothing as typed: the folded pass says so above the verse and marks the word it matched.
        search(QStringLiteral("ابراهيم"));
        QCOMPARE(m_results->rowCount(), 56);
        QCOMPARE(child<SearchBox>(m_window.get(), "searcht")->text(), QStringLiteral("ابراهيم"));
        QVERIFY(view->toPlainText().startsWith(QStringLiteral("لم يعثر على \"ابراهيم\" كما كتبت؛ هذه نتائج \"إبراهيم\"")));
        QCOMPARE(highlighted(view).size(), 1);
        QCOMPARE(searchFormOfTypedText(highlighted(view).at(0)), QStringLiteral("إبراهيم"));
        list->setCurrentRow(3);
        QVERIFY(view->toPlainText().startsWith(QStringLiteral("لم يعثر على")));

        // An exact search says nothing; "موسى" also finds and marks "ياموسى".
        search(QStringLiteral("موسى"));
        QVERIFY(!view->toPlainText().contains(QStringLiteral("لم يعثر")));
        const int called = int(rows(m_window.get()).indexOf(QStringLiteral("الأعراف : 144")));
        QVERIFY(called >= 0);
        list->setCurrentRow(called);
        QCOMPARE(searchFormOfTypedText(highlighted(view).value(0)), QStringLiteral("ياموسى"));

        // Found by neither pass: the nearest words of the text, as links that search for them.
        search(QStringLiteral("الرحمان"));
        QCOMPARE(m_results->rowCount(), 0);
        QVERIFY(view->toPlainText().contains(QStringLiteral("هل تقصد")));
        QTextCursor link = view->document()->find(QStringLiteral("الرحمن"));
        QVERIFY(link.charFormat().isAnchor());
        link.setPosition(link.selectionStart() + 2);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(link).center());
        QCOMPARE(child<SearchBox>(m_window.get(), "searcht")->text(), QStringLiteral("الرحمن"));
        QCOMPARE(m_results->rowCount(), 45);
    }

    void buttonEnterAndPauseAgree()
    {
        auto *box = child<SearchBox>(m_window.get(), "searcht");
        search(QStringLiteral("موسى"));
        const QStringList byButton = rows(m_window.get());
        QVERIFY(byButton.size() > 100);

        search(QStringLiteral("الرحمن"));
        box->setText(QStringLiteral("موسى"));
        box->setFocus();
        QTest::keyClick(box->findChild<QLineEdit *>(), Qt::Key_Return);
        QCOMPARE(rows(m_window.get()), byButton);

        search(QStringLiteral("الرحمن"));
        box->setSearchTiggerInterval(QStringLiteral("50"));
        QLineEdit *field = box->findChild<QLineEdit *>();
        field->clear();
        for (const QChar ch : QStringLiteral("موسى"))
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTRY_COMPARE(rows(m_window.get()), byButton);
        QCOMPARE(m_window->findChild<QWidget *>(QStringLiteral("FrmMain"))->isVisible(), true);
    }

    void optionsShapeTheSearch()
    {
        auto *options = child<QWidget>(m_window.get(), "FrmOptions");
        child<QRadioButton>(options, "withother")->click();
        search(QStringLiteral("كتاب"));
        const int partOfWord = m_results->rowCount();
        child<QRadioButton>(options, "alone")->click();
        search(QStringLiteral("كتاب"));
        QVERIFY(m_results->rowCount() < partOfWord);

        // One sura: Al-Baqara only, as the search panel says.
        auto *scope = child<QLabel>(m_window.get(), "SearchScopeText");
        QCOMPARE(scope->text(), QStringLiteral("البحث في: القرآن الكريم كاملا"));
        child<QComboBox>(options, "sora")->setCurrentIndex(1);
        child<QRadioButton>(options, "soraop")->click();
        QCOMPARE(scope->text(), QStringLiteral("البحث في: سورة البقرة"));
        QVERIFY(scope->isVisible());
        search(QStringLiteral("الله"));
        for (int row = 0; row < m_results->rowCount(); ++row)
            QCOMPARE(m_results->resultRow(row).sura, QStringLiteral("2"));
        // Reopening the options puts the chooser back on the first sura: the panel says so.
        QTest::mouseClick(child<QPushButton>(m_window.get(), "SearchOptions"), Qt::LeftButton);
        QCOMPARE(scope->text(), QStringLiteral("البحث في: سورة الفاتحة"));
        child<QComboBox>(options, "part1")->setCurrentIndex(1);
        child<QComboBox>(options, "part2")->setCurrentIndex(3);
        child<QRadioButton>(options, "part12op")->click();
        QCOMPARE(scope->text(), QStringLiteral("البحث من الجزء 2 إلى الجزء 4"));

        // Every word anywhere in the verse.
        child<QRadioButton>(options, "allsearch")->click();
        child<QCheckBox>(options, "Check3")->click();
        search(QStringLiteral("العالمين رب"));
        QVERIFY(rows(m_window.get()).contains(QStringLiteral("الفاتحة : 2")));
        child<QCheckBox>(options, "Check3")->click();
        search(QStringLiteral("العالمين رب"));
        QVERIFY(!rows(m_window.get()).contains(QStringLiteral("الفاتحة : 2")));

        // 4,000 different words, every one required: more than the database can take
        // in one query. The failure is reported and never shown as "nothing found".
        child<QCheckBox>(options, "Check3")->click();
        const QStringList before = rows(m_window.get());
        QStringList words;
        for (int i = 0; i < 4000; ++i)
            words.append(QString(QChar(0x0628 + i % 20)) + QChar(0x0628 + i / 20 % 20) + QChar(0x0628 + i / 400));
        m_platform.messages.clear();
        search(words.join(u' '));
        QCOMPARE(m_platform.messages.size(), 1);
        QCOMPARE(m_platform.messages.first().title, QStringLiteral("خطأ"));
        QCOMPARE(rows(m_window.get()), before);
        child<QCheckBox>(options, "Check3")->click();
    }

    void verseViewChoices()
    {
        auto *options = child<QWidget>(m_window.get(), "FrmOptions");
        auto *list = child<QListWidget>(m_window.get(), "suraayaalist");
        auto *text1 = child<QLineEdit>(m_window.get(), "Text1");
        auto *text2 = child<QTextEdit>(m_window.get(), "Text2");
        search(QStringLiteral("القيوم"));

        // Without diacritics from the next display on; a click on the row on show redraws it.
        const auto clickRow = [list](int row) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
        };
        const auto drawn = [this] { return child<QTextBrowser>(m_window.get(), "webPreview")->toPlainText(); };
        child<QCheckBox>(options, "Check1")->click();
        clickRow(0);
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(!drawn().contains(QChar(0x064E)));
        child<QCheckBox>(options, "Check1")->click();
        clickRow(0);
        QVERIFY(drawn().contains(QChar(0x064E)));

        // The stored commentary is empty here: the box says so (tst_commentary).
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton1"), Qt::LeftButton);
        QVERIFY(text2->isVisible());
        QVERIFY(text2->toPlainText().isEmpty());
        QCOMPARE(text2->layoutDirection(), Qt::RightToLeft);

        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton3"), Qt::LeftButton);
        QVERIFY(text2->toPlainText().contains(QStringLiteral("Allah")));
        QCOMPARE(text2->layoutDirection(), Qt::LeftToRight);

        // An installed translation stays in use for every row until a stored text is chosen.
        auto *menu = child<QListWidget>(m_window.get(), "lstMenu");
        QCOMPARE(menu->item(2)->text(), QStringLiteral("اللغة الفرنسية"));
        menu->setCurrentRow(2);
        Q_EMIT menu->itemDoubleClicked(menu->item(2));
        const QString french = text2->toPlainText();
        QVERIFY(!french.isEmpty() && !french.contains(QStringLiteral("Allah ")));
        list->setCurrentRow(1);
        QVERIFY(text2->toPlainText() != french && !text2->toPlainText().isEmpty());
        QVERIFY(!text2->toPlainText().contains(QStringLiteral("the")));
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton3"), Qt::LeftButton);
        QVERIFY(text2->toPlainText().contains(QStringLiteral("the")));

        // Closing the box keeps filling it.
        QTest::mouseClick(child<CoolHoverButton>(m_window.get(), "CoolHoverButton4"), Qt::LeftButton);
        QVERIFY(!text2->isVisible());
        list->setCurrentRow(0);
        QVERIFY(!text2->toPlainText().isEmpty());
    }

    void translationMenu()
    {
        auto *menu = child<QListWidget>(m_window.get(), "lstMenu");
        auto *button = child<CoolHoverButton>(m_window.get(), "CoolHoverButton15");
        const QPoint closed = menu->pos();
        QTest::mousePress(button, Qt::LeftButton);
        QTest::mouseRelease(button, Qt::LeftButton);
        QVERIFY(menu->isVisible() && menu->isEnabled());
        QVERIFY(!button->isEnabled());
        QTRY_COMPARE(menu->pos(), closed + QPoint(101, 0));
        // Every row fits: nothing clipped, no sideways scrolling.
        QVERIFY(menu->sizeHintForColumn(0) <= menu->viewport()->width());
        QVERIFY(!menu->horizontalScrollBar()->isVisible());

        // The separator does nothing; the first row opens the download page.
        menu->setCurrentRow(1);
        Q_EMIT menu->itemDoubleClicked(menu->item(1));
        QVERIFY(child<QWidget>(m_window.get(), "FrmMain")->isVisible());
        menu->setCurrentRow(0);
        Q_EMIT menu->itemDoubleClicked(menu->item(0));
        QVERIFY(child<QWidget>(m_window.get(), "FrmDownloadT")->isVisible());
        QCOMPARE(child<QListWidget>(m_window.get(), "List4")->currentRow(), 0);

        // Losing the focus closes it, back where it started.
        QTRY_VERIFY(menu->isHidden());
        QCOMPARE(menu->pos(), closed);
        QVERIFY(button->isEnabled());
    }

    void rightClickOnTheResultList()
    {
        search(QStringLiteral("القيوم"));
        auto *list = child<QListWidget>(m_window.get(), "suraayaalist");
        auto *popup = m_window->findChild<QMenu *>(QStringLiteral("show1"));
        list->setCurrentRow(0);

        // Below the last row: nothing selected, no menu.
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, QPoint(20, list->viewport()->height() - 3));
        QCOMPARE(list->currentRow(), 0);
        QVERIFY(!popup->isVisible());

        const QRect second = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::RightButton, {}, second.center());
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(label(m_window.get(), "ayaanolab"), m_results->resultRow(1).verse);
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
        QVERIFY(current);
        const QImage drawn = popup->grab().toImage();
        const auto ground = [&](QAction *entry) {
            const QRect place = popup->actionGeometry(entry);
            return drawn.pixelColor(place.left() + 3, place.center().y());
        };
        QCOMPARE(ground(current), QColor(0x2f, 0x6b, 0x4f));
        QVERIFY(ground(popup->actions().last()) != QColor(0x2f, 0x6b, 0x4f));
        QDir(QStringLiteral(VELMORA_BUILD_DIR)).mkpath(QStringLiteral("screenshots"));
        drawn.save(QStringLiteral(VELMORA_BUILD_DIR "/screenshots/result-menu.png"));
        popup->close();
    }
};

QTEST_MAIN(TestSearch)
#include "tst_search.moc"
