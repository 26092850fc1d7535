// The start-up sequence run in this process, with its services replaced.
#include "app/app_info.h"
#include "app/failure.h"
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
    StartupSeams seams{home.settingsPath(),
                       home.path() + QStringLiteral("/Languages/"),
                       &boxes,
                       &clock,
                       &checker,
                       &opener};
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
    // The first run writes the three schedule keys before the window; the next writes none and reads them.
    void scheduleKeysWrittenOnce()
    {
        Run r;
        Settings s = r.settings();
        {
            QStringList keysAtWindow;
            AtWindowMade made([&] { keysAtWindow = r.storedKeys(); });
            BaşlangiçModülü module(r.seams);
            QCOMPARE(r.program(module), 0);
            keysAtWindow.sort();
            QCOMPARE(keysAtWindow, QStringList({"Guncelleme Kontrolu", "Guncelleme Tarihi", "Guncelleme Zamani"}));
            QCOMPARE(s.readDate(keys::GuncellemeTarihi), today.addDays(-7));
            QCOMPARE(s.read(keys::GuncellemeZamani), QStringLiteral("1"));
            QCOMPARE(s.readDate(keys::GuncellemeKontrolu), today.addDays(7));
            QVERIFY(module.state.SurumNumarasi == 102 && module.state.DilAdi == QStringLiteral("Türkçe"));
            QCOMPARE(r.checker.calls, 0); // the first check falls due a week later
            QCOMPARE(r.boxes.shown().size(), 0);
        } // the first copy ends

        s.write(keys::GuncellemeZamani, QStringLiteral("2"));
        s.writeDate(keys::GuncellemeKontrolu, QDate(2027, 1, 1));
        const QByteArray before = test::readFile(r.home.settingsPath());
        QByteArray atWindow;
        AtWindowMade later([&] { atWindow = test::readFile(r.home.settingsPath()); });
        BaşlangiçModülü next(r.seams);
        QCOMPARE(r.program(next), 0);
        QCOMPARE(atWindow, before);
        QCOMPARE(next.state.GuncellemeAraligi, UpdateSchedule::monthly);
        QCOMPARE(next.state.SonrakiKontrolTarihi, QDate(2027, 1, 1));
    }

    // A missing file gives the built-in texts and keeps the name; a shipped one loads.
    void language()
    {
        for (const auto &[name, english] : {std::pair{"Klingon", false}, {"English", true}}) {
            Run r;
            r.seams.languagesFolder = QStringLiteral(LORVEX_SOURCE_DIR "/Languages/");
            r.settings().write(keys::DilDosyasi, QString::fromLatin1(name));
            BaşlangiçModülü module(r.seams);
            QString caption;
            QCOMPARE(r.program(module, [&] { caption = exitCaption(module); }), 0);
            QCOMPARE(module.state.DilAdi + r.settings().read(keys::DilDosyasi), QString::fromLatin1(name).repeated(2));
            QVERIFY2((module.state.msg(141) != MessageTable::builtIn(141)) == english, name);
            QCOMPARE(caption, module.state.msg(141) + QStringLiteral(" (Esc)"));
            QCOMPARE(r.boxes.shown().size(), 0);
        }
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

    // A failing service or store anywhere in the sequence reports under "Module-1" and leaves no window.
    void failuresShowModule1AndNoWindow_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("code");
        QTest::newRow("the language's box") << "box"
                                            << "77";
        QTest::newRow("a folder in place of the store") << "folder"
                                                        << "1001";
    }
    void failuresShowModule1AndNoWindow()
    {
        QFETCH(QString, failing);
        QFETCH(QString, code);
        Run r;
        if (failing == QLatin1String("box")) {
            // A damaged language file asks for a box, and showing it fails.
            test::writeFile(r.home.file(QStringLiteral("Languages/Bad.lng")), "[Bilgiler]\r\n");
            r.settings().write(keys::DilDosyasi, QStringLiteral("Bad"));
            r.boxes.expect(QMessageBox::Ok, [](const BoxRequest &) { throw Failure(77, QStringLiteral("injected")); });
        } else {
            QDir().mkpath(r.home.settingsPath());
        }
        r.boxes.expect(QMessageBox::Ok);
        BaşlangiçModülü module(r.seams);
        QVERIFY(r.program(module) != 0);
        QVERIFY(!module.mainWindow());
        QCOMPARE(r.boxes.pending(), 0);
        QCOMPARE(r.boxes.unexpected(), 0);
        const BoxRequest &box = r.boxes.shown().last().request;
        QCOMPARE(box.icon, QMessageBox::Critical);
        QVERIFY2(box.text.contains(QStringLiteral("Hata Kodu: %1\r\nHata Yeri: Module-1\r\n").arg(code)),
                 qPrintable(box.text));
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
