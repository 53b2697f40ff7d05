#include "Downloader.h"

#include "Platform.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QUrl>

namespace {

constexpr int SizePixels = 32;

bool isSuccessStatus(const QNetworkReply *reply)
{
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    return status >= 200 && status < 300;
}

// The length the server announced for the body; 0 when it announced none.
qint64 announcedLength(const QNetworkReply *reply)
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() ? qMax<qint64>(length.toLongLong(), 0) : 0;
}

} // namespace

Downloader::Downloader(Platform &platform, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_network(new QNetworkAccessManager(this))
{
    SizeIt();
}

Downloader::~Downloader()
{
    const QStringList running = m_transfers.keys();
    for (const QString &saveFile : running)
        drop(saveFile);
}

void Downloader::SizeIt()
{
    // A fixed size: whatever the host does, the control keeps its footprint.
    setFixedSize(SizePixels, SizePixels);
}

void Downloader::BeginDownload(const QString &url, const QString &SaveFile)
{
    const QUrl address(url);
    if (!address.isValid() || (address.scheme() != u"http" && address.scheme() != u"https")) {
        reportStartFailure(QNetworkReply::ProtocolUnknownError,
                           QStringLiteral("العنوان غير صالح للتحميل: %1").arg(url));
        return;
    }

    drop(SaveFile);
    auto *file = new QSaveFile(SaveFile, this);
    if (!file->open(QIODevice::WriteOnly)) {
        const int error = file->error();
        const QString reason = file->errorString();
        delete file;
        reportStartFailure(error, QStringLiteral("لا يمكن الكتابة في الملف %1: %2").arg(SaveFile, reason));
        return;
    }

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setTransferTimeout(m_transferTimeout);
    // The announced length must be the length of the file itself, never of a
    // compressed form of it.
    request.setRawHeader("Accept-Encoding", "identity");
    QNetworkReply *reply = m_network->get(request);
    m_transfers.insert(SaveFile, Transfer{reply, file});

    connect(reply, &QNetworkReply::readyRead, this, [this, SaveFile] { onReadyRead(SaveFile); });
    connect(reply, &QNetworkReply::finished, this, [this, SaveFile, reply] { onFinished(SaveFile, reply); });
    m_lastStarted = SaveFile;
}

void Downloader::CancelDownload()
{
    if (!m_lastStarted.isEmpty())
        drop(m_lastStarted);
}

void Downloader::reportStartFailure(int errorNumber, const QString &description)
{
    m_platform.message(QString::number(errorNumber) + QStringLiteral(":Error in call to BeginDownload().\n\nError Description: ")
                           + description,
                       QStringLiteral("Warning"), Platform::Buttons::Ok, Platform::Icon::Critical);
}

void Downloader::onReadyRead(const QString &saveFile)
{
    Transfer &transfer = m_transfers[saveFile];
    const QByteArray chunk = transfer.reply->readAll();
    transfer.received += chunk.size();
    // An error page is never the file: its body is read and thrown away.
    if (!isSuccessStatus(transfer.reply) || transfer.writeFailed)
        return;
    if (transfer.file->write(chunk) != chunk.size())
        transfer.writeFailed = true;
    // Every arrival is reported (the network layer's own progress signal comes at
    // most every 100 ms), but only against a length the server announced.
    const qint64 total = announcedLength(transfer.reply);
    if (total > 0 && !chunk.isEmpty())
        Q_EMIT DownloadProgress(transfer.received, total, saveFile);
}

void Downloader::onFinished(const QString &saveFile, const QNetworkReply *reply)
{
    onReadyRead(saveFile);
    if (m_transfers.value(saveFile).reply != reply)
        return; // a host dropped or restarted it while hearing of the last bytes
    Transfer transfer = m_transfers.take(saveFile);
    const qint64 total = announcedLength(transfer.reply);
    const bool complete = transfer.reply->error() == QNetworkReply::NoError && isSuccessStatus(transfer.reply)
        && total > 0 && transfer.received == total && !transfer.writeFailed;
    // commit() renames the temporary file onto the target in one step.
    const bool written = complete && transfer.file->commit();
    if (!written)
        transfer.file->cancelWriting();
    delete transfer.file;
    transfer.reply->deleteLater();

    if (!written) {
        const int status = transfer.reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status != 0 && !isSuccessStatus(transfer.reply))
            Q_EMIT DownloadRefused(status, saveFile);
        Q_EMIT DownloadError(saveFile);
        Q_EMIT DownloadComplete(0, saveFile);
        return;
    }
    Q_EMIT DownloadComplete(total, saveFile);
}

void Downloader::drop(const QString &saveFile)
{
    if (!m_transfers.contains(saveFile))
        return;
    Transfer transfer = m_transfers.take(saveFile);
    transfer.reply->disconnect(this);
    transfer.reply->abort();
    transfer.reply->deleteLater();
    transfer.file->cancelWriting();
    delete transfer.file; // an uncommitted QSaveFile removes its temporary file
}
