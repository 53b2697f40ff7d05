#include "net/Downloader.h"

#include "core/Platform.h"
#include "net/Http.h"

#include <QFileDevice>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int SizePixels = 32;

QString temporaryFileOf(const QString &saveFile)
{
    return saveFile + QStringLiteral(".part");
}

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / (1 << 20), 'f', 1) + QStringLiteral(" ميغابايت");
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

void Downloader::setAcceptance(qint64 maximumBytes, FileCheck check)
{
    m_maximumBytes = maximumBytes;
    m_check = std::move(check);
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
    std::shared_ptr<QIODevice> file = m_platform.files().create(temporaryFileOf(SaveFile));
    if (!file) {
        reportStartFailure(QFileDevice::OpenError, QStringLiteral("لا يمكن الكتابة في الملف %1").arg(SaveFile));
        return;
    }

    QNetworkReply *reply = m_network->get(Http::request(address, m_transferTimeout));
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
    if (!Http::succeeded(transfer.reply) || !transfer.failure.isEmpty())
        return;
    const qint64 total = Http::announcedLength(transfer.reply);
    if (Http::tooLarge(transfer.reply, transfer.received, m_maximumBytes)) {
        // Refused before it fills the disk or the memory.
        transfer.failure = QStringLiteral("حجم الملف (%1) أكبر من الحجم المقبول لهذا النوع من الملفات (%2)")
                               .arg(megabytes(std::max(total, transfer.received)), megabytes(m_maximumBytes));
        Http::abortSoon(transfer.reply);
        return;
    }
    if (transfer.file->write(chunk) != chunk.size())
        transfer.failure = QStringLiteral("تعذرت كتابة الملف %1 (قد يكون القرص ممتلئا)").arg(saveFile);
    // Every arrival is reported (the network layer's own progress signal comes at
    // most every 100 ms), but only against a length the server announced.
    if (total > 0 && !chunk.isEmpty())
        Q_EMIT DownloadProgress(transfer.received, total, saveFile);
}

QString Downloader::faultOf(const Transfer &transfer, const QString &saveFile)
{
    if (!transfer.failure.isEmpty())
        return transfer.failure;
    const QNetworkReply *reply = transfer.reply;
    if (Http::status(reply) == 404)
        return QStringLiteral("الملف غير متوفر على الخادم");
    if (reply->error() != QNetworkReply::NoError && Http::status(reply) == 0)
        return QStringLiteral("تعذر الاتصال بالخادم");
    if (!Http::succeeded(reply))
        return QStringLiteral("أجاب الخادم بالرمز %1 بدلا من الملف").arg(Http::status(reply));
    const qint64 total = Http::announcedLength(reply);
    if (reply->error() != QNetworkReply::NoError || total == 0 || transfer.received != total)
        return QStringLiteral("انقطع التحميل قبل أن يكتمل الملف");
    auto *file = qobject_cast<QFileDevice *>(transfer.file.get());
    if (file && !file->flush())
        return QStringLiteral("تعذرت كتابة الملف %1 (قد يكون القرص ممتلئا)").arg(saveFile);
    transfer.file->close();
    if (m_check)
        return m_check(temporaryFileOf(saveFile));
    return {};
}

void Downloader::onFinished(const QString &saveFile, const QNetworkReply *reply)
{
    if (m_transfers.value(saveFile).reply != reply)
        return; // a host dropped or restarted it while hearing of the last bytes
    if (reply->isOpen())
        onReadyRead(saveFile);
    if (m_transfers.value(saveFile).reply != reply)
        return; // dropped while hearing of the last bytes
    Transfer transfer = m_transfers.take(saveFile);
    transfer.reply->deleteLater();
    QString fault = faultOf(transfer, saveFile);
    transfer.file->close();
    // One rename puts the checked file in place.
    if (fault.isEmpty() && !m_platform.files().replace(temporaryFileOf(saveFile), saveFile))
        fault = QStringLiteral("تعذر وضع الملف %1 في مكانه").arg(saveFile);
    if (!fault.isEmpty()) {
        m_platform.files().remove(temporaryFileOf(saveFile));
        m_failureReason = fault;
        const int status = Http::status(transfer.reply);
        if (status != 0 && !Http::succeeded(transfer.reply))
            Q_EMIT DownloadRefused(status, saveFile);
        Q_EMIT DownloadError(saveFile);
        Q_EMIT DownloadComplete(0, saveFile);
        return;
    }
    Q_EMIT DownloadComplete(Http::announcedLength(transfer.reply), saveFile);
}

void Downloader::drop(const QString &saveFile)
{
    if (!m_transfers.contains(saveFile))
        return;
    Transfer transfer = m_transfers.take(saveFile);
    transfer.reply->disconnect(this);
    transfer.reply->abort();
    transfer.reply->deleteLater();
    transfer.file->close();
    m_platform.files().remove(temporaryFileOf(saveFile));
}
