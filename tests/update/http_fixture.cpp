#include "update/http_fixture.h"

#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace lorvex::test {

HttpFixture::HttpFixture(QObject *parent) : QObject(parent)
{
    connect(&server_, &QTcpServer::newConnection, this, &HttpFixture::accept);
    server_.listen(QHostAddress::LocalHost, 0);
}

QUrl HttpFixture::url(const QString &path) const
{
    QUrl u;
    u.setScheme(QStringLiteral("http"));
    u.setHost(QStringLiteral("127.0.0.1"));
    u.setPort(port());
    u.setPath(path);
    return u;
}

QUrl HttpFixture::closedPortUrl()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 free = probe.serverPort();
    probe.close();
    QUrl u;
    u.setScheme(QStringLiteral("http"));
    u.setHost(QStringLiteral("127.0.0.1"));
    u.setPort(free);
    u.setPath(QStringLiteral("/version.txt"));
    return u;
}

void HttpFixture::serve(const QByteArray &body)
{
    mode_ = Mode::Serve;
    body_ = body;
}

void HttpFixture::notFound() { mode_ = Mode::NotFound; }

void HttpFixture::neverAnswer() { mode_ = Mode::NeverAnswer; }

void HttpFixture::stallMidBody(const QByteArray &body, qsizetype sendFirst)
{
    mode_ = Mode::StallMidBody;
    body_ = body;
    sendFirst_ = sendFirst;
}

void HttpFixture::drip(const QByteArray &body, int intervalMs, qsizetype chunk)
{
    mode_ = Mode::Drip;
    body_ = body;
    intervalMs_ = intervalMs;
    chunk_ = chunk > 0 ? chunk : 1;
}

void HttpFixture::oversize(qsizetype size, bool announceLength)
{
    mode_ = Mode::Oversize;
    body_ = QByteArray(size, '7');
    announceLength_ = announceLength;
}

void HttpFixture::accept()
{
    while (QTcpSocket *socket = server_.nextPendingConnection()) {
        socket->setParent(this);
        auto request = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
            const bool complete = request->contains("\r\n\r\n");
            *request += socket->readAll();
            // One answer per connection: the client asks once.
            if (!complete && request->contains("\r\n\r\n")) {
                ++requests_;
                lastRequest_ = request->left(request->indexOf("\r\n\r\n"));
                if (hook_)
                    hook_();
                answer(socket);
            }
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void HttpFixture::send(QTcpSocket *socket, int status, const QByteArray &body, qsizetype announced, bool closeAfter)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Not Found") + "\r\n";
    head += "Content-Type: text/plain\r\nConnection: close\r\n";
    if (announced >= 0)
        head += "Content-Length: " + QByteArray::number(announced) + "\r\n";
    socket->write(head + "\r\n" + body);
    if (closeAfter)
        socket->disconnectFromHost(); // waits until everything written is sent
}

void HttpFixture::answer(QTcpSocket *socket)
{
    switch (mode_) {
    case Mode::Serve:
        send(socket, 200, body_, body_.size(), true);
        break;
    case Mode::NotFound:
        send(socket, 404, "<html>Not Found</html>", 22, true);
        break;
    case Mode::NeverAnswer:
        break;
    case Mode::StallMidBody:
        send(socket, 200, body_.left(sendFirst_), body_.size(), false);
        break;
    case Mode::Oversize:
        send(socket, 200, body_, announceLength_ ? body_.size() : -1, true);
        break;
    case Mode::Drip: {
        send(socket, 200, QByteArray(), body_.size(), false);
        auto *timer = new QTimer(socket);
        auto sent = std::make_shared<qsizetype>(0);
        connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body = body_, chunk = chunk_] {
            socket->write(body.mid(*sent, chunk));
            *sent += chunk;
            if (*sent >= body.size()) {
                timer->stop();
                socket->disconnectFromHost();
            }
        });
        timer->start(intervalMs_);
        break;
    }
    }
}

} // namespace lorvex::test
