#pragma once

#include "core/DataSource.h"
#include "memorise/TrackerParts.h"

#include <QWidget>

class MirroredLabel;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class QTextEdit;
class TrackerRecords;

// The tracker's recording page: marks a chosen sura, or a verse range of it, after
// previewing the range.
class TrackerRecordingPage : public QWidget
{
    Q_OBJECT

public:
    TrackerRecordingPage(TrackerRecords &records, const QFont &verseFont, QWidget *parent);

    // Shown from the side bar: the first sura.
    void start();
    void searchname_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Command6_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Percentaged();

Q_SIGNALS:
    // The page's commands are (not) open to the reader: the window's side bar follows.
    void commandsEnabled(bool enabled);
    // A command changed the user's records.
    void recordsChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void TellMeIdSub();
    void recordingCommand(bool wholeSura, bool mark);
    void setRecordingControlsEnabled(bool enabled);

    TrackerRecords &m_records;
    DataSource Adodc2sd; // the to-verse, then the user's records
    DataSource Adodc1sd; // the previewed range
    int SuraOffset = 0;
    int FromVerseId = 0;

    QComboBox *searchname = nullptr;
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QTextEdit *endtext = nullptr;
    QFrame *ProgressBar = nullptr;
    QLabel *lblProgress = nullptr;
    MirroredLabel *IDlbl = nullptr;
    QPushButton *Command6 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    tracker::SavedFigures m_figures;
};
