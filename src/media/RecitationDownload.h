#pragma once

#include <QDialog>
#include <QList>

class Downloader;
class Platform;
class QLabel;
class QProgressBar;

// A small window that fetches a recording to what the reader chose, shows the
// progress and says how it ended: one file, or the verse files of a sura into a
// folder. It closes and deletes itself at the end; closing it earlier cancels.
class RecitationDownload : public QDialog
{
    Q_OBJECT

public:
    struct File {
        QString url;
        QString target; // a path; inside a folder download, the file's name
    };

    RecitationDownload(Platform &platform, QWidget *parent = nullptr);

    // Each file is written whole or not at all.
    void start(const QList<File> &files);
    // The files go to a scratch folder beside `folder`, which takes the folder's name
    // only when every file arrived: the reader never finds half a sura under it.
    void startFolder(const QList<File> &files, const QString &folder);
    void done(int result) override;

private:
    void fetchNext();
    void onProgress(qint64 received, qint64 total);
    void onComplete(qint64 total);
    void finish(bool saved);

    Platform &m_platform;
    Downloader *m_downloader = nullptr;
    QProgressBar *m_bar = nullptr;
    QLabel *m_report = nullptr;
    QList<File> m_files;
    int m_next = 0;
    QString m_folder;       // the folder the reader chose, for a folder download
    QString m_scratchFolder;
};
