#pragma once

#include "core/DataSource.h"
#include "memorise/FrmSaveTiny.h"
#include "memorise/Marking.h"

#include <QHash>
#include <QWidget>

#include <functional>

class CoolHoverButton;
class Platform;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class SideBar;
class UserDatabase;
class VorelProgress;
struct ProgramState;

// The memorisation tracker of one user (CurrentUser). Three pages behind a side bar:
// the main page walks a sura verse by verse and marks verses from the verse list's
// menu; the recording page marks a chosen sura or verse range after previewing it;
// the summary page lists the memorised and the remaining verses of a sura.
class FrmSaveQuran : public QWidget
{
    Q_OBJECT

public:
    FrmSaveQuran(Platform &platform, ProgramState &state, UserDatabase &users, QWidget *parent = nullptr);

    // Window load: verse database, Arabic typing, centring and skin, caption, side bar,
    // main page on sura 1.
    void Form_Load();
    void strip_Click(int index);

    // Main page.
    void suraayaalist_Click();
    void suraayaanum_Click();
    // The verse list's menu: mark or unmark a range around the current verse.
    void markFromMenu(MarkRange range, bool mark);

    // Recording page.
    void searchname_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Command6_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void TellMeIdSub();

    // Summary page.
    void suraayaalist2_Click();
    void TellMeAyaaNumSub();

    // The figures of each page, read anew from the user's records.
    void Percentage();
    void Percentages();
    void Percentaged();

Q_SIGNALS:
    // The window is closing; the main window enables its memorisation header again.
    void unloaded();
    // Menu requests served by the recitation and script-image windows. For the script
    // image, RasmSura and RasmAyaa of the program state name the verse.
    void scriptImageRequested();
    void verseRangeRecitationRequested(int sura, int firstVerse, int lastVerse, int reciterCode);
    void wholeSuraRecitationRequested(int suraIndex, int reciterRow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *createMainPage();
    QWidget *createRecordingPage();
    QWidget *createSummaryPage();
    void createSideBarPanels();
    void createVerseMenu();
    QWidget *figure(const QString &caption, QWidget *value, QWidget *parent);
    QLabel *hiddenField(const char *name, const QString &text, QWidget *mirror, QWidget *parent);
    void setInfo(QLabel *field, const QString &text);

    void suraayaanum_MouseDown(Qt::MouseButton button, const QPoint &position);
    void chooseCommentary(const QString &column, Qt::LayoutDirection direction);
    void showCommentary();
    void showVerseStatus();
    void copyVerse();
    void askTargetVerse(const CurrentVerse &verse, bool mark);
    void finishMenuMarking(const MarkingPlan &plan);
    void recordingCommand(bool wholeSura, bool mark);
    void setRecordingControlsEnabled(bool enabled);
    void applyMarking(const MarkingPlan &plan);

    // Counts the user's rows of sura S and of the whole text on `source`; false (and
    // the reader told once) when db.mdb cannot be read.
    bool countSaved(DataSource &source, int sura, qsizetype *suraCount, qsizetype *quranCount);
    bool readUserRecords(DataSource &source, const QString &sql);
    void showFigures(int sura, qsizetype suraCount, qsizetype quranCount, QLabel *suraLabel, QLabel *quranLabel,
                     VorelProgress *suraBar, VorelProgress *quranBar);
    void blankFigures(QLabel *suraLabel, QLabel *quranLabel, VorelProgress *suraBar, VorelProgress *quranBar);

    Platform &m_platform;
    ProgramState &m_state;
    UserDatabase &m_users;
    bool m_readFailureReported = false;
    // A marking command is running: no other can start, from any control.
    bool m_marking = false;

    DataSource Adodc1;   // main page: the verse on show
    DataSource Adodc2;   // main page: the user's records
    DataSource Adodc1s;  // summary page: the user's records
    DataSource Adodc2sd; // recording page: the to-verse, then the user's records
    DataSource Adodc1sd; // recording page: the previewed range

    int SuraOffset = 0;
    int FromVerseId = 0;
    int ListedVerseNumber = 0;
    ToVerseChoice m_toVerse;
    QString m_commentaryColumn = QStringLiteral("taf2");

    SideBar *picStrip = nullptr;
    CoolHoverButton *CoolHoverButton1 = nullptr;
    CoolHoverButton *CoolHoverButton2 = nullptr;
    CoolHoverButton *CoolHoverButton3 = nullptr;

    // Main page.
    QWidget *FrmFace = nullptr;
    QListWidget *suraayaalist = nullptr;
    QListWidget *suraayaanum = nullptr;
    QTextEdit *Text1 = nullptr;
    QTextEdit *Text2 = nullptr;
    QPushButton *Command1 = nullptr;
    VorelProgress *pb = nullptr;
    VorelProgress *pb2 = nullptr;
    QLabel *ayaanolab = nullptr;
    QLabel *suraanumber = nullptr;
    QLabel *soraayanum = nullptr;
    QLabel *typetext = nullptr;
    QLabel *pagenotext = nullptr;
    QLabel *chapterNOtext = nullptr;
    QLabel *savedornot = nullptr;
    QMenu *show1 = nullptr;

    // Recording page.
    QWidget *FrmSvDetailed = nullptr;
    QComboBox *searchname = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QTextEdit *endtext = nullptr;
    QFrame *ProgressBar = nullptr;
    QLabel *lblProgress = nullptr;
    QLabel *IDlbl = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QLabel *savedfromversesd = nullptr;
    QLabel *savedfromquransd = nullptr;
    VorelProgress *pbsd = nullptr;
    VorelProgress *pb2sd = nullptr;

    // Summary page.
    QWidget *FrmDetails = nullptr;
    QListWidget *suraayaalist2 = nullptr;
    QListWidget *savedlist = nullptr;
    QListWidget *notsavedlist = nullptr;
    QLabel *savedfromverse = nullptr;
    QLabel *savedfromquran = nullptr;
    VorelProgress *pbs = nullptr;
    VorelProgress *pb2s = nullptr;

    // Every hidden field copies its text into the visible control that shows it.
    QHash<QLabel *, std::function<void(const QString &)>> m_mirrors;
};
