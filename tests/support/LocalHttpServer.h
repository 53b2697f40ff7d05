#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>

class QTcpServer;
class QTcpSocket;

// A small HTTP server on 127.0.0.1 with a port of its own, for network tests. Each path
// answers as the test set it up: any status, with or without a length, slowly, or cut
// off in the middle. Unknown paths answer 404 with a length.
class LocalHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Response {
        int status = 200;
        QByteArray body;
        bool sendLength = true;  // false: no Content-Length, the end of the body is the closed connection
        qint64 cutAfter = -1;    // >= 0: the connection is dropped after this many body bytes
        int chunkSize = 0;       // > 0: the body goes out in chunks of this size ...
        int chunkDelayMs = 0;    // ... this far apart
    };

    LocalHttpServer();

    void serve(const QString &path, const Response &response);
    void serve(const QString &path, const QByteArray &body);
    // The address of a path, "http://127.0.0.1:<port>/" + path.
    QString url(const QString &path = {}) const;
    // Stops listening; later connections are refused (a server that does not answer).
    void close();

    // Paths of the requests received so far, in order ("/a/b.qu").
    QStringList requests;

private:
    void onReadyRead(QTcpSocket *socket);
    void sendNextChunk(QTcpSocket *socket, QByteArray rest, Response response);

    QTcpServer *m_server = nullptr;
    QHash<QString, Response> m_responses;
    QHash<QTcpSocket *, QByteArray> m_pending;
};
