// The real lorvex binary, started as a user would, in a private home.
#include "app/app_info.h"
#include "app/settings.h"
#include "app/single_instance.h"
#include "support/test_env.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace lorvex;

namespace {

const QString binary = QStringLiteral(LORVEX_BINARY_DIR "/lorvex");
const QString turkishTitle = QStringLiteral("Tavoran - Lorvex (MC 145151-2) 1.02");

QProcessEnvironment environmentFor(const test::TestHome &home, const QString &config = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.isEmpty() ? home.path() + QStringLiteral("/config") : config);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.path() + QStringLiteral("/cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.path() + QStringLiteral("/runtime"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

// The lock a running copy holds is named from its exact title, so it tells
// from outside which title (and so which language) a copy came up with.
QString lockFor(const QString &title) { return SingleInstance(title).lockPath(); }

bool waitForFile(const QString &path, int ms = 20000)
{
    QElapsedTimer t;
    t.start();
    while (!QFile::exists(path) && t.elapsed() < ms)
        QTest::qWait(50);
    return QFile::exists(path);
}

void stop(QProcess &p)
{
    p.kill();
    p.waitForFinished(5000);
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondCopyEndsAndTheFirstRunsOn()
    {
        test::TestHome home;
        QProcess first;
        first.setProcessEnvironment(environmentFor(home));
        first.start(binary, {});
        QVERIFY(first.waitForStarted());
        QVERIFY(waitForFile(lockFor(turkishTitle)));
        QVERIFY(waitForFile(home.settingsPath()));
        QTest::qWait(300);
        const QByteArray settingsBefore = test::readFile(home.settingsPath());

        QProcess second;
        second.setProcessEnvironment(environmentFor(home));
        QElapsedTimer t;
        t.start();
        second.start(binary, {});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // Sanitizer builds start slowly; the point is that it does not stay.
        QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
        QCOMPARE(test::readFile(home.settingsPath()), settingsBefore);
        QCOMPARE(first.state(), QProcess::Running);
        stop(first);
    }

    void copyWithAnotherTitleStartsNormally()
    {
        // A portable copy with its own languages folder, one language renaming the product.
        test::TestHome home;
        const QString otherConfig = home.file(QStringLiteral("other-config"));
        QDir().mkpath(home.file(QStringLiteral("app/Languages")));
        QVERIFY(QFile::copy(binary, home.file(QStringLiteral("app/lorvex"))));
        QFile::setPermissions(home.file(QStringLiteral("app/lorvex")), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        QByteArray file = "[Bilgiler]\r\nLanguage=Probe\r\nTranslator=t\r\nMessage1=a\r\nMessage2=b\r\nMessage3=c\r\n\r\n\r\n"
                          "0001=Lorvex Probe\r\n";
        test::writeFile(home.file(QStringLiteral("app/Languages/Probe.lng")), file);
        Settings(otherConfig + QStringLiteral("/Tavoran/Lorvex.ini")).write(keys::DilDosyasi, QStringLiteral("Probe"));

        QProcess first;
        first.setProcessEnvironment(environmentFor(home));
        first.start(home.file(QStringLiteral("app/lorvex")), {});
        QVERIFY(waitForFile(lockFor(turkishTitle)));

        QProcess probe; // same user and runtime folder, another language and so another title
        probe.setProcessEnvironment(environmentFor(home, otherConfig));
        probe.start(home.file(QStringLiteral("app/lorvex")), {});
        QVERIFY(waitForFile(lockFor(QStringLiteral("Tavoran - Lorvex Probe (MC 145151-2) 1.02"))));
        QVERIFY(!probe.waitForFinished(1000));
        QCOMPARE(probe.state(), QProcess::Running);
        stop(probe);
        stop(first);
    }

    void staleLockOfAKilledCopyDoesNotBlock()
    {
        test::TestHome home;
        QProcess crashed;
        crashed.setProcessEnvironment(environmentFor(home));
        crashed.start(binary, {});
        QVERIFY(waitForFile(lockFor(turkishTitle)));
        stop(crashed); // SIGKILL: lock and socket files stay behind
        QVERIFY(QFile::exists(lockFor(turkishTitle)));

        QProcess next;
        next.setProcessEnvironment(environmentFor(home));
        next.start(binary, {});
        QVERIFY(!next.waitForFinished(2500));
        QCOMPARE(next.state(), QProcess::Running);
        stop(next);
    }

    // Answered on the terminal, the first of the two, other arguments ignored: no display
    // needed, nothing written, no lock taken.
    void helpAndVersionWithoutADisplay()
    {
        for (const auto &[options, firstLine] : {std::pair{"-x --help --version", "Usage: lorvex [--help | --version]"},
                                                 {"--version --help", "Lorvex 1.0.2"}}) {
            test::TestHome home;
            QProcessEnvironment env = environmentFor(home);
            for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
                env.remove(QString::fromLatin1(display));
            QProcess lorvex;
            lorvex.setProcessEnvironment(env);
            lorvex.start(binary, QString::fromLatin1(options).split(u' '));
            QVERIFY(lorvex.waitForFinished(20000) && lorvex.exitStatus() == QProcess::NormalExit && lorvex.exitCode() == 0);
            QCOMPARE(lorvex.readAllStandardOutput().split('\n').value(0), QByteArray(firstLine));
            QVERIFY(lorvex.readAllStandardError().isEmpty() && !QFile::exists(home.settingsPath())
                    && !QFile::exists(lockFor(turkishTitle)));
        }
    }

    void installedTreeFindsItsLanguages()
    {
        test::TestHome home;
        const QString prefix = home.file(QStringLiteral("prefix"));
        QProcess install;
        install.start(QStringLiteral(LORVEX_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(LORVEX_BINARY_DIR), QStringLiteral("--prefix"), prefix});
        QVERIFY(install.waitForFinished(60000));
        QCOMPARE(install.exitCode(), 0);
        const QString data = prefix + QStringLiteral("/share");
        for (const QString &f : {QStringLiteral("/lorvex/Languages/English.lng"), QStringLiteral("/lorvex/Languages/Deutsch.lng"),
                                 QStringLiteral("/applications/example.tavoran.Lorvex.desktop"),
                                 QStringLiteral("/metainfo/example.tavoran.Lorvex.metainfo.xml"),
                                 QStringLiteral("/icons/hicolor/scalable/apps/example.tavoran.Lorvex.svg"),
                                 QStringLiteral("/icons/hicolor/48x48/apps/example.tavoran.Lorvex.png")})
            QVERIFY2(QFile::exists(data + f), qPrintable(f));

        // A language only the installed folder has proves where the binary looks.
        test::writeFile(data + QStringLiteral("/lorvex/Languages/Probe.lng"),
                        "[Bilgiler]\r\nLanguage=Probe\r\nTranslator=t\r\nMessage1=a\r\nMessage2=b\r\nMessage3=c\r\n\r\n\r\n"
                        "0001=Lorvex Installed\r\n");
        Settings(home.settingsPath()).write(keys::DilDosyasi, QStringLiteral("Probe"));
        QProcess installed;
        installed.setProcessEnvironment(environmentFor(home));
        installed.start(prefix + QStringLiteral("/bin/lorvex"), {});
        QVERIFY(waitForFile(lockFor(QStringLiteral("Tavoran - Lorvex Installed (MC 145151-2) 1.02"))));
        stop(installed);

        // And the shipped English file loads from there too.
        Settings(home.settingsPath()).write(keys::DilDosyasi, QStringLiteral("English"));
        QProcess english;
        english.setProcessEnvironment(environmentFor(home));
        english.start(prefix + QStringLiteral("/bin/lorvex"), {});
        QVERIFY(waitForFile(lockFor(turkishTitle)));
        stop(english);
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
