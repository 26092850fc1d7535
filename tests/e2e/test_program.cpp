// The real lorvex and lorvex-plan binaries, started as a user would, in a private home.
#include "plan/plan_csv.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

using namespace lorvex;
using lorvex::test::s;

namespace {

// A TestHome points this process's environment at a temporary home; the copies started inherit it.
const QString binary = s(LORVEX_BINARY_DIR "/lorvex");

const QString planner = s(LORVEX_BINARY_DIR "/lorvex-plan");
const QString workedBand = s("--from 145000 --to 145500 --step 100");

} // namespace

class TestProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A second copy ends at once, writing nothing, and the first runs on.
    void secondCopyEndsAtOnce()
    {
        test::TestHome home;
        QProcess first, second;
        first.start(binary, {});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(home.settingsPath()), 20000); // written after the lock is taken
        QProcessEnvironment own = QProcessEnvironment::systemEnvironment();  // a store of its own to write to
        own.insert(s("XDG_CONFIG_HOME"), home.file(s("second")));
        second.setProcessEnvironment(own);
        second.start(binary, {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(home.file(s("second"))));
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished(5000);
    }

    // Both programs as typed in a shell without a display: what each prints and how it ends. None
    // of them writes a setting or takes the single-copy lock.
    void commandLine_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArrayList>("out"); // how the output starts, then what else it holds; none: empty
        QTest::addColumn<QByteArray>("err");     // after "lorvex-plan: "; none: it is empty
        const QString plan = s("plan --osc 10240 "), fit = s("fit --osc-from 10240 --osc-to 10250 --osc-step 10 ");
        const auto row = [](const char *name, const QString &program, const QString &arguments, int exitCode,
                            const QByteArrayList &out, const QByteArray &err = {}) {
            QTest::newRow(name) << program << arguments << exitCode << out << err;
        };
        row("lorvex: the first of two, others ignored", binary, s("-x --help --version"), 0,
            {"Usage: lorvex [--help | --version]\n"});
        row("lorvex --version", binary, s("--version --help"), 0, {"Lorvex 1.0.2\n"});
        row("help", planner, s("--help"), 0, {"Usage: lorvex-plan plan --osc KHZ"});
        row("version, whatever the command", planner, s("fit --version"), 0, {"lorvex-plan 1.0.2\n"});
        // What the plan window saves for the same band; the core test checks those bytes.
        row("plan as CSV", planner, s("plan --osc=10240 --r 1024 --format csv ") + workedBand, 0,
            {plan::planCsv(plan::makePlan(10240, 1024, 1, {145000, 145100, 145200, 145300, 145400, 145500}))});
        row("fit: the best first", planner,
            s("fit --osc-from 10000 --osc-to 13000 --osc-step 10 --from 145000 --to 146000 --step=12.5 --format csv"),
            0,
            {"osc_khz,r,pin5,pin6,pin7,ratio,fr_khz,n_min,n_max,fixed_pins,channels_fitted,channels\r\n"
             "12800,1024,0,0,1,1,12.5,11600,11680,6,81,81\r\n"});
        row("fit as text, limited", planner, fit + s("--limit 1 ") + workedBand, 0,
            {"2 combinations fit all 6 channels (best 1 shown)", "10240  512       1 1 0  1      20   7250   7275"});
        row("no full fit", planner, fit + s("--from 145000 --to 145003 --step 1"), 1,
            {"No combination fits all 4 channels; 3 fit 1 of them"});
        row("unknown command", planner, s("plans"), 2, {}, "unknown command 'plans': plan or fit (see --help)");
        row("unknown option", planner, plan + s("--r 1024 --rr 8 ") + workedBand, 2, {}, "unknown option --rr");
        row("missing value", planner, plan + workedBand + s(" --r"), 2, {}, "option --r needs a value");
        row("missing option", planner, plan + workedBand, 2, {}, "missing option --r");
        row("R 1000", planner, plan + s("--r 1000 ") + workedBand, 2, {},
            "--r 1000: R must be one of 8, 128, 256, 512, 1024, 2048, 2410, 8192");
        row("not a number", planner, plan + s("--r 1024 --from 145000 --to 1e6 --step 100"), 2, {},
            "--to: '1e6' is not a number (digits with at most one '.')");
    }
    void commandLine()
    {
        QFETCH(QString, program);
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArrayList, out);
        QFETCH(QByteArray, err);
        test::TestHome home;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *display : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            env.remove(QString::fromLatin1(display));
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, arguments.split(u' ', Qt::SkipEmptyParts));
        QVERIFY(p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit);
        QCOMPARE(p.exitCode(), exitCode);
        const QByteArray printed = p.readAllStandardOutput();
        QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.startsWith(out[0]), printed);
        for (const QByteArray &piece : out)
            QVERIFY2(printed.contains(piece), printed);
        QCOMPARE(p.readAllStandardError(), err.isEmpty() ? err : "lorvex-plan: " + err + '\n');
        QVERIFY(!QFile::exists(home.settingsPath()) && QDir(home.file(s("runtime"))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "test_program.moc"
