// The start-up sequence run in this process, with its services replaced.
#include "app/app_info.h"
#include "app/failure.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "pll/main_window.h"
#include "support/fakes.h"

#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace lorvex;

namespace {

const QDate today(2026, 12, 7);

struct Run {
    test::TestHome home;
    test::ScriptedPresenter boxes;
    test::RecordingOpener opener;
    test::FixedChecker checker;
    FixedClock clock{today};
    StartupSeams seams{home.settingsPath(), home.path() + QStringLiteral("/Languages/"), &boxes, &clock, &checker, &opener, {}};
    Settings settings() const { return Settings(home.settingsPath(), QLocale::system()); }
    QStringList storedKeys() const
    {
        QSettings raw(home.settingsPath(), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Ayarlar"));
        return raw.childKeys();
    }
    // Runs the program; atWindow sees it once its event loop runs, then the window closes.
    int program(BaşlangiçModülü &module, std::function<void()> atWindow = {})
    {
        std::function<void()> poll = [&] {
            // Start-up pumps events once before the loop runs; wait for the loop itself.
            if (QThread::currentThread()->loopLevel() == 0)
                return QTimer::singleShot(10, qApp, poll);
            if (atWindow)
                atWindow();
            module.mainWindow()->close();
        };
        QTimer::singleShot(0, qApp, poll);
        return module.run(*qApp);
    }
};

QString exitCaption(const BaşlangiçModülü &m)
{
    return m.mainWindow()->findChild<QPushButton *>(QStringLiteral("ÇikişDüğmesi"))->text();
}

} // namespace

class TestStartupSequence : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunWritesTheScheduleBeforeTheWindow()
    {
        Run r;
        QStringList keysAtWindow;
        const BaşlangiçModülü *running = nullptr;
        bool windowEarly = true;
        r.seams.beforeStep = [&](int step) {
            if (step == 13)
                keysAtWindow = r.storedKeys(), windowEarly = running->mainWindow() != nullptr;
        };
        BaşlangiçModülü module(r.seams);
        running = &module;
        QCOMPARE(r.program(module), 0);
        QVERIFY(!windowEarly);
        keysAtWindow.sort();
        QCOMPARE(keysAtWindow, QStringList({"Guncelleme Kontrolu", "Guncelleme Tarihi", "Guncelleme Zamani"}));
        const Settings s = r.settings();
        QCOMPARE(s.readDate(keys::GuncellemeTarihi), today.addDays(-7));
        QCOMPARE(s.read(keys::GuncellemeZamani), QStringLiteral("1"));
        QCOMPARE(s.readDate(keys::GuncellemeKontrolu), today.addDays(7));
        const SharedState &st = module.state;
        QVERIFY(st.SonKontrolTarihi == today.addDays(-7) && st.SonrakiKontrolTarihi == today.addDays(7));
        QVERIFY(st.GuncellemeAraligi == 1 && st.SurumNumarasi == 102 && st.DilAdi == QStringLiteral("Türkçe"));
        QCOMPARE(st.UygulamaAnahtari, QStringLiteral("Tavoran\\Lorvex"));
        QCOMPARE(r.checker.calls, 0); // the first check falls due a week later
        QCOMPARE(r.boxes.shown().size(), 0);
    }

    void laterRunsWriteNoScheduleKey()
    {
        Run r;
        Settings s = r.settings();
        s.writeDate(keys::GuncellemeTarihi, QDate(2026, 11, 1));
        s.write(keys::GuncellemeZamani, QStringLiteral("2"));
        s.writeDate(keys::GuncellemeKontrolu, QDate(2027, 1, 1));
        const QByteArray before = test::readFile(r.home.settingsPath());
        QByteArray atWindow;
        r.seams.beforeStep = [&](int step) {
            if (step == 13)
                atWindow = test::readFile(r.home.settingsPath());
        };
        BaşlangiçModülü module(r.seams);
        QCOMPARE(r.program(module), 0);
        QCOMPARE(atWindow, before);
        QCOMPARE(module.state.GuncellemeAraligi, 2);
        QCOMPARE(module.state.SonrakiKontrolTarihi, QDate(2027, 1, 1));
    }

