// The real lorvex and lorvex-plan binaries, started as a user would, in a private home.
#include "app/app_info.h"
#include "app/settings.h"
#include "plan/plan_csv.h"
#include "support/test_env.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <sys/inotify.h>
#include <unistd.h>

using namespace lorvex;

namespace {

// A TestHome points this process's environment at a temporary home; the copies started inherit it.
const QString binary = QStringLiteral(LORVEX_BINARY_DIR "/lorvex");

// Tells from outside which language file a copy opened (inotify), and so
// which language it came up with.
class OpenWatch {
public:
    explicit OpenWatch(const QString &file) : fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        inotify_add_watch(fd_, QFile::encodeName(file).constData(), IN_OPEN);
    }
    ~OpenWatch() { ::close(fd_); }
    bool opened(int ms = 20000) const
    {
        char events[4096];
        QElapsedTimer t;
        t.start();
        while (::read(fd_, events, sizeof events) <= 0) {
            if (t.elapsed() > ms)
                return false;
            QTest::qWait(50);
        }
        return true;
    }

private:
    int fd_;
};

void stop(QProcess &p)
{
    p.kill();
    p.waitForFinished(5000);
}

struct Run {
    int exitCode;
    QByteArray out, err;
};

// Runs program to its end with arguments, as typed in a shell.
Run run(const QString &program, const QString &arguments,
        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments.split(u' ', Qt::SkipEmptyParts));
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

