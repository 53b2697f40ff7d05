#pragma once

#include "core/ResultList.h"

#include <QStringList>
#include <QWidget>

class CoolHoverButton;
class QAction;
class DataSource;
class SearchSettings;
class Platform;
class QFrame;
class MirroredLabel;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QTextBrowser;
class QTextEdit;
class TranslationMenu;
struct ProgramState;

// The results frame: the verse list the searches fill, the chosen verse rendered with
// its searched words highlighted, its place, and the commentary or translation beside
// it, with the buttons and the translation menu that choose what that box shows.
class ResultsFrame : public QWidget, public ResultList
{
    Q_OBJECT

public:
    // Adodc2 carries the verse on show, Adodc3 the translation file in use (if any).
    ResultsFrame(Platform &platform, ProgramState &state, DataSource &Adodc2, DataSource &Adodc3,
                 const SearchSettings &options, QWidget *parent = nullptr);

    // Writes one whole page into the verse view, replacing what it showed.
    void WriteHtmlPage(const QString &html);

    // Start-up: one menu row per installed translation file (named by the catalogue
    // entry its name holds; other files are left out), then room for a scroll bar when
    // the menu outgrows its height.
    void fillTranslationMenu(const QStringList &translationFiles);

    // The reader's display font, carried by the hidden Text1; setting it redraws the verse
    // on show.
    QFont displayFont() const;
    void setDisplayFont(const QFont &font);

    // The result lists, shared by every search and lookup.
    void clearResults() override;
    void appendResults(DataSource &source, const QString &foundBy = {}) override;
    void showResultCount() override;
    void selectFirstResult() override;
    int rowCount() const override;
    int selectedRow() const override;
    Row resultRow(int row) const override;
    QString rowText(int row) const override;

    // One line shown above every verse of the current results, saying how they were
    // found; the next clearResults() removes it.
    void setSearchNotice(const QString &notice);

    // Shows the selected verse again, so a changed option or font takes effect.
    void refreshSelection();

    // The two layouts of the result area.
    void openCommentaryLayout();
    void closeCommentaryLayout();

    // Shows the selected verse: text, place, commentary, highlighted page.
    void suraayaalist_Click();
    // True once a verse has been shown.
    bool verseShown() const;
    // No verse on show: the view, the commentary and the verse's details are empty.
    void clearShownVerse();
    // An entry of the result menu show1 ("rasm", "serach4", "listen", ...), for the window
    // to connect to the command behind it.
    QAction *resultMenuEntry(const QString &name) const;

Q_SIGNALS:
    // A double click on a row of the result list (the collection adds that verse).
    void resultDoubleClicked(int row);
    // The first row of the translation menu: the reader wants another translation.
    void translationDownloadRequested();
    // A text offered on the page of a search that found nothing was clicked.
    void suggestionClicked(const QString &text);
    // A commentary file was written into the verse database, which is now another file:
    // whoever reads quran.qu opens it again.
    void verseDatabaseReplaced();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createInfoFrame();
    void createCommentaryButtons();
    void createResultMenu();
    void chooseStoredCommentary(const QString &column, Qt::LayoutDirection direction);
    void setCommentaryDirection(Qt::LayoutDirection direction);
    // "إضافة تفسير من ملف": a checked file fills one of the two commentaries.
    void importCommentary();
    void RenderSelectedVerse();
    void CoolHoverButton15_MouseDown();
    // A row of the translation menu: its file shows beside every verse from now on.
    void showTranslation(const QString &file);
    void suraayaalist_MouseDown(Qt::MouseButton button, const QPoint &position);
    void copy12_Click();

    Platform &m_platform;
    ProgramState &m_state;
    DataSource &Adodc2;
    DataSource &Adodc3;
    const SearchSettings &m_options;

    QListWidget *suraayaalist = nullptr;
    // Hidden lists parallel to suraayaalist: row i of each belongs to the same verse.
    QStringList ayaalist;
    QStringList ayaanolist;
    QStringList soraanolist;
    QStringList ListSearchString;

    // Hidden fields bound to the verse on show.
    QLineEdit *Text1 = nullptr;
    // The reader's font as chosen: Text1's own font would report the skin's.
    QFont m_displayFont;
    QString txtAyaaInexForColoring;
    QString txtmaintaf;
    QString m_searchNotice;
    QString m_commentaryColumn = QStringLiteral("taf2");

    QTextBrowser *webPreview = nullptr;
    QFrame *FrmInfo = nullptr;
    MirroredLabel *suraanumber = nullptr;
    QLabel *ayaanolab = nullptr;
    MirroredLabel *pagenotext = nullptr;
    MirroredLabel *chapterNOtext = nullptr;
    MirroredLabel *score = nullptr;
    MirroredLabel *typetext = nullptr;
    MirroredLabel *soraayanum = nullptr;
    QTextEdit *Text2 = nullptr;
    QLabel *tafPlaceholder = nullptr;

    CoolHoverButton *CoolHoverButton1 = nullptr;
    CoolHoverButton *CoolHoverButton2 = nullptr;
    CoolHoverButton *CoolHoverButton3 = nullptr;
    CoolHoverButton *CoolHoverButton4 = nullptr;
    CoolHoverButton *CoolHoverButton15 = nullptr;
    CoolHoverButton *cmdImportTaf = nullptr;

    TranslationMenu *lstMenu = nullptr;

    QMenu *show1 = nullptr;
};
