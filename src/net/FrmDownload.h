#pragma once

#include <QDialog>

#include <functional>

class Downloader;
class Platform;
class QLabel;
class QProgressBar;
class QPushButton;
struct ProgramState;

// The download window: fetches the file DownloadItem names (1: the verse database as
// newdb.qu, n: the translation n.qut) from the update server into the program folder
// and shows its progress. After a success the program ends (by `programEnd`, which
// the main window hands in), so that the next start installs the new database or lists
// the new translation. Loading the window starts the transfer; callers show it with
// open().
class FrmDownload : public QDialog
{
    Q_OBJECT

public:
    FrmDownload(Platform &platform, ProgramState &state, const QString &serverAddress, std::function<void()> programEnd,
                QWidget *parent = nullptr);

    void done(int result) override;

private:
    void Form_Load();
    void Downloader1_DownloadProgress(qint64 CurBytes, qint64 MaxBytes);
    void Downloader1_DownloadComplete(qint64 MaxBytes);
    void cmdReDownload_Click();

    Platform &m_platform;
    ProgramState &m_state;
    QString m_serverAddress;
    std::function<void()> m_programEnd;

    Downloader *Downloader1 = nullptr;
    int m_refusedStatus = 0; // the status of the last download the server refused
    QProgressBar *ProgressBar = nullptr;
    QLabel *ProgressReport = nullptr;
    QPushButton *cmdReDownload = nullptr;
    QLabel *SkinLabel2 = nullptr;
};
