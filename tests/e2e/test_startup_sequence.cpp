// The start-up sequence run in this process, with its services replaced.
#include "app/app_info.h"
#include "app/error_text.h"
#include "app/failure.h"
#include "app/settings.h"
#include "app/single_instance.h"
#include "app/startup.h"
#include "pll/main_window.h"
#include "support/fakes.h"

#include <QApplication>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QThread>
#include <QTimer>

using namespace lorvex;

namespace {

const QDate today(2026, 12, 7);
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);

struct Run {
    test::TestHome home;
    test::ScriptedPresenter boxes;
    test::RecordingOpener opener;
    test::FixedChecker checker;
    FixedClock clock{today};
    StartupSeams seams;
    Run()
    {
        seams.settingsPath = home.settingsPath();
        seams.languagesFolder = home.path() + QStringLiteral("/Languages/");
        seams.boxes = &boxes;
        seams.clock = &clock;
        seams.checker = &checker;
        seams.opener = &opener;
    }
    Settings settings() const { return Settings(home.settingsPath(), QLocale::system()); }
    QStringList storedKeys() const
    {
        QSettings raw(home.settingsPath(), QSettings::IniFormat);
        raw.beginGroup(QStringLiteral("Ayarlar"));
        return raw.childKeys();
    }
};

// Runs the sequence; `atWindow` sees the module once the program's event loop
// runs with its main window up, then the window is closed, which ends the run.
int runProgram(BaşlangiçModülü &module, QApplication &app, std::function<void()> atWindow = {})
{
    std::function<void()> poll;
    poll = [&] {
        // Start-up pumps events once before the loop runs; wait for the loop itself.
        if (QThread::currentThread()->loopLevel() == 0) {
            QTimer::singleShot(10, &app, poll);
            return;
        }
        if (atWindow)
            atWindow();
        if (module.mainWindow())
            module.mainWindow()->close();
    };
    QTimer::singleShot(0, &app, poll);
    return module.run(app);
}

} // namespace

