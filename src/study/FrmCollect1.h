#pragma once

#include <QStringList>
#include <QWidget>

class DataSource;
class SearchSettings;
class Platform;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
struct ProgramState;

// The verse collection: verses chosen one by one from the result list, gathered into
// one text with their references for the reader to copy.
class FrmCollect1 : public QWidget
{
    Q_OBJECT

public:
    FrmCollect1(Platform &platform, ProgramState &state, DataSource &Adodc1, const SearchSettings &options,
                QWidget *parent = nullptr);

    // A double click on a result: `rowText` as the result list shows it, `id` its verse.
    // Nothing is added before a verse was shown, nor a verse already collected.
    void addVerse(const QString &rowText, const QString &id, bool verseShown);
    // "جمع الآيات المختارة": gathers the collection in the order chosen.
    void CoolHoverButton8_Click();
    // The gathered text is drawn in the reader's display font.
    void setDisplayFont(const QFont &font);

Q_SIGNALS:
    // The window shows this frame and hides the others.
    void showRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addaya_DblClick();

    Platform &m_platform;
    ProgramState &m_state;
    DataSource &Adodc1;
    const SearchSettings &m_options;

    QListWidget *addaya = nullptr;
    QStringList hideadd; // the ID of each collected verse, row-aligned with addaya
    bool m_gathering = false;
    QPlainTextEdit *txtGather = nullptr;
    QLabel *txtGatherCover = nullptr;
    QProgressBar *ProgressBar = nullptr;
    QLabel *ProgressReport = nullptr;
    QPushButton *copyGathered = nullptr;
};
