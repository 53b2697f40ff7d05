#include "mainwindow/FrmMain.h"

#include "controls/CoolHoverButton.h"
#include "controls/DisplayFont.h"
#include "shell/FrmAbout.h"
#include "study/FrmCollect1.h"
#include "media/FrmDownloadT.h"
#include "memorise/FrmEnterPage.h"
#include "media/FrmLst2Quran.h"
#include "controls/FrmHelp.h"
#include "shell/FrmOptions.h"
#include "memorise/FrmSaveQuran.h"
#include "search/FrmProSearch.h"
#include "media/FrmRasm.h"
#include "reader/FrmRead.h"
#include "study/FrmSubBook.h"
#include "net/FrmUpdate.h"
#include "media/Listn2Quran.h"
#include "media/PlayerStrip.h"
#include "media/RecitationPlayer.h"
#include "core/Platform.h"
#include "core/Named.h"
#include "core/ProgramFolder.h"
#include "core/ProgramState.h"
#include "study/ResultsFrame.h"
#include "search/RootSearch.h"
#include "controls/SearchBox.h"
#include "core/Servers.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "controls/SideBar.h"
#include "mainwindow/MainSideBar.h"
#include "mainwindow/StartupDatabases.h"
#include "controls/Skin.h"
#include "search/TextSearchQuery.h"
#include "core/Twips.h"
#include "text/TypedText.h"
#include "search/VersePage.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int Margin = 6;
constexpr int SideBarWidth = 200;

// How the program ends after a download, so that the next start installs it: every
// window closes and the event loop ends.
void closeProgram()
{
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}

} // namespace

