#pragma once

#include "core/DataSource.h"
#include "memorise/FrmSaveTiny.h"
#include "memorise/Marking.h"
#include "memorise/TrackerParts.h"

#include <QWidget>

class MirroredLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTextEdit;
class TrackerRecords;

// The tracker's main page: walks a sura verse by verse, with the chosen commentary, and
// marks verses from the verse list's menu.
class TrackerMainPage : public QWidget
{
    Q_OBJECT

public:
    // `summary`: the count labels of the summary page, which this page fills too.
    TrackerMainPage(TrackerRecords &records, const tracker::SavedFigures &summary, QWidget *parent);

    // Opens quran.qu; the reader is told when it cannot be read.
    void openVerses();
    // Shows sura 1.
    void start();
    void suraayaalist_Click();
    void suraayaanum_Click();
    // The verse list's menu: mark or unmark a range around the current verse.
    void markFromMenu(MarkRange range, bool mark);
    void chooseCommentary(const QString &column, Qt::LayoutDirection direction);
    // The figures of this page, read anew from the user's records.
    void Percentage();

    QFont verseFont() const;

Q_SIGNALS:
    // Menu requests served by the recitation and script-image windows. For the script
    // image, RasmSura and RasmAyaa of the program state name the verse.
    void scriptImageRequested();
    void verseRangeRecitationRequested(int sura, int firstVerse, int lastVerse, int reciterCode);
    void wholeSuraRecitationRequested(int suraIndex, int reciterRow);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createVerseMenu();
    void suraayaanum_MouseDown(Qt::MouseButton button, const QPoint &position);
    void showCommentary();
    void showVerseStatus();
    void copyVerse();
    void askTargetVerse(const CurrentVerse &verse, bool mark);
    void finishMenuMarking(const MarkingPlan &plan);

    TrackerRecords &m_records;
    DataSource Adodc1; // the verse on show
    DataSource Adodc2; // the user's records
    ToVerseChoice m_toVerse;
    QString m_commentaryColumn = QStringLiteral("taf2");

    QListWidget *suraayaalist = nullptr;
    QListWidget *suraayaanum = nullptr;
    QTextEdit *Text1 = nullptr;
    QTextEdit *Text2 = nullptr;
    QPushButton *Command1 = nullptr;
    MirroredLabel *ayaanolab = nullptr;
    MirroredLabel *suraanumber = nullptr;
    MirroredLabel *soraayanum = nullptr;
    MirroredLabel *typetext = nullptr;
    MirroredLabel *pagenotext = nullptr;
    MirroredLabel *chapterNOtext = nullptr;
    MirroredLabel *savedornot = nullptr;
    QMenu *show1 = nullptr;
    // The summary's count labels with this page's bars.
    tracker::SavedFigures m_figures;
};
