#pragma once

#include <QWidget>

class CoolHoverButtonGray;
class DataSource;
class Platform;
class QComboBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class ResultList;
struct ProgramState;

// The lookup frame: lists the verses of a sura range or of a part into the result list,
// or, in gather mode, gathers them as one line of print text.
class FrmProSearch : public QWidget
{
    Q_OBJECT

public:
    FrmProSearch(Platform &platform, ProgramState &state, DataSource &Adodc1, ResultList &results,
                 QWidget *parent = nullptr);

    // Side-bar header 5: lookup mode, first sura and part chosen.
    void showLookupMode();
    // "جمع سور / آيات للطباعة": gather mode, first sura and part chosen.
    void showGatherMode();
    // The result menu's "بحث عن سورة هذه الآية": every verse of the sura of `row`.
    void serach4_Click(int row);
    // The print text is drawn in the reader's display font.
    void setDisplayFont(const QFont &font);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

Q_SIGNALS:
    // The window opens header 0 and shows the results frame.
    void showResultsRequested();
    // The side bar is closed to other commands while a print gather runs.
    void sideBarEnabledRequested(bool enabled);
    void helpRequested(int topic);

private:
    void searchname_Click();
    void CombFromProSeach_Click();
    void CmdSeachPro_Click();
    void CmdSeachPro2_Click();
    void selectFirstSuraAndPart();
    bool runQuery(const QString &sql);
    void listVerses(const QString &sql);
    void gatherPrintText(const QString &sql);
    bool inGatherMode() const;

    Platform &m_platform;
    ProgramState &m_state;
    DataSource &Adodc1;
    ResultList &m_results;

    CoolHoverButtonGray *CoolHoverButtonGray16 = nullptr;
    CoolHoverButtonGray *CoolHoverButtonGray23 = nullptr;
    QComboBox *searchname = nullptr;
    QComboBox *searchnumber = nullptr;
    QComboBox *CombFromProSeach = nullptr;
    QComboBox *CombToProSeach = nullptr;
    QPushButton *CmdSeachPro = nullptr;
    QComboBox *tafsercombo = nullptr;
    QPushButton *CmdSeachPro2 = nullptr;
    QPushButton *Command2 = nullptr;
    QProgressBar *GatherProgress = nullptr;
    QPlainTextEdit *txtForPrint = nullptr;
    QPushButton *copyPrintText = nullptr;
};
