// The start-up sequence run in this process, with its services replaced.
#include "app/app_info.h"
#include "app/single_instance.h"
#include "desktop/startup.h"
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
    test::FixedClock clock{today};
    StartupSeams seams{home.settingsPath(), home.file(QStringLiteral("Languages/")), &boxes, &clock, &checker, &opener};
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
        QObject alive; // a start-up that ends before its loop leaves no timer behind
        std::function<void()> poll = [&] {
            // Start-up pumps events once before the loop runs; wait for the loop itself.
            if (QThread::currentThread()->loopLevel() == 0)
                return QTimer::singleShot(10, &alive, poll);
            if (atWindow)
                atWindow();
            module.mainWindow()->close();
        };
        QTimer::singleShot(0, &alive, poll);
        return module.run(*qApp);
    }
};

// Runs a function at the first event the main window receives, which comes
// while it is being made: what start-up did before the window, and nothing after.
class AtWindowMade final : public QObject {
public:
    explicit AtWindowMade(std::function<void()> f) : f_(std::move(f)) { qApp->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *) override
    {
        if (f_ && dynamic_cast<AnaForm *>(watched))
            std::exchange(f_, {})();
        return false;
    }

private:
    std::function<void()> f_;
};

QString exitCaption(const BaşlangiçModülü &m)
{
    return m.mainWindow()->findChild<QPushButton *>(QStringLiteral("ÇikişDüğmesi"))->text();
}

} // namespace

