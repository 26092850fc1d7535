#include "update/bounded_get.h"

#include "app/app_info.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QList>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <memory>

namespace lorvex {

namespace {

struct Head {
    int status = 0;
    qint64 length = -1; // no Content-Length: the body runs until the server closes
    QByteArray location;
};

struct Reply {
    Head head;
    QByteArray body;
};

// Just after the empty line that ends the head (CR LF CR LF, or LF LF); -1 while none came.
qsizetype headEnd(const QByteArray &bytes)
{
    const qsizetype crlf = bytes.indexOf("\r\n\r\n");
    const qsizetype lf = bytes.indexOf("\n\n");
    if (lf >= 0 && (crlf < 0 || lf < crlf))
        return lf + 2;
    return crlf < 0 ? -1 : crlf + 4;
}

std::optional<Head> parseHead(const QByteArray &bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    const QList<QByteArray> statusLine = lines.takeFirst().simplified().split(' ');
    if (statusLine.size() < 2 || !statusLine[0].startsWith("HTTP/1."))
        return std::nullopt;
    Head head;
    bool ok = false;
    head.status = statusLine[1].toInt(&ok);
    if (!ok)
        return std::nullopt;
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-length") {
            head.length = value.toLongLong(&ok);
            if (!ok || head.length < 0)
                return std::nullopt;
        } else if (name == "location") {
            head.location = value;
        } else if (name == "transfer-encoding" && value.toLower() != "identity") {
            // An HTTP/1.0 request is never answered in chunks by a sound server.
            return std::nullopt;
        }
    }
    return head;
}

QByteArray requestFor(const QUrl &url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    // HTTP/1.0: the reply ends with the connection, in one piece, never in chunks.
    return "GET " + target
           + " HTTP/1.0\r\nHost: " + url.adjusted(QUrl::RemoveUserInfo).authority(QUrl::FullyEncoded).toLatin1()
           + "\r\nUser-Agent: " + app_info::productName().toLatin1() + "/" + app_info::versionCaption().toLatin1()
           + "\r\nConnection: close\r\n\r\n";
}

// One request on one connection, until the announced body is in or the
// server closes; nothing when a limit is passed or the connection fails.
std::optional<Reply> exchange(const QUrl &url, const QDeadlineTimer &deadline, const GetLimits &limits)
{
    const bool secure = url.scheme() == QLatin1String("https");
    if (secure && !QSslSocket::supportsSsl())
        return std::nullopt;
    const std::unique_ptr<QTcpSocket> socket = secure ? std::make_unique<QSslSocket>() : std::make_unique<QTcpSocket>();
    // Taken in small pieces, so memory stays near the caps whatever arrives.
    socket->setReadBufferSize(16 * 1024);

    QByteArray received;
    std::optional<Head> head;
    bool ended = false;
    bool ok = false;
    QEventLoop loop;
    const auto end = [&](bool success) {
        if (!ended) {
            ended = true;
            ok = success;
            loop.quit();
        }
    };
    const auto take = [&] {
        if (ended)
            return;
        received += socket->readAll();
        if (!head) {
            const qsizetype at = headEnd(received);
            if ((at < 0 ? received.size() : at) > limits.headCap) {
                end(false);
                return;
            }
            if (at < 0)
                return;
            head = parseHead(received.left(at));
            received.remove(0, at);
            if (!head || head->length > limits.bodyCap) {
                end(false);
                return;
            }
        }
        if (received.size() > limits.bodyCap)
            end(false);
        else if (head->length >= 0 && received.size() >= head->length)
            end(true);
    };

    // The server's close ends a body of unannounced length; an announced one
    // has ended in take(), or was cut short.
    const auto closed = [&] {
        take();
        end(head && head->length < 0);
    };
    QObject::connect(socket.get(), &QIODevice::readyRead, &loop, take);
    QObject::connect(socket.get(), &QAbstractSocket::disconnected, &loop, closed);
    // A TLS server's close arrives as this error, possibly long before the connection ends.
    QObject::connect(socket.get(), &QAbstractSocket::errorOccurred, &loop, [&](QAbstractSocket::SocketError error) {
        error == QAbstractSocket::RemoteHostClosedError ? closed() : end(false);
    });
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] { end(false); });
    timer.start(int(std::clamp<qint64>(deadline.remainingTime(), 0, limits.totalMs)));

    const QByteArray request = requestFor(url);
    if (secure) {
        auto *tls = static_cast<QSslSocket *>(socket.get());
        QObject::connect(tls, &QSslSocket::encrypted, &loop, [&] { socket->write(request); });
        tls->connectToHostEncrypted(url.host(), quint16(url.port(443)));
    } else {
        QObject::connect(socket.get(), &QAbstractSocket::connected, &loop, [&] { socket->write(request); });
        socket->connectToHost(url.host(), quint16(url.port(80)));
    }
    if (!ended)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    ended = true;
    socket->abort();
    if (!ok || !head)
        return std::nullopt;
    if (head->length >= 0)
        received.truncate(head->length);
    return Reply{*head, received};
}

bool isRedirect(int status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

} // namespace

std::optional<QByteArray> boundedGet(const QUrl &url, const GetLimits &limits)
{
    const QDeadlineTimer deadline(limits.totalMs);
    QUrl at = url;
    for (int hop = 0; hop <= limits.redirects; ++hop) {
        if (at.scheme() != QLatin1String("http") && at.scheme() != QLatin1String("https"))
            return std::nullopt;
        const std::optional<Reply> reply = exchange(at, deadline, limits);
        if (!reply)
            return std::nullopt;
        const int status = reply->head.status;
        if (status >= 200 && status < 300)
            return reply->body;
        if (!isRedirect(status) || reply->head.location.isEmpty())
            return std::nullopt;
        const QUrl next = at.resolved(QUrl::fromEncoded(reply->head.location));
        // Never from an encrypted address to a plain one.
        if (at.scheme() == QLatin1String("https") && next.scheme() != QLatin1String("https"))
            return std::nullopt;
        at = next;
    }
    return std::nullopt;
}

} // namespace lorvex