FrmMain::FrmMain(Platform &platform, ProgramState &state, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_state(state)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("فيلمورا - القرآن الكريم"));
    setLayoutDirection(Qt::RightToLeft);
    // A fixed window: any resize snaps back to this size.
    setFixedSize(twips(10970), twips(6755));

    const QRect content(Margin, Margin, width() - 3 * Margin - SideBarWidth, height() - 2 * Margin);
    picStrip = createMainSideBar(QSize(SideBarWidth, content.height()), this);
    picStrip->move(width() - Margin - SideBarWidth, Margin);
    connect(picStrip, &SideBar::stripClicked, this, &FrmMain::strip_Click);

    m_player = new RecitationPlayer(platform, this);
    frmOptions = new FrmOptions(platform, state, Servers::names(Servers::load().wholeSuraReciters), this);
    resultsFrame = new ResultsFrame(platform, state, Adodc2, Adodc3, *frmOptions, this);
    frmProSearch = new FrmProSearch(platform, state, Adodc1, *resultsFrame, this);
    frmLst2Quran = new FrmLst2Quran(platform, Servers::load(), *m_player, this);
    frmSubBook = new FrmSubBook(state, *resultsFrame, Adodc1, this);
    frmCollect1 = new FrmCollect1(platform, state, Adodc1, *frmOptions, this);
    frmDownloadT = new FrmDownloadT(platform, state, [this] { return frmOptions->serverAddress(); }, closeProgram, this);
    frmAbout = new FrmAbout(platform, this);
    m_contentFrames = {resultsFrame, frmOptions, frmProSearch, frmLst2Quran,
                       frmSubBook,   frmCollect1, frmDownloadT, frmAbout};
    for (QWidget *frame : m_contentFrames) {
        frame->setGeometry(content);
        frame->hide();
    }
    new PlayerStrip(*m_player, this);
    connect(frmOptions, &FrmOptions::displayFontChanged, this, &FrmMain::setDisplayFont);
    connect(resultsFrame, &ResultsFrame::translationDownloadRequested, this, [this] {
        showContentFrame(frmDownloadT);
        frmDownloadT->selectFirstTranslation();
    });
    connect(resultsFrame, &ResultsFrame::suggestionClicked, this, [this](const QString &text) {
        searcht->setText(text);
        search_Click();
    });
    connect(resultsFrame, &ResultsFrame::verseDatabaseReplaced, this,
            [this] { Adodc1.openFile(ProgramFolder::file(QStringLiteral("quran.qu"))); });
    connect(resultsFrame, &ResultsFrame::resultDoubleClicked, this, [this](int row) {
        frmCollect1->addVerse(resultsFrame->rowText(row), resultsFrame->resultRow(row).id, resultsFrame->verseShown());
    });
    connect(resultsFrame->resultMenuEntry(QStringLiteral("serach4")), &QAction::triggered, this,
            [this] { frmProSearch->serach4_Click(resultsFrame->selectedRow()); });
    // The listening entries act on the verse on show (reciter code 1; the whole sura
    // by the reciter stored in "ReaderName").
    const auto listenTo = [this](const char *entry, void (*listen)(Platform &, const Servers &, RecitationPlayer &, int, int)) {
        connect(resultsFrame->resultMenuEntry(QLatin1String(entry)), &QAction::triggered, this, [this, listen] {
            if (!resultsFrame->verseShown() || resultsFrame->selectedRow() < 0)
                return;
            const ResultList::Row verse = resultsFrame->resultRow(resultsFrame->selectedRow());
            listen(m_platform, Servers::load(), *m_player, verse.sura.toInt(), verse.verse.toInt());
        });
    };
    listenTo("listen", &Listn2Quran::listenVerse);
    listenTo("listen2", &Listn2Quran::listenToSuraEnd);
    listenTo("listen3", [](Platform &platform, const Servers &servers, RecitationPlayer &player, int sura, int) {
        Listn2Quran::listenWholeSura(platform, servers, player, sura);
    });
    connect(resultsFrame->resultMenuEntry(QStringLiteral("rasm")), &QAction::triggered, this, [this] {
        if (resultsFrame->rowCount() == 0 || resultsFrame->selectedRow() < 0)
            return;
        const ResultList::Row verse = resultsFrame->resultRow(resultsFrame->selectedRow());
        m_state.RasmSura = verse.sura.toInt();
        m_state.RasmAyaa = verse.verse.toInt();
        FrmRasm::open(m_platform, m_state, this);
    });
    connect(frmProSearch, &FrmProSearch::showResultsRequested, this, [this] { strip_Click(0); });
    connect(frmProSearch, &FrmProSearch::sideBarEnabledRequested, picStrip, &QWidget::setEnabled);
    connect(frmCollect1, &FrmCollect1::showRequested, this, [this] { showContentFrame(frmCollect1); });
    connect(frmSubBook, &FrmSubBook::showResults, this, &FrmMain::showResultsFrame);
    connect(frmOptions, &FrmOptions::helpRequested, this, [this](int topic) { showHelp(m_state, topic, this); });
    connect(frmProSearch, &FrmProSearch::helpRequested, this, [this](int topic) { showHelp(m_state, topic, this); });

    // The memorisation window lives for the whole run; header 3 stays closed while its
    // tracker is open.
    frmEnterPage = new FrmEnterPage(platform, state, this);
    connect(frmEnterPage, &FrmEnterPage::trackerOpenChanged, this,
            [this](bool open) { picStrip->strip(3)->setEnabled(!open); });
    connect(frmEnterPage, &FrmEnterPage::trackerOpened, this, &FrmMain::connectTracker);

    createPanels();
    qApp->installEventFilter(this);
}

FrmMain::~FrmMain()
{
    qApp->removeEventFilter(this);
    Settings::setWriteFailureHandler({});
}

