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
using namespace lorvex::keys;
using Respond = std::function<void(QTcpSocket *)>;

static bool online() { return true; }

class TestUpdateCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Offline nothing is asked; refused, nothing is stored. Either way no folder is made.
    void offlineOrRefused()
    {
        TestHome home;
        const QUrl refusing = HttpFixture().url; // nothing listens there once the server is gone
        const QString path = updateTempPath();   // in the user's cache
        QVERIFY(path.startsWith(home.file(QStringLiteral("cache/"))) && path.endsWith(QStringLiteral("/~tmp.001")));
        QCOMPARE(HttpVersionChecker(refusing, std::not_fn(online), 1000).SurumKontrolEt(path, 101), 1);
        QCOMPARE(HttpVersionChecker(refusing, online, 1000).SurumKontrolEt(path, 101), 2);
        QVERIFY2(!QFileInfo::exists(QFileInfo(path).absolutePath()), "nothing is made before a download");
    }

    // Each way a download ends, within the 1 s timeout (and slack), its one
    // request under the wait cursor. A failure (2) leaves an older file alone;
    // a success makes the missing folder and deletes the file it stored.
    void download_data()
    {
        QTest::addColumn<Respond>("respond");
        QTest::addColumn<int>("result");
        // Sends the bytes, then closes the connection.
        const auto raw = [](QByteArray b) {
            return Respond([b](QTcpSocket *s) { s->write(b), s->disconnectFromHost(); });
        };
        // A byte every 150 ms, never the whole body. It falls silent after 3 s, so
        // that a deadline counted from each read ends the check late, not never.
        const Respond drip = [](QTcpSocket *s) {
            s->write(HttpFixture::head(200, 60000));
            for (int ms = 150; ms <= 3000; ms += 150)
                QTimer::singleShot(ms, s, [s] { s->write("1"); });
        };
        // A line of sevens: product 777, version 777.
        QTest::newRow("at the body cap") << raw(HttpFixture::head(200, 65536) + QByteArray(65536, '7')) << 777;
        QTest::newRow("404") << raw(HttpFixture::head(404, 22) + "<html>Not Found</html>") << 2;
        QTest::newRow("never answers") << Respond([](QTcpSocket *) {}) << 2;
        QTest::newRow("over the body cap, unannounced") << raw("HTTP/1.1 200 OK\r\n\r\n" + QByteArray(65537, '7')) << 2;
        QTest::newRow("head over the cap") << raw("HTTP/1.1 200 OK\r\nX: " + QByteArray(17000, 'p') + "\r\n\r\n7") << 2;
        QTest::newRow("drips without end") << drip << 2;
    }
    void download()
    {
        QFETCH(Respond, respond);
        QFETCH(int, result);
        TestHome home;
        HttpFixture server(respond);
        HttpVersionChecker checker(server.url, online, 1000);
        const QString path = home.file(QStringLiteral("no/such/folder/~tmp.001"));
        if (result == 2)
            writeFile(path, "left from before");
        const QDeadlineTimer limit(2500);
        // Braces: the check runs before the deadline is read.
        QCOMPARE((std::pair{checker.SurumKontrolEt(path, 101), limit.hasExpired()}), std::pair(result, false));
        QCOMPARE(QFile::exists(path) ? readFile(path) : "gone", result == 2 ? "left from before" : "gone");
        QCOMPARE(server.cursors, QList{Qt::WaitCursor});
        QVERIFY(!QApplication::overrideCursor());
    }

    // A newer version on a due day (weekly, the last check a week ago): saved,
    // then the notice; closing it renews the schedule, or, ticked, turns the
    // check off. The running version brings no notice, and after the close
    // none is due.
    void newerVersionNotice_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::newRow("download, then the close button") << false;
        // Were the notice closed by the download, the tick would come too late.
        QTest::newRow("ticked: the schedule off only") << true;
    }
    void newerVersionNotice()
    {
        QFETCH(bool, ticked);
        TestContext tc;
        tc.state.SonrakiKontrolTarihi = tc.clock.today();
        AppContext ctx = tc.context();
        QWidget main;
        ModalWatch watch;
        watch.on(s("GüncellemeFormu"), [&](QWidget *notice) {
            QCOMPARE(notice->parentWidget(), &main);
            QVERIFY(tc.settings.read(GuncellemeSonucu) == "1" && tc.settings.read(SurumBilgisi) == "103");
            auto button = [=](const char *n) { return notice->findChild<QWidget *>(s(n)); };
            QTest::mouseClick(button("IndirDüğmesi"), Qt::LeftButton);
            if (ticked)
                QTest::mouseClick(button("GüncellemeKontrolüOnayi"), Qt::LeftButton, {}, QPoint(8, 9));
            QTest::mouseClick(button("KapatDüğmesi"), Qt::LeftButton);
        });
        // The running version: no notice. A newer one: the notice. Again: not due.
        for (const int answer : {102, 103, 103}) {
            tc.checker.answer = answer;
            runScheduledCheck(&main, ctx);
        }
        QCOMPARE(std::tuple(tc.checker.calls, tc.checker.lastProduct, tc.opener.opened),
                 std::tuple(2, 101, QStringList{app_info::installerUrl()}));
        const auto read = [&](const char *key) { return tc.settings.read(key, s("-")); };
        // "Guncelleme Tarihi|Guncelleme Kontrolu|Guncelleme Zamani" as stored ("-": never written).
        QCOMPARE(QStringList({read(GuncellemeTarihi), read(GuncellemeKontrolu), read(GuncellemeZamani)}),
                 ticked ? l("-|-|0") : l("7.12.2026|14.12.2026|-"));
    }
};

QTEST_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
