// The update check against a loopback server: every way a download ends, in
// time and with the temporary file handled; then the scheduled check's notice.
// What the version file says is read in test_update_rules.

#include "app/app_info.h"
#include "support/fakes.h"
#include "support/modal_watch.h"
#include "update/http_fixture.h"
#include "update/http_version_checker.h"
#include "update/scheduled_check.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

using namespace lorvex;
using namespace lorvex::test;
using Respond = std::function<void(QTcpSocket *)>;

namespace {

bool online() { return true; }

QByteArray ok(const QByteArray &body) { return HttpFixture::head(200, body.size()) + body; }

// Sends bytes, then closes the connection.
Respond raw(const QByteArray &bytes)
{
    return [bytes](QTcpSocket *s) { s->write(bytes), s->disconnectFromHost(); };
}

// Promises the whole file, sends its first bytes, then says nothing.
void stall(QTcpSocket *s) { s->write(HttpFixture::head(200, 31) + "100 Other "); }

// A byte every 150 ms, never the whole body. It falls silent after 3 s, so
// that a deadline counted from each read ends the check late, not never.
void drip(QTcpSocket *s)
{
    s->write(HttpFixture::head(200, 60000));
    auto *timer = new QTimer(s);
    timer->callOnTimeout(s, [s] { s->write("1"); });
    timer->start(150);
    QTimer::singleShot(3000, timer, &QTimer::stop);
}

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Offline nothing is asked; refused, nothing is stored. Either way no folder is made.
    void offlineOrRefused()
    {
        TestHome home;
        HttpFixture server;
        const QString path = updateTempPath(); // in the user's cache
        QVERIFY(path.startsWith(home.file(QStringLiteral("cache/"))) && path.endsWith(QStringLiteral("/~tmp.001")));
        QCOMPARE(HttpVersionChecker(server.url(), std::not_fn(online), 1000).SurumKontrolEt(path, 101), 1);
        QCOMPARE(HttpVersionChecker(server.url(), {}, 1000).SurumKontrolEt(path, 101), 1); // no probe: offline
        QCOMPARE(server.requests, 0);
        server.close();
        QCOMPARE(HttpVersionChecker(server.url(), online, 1000).SurumKontrolEt(path, 101), 2);
        QVERIFY2(!QFileInfo::exists(QFileInfo(path).absolutePath()), "nothing is made before a download");
    }

    // Every answer the server may give, with and without an old file at the
    // temporary path: the result within the 1 s timeout (and slack); a failure
    // (2) leaves the path as it was, a success deletes the file it stored.
    void download_data()
    {
        QTest::addColumn<Respond>("respond");
        QTest::addColumn<int>("result");
        // 2 MB of headers.
        const QByteArray padded = "HTTP/1.1 200 OK\r\n" + ("X-Pad: " + QByteArray(1000, 'p') + "\r\n").repeated(2000);
        QTest::newRow("one valid file") << raw(ok("100 Other 210\r\n101 Lorvex 104\r\n")) << 104;
        QTest::newRow("exactly the cap") << raw(ok("101 " + QByteArray(64 * 1024 - 7, 'x') + "105")) << 105;
        QTest::newRow("404") << raw(HttpFixture::head(404, 22) + "<html>Not Found</html>") << 2;
        QTest::newRow("never answers") << Respond([](QTcpSocket *) {}) << 2;
        QTest::newRow("stalls mid-body") << Respond(stall) << 2;
        QTest::newRow("over the cap, announced") << raw(ok(QByteArray(64 * 1024 + 1, '7'))) << 2;
        QTest::newRow("over the cap, unannounced") << raw("HTTP/1.1 200 OK\r\n\r\n" + QByteArray(204800, '7')) << 2;
        QTest::newRow("headers over the cap") << raw(padded + "Content-Length: 15\r\n\r\n101 Lorvex 104\r") << 2;
        QTest::newRow("drips without end") << Respond(drip) << 2;
        QTest::newRow("garbage instead of HTTP") << raw(QByteArray("\x89PNG\x00\x01\xff\xfe\r\n\x00\x00\x00", 13)) << 2;
    }
    void download()
    {
        QFETCH(Respond, respond);
        QFETCH(int, result);
        TestHome home;
        HttpFixture server;
        QList<Qt::CursorShape> during; // as each request comes in
        server.respond = [&](QTcpSocket *socket) {
            during.append(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor);
            respond(socket);
        };
        HttpVersionChecker checker(server.url(), online, 1000);
        const QString path = home.file(QStringLiteral("no/such/folder/~tmp.001"));
        for (const bool oldFile : {false, true}) {
            if (oldFile)
                writeFile(path, "left from before");
            const QDeadlineTimer limit(2500);
            // Braces: the check runs before the deadline is read.
            QCOMPARE((std::pair{checker.SurumKontrolEt(path, 101), limit.hasExpired()}), std::pair(result, false));
            QCOMPARE(readFile(path), result == 2 && oldFile ? QByteArray("left from before") : QByteArray());
            QCOMPARE(QFile::exists(path), result == 2 && oldFile);
        }
        // Only the first is sure to be read while its check runs.
        QCOMPARE(during.value(0, Qt::ArrowCursor), server.requests ? Qt::WaitCursor : Qt::ArrowCursor);
        QVERIFY(!QApplication::overrideCursor());
    }

    // A newer version on a due day (10 March, weekly): saved, then the notice;
    // closing it renews the schedule, or, ticked, turns the check off. The
    // running version brings no notice, and after the close none is due.
    void newerVersionNotice_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("download, then the close button") << false;
        QTest::newRow("ticked: the schedule off only") << true;
    }
    void newerVersionNotice()
    {
        QFETCH(bool, ticked);
        const QDate today(2027, 3, 10);
        TestContext tc(today);
        tc.state.SonrakiKontrolTarihi = today;
        AppContext ctx = tc.context();
        QWidget main;
        ModalWatch watch;
        // The notice has no name of its own: it is a QDialog to moc.
        watch.on(QStringLiteral("QDialog"), [&](QWidget *notice) {
            QCOMPARE(notice->parentWidget(), &main);
            QVERIFY(tc.settings.read(keys::GuncellemeSonucu) == "1" && tc.settings.read(keys::SurumBilgisi) == "103");
            auto button = [=](const char *n) { return notice->findChild<QWidget *>(QString::fromUtf8(n)); };
            QTest::mouseClick(button("IndirDüğmesi"), Qt::LeftButton);
            QVERIFY(notice->isVisible());
            if (ticked)
                QTest::mouseClick(button("GüncellemeKontrolüOnayi"), Qt::LeftButton, {}, QPoint(8, 9));
            QTest::mouseClick(button("KapatDüğmesi"), Qt::LeftButton);
        });
        tc.checker.answer = 102; // the running version: nothing to show
        runScheduledCheck(&main, ctx);
        tc.checker.answer = 103;
        runScheduledCheck(&main, ctx);
        runScheduledCheck(&main, ctx); // closed today: not due again
        QCOMPARE(std::tuple(tc.checker.calls, tc.checker.lastProduct, tc.opener.opened),
                 std::tuple(2, 101, QStringList{app_info::installerUrl()}));
        QCOMPARE(tc.settings.readDate(keys::GuncellemeKontrolu), ticked ? QDate() : QDate(2027, 3, 17));
        QCOMPARE(tc.settings.read(keys::GuncellemeZamani, QString()), ticked ? QStringLiteral("0") : QString());
        QCOMPARE(tc.state.SonKontrolTarihi, ticked ? today.addDays(-7) : today);
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
