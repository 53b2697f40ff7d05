#pragma once

#include <QtGlobal>

#include <functional>

class QNetworkReply;
class QNetworkRequest;
class QObject;
class QUrl;

// The one place the program talks HTTP from: how every request is made, when an answer
// counts as a success, when a body is too large to keep, and the connectivity probe.
namespace Http {

// How long the probe waits for any answer before calling the network absent.
inline constexpr int ProbeTimeoutMs = 4000;

// A request that always goes to the network (no cached copy is read or kept), gives up
// when nothing arrives for `transferTimeoutMs`, follows redirects to addresses no less
// safe, and asks for the body as it is, never compressed, so the length the server
// announces is the length of the file.
QNetworkRequest request(const QUrl &url, int transferTimeoutMs);

// The HTTP status of the answer; 0 when no HTTP answer came back.
int status(const QNetworkReply *reply);
// A 2xx status: anything else (404, 500, a redirect not followed) is not the file.
bool succeeded(const QNetworkReply *reply);
// The length the server announced for the body; 0 when it announced none.
qint64 announcedLength(const QNetworkReply *reply);
// True once the body, announced or received so far, is longer than `maximumBytes`.
bool tooLarge(const QNetworkReply *reply, qint64 receivedBytes, qint64 maximumBytes);
// Stops the transfer from the event loop, never from inside one of the reply's own signals.
void abortSoon(QNetworkReply *reply);

// Sends a HEAD request to `probe` and returns at once. `answered` runs later, on this
// thread, with true when any HTTP answer came back within ProbeTimeoutMs; never once
// `context` is gone (its going aborts the probe).
void probeConnection(const QUrl &probe, QObject *context, std::function<void(bool)> answered);

} // namespace Http
