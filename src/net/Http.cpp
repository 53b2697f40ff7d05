#include "net/Http.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace Http {

QNetworkRequest request(const QUrl &url, int transferTimeoutMs)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    request.setRawHeader("Accept-Encoding", "identity");
    return request;
}

int status(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
}

bool succeeded(const QNetworkReply *reply)
{
    const int code = status(reply);
    return code >= 200 && code < 300;
}

qint64 announcedLength(const QNetworkReply *reply)
{
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    return length.isValid() ? qMax<qint64>(length.toLongLong(), 0) : 0;
}

bool tooLarge(const QNetworkReply *reply, qint64 receivedBytes, qint64 maximumBytes)
{
    return std::max(announcedLength(reply), receivedBytes) > maximumBytes;
}

void abortSoon(QNetworkReply *reply)
{
    QTimer::singleShot(0, reply, &QNetworkReply::abort);
}

void probeConnection(const QUrl &probe, QObject *context, std::function<void(bool)> answered)
{
    if (!probe.isValid()) {
        QTimer::singleShot(0, context, [answered] { answered(false); });
        return;
    }
    // Owned by the context: its going aborts the probe and drops the answer.
    auto *manager = new QNetworkAccessManager(context);
    QNetworkReply *reply = manager->head(request(probe, ProbeTimeoutMs));
    QObject::connect(reply, &QNetworkReply::finished, context, [manager, reply, answered] {
        const bool connected = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
        manager->deleteLater();
        answered(connected);
    });
}

} // namespace Http
