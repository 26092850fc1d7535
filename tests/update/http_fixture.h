#pragma once
// A loopback HTTP server for tests of the update check: it listens on a free
// port of 127.0.0.1 and hands every request, once its head is in, to
// `respond` (by default silence). It lives in the test's thread and is served while
// the code under test spins a local event loop.

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <functional>

namespace lorvex::test {

class HttpFixture {
public:
    HttpFixture()
    {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, request = QByteArray()]() mutable {
                    const bool answered = request.contains("\r\n\r\n");
                    request += s->readAll();
                    if (!answered && request.contains("\r\n\r\n")) {
                        ++requests;
                        respond(s);
                    }
                });
            }
        });
        server_.listen(QHostAddress::LocalHost, 0);
        port_ = server_.serverPort();
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(port_)); }
    // From now on connections to url() are refused.
    void close() { server_.close(); }

    // A negative length announces none.
    static QByteArray head(int status, qsizetype length)
    {
        const QByteArray size = length < 0 ? QByteArray() : "Content-Length: " + QByteArray::number(length) + "\r\n";
        return "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nConnection: close\r\n" + size + "\r\n";
    }
    // The whole answer, then the connection closed.
    void serve(const QByteArray &body, int status = 200, bool announce = true)
    {
        respond = [=](QTcpSocket *s) {
            s->write(head(status, announce ? body.size() : -1) + body);
            s->disconnectFromHost();
        };
    }

    std::function<void(QTcpSocket *)> respond = [](QTcpSocket *) {};
    int requests = 0; // complete request heads received

private:
    QTcpServer server_;
    quint16 port_ = 0;
};

} // namespace lorvex::test
