#pragma once
// A loopback HTTP server for tests of the update check: it listens on
// 127.0.0.1 on a free port only and answers every GET with the behaviour last
// chosen. It is event-driven and lives in the test's thread, so it is served
// while the code under test spins a local event loop.
//
//     lorvex::test::HttpFixture server;          // listening at once
//     server.serve("101 Lorvex 103\r\n");        // 200 with that body
//     HttpVersionChecker checker(server.url(), [] { return true; }, 1000);
//     QCOMPARE(checker.SurumKontrolEt(path, 101), 103);
//     QCOMPARE(server.requestCount(), 1);

#include <QByteArray>
#include <QObject>
#include <QTcpServer>
#include <QUrl>
#include <functional>

class QTcpSocket;

namespace lorvex::test {

class HttpFixture : public QObject {
    Q_OBJECT
public:
    explicit HttpFixture(QObject *parent = nullptr);

    bool isListening() const { return server_.isListening(); }
    quint16 port() const { return server_.serverPort(); }
    // http://127.0.0.1:<port><path>
    QUrl url(const QString &path = QStringLiteral("/version.txt")) const;
    // An address on 127.0.0.1 where nobody listens: the connection is refused.
    static QUrl closedPortUrl();

    // Answers to come (each replaces the previous choice):
    void serve(const QByteArray &body);                            // 200, the body, Content-Length
    void notFound();                                               // 404 with a short page
    void neverAnswer();                                            // reads the request, says nothing
    void stallMidBody(const QByteArray &body, qsizetype sendFirst); // promises all, sends the first bytes, then silence
    void drip(const QByteArray &body, int intervalMs, qsizetype chunk = 1); // 200, the body a chunk per interval
    // 200 with `size` bytes of digits; with announceLength false there is no
    // Content-Length and the body ends when the connection closes.
    void oversize(qsizetype size, bool announceLength);

    // Complete requests received (request line and headers read).
    int requestCount() const { return requests_; }
    QByteArray lastRequest() const { return lastRequest_; }
    // Called for each request before it is answered, e.g. to look at the
    // state of the program while it waits for the server.
    void onRequest(std::function<void()> hook) { hook_ = std::move(hook); }

private:
    enum class Mode { Serve, NotFound, NeverAnswer, StallMidBody, Drip, Oversize };
    void accept();
    void answer(QTcpSocket *socket);
    static void send(QTcpSocket *socket, int status, const QByteArray &body, qsizetype announced, bool closeAfter);

    QTcpServer server_;
    Mode mode_ = Mode::NotFound;
    QByteArray body_;
    qsizetype sendFirst_ = 0;
    int intervalMs_ = 0;
    qsizetype chunk_ = 1;
    bool announceLength_ = true;
    int requests_ = 0;
    QByteArray lastRequest_;
    std::function<void()> hook_;
};

} // namespace lorvex::test
