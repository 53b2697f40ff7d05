#pragma once

#include "core/DataSource.h"
#include "core/SingleInstance.h"
#include "search/TextSearch.h"

#include <QList>
#include <QPointer>
#include <QWidget>


class CoolHoverButton;
class FrmAbout;
class FrmCollect1;
class FrmDownloadT;
class FrmEnterPage;
class FrmLst2Quran;
class FrmRead;
class FrmSaveQuran;
class FrmOptions;
class FrmProSearch;
class FrmSubBook;
class Platform;
class QLabel;
class QPushButton;
class RecitationPlayer;
class ResultsFrame;
class SearchBox;
class SideBar;
struct ProgramState;

// The main window: the side bar with its eight headers and panels, the eight content
// frames of which one is shown at a time, start-up and shutdown.
class FrmMain : public QWidget
{
    Q_OBJECT

public:
    FrmMain(Platform &platform, ProgramState &state, QWidget *parent = nullptr);
    ~FrmMain() override;

    // The start-up sequence. False when the program must end at once: another copy is
    // running, or the verse database cannot be opened (the reader has been told why).
    bool Form_Load();

    // The side-bar header command.
    void strip_Click(int index);
    // The text search command: the search button, Enter, and a pause in typing.
    void search_Click();
    void WriteHtmlPage(const QString &html);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createPanels();
    // Header 1: the page reader, a window of its own.
    void openReader();
    void connectTracker(FrmSaveQuran *tracker);
    // Shows one content frame and hides the seven others.
    void showContentFrame(QWidget *frame);
    // Header 0 open and the results frame on show, its verse as already drawn.
    void showResultsFrame();
    void loadSettings();
    void setDisplayFont(const QFont &font);
    void showSearchScope();
    void CoolHoverButton9_Click();
    void CoolHoverButton13_Click();

    Platform &m_platform;
    ProgramState &m_state;
    SingleInstance m_instance;
    bool m_activated = false;
    bool m_settingLossReported = false;

    DataSource Adodc1; // search results
    DataSource Adodc2; // the verse on show
    DataSource Adodc3; // the translation file in use, if any
    DataSource Adodc4; // root database: word forms
    DataSource Adodc5; // root database: roots
    TextSearch m_textSearch{Adodc1};

    // The one recitation player of the program; each window with listening commands
    // shows it in a PlayerStrip of its own.
    RecitationPlayer *m_player = nullptr;

    SideBar *picStrip = nullptr;
    SearchBox *searcht = nullptr;
    QPushButton *search = nullptr;
    QPushButton *SearchOptions = nullptr;
    QLabel *SearchScopeText = nullptr;

    ResultsFrame *resultsFrame = nullptr;
    FrmOptions *frmOptions = nullptr;
    FrmProSearch *frmProSearch = nullptr;
    FrmLst2Quran *frmLst2Quran = nullptr;
    FrmSubBook *frmSubBook = nullptr;
    FrmCollect1 *frmCollect1 = nullptr;
    FrmDownloadT *frmDownloadT = nullptr;
    FrmAbout *frmAbout = nullptr;
    FrmEnterPage *frmEnterPage = nullptr;
    QPointer<FrmRead> frmRead;
    QList<QWidget *> m_contentFrames;

    CoolHoverButton *CoolHoverButton8 = nullptr;
    CoolHoverButton *CoolHoverButton12 = nullptr;
    CoolHoverButton *CoolHoverButton9 = nullptr;
    CoolHoverButton *CoolHoverButton13 = nullptr;
    CoolHoverButton *CoolHoverButton14 = nullptr;
};