void FrmMain::createPanels()
{
    // Header 0: the search box and its commands.
    QWidget *searchPanel = picStrip->PicFrame(0);
    searcht = named(new SearchBox(searchPanel), "searcht");
    search = named(new QPushButton(QStringLiteral("بحث"), searchPanel), "search");
    SearchOptions = named(new QPushButton(QStringLiteral("خصائص البحث"), searchPanel), "SearchOptions");
    // Where the next search looks, kept in view: reopening the options resets the choosers.
    SearchScopeText = named(new QLabel(searchPanel), "SearchScopeText");
    SearchScopeText->setWordWrap(true);
    SearchScopeText->setStyleSheet(QStringLiteral("font-weight: bold; color: #2f6b4f;"));
    auto *searchLayout = static_cast<QVBoxLayout *>(searchPanel->layout());
    searchLayout->insertWidget(0, searcht);
    searchLayout->insertWidget(1, search);
    searchLayout->insertWidget(2, SearchScopeText);
    searchLayout->addWidget(SearchOptions);
    showSearchScope();
    connect(frmOptions, &FrmOptions::scopeChanged, this, &FrmMain::showSearchScope);
    connect(search, &QPushButton::clicked, this, &FrmMain::search_Click);
    // The command itself brings the results frame forward first.
    connect(searcht, &SearchBox::SearchRequested, this, &FrmMain::search_Click);
    connect(searcht, &SearchBox::GotFocus, this, [this] { m_platform.activateArabicKeyboard(); });
    connect(SearchOptions, &QPushButton::clicked, this, &FrmMain::CoolHoverButton9_Click);

    // Header 6: gathering.
    CoolHoverButton8 = panelCommand("CoolHoverButton8", QStringLiteral("جمع الآيات المختارة"), picStrip->PicFrame(6));
    CoolHoverButton12 = panelCommand("CoolHoverButton12", QStringLiteral("جمع سور / آيات للطباعة"), picStrip->PicFrame(6));
    // Header 7: options and help.
    CoolHoverButton9 = panelCommand("CoolHoverButton9", QStringLiteral("خصائص البرنامج"), picStrip->PicFrame(7));
    CoolHoverButton13 = panelCommand("CoolHoverButton13", QStringLiteral("تحديث البرنامج"), picStrip->PicFrame(7));
    CoolHoverButton14 = panelCommand("CoolHoverButton14", QStringLiteral("عن البرنامج"), picStrip->PicFrame(7));
    for (CoolHoverButton *button : {CoolHoverButton8, CoolHoverButton12, CoolHoverButton9, CoolHoverButton13, CoolHoverButton14})
        button->parentWidget()->layout()->addWidget(button);
    for (int i = 0; i < picStrip->count(); ++i)
        static_cast<QVBoxLayout *>(picStrip->PicFrame(i)->layout())->addStretch();

    // Tab walks the side bar first, as it stands at the right: each header, then the
    // commands of its panel; the content frame follows.
    const QList<QList<QWidget *>> panelCommands = {
        {searcht, search, SearchOptions}, {}, {}, {}, {}, {},
        {CoolHoverButton8, CoolHoverButton12}, {CoolHoverButton9, CoolHoverButton13, CoolHoverButton14}};
    QList<QWidget *> chain;
    for (int i = 0; i < picStrip->count(); ++i)
        chain << picStrip->strip(i) << panelCommands.at(i);
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));

    connect(CoolHoverButton8, &CoolHoverButton::Click, this, [this] { frmCollect1->CoolHoverButton8_Click(); });
    connect(CoolHoverButton12, &CoolHoverButton::Click, this, [this] {
        showContentFrame(frmProSearch);
        frmProSearch->showGatherMode();
    });
    connect(CoolHoverButton9, &CoolHoverButton::Click, this, &FrmMain::CoolHoverButton9_Click);
    connect(CoolHoverButton13, &CoolHoverButton::Click, this, &FrmMain::CoolHoverButton13_Click);
    connect(CoolHoverButton14, &CoolHoverButton::Click, this, [this] { showContentFrame(frmAbout); });
}

