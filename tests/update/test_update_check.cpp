#include "app/app_info.h"
#include "support/fakes.h"
#include "update/http_fixture.h"
#include "update/http_version_checker.h"
#include "update/scheduled_check.h"
#include "update/update_notice.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

using namespace lorvex;
using namespace lorvex::test;
using Setup = std::function<void(HttpFixture &)>;

namespace {

// Runs `act` on each modal dialog once it is open, and counts them.
struct OnModal : QTimer {
    explicit OnModal(std::function<void(QDialog *)> act)
    {
        callOnTimeout([this, act] {
            if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()); dialog && ++seen)
                act(dialog);
        });
        start(10);
    }
    int seen = 0;
};

// Promises the whole file, sends its first bytes, then says nothing.
void stall(QTcpSocket *socket) { socket->write(HttpFixture::head(200, 31) + "100 Other "); }

// 2 MB of headers before a valid file.
void padHeaders(QTcpSocket *socket)
{
    socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n");
    for (int i = 0; i < 2000; ++i)
        socket->write("X-Pad: " + QByteArray(1000, 'p') + "\r\n");
    socket->write("Content-Length: 15\r\n\r\n101 Lorvex 104\r");
    socket->disconnectFromHost();
}

// A byte now and then, never the end.
void drip(QTcpSocket *socket)
{
    socket->write(HttpFixture::head(200, 60000));
    auto *timer = new QTimer(socket);
    timer->callOnTimeout(socket, [socket] { socket->write("1"); });
    timer->start(150);
}

} // namespace

class TestUpdateCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offlineAsksNothing()
    {
        TestHome home;
        HttpFixture server;
        const QString path = updateTempPath(); // in the user's cache
        QVERIFY(path.startsWith(home.file(QStringLiteral("cache/"))) && path.endsWith(QStringLiteral("/~tmp.001")));
        QCOMPARE(HttpVersionChecker(
                     server.url(), [] { return false; }, 1000)
                     .SurumKontrolEt(path, 101),
                 1);
        QCOMPARE(HttpVersionChecker(server.url(), {}, 1000).SurumKontrolEt(path, 101), 1); // no probe: offline
        QCOMPARE(server.requests, 0);
        QVERIFY(!QFile::exists(path));
        QVERIFY2(!QFileInfo::exists(QFileInfo(path).absolutePath()), "nothing is made before a download");
    }

    // Every answer the server may give, with and without an old file at the
    // temporary path: the result in time; a failure (2) leaves the path as it
    // was, a success deletes the file it stored in a folder made for it.
    void download_data()
    {
        QTest::addColumn<Setup>("setup");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("maxMs");
        const auto row = [](const char *n, Setup s, int r, int ms = 2000) { QTest::newRow(n) << s << r << ms; };
        const auto file = [&](const char *n, QByteArray b, int r) {
            row(
                n, [b](HttpFixture &s) { s.serve(b); }, r);
        };
        file("line 101 ending in 104", "100 Other 210\r\n101 Lorvex 104\r\n", 104);
        file("first 101 wins", "101 a 103\r\n101 b 109\r\n", 103);
        file("third of three CR LF lines", "100 Other 210\r\n100 X 220\r\n101 Lorvex 104\r\n", 104);
        file("no line for 101: the last", "099 A 150\r\n100 B 210\r\n", 210);
        file("heading of letters first", "Products\r\n101 Lorvex 104\r\n", 0);
        file("empty line stops the search", "\r\n101 x 103", 0);
        file("negative product field passes", "-10 a 104\r\n101 b 105", 105);
        file("product field is three characters", " 101 x 104\r\n100 y 210", 210);
        file("line of three characters", "100 Other 210\r\n101\r\n", 101);
        file("empty file", "", 0);
        file("blank and 99", "101 Lorvex  99\r\n", 99);
        file("tab before, blank after", "101 x\t7 ", 7);
        file("decimal point", "101 x 1.5", 0);
        file("LF only: one line", "101 Lorvex 104\n102 Other 210", 210);
        file("LF only, LF at the end", "101 Lorvex 104\n", 0); // the LF is in the field
        file("CR only splits", "100 Other 210\r101 Lorvex 104\r", 104);
        file("garbage bytes", QByteArray("\x89PNG\x00\x01\xff\xfe\r\n\x00\x00\x00", 13), 0);
        file("exactly the cap", "101 " + QByteArray(64 * 1024 - 7, 'x') + "105", 105);
        row(
            "404", [](HttpFixture &s) { s.serve("<html>Not Found</html>", 404); }, 2);
        row(
            "connection refused", [](HttpFixture &s) { s.close(); }, 2);
        row(
            "never answers", [](HttpFixture &) {}, 2, 3000);
        row(
            "stalls mid-body", [](HttpFixture &s) { s.respond = stall; }, 2, 3000);
        row(
            "over the cap, announced", [](HttpFixture &s) { s.serve(QByteArray(64 * 1024 + 1, '7')); }, 2);
        row(
            "over the cap, unannounced", [](HttpFixture &s) { s.serve(QByteArray(200 * 1024, '7'), 200, false); }, 2);
        row(
            "headers over the cap", [](HttpFixture &s) { s.respond = padHeaders; }, 2);
        row(
            "drips without end", [](HttpFixture &s) { s.respond = drip; }, 2,
            1700); // the timeout bounds the whole check
    }
    void download()
    {
        QFETCH(Setup, setup);
        QFETCH(int, result);
        QFETCH(int, maxMs);
        TestHome home;
        HttpFixture server;
        setup(server);
        QList<Qt::CursorShape> during; // as each request comes in
        server.respond = [&, respond = server.respond](QTcpSocket *socket) {
            during.append(QApplication::overrideCursor() ? QApplication::overrideCursor()->shape() : Qt::ArrowCursor);
            respond(socket);
        };
        const QString path = home.file(QStringLiteral("no/such/folder/~tmp.001"));
        for (const bool oldFile : {false, true}) {
            if (oldFile)
                writeFile(path, "left from before");
            const QDeadlineTimer limit(maxMs);
            QCOMPARE(HttpVersionChecker(
                         server.url(), [] { return true; }, 1000)
                         .SurumKontrolEt(path, 101),
                     result);
            QVERIFY(!limit.hasExpired());
            QCOMPARE(readFile(path), result == 2 && oldFile ? QByteArray("left from before") : QByteArray());
            QCOMPARE(QFile::exists(path), result == 2 && oldFile);
        }
        // Only the first is sure to be read while its check runs.
        QCOMPARE(during.value(0, Qt::ArrowCursor), server.requests ? Qt::WaitCursor : Qt::ArrowCursor);
        QVERIFY(!QApplication::overrideCursor());
    }

    // The scheduled check where nothing newer comes up: no notice, nothing saved.
    void scheduledNothingToShow_data()
    {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<int>("lastDaysAgo");
        QTest::addColumn<int>("dueInDays");
        QTest::addColumn<int>("answer"); // 103, a newer version, only where nobody may ask
        QTest::newRow("schedule 0, overdue: not asked") << 0 << 40 << -30 << 103;
        QTest::newRow("checked today, overdue: not asked") << 1 << 0 << -5 << 103;
        QTest::newRow("due tomorrow: not asked") << 2 << 20 << 1 << 103;
        QTest::newRow("due today, offline") << 1 << 7 << 0 << 1;
        QTest::newRow("overdue, no number") << 2 << 40 << -9 << 0;
        QTest::newRow("due today, equal version") << 1 << 7 << 0 << 102;
        QTest::newRow("overdue by a day, older version") << 2 << 8 << -1 << 101;
    }
    void scheduledNothingToShow()
    {
        QFETCH(int, schedule);
        QFETCH(int, lastDaysAgo);
        QFETCH(int, dueInDays);
        QFETCH(int, answer);
        TestContext tc;
        tc.state.GuncellemeAraligi = static_cast<UpdateSchedule>(schedule);
        tc.state.SonKontrolTarihi = tc.clock.today().addDays(-lastDaysAgo);
        tc.state.SonrakiKontrolTarihi = tc.clock.today().addDays(dueInDays);
        tc.checker.answer = answer;
        AppContext ctx = tc.context();
        OnModal watch([](QDialog *d) { d->reject(); });
        runScheduledCheck(&main_, ctx);
        QCOMPARE(tc.checker.calls, answer == 103 ? 0 : 1);
        QCOMPARE(tc.checker.lastPath, answer == 103 ? QString() : ctx.updateTempPath);
        QCOMPARE(tc.checker.lastProduct, answer == 103 ? 0 : 101);
        QCOMPARE(watch.seen, 0);
        QVERIFY(!QFile::exists(tc.settings.filePath()));
    }

    // A newer version on a due day: saved, then the notice; closing renews the schedule.
    void scheduledNewerVersion_data()
    {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("next"); // "Guncelleme Kontrolu" after closing
        QTest::addColumn<QString>("how");
        const QDate march10(2027, 3, 10), march17(2027, 3, 17);
        QTest::newRow("weekly, 10 March, close button") << 1 << march10 << march17 << "button";
        QTest::newRow("Esc") << 1 << march10 << march17 << "esc";
        QTest::newRow("close box") << 1 << march10 << march17 << "closebox";
        QTest::newRow("download twice, then close") << 1 << march10 << march17 << "download";
        QTest::newRow("monthly, 31 January") << 2 << QDate(2027, 1, 31) << QDate(2027, 2, 28) << "button";
        QTest::newRow("monthly, 31 January, leap year") << 2 << QDate(2028, 1, 31) << QDate(2028, 2, 29) << "esc";
        QTest::newRow("ticked: the schedule off only") << 2 << march10 << QDate() << "tick";
    }
    void scheduledNewerVersion()
    {
        QFETCH(int, schedule);
        QFETCH(QDate, today);
        QFETCH(QDate, next);
        QFETCH(QString, how);
        const auto is = [&](const char *way) { return how == QLatin1String(way); };
        const bool ticked = is("tick");
        TestContext tc(today);
        tc.state.GuncellemeAraligi = static_cast<UpdateSchedule>(schedule);
        tc.state.SonrakiKontrolTarihi = today;
        tc.state.YeniKontrolTarihi = QDate(2001, 1, 1);
        tc.checker.answer = 103;
        AppContext ctx = tc.context();
        OnModal closer([&](QDialog *notice) {
            QCOMPARE(notice->parentWidget(), &main_);
            QCOMPARE(tc.settings.read(keys::GuncellemeSonucu), QStringLiteral("1"));
            QCOMPARE(tc.settings.read(keys::SurumBilgisi), QStringLiteral("103"));
            const QByteArray atOpen = readFile(tc.settings.filePath());
            auto button = [=](const char *n) { return notice->findChild<QAbstractButton *>(QString::fromUtf8(n)); };
            for (int i = 0; is("download") && i < 2; ++i)
                QTest::mouseClick(button("IndirDüğmesi"), Qt::LeftButton);
            QVERIFY(notice->isVisible());
            QCOMPARE(readFile(tc.settings.filePath()), atOpen);
            if (ticked)
                QTest::mouseClick(button("GüncellemeKontrolüOnayi"), Qt::LeftButton, {}, QPoint(8, 9));
            if (is("esc"))
                QTest::keyClick(notice, Qt::Key_Escape);
            else if (is("closebox"))
                notice->close();
            else
                QTest::mouseClick(button("KapatDüğmesi"), Qt::LeftButton);
        });
        runScheduledCheck(&main_, ctx);
        QCOMPARE(closer.seen, 1);
        QCOMPARE(tc.opener.opened, is("download") ? QStringList(2, app_info::installerUrl()) : QStringList());
        QCOMPARE(tc.settings.readDate(keys::GuncellemeTarihi), ticked ? QDate() : today);
        QCOMPARE(tc.settings.readDate(keys::GuncellemeKontrolu), next);
        QCOMPARE(tc.settings.read(keys::GuncellemeZamani, QString()), ticked ? QStringLiteral("0") : QString());
        QCOMPARE(int(tc.state.GuncellemeAraligi), ticked ? 0 : schedule);
        QCOMPARE(tc.state.SonKontrolTarihi, ticked ? today.addDays(-7) : today);
        QCOMPARE(tc.state.SonrakiKontrolTarihi, today);
    }

    // The check throws to its caller; the notice closes all the same.
    void refusedWrites()
    {
        TestContext tc(QDate(2027, 3, 10));
        tc.state.SonrakiKontrolTarihi = tc.clock.today();
        tc.checker.answer = 103;
        // The store's folder cannot be made: its parent is a regular file.
        Settings refusing(writeFile(tc.home.file(QStringLiteral("blocker")), "x") + QStringLiteral("/Lorvex.ini"));
        AppContext c = tc.context();
        AppContext bad{c.state, refusing, c.boxes, c.errors, c.clock, c.opener, c.checker, c.updateTempPath};
        OnModal escape([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY_THROWS_EXCEPTION(Failure, runScheduledCheck(&main_, bad));
        QCOMPARE(escape.seen, 0);
        GüncellemeFormu(&main_, bad).exec();
        QCOMPARE(escape.seen, 1);
        QCOMPARE(tc.state.SonKontrolTarihi, tc.clock.today());
        QCOMPARE(tc.state.YeniKontrolTarihi, QDate(2027, 3, 17));
    }

private:
    QWidget main_;
};

QTEST_MAIN(TestUpdateCheck)
#include "test_update_check.moc"
