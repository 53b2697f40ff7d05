#pragma once

#include <QStringList>
#include <QWidget>

class CoolHoverButton;
class QFrame;
class QLabel;
class QListWidget;
class QTextBrowser;
class QTextEdit;

// The results frame: the verse list a search fills, the verse view, the verse's place,
// and the commentary box with the buttons that choose what it shows.
class ResultsFrame : public QWidget
{
    Q_OBJECT

public:
    explicit ResultsFrame(QWidget *parent = nullptr);

    // Writes one whole page into the verse view, replacing what it showed.
    void WriteHtmlPage(const QString &html);

    // Start-up: one menu row per installed translation file (named by the catalogue
    // entry its name holds; other files are left out), then room for a scroll bar when
    // the menu outgrows its height.
    void fillTranslationMenu(const QStringList &translationFiles);
    int MenuSlideSteps() const { return m_menuSlideSteps; }
    // The translation file behind menu row `row` (2 and up); empty for the fixed rows.
    QString translationFileOfMenuRow(int row) const;

    // The two layouts of the result area.
    void openCommentaryLayout();
    void closeCommentaryLayout();

    int rowCount() const;
    // Shows the selected verse again (the list passes through row 0 and back), so a
    // changed option or font takes effect.
    void refreshSelection();

private:
    QListWidget *suraayaalist = nullptr;
    // Hidden lists parallel to suraayaalist: row i of each belongs to the same verse.
    QStringList ayaalist;
    QStringList ayaanolist;
    QStringList soraanolist;
    QStringList ListSearchString;

    QTextBrowser *webPreview = nullptr;
    QFrame *FrmInfo = nullptr;
    QLabel *suraanumber = nullptr;
    QLabel *ayaanolab = nullptr;
    QLabel *pagenotext = nullptr;
    QLabel *chapterNOtext = nullptr;
    QLabel *score = nullptr;
    QLabel *typetext = nullptr;
    QLabel *soraayanum = nullptr;
    QTextEdit *Text2 = nullptr;

    CoolHoverButton *CoolHoverButton1 = nullptr;
    CoolHoverButton *CoolHoverButton2 = nullptr;
    CoolHoverButton *CoolHoverButton3 = nullptr;
    CoolHoverButton *CoolHoverButton4 = nullptr;
    CoolHoverButton *CoolHoverButton15 = nullptr;

    QListWidget *lstMenu = nullptr;
    QStringList File1;       // the "*.qut" files of the program folder, in list order
    QStringList m_menuFiles; // the file behind each translation row of lstMenu
    int m_menuSlideSteps = 76;
};