bool FrmMain::Form_Load()
{
    // 1. One copy at a time.
    if (!m_instance.tryLock()) {
        m_platform.message(SingleInstance::refusal());
        return false;
    }

    // A setting that could not be written is lost at the next start: said once a run.
    Settings::setWriteFailureHandler([this](const QString &) {
        if (std::exchange(m_settingLossReported, true))
            return;
        m_platform.message(QStringLiteral("تعذر حفظ إعدادات البرنامج (قد يكون القرص ممتلئا أو مجلد الإعدادات للقراءة "
                                          "فقط)، لذلك لن يتذكر البرنامج آخر ما اخترته عند التشغيل القادم."),
                           QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
    });

    // 2. Centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() / 2 - width() / 2, area.height() / 2 - height() / 2);
    }

    // 3. The program's look.
    applySkin(this);

    // 4-5. Installed translations into the translation menu.
    const QStringList translations = QDir(ProgramFolder::path()).entryList({QStringLiteral("*.qut")}, QDir::Files, QDir::Name);
    resultsFrame->fillTranslationMenu(translations);

    // 6. The side bar.
    picStrip->layOut();

    // 7. The image caches.
    QDir folder(ProgramFolder::path());
    folder.mkpath(QStringLiteral("pic"));
    folder.mkpath(QStringLiteral("pic2"));

    // 8-9. A database downloaded last time takes its place now; then the databases.
    if (!openStartupDatabases(m_platform, {Adodc1, Adodc2, Adodc4, Adodc5}))
        return false;

    // 10. Arabic typing.
    m_platform.activateArabicKeyboard();

    // 11. The reader's settings.
    loadSettings();

    // 12-13. The search panel, with the commentary box closed.
    strip_Click(0);
    resultsFrame->closeCommentaryLayout();
    return true;
}

void FrmMain::loadSettings()
{
    setDisplayFont(storedDisplayFont(resultsFrame->displayFont()));
    frmOptions->loadSettings();
    searcht->setSearchTiggerInterval(Settings::value(SettingKeys::SearchInterval, QStringLiteral("1000")));
    m_state.HighlightColor = Settings::value(SettingKeys::TheColor, SettingKeys::DefaultTheColor);
}

void FrmMain::showResultsFrame()
{
    picStrip->openHeader(0);
    showContentFrame(resultsFrame);
}

void FrmMain::strip_Click(int index)
{
    picStrip->openHeader(index);
    switch (index) {
    case 0:
        showContentFrame(resultsFrame);
        resultsFrame->refreshSelection();
        break;
    case 1:
        openReader();
        break;
    case 2:
        showContentFrame(frmLst2Quran);
        frmLst2Quran->selectFirstChoices();
        break;
    case 3:
        frmEnterPage->Form_Load();
        frmEnterPage->show();
        frmEnterPage->raise();
        break;
    case 4:
        frmSubBook->openTopics();
        showContentFrame(frmSubBook);
        break;
    case 5:
        showContentFrame(frmProSearch);
        frmProSearch->showLookupMode();
        break;
    default:
        // 6 and 7 only open their panels.
        break;
    }
}

// The tracker's script-image and recitation entries use the same windows and
// recitations as the main window's result menu.
void FrmMain::connectTracker(FrmSaveQuran *tracker)
{
    connect(tracker, &FrmSaveQuran::scriptImageRequested, this,
            [this, tracker] { FrmRasm::open(m_platform, m_state, tracker); });
    connect(tracker, &FrmSaveQuran::verseRangeRecitationRequested, this, [this](int sura, int first, int last, int code) {
        Listn2Quran::PlayVerseRange(m_platform, Servers::load(), *m_player, sura, first, last, code);
    });
    connect(tracker, &FrmSaveQuran::wholeSuraRecitationRequested, this, [this](int suraIndex, int reciterRow) {
        Listn2Quran::PlayWholeSura(m_platform, Servers::load(), *m_player, suraIndex, reciterRow);
    });
    new PlayerStrip(*m_player, tracker);
}

void FrmMain::openReader()
{
    if (!frmRead) {
        frmRead = new FrmRead(m_platform, [this](int sura, int first, int last, int reciter) {
            Listn2Quran::PlayVerseRange(m_platform, Servers::load(), *m_player, sura, first, last, reciter);
        });
        new PlayerStrip(*m_player, frmRead);
        frmRead->Form_Load();
    }
    frmRead->show();
    frmRead->raise();
}

void FrmMain::showContentFrame(QWidget *frame)
{
    for (QWidget *other : m_contentFrames) {
        if (other != frame)
            other->hide();
    }
    frame->show();
}

