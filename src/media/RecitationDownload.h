#pragma once

#include <QDialog>

class Downloader;
class Platform;
class QLabel;
class QProgressBar;

// A small window that fetches one recording to the file the reader chose, shows the
// progress and says how it ended. It closes and deletes itself at the end; closing
// it earlier cancels the transfer.
class RecitationDownload : public QDialog
{
    Q_OBJECT

public:
    RecitationDownload(Platform &platform, QWidget *parent = nullptr);

    void start(const QString &url, const QString &targetFile);
    void done(int result) override;

private:
    void onProgress(qint64 received, qint64 total);
    void onComplete(qint64 total, const QString &targetFile);

    Platform &m_platform;
    Downloader *m_downloader = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_report = nullptr;
};
