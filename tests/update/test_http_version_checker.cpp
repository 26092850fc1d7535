#include "support/test_env.h"
#include "update/http_fixture.h"
#include "update/http_version_checker.h"

#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTest>
#include <memory>

using namespace lorvex;
using lorvex::test::HttpFixture;

namespace {

constexpr int timeoutMs = 1000;

HttpVersionChecker onlineChecker(const QUrl &url) { return HttpVersionChecker(url, [] { return true; }, timeoutMs); }

// A version file padded with blank-free filler to exactly `size` bytes, its
// one line ending in `version`.
QByteArray paddedFile(qsizetype size, const QByteArray &version)
{
    QByteArray line = "101 ";
    line += QByteArray(size - line.size() - version.size(), 'x');
    return line + version;
}

} // namespace

class TestHttpVersionChecker : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        home_.reset(); // restores the environment before the next home is made
        home_ = std::make_unique<test::TestHome>();
        path_ = home_->file(QStringLiteral("cache/Lorvex/~tmp.001"));
        QVERIFY(server_.isListening());
        server_.onRequest({});
    }

    void offlineMakesNoRequestAndNoFile()
    {
        server_.serve("101 x 104\r\n");
        HttpVersionChecker checker(server_.url(), [] { return false; }, timeoutMs);
        const int before = server_.requestCount();
        QCOMPARE(checker.SurumKontrolEt(path_, 101), 1);
        QCOMPARE(server_.requestCount(), before);
        QVERIFY(!QFile::exists(path_));
        QVERIFY(!QDir(QFileInfo(path_).absolutePath()).exists());
        // A probe that cannot answer counts as offline too.
        HttpVersionChecker noProbe(server_.url(), {}, timeoutMs);
        QCOMPARE(noProbe.SurumKontrolEt(path_, 101), 1);
    }

    // The version file's cases end to end: served, stored, read, deleted.
    void fileCases_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        QTest::newRow("line 101 ending in 104") << QByteArray("100 Other 210\r\n101 Lorvex 104\r\n") << 104;
        QTest::newRow("no line for 101: the last") << QByteArray("099 A 150\r\n100 B 210\r\n") << 210;
        QTest::newRow("heading of letters first") << QByteArray("Products\r\n101 Lorvex 104\r\n") << 0;
        QTest::newRow("empty file") << QByteArray() << 0;
        QTest::newRow("blank and 99") << QByteArray("101 Lorvex  99\r\n") << 99;
        QTest::newRow("LF only: one line") << QByteArray("101 Lorvex 104\n102 Other 210") << 210;
        QTest::newRow("LF only, LF at the end") << QByteArray("101 Lorvex 104\n") << 0;
        QTest::newRow("CR only splits") << QByteArray("100 Other 210\r101 Lorvex 104\r") << 104;
        QTest::newRow("line of three characters") << QByteArray("100 Other 210\r\n101\r\n") << 101;
        QTest::newRow("garbage bytes") << QByteArray("\x89PNG\x00\x01\xff\xfe\r\n\x00\x00\x00", 13) << 0;
        QTest::newRow("exactly 64 KiB") << paddedFile(64 * 1024, "105") << 105;
    }
    void fileCases()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        server_.serve(body);
        auto checker = onlineChecker(server_.url());
        const int before = server_.requestCount();
        QCOMPARE(checker.SurumKontrolEt(path_, 101), result);
        QCOMPARE(server_.requestCount(), before + 1);
        QVERIFY2(server_.lastRequest().startsWith("GET /version.txt HTTP/1.1"), server_.lastRequest().constData());
        QVERIFY2(!QFile::exists(path_), "the temporary file must be gone");
    }

    void missingFolderIsCreated()
    {
        const QString deep = home_->file(QStringLiteral("no/such/folder/~tmp.001"));
        server_.serve("101 Lorvex 103\r\n");
        auto checker = onlineChecker(server_.url());
        QCOMPARE(checker.SurumKontrolEt(deep, 101), 103);
        QVERIFY(QDir(home_->file(QStringLiteral("no/such/folder"))).exists());
        QVERIFY(!QFile::exists(deep));
    }

    // Every failed download: 2, within the timeout, nothing written, an old
    // file at the path left exactly as it was.
    void failures_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("maxMs");
        QTest::newRow("404") << 0 << 2000;
        QTest::newRow("connection refused") << 1 << 2000;
        QTest::newRow("never answers") << 2 << 3000;
        QTest::newRow("stalls mid-body") << 3 << 3000;
        QTest::newRow("over the cap, announced") << 4 << 2000;
        QTest::newRow("over the cap, unannounced") << 5 << 2000;
        QTest::newRow("drips without end") << 6 << 3500;
    }
    void failures()
    {
        QFETCH(int, mode);
        QFETCH(int, maxMs);
        const QByteArray body = "100 Other 210\r\n101 Lorvex 104\r\n";
        QUrl url = server_.url();
        switch (mode) {
        case 0: server_.notFound(); break;
        case 1: url = HttpFixture::closedPortUrl(); break;
        case 2: server_.neverAnswer(); break;
        case 3: server_.stallMidBody(body, 10); break;
        case 4: server_.oversize(64 * 1024 + 1, true); break;
        case 5: server_.oversize(200 * 1024, false); break;
        case 6: server_.drip(QByteArray(60000, '1'), 150, 1); break;
        }
        const QByteArray old = "left from before";
        test::writeFile(path_, old);
        auto checker = onlineChecker(url);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(checker.SurumKontrolEt(path_, 101), 2);
        QVERIFY2(clock.elapsed() < maxMs, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(test::readFile(path_), old);
        // With nothing at the path before, nothing is there after.
        QFile::remove(path_);
        QCOMPARE(checker.SurumKontrolEt(path_, 101), 2);
        QVERIFY(!QFile::exists(path_));
    }

    void slowButSteadyServerIsRead()
    {
        // A byte every 20 ms keeps the transfer alive well within the deadline.
        server_.drip("101 Lorvex 106\r\n", 20, 1);
        auto checker = onlineChecker(server_.url());
        QCOMPARE(checker.SurumKontrolEt(path_, 101), 106);
    }

    void waitCursorWhileDownloading()
    {
        Qt::CursorShape during = Qt::ArrowCursor;
        server_.onRequest([&] {
            if (const QCursor *c = QGuiApplication::overrideCursor())
                during = c->shape();
        });
        server_.notFound();
        auto checker = onlineChecker(server_.url());
        QCOMPARE(checker.SurumKontrolEt(path_, 101), 2);
        QCOMPARE(during, Qt::WaitCursor);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void tempPathInTheUserCache()
    {
        const QString path = updateTempPath();
        QVERIFY2(path.startsWith(home_->file(QStringLiteral("cache/"))), qPrintable(path));
        QVERIFY(path.endsWith(QStringLiteral("/~tmp.001")));
        QVERIFY(QFileInfo(QFileInfo(path).absolutePath()).isDir());
        QVERIFY(!QFile::exists(path));
    }

    void realProbeAnswers()
    {
        // Whatever the machine's state, the probe answers without blocking.
        QElapsedTimer clock;
        clock.start();
        (void)isOnline();
        QVERIFY(clock.elapsed() < 5000);
    }

private:
    HttpFixture server_;
    std::unique_ptr<test::TestHome> home_;
    QString path_;
};

QTEST_MAIN(TestHttpVersionChecker)
#include "test_http_version_checker.moc"