class TestStartupSequence : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void firstRunWritesTheScheduleBeforeTheWindow()
    {
        Run r;
        QStringList keysAtWindow;
        BaşlangiçModülü *running = nullptr;
        bool windowAlreadyThere = true;
        r.seams.beforeStep = [&](int step) {
            if (step == 13) {
                keysAtWindow = r.storedKeys();
                windowAlreadyThere = running->mainWindow() != nullptr;
            }
        };
        BaşlangiçModülü module(r.seams);
        running = &module;
        QCOMPARE(runProgram(module, *qApp), 0);
        QVERIFY(!windowAlreadyThere);
        keysAtWindow.sort();
        QCOMPARE(keysAtWindow, (QStringList{QStringLiteral("Guncelleme Kontrolu"), QStringLiteral("Guncelleme Tarihi"),
                                            QStringLiteral("Guncelleme Zamani")}));
        const Settings s = r.settings();
        QCOMPARE(s.readDate(keys::GuncellemeTarihi), today.addDays(-7));
        QCOMPARE(s.read(keys::GuncellemeZamani), QStringLiteral("1"));
        QCOMPARE(s.readDate(keys::GuncellemeKontrolu), today.addDays(7));
        QCOMPARE(module.state.SonKontrolTarihi, today.addDays(-7));
        QCOMPARE(module.state.SonrakiKontrolTarihi, today.addDays(7));
        QCOMPARE(module.state.GuncellemeAraligi, 1);
        QCOMPARE(module.state.SurumNumarasi, 102);
        QCOMPARE(module.state.UygulamaAnahtari, QStringLiteral("Tavoran\\Lorvex"));
        QCOMPARE(module.state.DilAdi, QStringLiteral("Türkçe"));
        QCOMPARE(r.boxes.unexpected(), 0);
        QCOMPARE(r.checker.calls, 0); // the first check falls due a week later
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
        QCOMPARE(runProgram(module, *qApp), 0);
        QCOMPARE(atWindow, before);
        QCOMPARE(module.state.GuncellemeAraligi, 2);
        QCOMPARE(module.state.SonKontrolTarihi, QDate(2026, 11, 1));
        QCOMPARE(module.state.SonrakiKontrolTarihi, QDate(2027, 1, 1));
    }

    void scheduleValues_data()
    {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("afterwards");
        QTest::addColumn<int>("schedule");
        QTest::newRow("missing") << false << "" << "1" << 1;
        QTest::newRow("empty") << true << "" << "1" << 1;
        QTest::newRow("letters") << true << "abc" << "1" << 1;
        QTest::newRow("0 stays") << true << "0" << "0" << 0;
        QTest::newRow("2 stays") << true << "2" << "2" << 2;
        QTest::newRow("5 is out of range") << true << "5" << "1" << 1;
        QTest::newRow("99999 is out of range") << true << "99999" << "1" << 1;
    }
    void scheduleValues()
    {
        QFETCH(bool, present);
        QFETCH(QString, stored);
        QFETCH(QString, afterwards);
        QFETCH(int, schedule);
        Run r;
        if (present)
            r.settings().write(keys::GuncellemeZamani, stored);
        BaşlangiçModülü module(r.seams);
        QCOMPARE(runProgram(module, *qApp), 0);
        QCOMPARE(r.settings().read(keys::GuncellemeZamani, QStringLiteral("absent")), afterwards);
        QCOMPARE(module.state.GuncellemeAraligi, schedule);
        QCOMPARE(r.boxes.shown().size(), 0);
    }

    void missingLanguageFileKeepsTheName()
    {
        Run r;
        r.settings().write(keys::DilDosyasi, QStringLiteral("Klingon"));
        BaşlangiçModülü module(r.seams);
        QString exitCaption;
        QCOMPARE(runProgram(module, *qApp, [&] {
                     exitCaption = module.mainWindow()->findChild<QPushButton *>(QStringLiteral("ÇikişDüğmesi"))->text();
                 }),
                 0);
        QCOMPARE(module.state.DilAdi, QStringLiteral("Klingon"));
        QCOMPARE(module.state.msg(141), QStringLiteral("Çıkış"));
        QCOMPARE(exitCaption, QStringLiteral("Çıkış (Esc)"));
        QCOMPARE(r.settings().read(keys::DilDosyasi), QStringLiteral("Klingon"));
        QCOMPARE(r.boxes.shown().size(), 0);
    }

    void shippedEnglishStartsInEnglish()
    {
        Run r;
        r.seams.languagesFolder = QStringLiteral(LORVEX_SOURCE_DIR "/Languages/");
        r.settings().write(keys::DilDosyasi, QStringLiteral("English"));
        BaşlangiçModülü module(r.seams);
        QString exitCaption, title;
        QCOMPARE(runProgram(module, *qApp, [&] {
                     exitCaption = module.mainWindow()->findChild<QPushButton *>(QStringLiteral("ÇikişDüğmesi"))->text();
                     title = module.mainWindow()->windowTitle();
                 }),
                 0);
        QVERIFY(module.state.msg(141) != MessageTable::builtIn(141));
        QCOMPARE(exitCaption, module.state.msg(141) + QStringLiteral(" (Esc)"));
        QCOMPARE(title, app_info::windowTitle(module.state.msg(101)));
    }

    void failuresInStartupShowModule1AndNoWindow_data()
    {
        QTest::addColumn<int>("step");
        for (int step = 3; step <= 13; ++step)
            QTest::addRow("step %d", step) << step;
    }
    void failuresInStartupShowModule1AndNoWindow()
    {
        QFETCH(int, step);
        Run r;
        r.boxes.expect(QMessageBox::Ok);
        r.seams.beforeStep = [step](int at) {
            if (at == step)
                throw Failure(77, QStringLiteral("injected"));
        };
        BaşlangiçModülü module(r.seams);
        QVERIFY(module.run(*qApp) != 0);
        QVERIFY(!module.mainWindow());
        QCOMPARE(r.boxes.shown().size(), 1);
        const BoxRequest &box = r.boxes.shown().first().request;
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY2(box.text.contains(QStringLiteral("Hata Yeri: Module-1\r\n")), qPrintable(box.text));
        QVERIFY(box.text.endsWith(QStringLiteral("Hata Açıklaması: injected")));
        QVERIFY(box.text.contains(QStringLiteral("Hata Kodu: 77")));
    }

    void refusedScheduleWriteIsAModule1Failure()
    {
        Run r;
        test::writeFile(r.home.file(QStringLiteral("plain")), "x");
        r.seams.settingsPath = r.home.file(QStringLiteral("plain/Lorvex.ini"));
        r.boxes.expect(QMessageBox::Ok);
        BaşlangiçModülü module(r.seams);
        QVERIFY(module.run(*qApp) != 0);
        QVERIFY(!module.mainWindow());
        QVERIFY(r.boxes.shown().first().request.text.contains(QStringLiteral("Module-1")));
    }

    // Steps 1 to 8 only read: a second copy leaves the store untouched.
    void secondCopyBringsTheFirstForwardAndWritesNothing()
    {
        Run r;
        SingleInstance first(app_info::windowTitle(QStringLiteral("Lorvex")));
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
