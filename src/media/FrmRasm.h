#pragma once

#include <QPointer>
#include <QWidget>

class Downloader;
class QAction;
class Platform;
class QLabel;
class QMenu;
class QProgressBar;
class QScrollArea;
struct ProgramState;

// A verse in the traditional script of the printed copies: its picture, fetched once from
// the script-image server into the cache folder pic, in a small window sized to it.
class FrmRasm : public QWidget
{
    Q_OBJECT

public:
    FrmRasm(Platform &platform, ProgramState &state, QWidget *parent = nullptr);

    // Opens the one script-image window for RasmSura:RasmAyaa, closing the one open before
    // (which stores its place), at the stored place or, the first time, where `opener`
    // stands when centred on the screen.
    static FrmRasm *open(Platform &platform, ProgramState &state, const QWidget *opener);

    // Shows the cached picture or starts fetching it.
    void Form_Load();

    QString RasmUrl() const { return m_url; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QString cacheFile() const;
    QAction *saveAction() const;
    void fetch();
    void showPicture();
    void DownloadRasm_Complete(qint64 total);
    void save_Click();
    void link_Click();
    void redownload_Click();

    Platform &m_platform;
    ProgramState &m_state;
    QString m_file;
    QString m_url;

    QLabel *Image1 = nullptr;
    QScrollArea *ImageArea = nullptr;
    QProgressBar *ProgressBar = nullptr;
    Downloader *DownloadRasm = nullptr;
    QMenu *menuopen = nullptr;
};