const QString planner = QStringLiteral(LORVEX_BINARY_DIR "/lorvex-plan");
const QString workedBand = QStringLiteral("--from 145000 --to 145500 --step 100");

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A second copy ends at once, writing nothing, and the first runs on; also when the
    // running copy has another title (another language) than the new start builds.
    void copyInAnotherLanguageFindsTheRunningOne()
    {
        // A portable copy with its own languages folder, one language renaming the product.
        test::TestHome home;
        const QString otherConfig = home.file(QStringLiteral("other-config"));
        QDir().mkpath(home.file(QStringLiteral("app/Languages")));
        QVERIFY(QFile::copy(binary, home.file(QStringLiteral("app/lorvex"))));
        QFile::setPermissions(home.file(QStringLiteral("app/lorvex")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QByteArray file =
            "[Bilgiler]\r\nLanguage=Probe\r\nTranslator=t\r\nMessage1=a\r\nMessage2=b\r\nMessage3=c\r\n\r\n\r\n"
            "0001=Lorvex Probe\r\n";
        const OpenWatch probeFile(test::writeFile(home.file(QStringLiteral("app/Languages/Probe.lng")), file));
        const QString otherStore = otherConfig + QStringLiteral("/Tavoran/Lorvex.ini");
        Settings(otherStore).write(keys::DilDosyasi, QStringLiteral("Probe"));
        const QByteArray otherBefore = test::readFile(otherStore);

        QProcess first;
        first.start(home.file(QStringLiteral("app/lorvex")), {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.settingsPath()), 20000); // written after the lock is taken

        QProcess probe; // same user and runtime folder, another language and so another title
        QProcessEnvironment other = QProcessEnvironment::systemEnvironment();
        other.insert(QStringLiteral("XDG_CONFIG_HOME"), otherConfig);
        probe.setProcessEnvironment(other);
        probe.start(home.file(QStringLiteral("app/lorvex")), {});
        QVERIFY(probeFile.opened());
        // Waiting for the open above runs the event loop: the copy may have ended already.
        probe.waitForFinished(10000);
        QCOMPARE(probe.state(), QProcess::NotRunning);
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(test::readFile(otherStore), otherBefore);
        QCOMPARE(first.state(), QProcess::Running);
        stop(first);
    }

    // Answered on the terminal, the first of the two, other arguments ignored: no display
    // needed, nothing written, no lock taken.
    void helpAndVersionWithoutADisplay()
    {
        for (const auto &[options, firstLine] : {std::pair{"-x --help --version", "Usage: lorvex [--help | --version]"},
                                                 {"--version --help", "Lorvex 1.0.2"}}) {
            test::TestHome home;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(QString::fromLatin1(display));
            const Run r = run(binary, QString::fromLatin1(options), env);
            QCOMPARE(r.exitCode, 0);
            QCOMPARE(r.out.split('\n').value(0), QByteArray(firstLine));
            // The lock lives in the runtime folder, which stays empty.
            QVERIFY(r.err.isEmpty() && !QFile::exists(home.settingsPath())
                    && QDir(home.file(QStringLiteral("runtime"))).isEmpty());
        }
    }

    void installsEveryFile()
    {
        test::TestHome home;
        const QString prefix = home.file(QStringLiteral("prefix"));
        QProcess install;
        install.start(QStringLiteral(LORVEX_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(LORVEX_BINARY_DIR), QStringLiteral("--prefix"),
                       prefix});
        QVERIFY(install.waitForFinished(60000));
        QCOMPARE(install.exitCode(), 0);
        const QString data = prefix + QStringLiteral("/share");
        for (const QString &f :
             {QStringLiteral("/lorvex/Languages/English.lng"), QStringLiteral("/lorvex/Languages/Deutsch.lngx"),
              QStringLiteral("/applications/example.tavoran.Lorvex.desktop"),
              QStringLiteral("/metainfo/example.tavoran.Lorvex.metainfo.xml"),
              QStringLiteral("/icons/hicolor/scalable/apps/example.tavoran.Lorvex.svg"),
              QStringLiteral("/icons/hicolor/48x48/apps/example.tavoran.Lorvex.png")})
            QVERIFY2(QFile::exists(data + f), qPrintable(f));
    }
    // lorvex-plan
    void planCsv()
    {
        const Run r = run(planner, QStringLiteral("plan --osc=10240 --r 1024 --format csv ") + workedBand);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        // Byte for byte what the plan window saves for the same band; the core test checks those bytes.
        QCOMPARE(r.out, lorvex::plan::planCsv(
                            lorvex::plan::makePlan(10240, 1024, 1, {145000, 145100, 145200, 145300, 145400, 145500})));
    }

    void fitFindsTheBestFirst()
    {
        const Run r = run(
            planner,
            QStringLiteral(
                "fit --osc-from 10000 --osc-to 13000 --osc-step 10 --from 145000 --to 146000 --step=12.5 --format csv"));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.split('\n').value(1), QByteArray("12800,1024,0,0,1,1,12.5,11600,11680,6,81,81\r"));
        const Run text = run(planner, QStringLiteral("fit --osc-from 10240 --osc-to 10250 --osc-step 10 --limit 1 ")
                                          + workedBand);
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.contains("2 combinations fit all 6 channels (best 1 shown)"), text.out);
        QVERIFY2(text.out.contains("10240  512       1 1 0  1      20   7250   7275"), text.out);
    }

    void noFullFit()
    {
        const Run r = run(planner,
                          QStringLiteral(
                              "fit --osc-from 10240 --osc-to 10250 --osc-step 10 --from 145000 --to 145003 --step 1"));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.startsWith("No combination fits all 4 channels; 3 fit 1 of them"), r.out);
        QVERIFY(r.err.isEmpty());
    }

    void helpAndVersion()
    {
        const Run help = run(planner, QStringLiteral("--help"));
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith("Usage: lorvex-plan plan --osc KHZ"));
        const Run version = run(planner, QStringLiteral("fit --version"));
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("lorvex-plan 1.0.2\n"));
    }

    void badUsage_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QByteArray>("message");
        const QString plan = QStringLiteral("plan --osc 10240 ");
        QTest::newRow("unknown command") << QStringLiteral("plans")
                                         << QByteArray("unknown command 'plans': plan or fit (see --help)");
        QTest::newRow("unknown option") << plan + QStringLiteral("--r 1024 --rr 8 ") + workedBand
                                        << QByteArray("unknown option --rr");
        QTest::newRow("missing value") << plan + workedBand + QStringLiteral(" --r")
                                       << QByteArray("option --r needs a value");
        QTest::newRow("missing option") << plan + workedBand << QByteArray("missing option --r");
        QTest::newRow("R 1000") << plan + QStringLiteral("--r 1000 ") + workedBand
                                << QByteArray("--r 1000: R must be one of 8, 128, 256, 512, 1024, 2048, 2410, 8192");
        QTest::newRow("not a number") << plan + QStringLiteral("--r 1024 --from 145000 --to 1e6 --step 100")
                                      << QByteArray("--to: '1e6' is not a number (digits with at most one '.')");
    }
    void badUsage()
    {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, message);
        const Run r = run(planner, arguments);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, "lorvex-plan: " + message + '\n');
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
