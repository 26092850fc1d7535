// The real lorvex-plan binary, run as a user would from a shell.
#include "plan/plan_csv.h"

#include <QProcess>
#include <QTest>

namespace {

const QString binary = QStringLiteral(LORVEX_BINARY_DIR "/lorvex-plan");

struct Run {
    int exitCode;
    QByteArray out, err;
};

Run run(const QString &arguments)
{
    QProcess p;
    p.start(binary, arguments.split(u' ', Qt::SkipEmptyParts));
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

const QString workedBand = QStringLiteral("--from 145000 --to 145500 --step 100");

} // namespace

class TestPlanProgram : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void planCsv()
    {
        const Run r = run(QStringLiteral("plan --osc=10240 --r 1024 --format csv ") + workedBand);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(r.err.isEmpty());
        // Byte for byte what the plan window saves for the same band; the core test checks those bytes.
        QCOMPARE(r.out, lorvex::plan::planCsv(
                            lorvex::plan::makePlan(10240, 1024, 1, {145000, 145100, 145200, 145300, 145400, 145500})));
    }

    void fitFindsTheBestFirst()
    {
        const Run r = run(QStringLiteral(
            "fit --osc-from 10000 --osc-to 13000 --osc-step 10 --from 145000 --to 146000 --step=12.5 --format csv"));
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.out.split('\n').value(1), QByteArray("12800,1024,0,0,1,1,12.5,11600,11680,6,81,81\r"));
        const Run text = run(QStringLiteral("fit --osc-from 10240 --osc-to 10250 --osc-step 10 --limit 1 ")
                             + workedBand);
        QCOMPARE(text.exitCode, 0);
        QVERIFY2(text.out.contains("2 combinations fit all 6 channels (best 1 shown)"), text.out);
        QVERIFY2(text.out.contains("10240  512       1 1 0  1      20   7250   7275"), text.out);
    }

    void noFullFit()
    {
        const Run r = run(
            QStringLiteral("fit --osc-from 10240 --osc-to 10250 --osc-step 10 --from 145000 --to 145003 --step 1"));
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.startsWith("No combination fits all 4 channels; 3 fit 1 of them"), r.out);
        QVERIFY(r.err.isEmpty());
    }

    void helpAndVersion()
    {
        const Run help = run(QStringLiteral("--help"));
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.startsWith("Usage: lorvex-plan plan --osc KHZ"));
        const Run version = run(QStringLiteral("fit --version"));
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out, QByteArray("lorvex-plan 1.0.2\n"));
    }

    void badUsage_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QByteArray>("message");
        const QString plan = QStringLiteral("plan --osc 10240 ");
        QTest::newRow("no command") << QString() << QByteArray("missing command: plan or fit (see --help)");
        QTest::newRow("unknown command") << QStringLiteral("plans")
                                         << QByteArray("unknown command 'plans': plan or fit (see --help)");
        QTest::newRow("unknown option") << plan + QStringLiteral("--r 1024 --rr 8 ") + workedBand
                                        << QByteArray("unknown option --rr");
        QTest::newRow("missing value") << plan + workedBand + QStringLiteral(" --r")
                                       << QByteArray("option --r needs a value");
        QTest::newRow("missing option") << plan + workedBand << QByteArray("missing option --r");
        QTest::newRow("R 1000") << plan + QStringLiteral("--r 1000 ") + workedBand
                                << QByteArray("--r 1000: R must be one of 8, 128, 256, 512, 1024, 2048, 2410, 8192");
        QTest::newRow("ratio 3") << plan + QStringLiteral("--r 1024 --ratio 3 ") + workedBand
                                 << QByteArray("--ratio 3: P must be one of 1, 64, 128, 256");
        QTest::newRow("not a number") << plan + QStringLiteral("--r 1024 --from 145000 --to 1e6 --step 100")
                                      << QByteArray("--to: '1e6' is not a number (digits with at most one '.')");
        QTest::newRow("oscillator") << QStringLiteral("plan --osc 20001 --r 1024 ") + workedBand
                                    << QByteArray("--osc: 20001 kHz is above the highest allowed, 20000 kHz");
    }
    void badUsage()
    {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, message);
        const Run r = run(arguments);
        QCOMPARE(r.exitCode, 2);
        QCOMPARE(r.err, "lorvex-plan: " + message + '\n');
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestPlanProgram)
#include "test_plan_program.moc"
