#pragma once

#include <QWidget>

class Platform;
class SideBar;
class TrackerMainPage;
class TrackerRecordingPage;
class TrackerRecords;
class TrackerSummaryPage;
class UserDatabase;
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

Q_SIGNALS:
    // The window is closing; the main window enables its memorisation header again.
    void unloaded();
    // Menu requests served by the recitation and script-image windows. For the script
    // image, RasmSura and RasmAyaa of the program state name the verse.
    void scriptImageRequested();
    void verseRangeRecitationRequested(int sura, int firstVerse, int lastVerse, int reciterCode);
    void wholeSuraRecitationRequested(int suraIndex, int reciterRow);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createSideBarPanels();

    Platform &m_platform;
    ProgramState &m_state;
    TrackerRecords *m_records = nullptr;

    SideBar *picStrip = nullptr;
    TrackerMainPage *FrmFace = nullptr;
    TrackerRecordingPage *FrmSvDetailed = nullptr;
    TrackerSummaryPage *FrmDetails = nullptr;
};
