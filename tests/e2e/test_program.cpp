// The real lorvex binary, started as a user would, in a private home.
#include "app/app_info.h"
#include "app/settings.h"
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
            QProcess lorvex;
            lorvex.setProcessEnvironment(env);
            lorvex.start(binary, QString::fromLatin1(options).split(u' '));
            QVERIFY(lorvex.waitForFinished(20000) && lorvex.exitStatus() == QProcess::NormalExit
                    && lorvex.exitCode() == 0);
            QCOMPARE(lorvex.readAllStandardOutput().split('\n').value(0), QByteArray(firstLine));
            // The lock lives in the runtime folder, which stays empty.
            QVERIFY(lorvex.readAllStandardError().isEmpty() && !QFile::exists(home.settingsPath())
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
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
