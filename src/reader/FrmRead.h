#pragma once

#include "core/DataSource.h"
#include "reader/ReaderPages.h"

#include <QWidget>

#include <functional>

class Downloader;
class Platform;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class ScaledPicture;

// The page reader: the printed copy two facing pages at a time, each page fetched once
// from the page server and kept in the cache folder pic2, with the sura and verses of
// the page, saved pages, and the recitation of the page's verses.
class FrmRead : public QWidget
{
    Q_OBJECT

public:
    // Recites a verse range of a sura with one of the two range reciters.
    using Recitation = std::function<void(int sura, int firstVerse, int lastVerse, int reciter)>;

    FrmRead(Platform &platform, Recitation recite, QWidget *parent = nullptr);

    // Opening: saved pages, sura 1, the reciter, then the connection test.
    void Form_Load();

    void ShowPagePair(int page);
    void ShowPageVerses(const QString &page);
    Spread spread() const { return {m_leftPage, m_rightPage}; }

private:
    struct Side {
        ScaledPicture *image = nullptr;
        QLabel *pageNumber = nullptr;
        QProgressBar *progress = nullptr;
        Downloader *download = nullptr;
        QString failure;
        int page = 0; // the page this side shows or waits for
    };

    Side createSide(const char *imageName, const char *numberName, const char *progressName, const QString &failure);
    void showPage(Side &side, int page);
    void downloadFinished(Side &side, qint64 total, const QString &file);
    void onProbed(bool connected);
    void goToSura(int index);
    void showVerseRange(const QString &sameColumn);
    void cmdViewThis_Click();
    void CmdNextPage_Click();
    void CmdPrePage_Click();
    void CmdSavePage_Click();
    void cmdRemoveSaved_Click();
    void cmdViewSaved_Click();
    void CmdLstn2Page_Click();
    void showTypedPage(const QString &page);

    Platform &m_platform;
    Recitation m_recite;
    DataSource m_verses;
    int m_leftPage = 2;
    int m_rightPage = 1;
    bool m_connected = false;
    int m_sura = 1;
    int m_firstVerse = 0;
    int m_lastVerse = 0;

    Side m_left;
    Side m_right;
    QLineEdit *txtPageNumber = nullptr;
    QPushButton *cmdViewThis = nullptr;
    QPushButton *CmdNextPage = nullptr;
    QPushButton *CmdPrePage = nullptr;
    QComboBox *Combo1 = nullptr;
    QListWidget *suraayaalist = nullptr; // hidden: the sura list "go to sura" works on
    QLabel *lblSoraName = nullptr;
    QLabel *lblAyaaFrom = nullptr;
    QLabel *lblAyaaTo = nullptr;
    QComboBox *LstSavedPages = nullptr;
    QPushButton *CmdSavePage = nullptr;
    QPushButton *cmdViewSaved = nullptr;
    QPushButton *cmdRemoveSaved = nullptr;
    QComboBox *lstReaderNamePartial = nullptr;
    QPushButton *CmdLstn2Page = nullptr;
};
