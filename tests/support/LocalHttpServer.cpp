#include "support/LocalHttpServer.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

LocalHttpServer::LocalHttpServer()
    : m_server(new QTcpServer(this))
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        qFatal("the test HTTP server cannot listen on 127.0.0.1");
    connect(m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QObject::destroyed, this, [this, socket] { m_pending.remove(socket); });
        }
    });
}

void LocalHttpServer::serve(const QString &path, const Response &response)
{
    m_responses.insert(path.startsWith(u'/') ? path : u'/' + path, response);
}

void LocalHttpServer::serve(const QString &path, const QByteArray &body)
{
    serve(path, Response{200, body});
}

QString LocalHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1/%2").arg(m_server->serverPort()).arg(path);
}

void LocalHttpServer::close()
{
    m_server->close();
}

void LocalHttpServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &request = m_pending[socket];
    request += socket->readAll();
    const qsizetype headerEnd = request.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QList<QByteArray> requestLine = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    request.clear();
    requests.append(path);

    Response response = m_responses.value(path, Response{404, "<html>not found</html>"});
    // Clients read the status number only, so one reason phrase serves every status.
    QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + " Answer\r\n";
    head += "Content-Type: application/octet-stream\r\nConnection: close\r\n";
    if (response.sendLength)
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    head += "\r\n";
    socket->write(head);

    QByteArray body = requestLine.value(0) == "HEAD" ? QByteArray() : response.body;
    if (response.cutAfter >= 0)
        body.truncate(response.cutAfter);
    sendNextChunk(socket, body, response);
}

void LocalHttpServer::sendNextChunk(QTcpSocket *socket, QByteArray rest, Response response)
{
    const qsizetype size = response.chunkSize > 0 ? response.chunkSize : rest.size();
    socket->write(rest.left(size));
    rest.remove(0, size);
    if (rest.isEmpty()) {
        // The end of the answer, or of the part of it the test lets through.
        socket->disconnectFromHost();
        return;
    }
    QPointer<QTcpSocket> alive(socket);
    QTimer::singleShot(response.chunkDelayMs, this, [this, alive, rest, response] {
        if (alive)
            sendNextChunk(alive, rest, response);
    });
}