    void scheduleValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("afterwards");
        for (const char *bad : {"", "abc", "5", "99999"})
            QTest::addRow("'%s' becomes 1", bad) << bad << "1";
        QTest::newRow("0 stays") << "0" << "0";
        QTest::newRow("2 stays") << "2" << "2";
    }
    void scheduleValues()
    {
        QFETCH(QString, stored);
        QFETCH(QString, afterwards);
        Run r;
        r.settings().write(keys::GuncellemeZamani, stored);
        BaşlangiçModülü module(r.seams);
        QCOMPARE(r.program(module), 0);
        QCOMPARE(r.settings().read(keys::GuncellemeZamani), afterwards);
        QCOMPARE(module.state.GuncellemeAraligi, afterwards.toInt());
    }

    void language_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("english");
        QTest::newRow("missing file: built-in texts, name kept") << "Klingon" << false;
        QTest::newRow("the shipped English file") << "English" << true;
    }
    void language()
    {
        QFETCH(QString, name);
        QFETCH(bool, english);
        Run r;
        r.seams.languagesFolder = QStringLiteral(LORVEX_SOURCE_DIR "/Languages/");
        r.settings().write(keys::DilDosyasi, name);
        BaşlangiçModülü module(r.seams);
        QString caption, title;
        QCOMPARE(r.program(module, [&] { caption = exitCaption(module), title = module.mainWindow()->windowTitle(); }), 0);
        QCOMPARE(module.state.DilAdi, name);
        QCOMPARE(r.settings().read(keys::DilDosyasi), name);
        QCOMPARE(module.state.msg(141) != MessageTable::builtIn(141), english);
        QCOMPARE(caption, module.state.msg(141) + QStringLiteral(" (Esc)"));
        QCOMPARE(title, app_info::windowTitle(module.state.msg(101)));
        QCOMPARE(r.boxes.shown().size(), 0);
    }

    // What a power cut or another program leaves is damaged input: the first
    // start repairs the schedule keys without a report, the next writes nothing.
    void damagedStoreStarts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("one NUL") << QByteArray(1, '\0');
        QTest::newRow("4 KiB of zeros") << QByteArray(4096, '\0');
        QTest::newRow("random bytes") << QByteArray::fromHex("8a1c93fe00ab5d2e7f19c4d3b2a15e0f7c3aff09");
        QTest::newRow("UTF-16") << QByteArray::fromRawData("\xff\xfe[\0A\0]\0\n\0x\0=\0\x31\0\n\0", 18);
        QTest::newRow("FF FE, then text") << QByteArray("\xff\xfe[Ayarlar]\nGuncelleme%20Zamani=2\n");
    }
    void damagedStoreStarts()
    {
        QFETCH(QByteArray, bytes);
        Run r;
        test::writeFile(r.home.settingsPath(), bytes);
        for (const bool first : {true, false}) {
            const QByteArray before = test::readFile(r.home.settingsPath());
            QByteArray atWindow;
            r.seams.beforeStep = [&](int step) {
                if (step == 13)
                    atWindow = test::readFile(r.home.settingsPath());
            };
            BaşlangiçModülü module(r.seams);
            bool shown = false;
            QCOMPARE(r.program(module, [&] { shown = module.mainWindow()->isVisible(); }), 0);
            QVERIFY(shown && r.boxes.shown().isEmpty());
            QVERIFY(r.settings().readSchedule() && r.settings().readDate(keys::GuncellemeKontrolu).isValid());
            QCOMPARE(atWindow == before, !first);
        }
    }

    // Steps 3 to 13 report under "Module-1" and leave no window; so does a refused write.
    void failuresShowModule1AndNoWindow_data()
    {
        QTest::addColumn<int>("step");
        for (int step = 3; step <= 13; ++step)
            QTest::addRow("step %d", step) << step;
        QTest::newRow("store refuses the schedule keys") << 0;
        QTest::newRow("a folder in place of the store") << -1;
    }
    void failuresShowModule1AndNoWindow()
    {
        QFETCH(int, step);
        Run r;
        r.boxes.expect(QMessageBox::Ok);
        // A write that is not refused reaches step 13 and fails there, instead of opening a window.
        r.seams.beforeStep = [failAt = step > 0 ? step : 13](int at) {
            if (at == failAt)
                throw Failure(77, QStringLiteral("injected"));
        };
        if (step == 0) {
            test::writeFile(r.home.file(QStringLiteral("plain")), "x");
            r.seams.settingsPath = r.home.file(QStringLiteral("plain/Lorvex.ini"));
        }
        if (step == -1)
            QDir().mkpath(r.home.settingsPath());
        BaşlangiçModülü module(r.seams);
        QVERIFY(module.run(*qApp) != 0);
        QVERIFY(!module.mainWindow());
        QCOMPARE(r.boxes.shown().size(), 1);
        const BoxRequest &box = r.boxes.shown().first().request;
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY2(box.text.contains(QStringLiteral("\r\nHata Yeri: Module-1\r\n")), qPrintable(box.text));
        if (step > 0)
            QVERIFY(box.text.contains(QStringLiteral("Hata Kodu: 77\r\n")) && box.text.endsWith(QStringLiteral(": injected")));
        else
            QVERIFY2(box.text.contains(QStringLiteral("Hata Kodu: 1001\r\n")), qPrintable(box.text));
    }

    // Steps 1 to 8 only read: a second copy leaves the store untouched.
    void secondCopyBringsTheFirstForwardAndWritesNothing()
    {
        Run r;
        SingleInstance first(app_info::applicationId());
        QVERIFY(first.tryBecomePrimary());
        int requests = 0;
        first.setActivationHandler([&] { ++requests; });
        BaşlangiçModülü module(r.seams);
        QCOMPARE(module.run(*qApp), 0);
        QVERIFY(!module.mainWindow());
        QVERIFY(!QFile::exists(r.home.settingsPath()));
        QTRY_COMPARE(requests, 1);
    }
};

QTEST_MAIN(TestStartupSequence)
#include "test_startup_sequence.moc"
