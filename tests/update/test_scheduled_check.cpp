#include "app/app_info.h"
#include "app/shell.h"
#include "support/fakes.h"
#include "update/http_fixture.h"
#include "update/http_version_checker.h"
#include "update/scheduled_check.h"
#include "update/update_notice.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace lorvex;
using test::TestContext;

namespace {

const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);

// Runs `answer` on the next modal window once it is really open.
void whenModal(std::function<void(QDialog *)> answer)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, qApp, [poll, answer] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(10);
}

// Closes and counts any modal window, for runs that must show none.
struct ModalWatch {
    ModalWatch()
    {
        QObject::connect(&poll, &QTimer::timeout, [this] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                ++seen;
                w->close();
            }
        });
        poll.start(10);
    }
    QTimer poll;
    int seen = 0;
};

QMap<QString, QString> stored(const QString &ini)
{
    QSettings s(ini, QSettings::IniFormat);
    s.beginGroup(QStringLiteral("Ayarlar"));
    QMap<QString, QString> values;
    for (const QString &key : s.childKeys())
        values.insert(key, s.value(key).toString());
    return values;
}

template <class W> W *child(QWidget *notice, const char *name)
{
    return notice->findChild<W *>(QString::fromUtf8(name));
}

// The test context's services with another checker or settings store.
AppContext with(TestContext &tc, VersionChecker &checker, Settings *settings = nullptr)
{
    return AppContext{tc.state, settings ? *settings : tc.settings, tc.boxes, tc.errors, tc.clock, tc.opener, checker,
                      tc.home.path() + QStringLiteral("/cache/~tmp.001")};
}

// A due start: weekly unless told, last check a week ago, due today.
void makeDue(TestContext &tc, int schedule = 1)
{
    tc.state.GuncellemeAraligi = schedule;
    tc.state.SonKontrolTarihi = tc.clock.today().addDays(-7);
    tc.state.SonrakiKontrolTarihi = tc.clock.today();
}

} // namespace

class TestScheduledCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        OrtakDenetimleriBaslat();
        main_.setGeometry(300, 200, 576, 511);
        main_.show();
    }

    // Asks a real server that publishes the running version.
    void dueDecidesWhetherTheServerIsAsked_data()
    {
        QTest::addColumn<int>("schedule");
        QTest::addColumn<int>("lastDaysAgo");
        QTest::addColumn<int>("dueInDays");
        QTest::addColumn<int>("requests");
        QTest::newRow("schedule 0, long overdue") << 0 << 40 << -30 << 0;
        QTest::newRow("checked today, overdue") << 1 << 0 << -5 << 0;
        QTest::newRow("due tomorrow") << 2 << 20 << 1 << 0;
        QTest::newRow("due today") << 1 << 7 << 0 << 1;
        QTest::newRow("overdue, monthly") << 2 << 40 << -9 << 1;
    }
    void dueDecidesWhetherTheServerIsAsked()
    {
        QFETCH(int, schedule);
        QFETCH(int, lastDaysAgo);
        QFETCH(int, dueInDays);
        QFETCH(int, requests);
        TestContext tc;
        tc.state.GuncellemeAraligi = schedule;
        tc.state.SonKontrolTarihi = tc.clock.today().addDays(-lastDaysAgo);
        tc.state.SonrakiKontrolTarihi = tc.clock.today().addDays(dueInDays);
        test::HttpFixture server;
        server.serve("100 Other 300\r\n101 Lorvex 102\r\n");
        HttpVersionChecker checker(server.url(), [] { return true; }, 1000);
        AppContext ctx = with(tc, checker);
        ModalWatch watch;
        runScheduledCheck(&main_, ctx);
        QCOMPARE(server.requestCount(), requests);
        QCOMPARE(watch.seen, 0);
        QVERIFY(!QFile::exists(tc.settings.filePath()));
        QVERIFY(!QFile::exists(ctx.updateTempPath));
    }

    void nothingNewerSavesAndShowsNothing_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("offline") << 1;
        QTest::newRow("download failed") << 2;
        QTest::newRow("no number") << 0;
        QTest::newRow("equal version") << 102;
        QTest::newRow("older version") << 101;
    }
    void nothingNewerSavesAndShowsNothing()
    {
        QFETCH(int, answer);
        TestContext tc;
        makeDue(tc);
        const SharedState before = tc.state;
        tc.checker.answer = answer;
        AppContext ctx = tc.context();
        ModalWatch watch;
        runScheduledCheck(&main_, ctx);
        QCOMPARE(tc.checker.calls, 1);
        QCOMPARE(tc.checker.lastPath, ctx.updateTempPath);
        QCOMPARE(tc.checker.lastProduct, 101);
        QCOMPARE(watch.seen, 0);
        QVERIFY(!QFile::exists(tc.settings.filePath()));
        QCOMPARE(tc.state.SonKontrolTarihi, before.SonKontrolTarihi);
        QCOMPARE(tc.state.SonrakiKontrolTarihi, before.SonrakiKontrolTarihi);
    }

    void newerFoundThenClosed_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("schedule");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QDate>("next");
        QTest::addColumn<QString>("how");
        const QDate march10(2027, 3, 10), march17(2027, 3, 17);
        QTest::newRow("weekly, 10 March, button, tr") << turkish << 1 << march10 << march17 << "button";
        QTest::newRow("weekly, 10 March, button, en") << english << 1 << march10 << march17 << "button";
        QTest::newRow("weekly, Esc") << turkish << 1 << march10 << march17 << "esc";
        QTest::newRow("weekly, close box") << turkish << 1 << march10 << march17 << "closebox";
        QTest::newRow("monthly, 31 January 2027") << turkish << 2 << QDate(2027, 1, 31) << QDate(2027, 2, 28) << "button";
        QTest::newRow("monthly, 31 January 2028") << english << 2 << QDate(2028, 1, 31) << QDate(2028, 2, 29) << "esc";
    }
    void newerFoundThenClosed()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, schedule);
        QFETCH(QDate, today);
        QFETCH(QDate, next);
        QFETCH(QString, how);
        TestContext tc(today, locale);
        makeDue(tc, schedule);
        const QDate dueAtStart = tc.state.SonrakiKontrolTarihi;
        tc.checker.answer = 103;
        AppContext ctx = tc.context();
        bool answered = false;
        whenModal([&](QDialog *notice) {
            answered = true;
            // Found and saved before the notice shows; no date touched yet.
            const auto atOpen = stored(tc.settings.filePath());
            QCOMPARE(atOpen.value(QStringLiteral("Guncelleme Sonucu")), QStringLiteral("1"));
            QCOMPARE(atOpen.value(QStringLiteral("Surum Bilgisi")), QStringLiteral("103"));
            QCOMPARE(atOpen.size(), 2);
            QCOMPARE(notice->parentWidget(), &main_);
            if (how == QLatin1String("button"))
                QTest::mouseClick(child<QPushButton>(notice, "KapatDüğmesi"), Qt::LeftButton);
            else if (how == QLatin1String("esc"))
                QTest::keyClick(notice, Qt::Key_Escape);
            else
                notice->close();
        });
        runScheduledCheck(&main_, ctx);
        QVERIFY(answered);
        QCOMPARE(tc.settings.readDate(keys::GuncellemeTarihi), today);
        QCOMPARE(tc.settings.readDate(keys::GuncellemeKontrolu), next);
        QVERIFY(!tc.settings.contains(keys::GuncellemeZamani));
        QCOMPARE(tc.state.SonKontrolTarihi, today);
        QCOMPARE(tc.state.YeniKontrolTarihi, next);
        QCOMPARE(tc.state.GuncellemeAraligi, schedule);
        QCOMPARE(tc.state.SonrakiKontrolTarihi, dueAtStart);
    }

    void tickedBoxSwitchesTheScheduleOffOnly()
    {
        TestContext tc(QDate(2027, 3, 10));
        makeDue(tc);
        tc.settings.writeDate(keys::GuncellemeTarihi, QDate(2027, 3, 3));
        tc.settings.writeDate(keys::GuncellemeKontrolu, QDate(2027, 3, 10));
        tc.checker.answer = 150;
        AppContext ctx = tc.context();
        QMap<QString, QString> before;
        whenModal([&](QDialog *notice) {
            before = stored(tc.settings.filePath());
            auto *box = child<QCheckBox>(notice, "GüncellemeKontrolüOnayi");
            QVERIFY(!box->isChecked());
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            QVERIFY(box->isChecked());
            QTest::mouseClick(child<QPushButton>(notice, "KapatDüğmesi"), Qt::LeftButton);
        });
        runScheduledCheck(&main_, ctx);
        QVERIFY(!before.isEmpty());
        auto expected = before;
        expected.insert(QStringLiteral("Guncelleme Zamani"), QStringLiteral("0"));
        QCOMPARE(stored(tc.settings.filePath()), expected);
        QCOMPARE(tc.state.GuncellemeAraligi, 0);
        QCOMPARE(tc.state.SonKontrolTarihi, QDate(2027, 3, 3));
    }

    void downloadButtonOpensAndStays()
    {
        TestContext tc(QDate(2027, 3, 10));
        makeDue(tc);
        tc.checker.answer = 104;
        AppContext ctx = tc.context();
        QMap<QString, QString> afterClicks, atOpen;
        bool stillOpen = false;
        whenModal([&](QDialog *notice) {
            atOpen = stored(tc.settings.filePath());
            auto *indir = child<QPushButton>(notice, "IndirDüğmesi");
            QTest::mouseClick(indir, Qt::LeftButton);
            QTest::mouseClick(indir, Qt::LeftButton);
            afterClicks = stored(tc.settings.filePath());
            stillOpen = notice->isVisible();
            QTest::mouseClick(child<QPushButton>(notice, "KapatDüğmesi"), Qt::LeftButton);
        });
        runScheduledCheck(&main_, ctx);
        QCOMPARE(tc.opener.opened, QStringList({app_info::installerUrl(), app_info::installerUrl()}));
        QVERIFY(stillOpen);
        QCOMPARE(afterClicks, atOpen);
        QCOMPARE(tc.settings.readDate(keys::GuncellemeKontrolu), QDate(2027, 3, 17));
    }

    void noticeLayoutAndCaptions()
    {
        TestContext tc;
        AppContext ctx = tc.context();
        GüncellemeFormu notice(&main_, ctx);
        notice.show();
        QVERIFY(QTest::qWaitForWindowExposed(&notice));
        QCOMPARE(notice.size(), QSize(354, 171));
        QCOMPARE(notice.minimumSize(), notice.maximumSize());
        QVERIFY(!(notice.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QPoint offset = notice.geometry().center() - main_.geometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, "centred over the main window");
        QCOMPARE(notice.windowTitle(), QStringLiteral("Güncelleme Uyarısı"));
        auto *etiket = child<QLabel>(&notice, "Etiket");
        QCOMPARE(etiket->parentWidget(), child<QWidget>(&notice, "Altlik"));
        QCOMPARE(etiket->parentWidget()->parentWidget(), child<QGroupBox>(&notice, "Çerçeve"));
        QCOMPARE(etiket->mapTo(&notice, QPoint(0, 0)), QPoint(100, 36));
        QCOMPARE(child<QPushButton>(&notice, "KapatDüğmesi")->text(), QStringLiteral("Kapat (Esc)"));
        auto *simge = child<QLabel>(&notice, "SimgeKutusu");
        QCOMPARE(simge->geometry(), QRect(22, 22, 48, 48));
        QVERIFY(!simge->pixmap().isNull());
        // Every caption fits its place with the layout font.
        QVERIFY(etiket->heightForWidth(etiket->width()) <= etiket->height());
        for (const char *name : {"GüncellemeKontrolüOnayi", "IndirDüğmesi", "KapatDüğmesi"}) {
            auto *b = child<QAbstractButton>(&notice, name);
            QVERIFY2(b->sizeHint().width() <= b->width(), name);
        }
        notice.close();
    }

    void refusedWriteInTheCheckPropagates()
    {
        TestContext tc;
        makeDue(tc);
        tc.checker.answer = 103;
        // A folder that cannot be made: its parent is a regular file.
        const QString blocker = test::writeFile(tc.home.file(QStringLiteral("blocker")), "x");
        Settings refusing(blocker + QStringLiteral("/Tavoran/Lorvex.ini"), turkish);
        AppContext bad = with(tc, tc.checker, &refusing);
        ModalWatch watch;
        QVERIFY_THROWS_EXCEPTION(Failure, runScheduledCheck(&main_, bad));
        QCOMPARE(watch.seen, 0);
    }

    void refusedWritesOnClosingAreSkipped()
    {
        TestContext tc(QDate(2027, 3, 10));
        makeDue(tc);
        const QString blocker = test::writeFile(tc.home.file(QStringLiteral("blocker")), "x");
        Settings refusing(blocker + QStringLiteral("/Tavoran/Lorvex.ini"), turkish);
        AppContext bad = with(tc, tc.checker, &refusing);
        GüncellemeFormu notice(&main_, bad);
        whenModal([](QDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        notice.exec();
        QVERIFY(!notice.isVisible());
        QCOMPARE(tc.state.SonKontrolTarihi, QDate(2027, 3, 10));
        QCOMPARE(tc.state.YeniKontrolTarihi, QDate(2027, 3, 17));
    }

private:
    QWidget main_;
};

QTEST_MAIN(TestScheduledCheck)
#include "test_scheduled_check.moc"
