#pragma once
// A loopback HTTP server for tests of the update check: it listens on a free
// port of 127.0.0.1 and hands every request, once its head is in, to
// `respond` (by default silence), noting the pointer shape at that moment. It
// lives in the test's thread and is served while the code under test spins a
// local event loop.

#include <QCursor>
#include <QGuiApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>
#include <functional>

namespace lorvex::test {

class HttpFixture {
public:
    explicit HttpFixture(std::function<void(QTcpSocket *)> respond = [](QTcpSocket *) {}) : respond_(std::move(respond))
    {
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket *s = server_.nextPendingConnection()) {
                QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, request = QByteArray()]() mutable {
                    // A GET has no body: its head ends the request.
                    request += s->readAll();
                    if (request.endsWith("\r\n\r\n")) {
                        const QCursor *shown = QGuiApplication::overrideCursor();
                        cursors.append(shown ? shown->shape() : Qt::ArrowCursor);
                        respond_(s);
                    }
                });
            }
        });
        server_.listen(QHostAddress::LocalHost, 0);
        url = QUrl(QStringLiteral("http://127.0.0.1:%1/version.txt").arg(server_.serverPort()));
    }

    static QByteArray head(int status, qsizetype length)
    {
        return QStringLiteral("HTTP/1.1 %1 Status\r\nContent-Length: %2\r\n\r\n").arg(status).arg(length).toLatin1();
    }

    QUrl url;
    QList<Qt::CursorShape> cursors; // one for each request head received

private:
    std::function<void(QTcpSocket *)> respond_;
    QTcpServer server_;
};

} // namespace lorvex::test
