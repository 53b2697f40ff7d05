#pragma once

#include "core/CheckedInstall.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <memory>

class Platform;
class QIODevice;
class QNetworkAccessManager;
class QNetworkReply;

// Fetches URLs over HTTP in the background and writes each body to a named file,
// reporting progress, failure and completion as signals on the window's thread.
// A control without content of its own, 32 x 32 pixels on its host.
//
// The body goes to a temporary file beside the target and is renamed into place only
// when the whole announced length arrived with a success status, no larger than the
// instance accepts, and passed the instance's check (a picture that decodes, a data
// file that opens), so the target name never holds an error page, a partial file or
// the wrong kind of file: DownloadComplete with a MaxBytes other than 0 means SaveFile
// now holds the body, 0 means nothing was written and failureReason() says why.
class Downloader : public QWidget
{
    Q_OBJECT

public:
    explicit Downloader(Platform &platform, QWidget *parent = nullptr);
    ~Downloader() override;

    // Starts fetching `url` into `SaveFile` and returns at once. A running download to
    // the same file is dropped first. A download that cannot start (an address that is
    // not http, a target folder that cannot be written) is reported in a message box
    // and raises no signal.
    void BeginDownload(const QString &url, const QString &SaveFile);
    // Drops the last started download without a signal; its file stays as it was.
    void CancelDownload();
    void SizeIt();

    // Inactivity limit of a transfer: a server that stops sending fails the download.
    void setTransferTimeout(int milliseconds) { m_transferTimeout = milliseconds; }
    // What a body must be to be kept: at most `maximumBytes` long, and passing `check`
    // when there is one.
    void setAcceptance(qint64 maximumBytes, FileCheck check = {});
    // Why the last failed download failed, in the reader's words.
    QString failureReason() const { return m_failureReason; }

    // Bodies larger than this are refused when the host sets no other limit.
    static constexpr qint64 DefaultMaximumBytes = 512LL << 20;

Q_SIGNALS:
    // Only for a success status with an announced length.
    void DownloadProgress(qint64 CurBytes, qint64 MaxBytes, const QString &SaveFile);
    void DownloadError(const QString &SaveFile);
    // Before DownloadError when the server answered with a status other than success
    // (404, 500, ...), so a caller can tell "not there" from "no answer".
    void DownloadRefused(int HttpStatus, const QString &SaveFile);
    // Always the last signal of a download; MaxBytes 0 means it failed.
    void DownloadComplete(qint64 MaxBytes, const QString &SaveFile);

private:
    struct Transfer {
        QNetworkReply *reply = nullptr;
        std::shared_ptr<QIODevice> file; // the temporary file
        qint64 received = 0;
        QString failure; // set at the first fault; the rest of the body is thrown away
    };

    void reportStartFailure(int errorNumber, const QString &description);
    void onReadyRead(const QString &saveFile);
    void onFinished(const QString &saveFile, const QNetworkReply *reply);
    // Why a finished transfer cannot be kept; empty when it can.
    QString faultOf(const Transfer &transfer, const QString &saveFile);
    void drop(const QString &saveFile);

    Platform &m_platform;
    QNetworkAccessManager *m_network = nullptr;
    QHash<QString, Transfer> m_transfers;
    QString m_lastStarted;
    int m_transferTimeout = 30000;
    qint64 m_maximumBytes = DefaultMaximumBytes;
    FileCheck m_check;
    QString m_failureReason;
};