// The verse view, the collection and the print text all draw verses in the reader's font.
void FrmMain::setDisplayFont(const QFont &font)
{
    resultsFrame->setDisplayFont(font);
    frmCollect1->setDisplayFont(font);
    frmProSearch->setDisplayFont(font);
}

void FrmMain::CoolHoverButton9_Click()
{
    frmOptions->SearchOptions_Click(resultsFrame->displayFont());
    showContentFrame(frmOptions);
}

void FrmMain::showSearchScope()
{
    SearchScopeText->setText(searchScopeText(m_state.SearchScope, frmOptions->searchChoices()));
}

void FrmMain::CoolHoverButton13_Click()
{
    auto *update = new FrmUpdate(m_platform, m_state, frmOptions->serverAddress(), closeProgram, this);
    update->open();
}

void FrmMain::search_Click()
{
    const QString text = searcht->text().trimmed();
    searcht->setText(text);
    picStrip->setEnabled(false);
    searcht->setEnabled(false);
    resultsFrame->clearShownVerse();
    showContentFrame(resultsFrame);
    // Nothing to search for: a blank box, or only marks that search form drops.
    if (searchFormOfTypedText(text).isEmpty()) {
        picStrip->setEnabled(true);
        searcht->setEnabled(true);
        return;
    }

    m_state.SearchWord = text;
    m_state.SearchWordColumn = QStringLiteral("ayaaindex");
    const SearchChoices options = frmOptions->searchChoices();
    TextSearchResult found;
    if (options.byRoot) {
        RootSearch rootSearch(m_platform, m_state, Adodc1, Adodc4, Adodc5, *resultsFrame,
                              [this](const QString &page) { WriteHtmlPage(page); });
        if (!rootSearch.run(searchFormOfTypedText(text), m_state.SearchScope, options, resultsFrame->displayFont())) {
            // Stopped at a message: the previous results stay as they were.
            picStrip->setEnabled(true);
            searcht->setEnabled(true);
            searcht->setFocus();
            return;
        }
    } else {
        found = m_textSearch.run(text, m_state.SearchScope, options);
        if (!found.ok) {
            // Never shown as "nothing found": the previous results stay, and the reader is told.
            m_platform.message(QStringLiteral("تعذر إجراء هذا البحث، وقد يكون نص البحث طويلا أو مركبا أكثر مما يحتمله "
                                              "البرنامج. لم تتغير النتائج السابقة."),
                               QStringLiteral("خطأ"), Platform::Buttons::Ok, Platform::Icon::Warning);
            picStrip->setEnabled(true);
            searcht->setEnabled(true);
            resultsFrame->refreshSelection();
            return;
        }
        m_state.SearchWord = found.highlightWord;
        m_state.SearchWordColumn = found.highlightColumn;
        resultsFrame->clearResults();
        resultsFrame->appendResults(Adodc1);
        if (found.forgiving)
            resultsFrame->setSearchNotice(forgivingSearchNotice(text, found.foundSpelling));
    }

    picStrip->setEnabled(true);
    searcht->setEnabled(true);
    resultsFrame->showResultCount();
    resultsFrame->selectFirstResult();
    if (!options.byRoot && found.ok && resultsFrame->rowCount() == 0) {
        const QFont font = resultsFrame->displayFont();
        WriteHtmlPage(nothingFoundPage(font.family(), font.pointSizeF(), text, m_textSearch.suggestions(found.searchForm)));
    }
    // The first verse is drawn already; drawing it again would double the search's work.
    showResultsFrame();
    searcht->setFocus();
}

void FrmMain::WriteHtmlPage(const QString &html)
{
    resultsFrame->WriteHtmlPage(html);
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event)
{
    // Enter anywhere in this window searches, before any control sees the key.
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && widget && widget->window() == this) {
            search_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_activated) {
        m_activated = true;
        resultsFrame->WriteHtmlPage(QString());
    }
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Every other window goes with the main window; nothing is saved here.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
    QCoreApplication::quit();
}