class TestStartupSequence : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The first run writes the three schedule keys before the window; asked for a language that is
    // missing, it keeps the name with the built-in texts. The next, in a shipped language, writes
    // nothing and reads the keys.
    void firstAndNextStart()
    {
        Run r;
        r.seams.languagesFolder = QStringLiteral(LORVEX_SOURCE_DIR "/Languages/");
        Settings s = r.settings();
        s.write(keys::DilDosyasi, QStringLiteral("Klingon"));
        {
            QStringList keysAtWindow;
            AtWindowMade made([&] { keysAtWindow = r.storedKeys(); });
            BaşlangiçModülü module(r.seams);
            QString caption;
            QCOMPARE(r.program(module, [&] { caption = exitCaption(module); }), 0);
            keysAtWindow.sort();
            QCOMPARE(keysAtWindow,
                     QStringList({"Dil Dosyasi", "Guncelleme Kontrolu", "Guncelleme Tarihi", "Guncelleme Zamani"}));
            QCOMPARE(s.readDate(keys::GuncellemeTarihi), today.addDays(-7));
            QCOMPARE(s.read(keys::GuncellemeZamani), QStringLiteral("1"));
            QCOMPARE(s.readDate(keys::GuncellemeKontrolu), today.addDays(7));
            QCOMPARE(module.state.DilAdi + s.read(keys::DilDosyasi) + caption,
                     QStringLiteral("KlingonKlingonÇıkış (Esc)"));
            QCOMPARE(module.state.SurumNumarasi, 102);
            QCOMPARE(r.checker.calls, 0); // the first check falls due a week later
            QCOMPARE(r.boxes.shown().size(), 0);
        } // the first copy ends

        s.write(keys::DilDosyasi, QStringLiteral("English"));
        s.write(keys::GuncellemeZamani, QStringLiteral("2"));
        s.writeDate(keys::GuncellemeKontrolu, QDate(2027, 1, 1));
        s.writeDate(keys::GuncellemeTarihi, QDate(2026, 11, 20));
        const QByteArray before = test::readFile(r.home.settingsPath());
        QByteArray atWindow;
        AtWindowMade later([&] { atWindow = test::readFile(r.home.settingsPath()); });
        BaşlangiçModülü next(r.seams);
        QString caption;
        QCOMPARE(r.program(next, [&] { caption = exitCaption(next); }), 0);
        QCOMPARE(atWindow, before);
        QCOMPARE(next.state.GuncellemeAraligi, UpdateSchedule::monthly);
        QCOMPARE(next.state.SonrakiKontrolTarihi, QDate(2027, 1, 1));
        QCOMPARE(next.state.SonKontrolTarihi, QDate(2026, 11, 20));
        QVERIFY(next.state.DilAdi == QStringLiteral("English") && next.state.msg(141) != MessageTable::builtIn(141));
        QCOMPARE(caption, next.state.msg(141) + QStringLiteral(" (Esc)"));
    }

    // What a power cut or another program leaves is damaged input: the first
    // start repairs the schedule keys without a report, the next writes nothing.
    void damagedStoreStarts_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("4 KiB of zeros") << QByteArray(4096, '\0');
        QTest::newRow("FF FE, then text") << QByteArray("\xff\xfe[Ayarlar]\nGuncelleme%20Zamani=2\n");
        QTest::newRow("a schedule that is no number") << QByteArray("[Ayarlar]\nGuncelleme%20Zamani=abc\n");
    }
    void damagedStoreStarts()
    {
        QFETCH(QByteArray, bytes);
        Run r;
        test::writeFile(r.home.settingsPath(), bytes);
        for (const bool first : {true, false}) {
            const QByteArray before = test::readFile(r.home.settingsPath());
            QByteArray atWindow;
            AtWindowMade made([&] { atWindow = test::readFile(r.home.settingsPath()); });
            BaşlangiçModülü module(r.seams);
            bool shown = false;
            QCOMPARE(r.program(module, [&] { shown = module.mainWindow()->isVisible(); }), 0);
            QVERIFY(shown && r.boxes.shown().isEmpty());
            QCOMPARE(r.settings().read(keys::GuncellemeZamani), QStringLiteral("1"));
            QCOMPARE(module.state.GuncellemeAraligi, UpdateSchedule::weekly);
            QVERIFY(r.settings().readDate(keys::GuncellemeKontrolu).isValid());
            QCOMPARE(atWindow == before, !first);
        }
    }

    // A store that cannot be written reports under "Module-1" and leaves no window.
    void failureShowsModule1AndNoWindow()
    {
        Run r;
        QDir().mkpath(r.home.settingsPath()); // a folder in place of the store
        r.boxes.expect(QMessageBox::Ok);
        BaşlangiçModülü module(r.seams);
        QVERIFY(r.program(module) != 0);
        QVERIFY(!module.mainWindow());
        QCOMPARE(std::pair(r.boxes.pending(), r.boxes.unexpected()), std::pair(0, 0));
        const BoxRequest &box = r.boxes.shown().last().request;
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY2(box.text.contains(QStringLiteral("Hata Kodu: 1001\r\nHata Yeri: Module-1\r\n")), qPrintable(box.text));
    }

    // A start while another copy holds the lock asks that copy forward and ends, writing nothing.
    void secondStartAsksTheFirstForward()
    {
        Run r;
        SingleInstance first(app_info::applicationId());
        QVERIFY(first.tryBecomePrimary());
        int asked = 0;
        first.setActivationHandler([&] { ++asked; });
        BaşlangiçModülü module(r.seams);
        QCOMPARE(module.run(*qApp), 0);
        QVERIFY(!module.mainWindow() && !QFile::exists(r.home.settingsPath()));
        QTRY_COMPARE(asked, 1);
    }

    // A second copy's request brings the running window back from the task bar.
    void runningCopyComesForward()
    {
        Run r;
        BaşlangiçModülü module(r.seams);
        bool restored = false;
        QCOMPARE(r.program(module,
                           [&] {
                               AnaForm *w = module.mainWindow();
                               w->showMinimized();
                               QVERIFY(SingleInstance(app_info::applicationId()).askPrimaryToActivate());
                               QTRY_VERIFY(!(w->windowState() & Qt::WindowMinimized) && w->isVisible());
                               restored = true;
                           }),
                 0);
        QVERIFY(restored);
    }
};

QTEST_MAIN(TestStartupSequence)
#include "test_startup_sequence.moc"
