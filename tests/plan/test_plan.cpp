// Channel plans, their CSV, frequency ranges and the fit search.

#include "plan/band.h"
#include "plan/fit_search.h"
#include "plan/frequency_range.h"
#include "plan/plain_number.h"
#include "plan/plan_csv.h"
#include "support/test_env.h"

#include <QTest>

using namespace lorvex;
using namespace lorvex::plan;
using namespace lorvex::test;

namespace {

std::vector<double> values(const QString &list)
{
    std::vector<double> v;
    for (const QString &x : list.split(u'|'))
        v.push_back(x.toDouble());
    return v;
}

// Pin levels in pin order, '-' for none; with marks, '.' for a pin that is not fixed.
QString pins(const PinLevels &levels, const std::array<bool, nPinCount> *fixed = nullptr)
{
    QString text;
    for (int i = 0; i < nPinCount; ++i)
        text += fixed && !(*fixed)[i] ? u'.' : levels[i] < 0 ? u'-' : QChar(u'0' + levels[i]);
    return text;
}

QString row(const ChannelRow &r)
{
    return QString::asprintf("%lld %s %s %s %s ", static_cast<long long>(r.n), statusName(r.status),
                             qPrintable(plainNumber(r.achievedKhz, 6)), qPrintable(plainNumber(r.errorKhz, 6)),
                             qPrintable(plainNumber(r.errorPpm, 3)))
           + pins(r.pinLevels);
}

QString fit(const Fit &f)
{
    return QString::asprintf("%s/%d/%d fR %s N %d..%d fixed %d %d/%d", qPrintable(plainNumber(f.oscKhz, 6)), f.r,
                             f.ratio, qPrintable(plainNumber(f.frKhz, 6)), f.nMin, f.nMax, f.fixedPins,
                             f.channelsFitted, f.channels);
}

} // namespace

class TestPlan : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Setting the required N in one step: the N, or the message that refuses it.
    void requiredNSetting_data()
    {
        QTest::addColumn<std::optional<double>>("exactN");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("message");
        QTest::newRow("not worked out") << std::optional<double>() << 0 << 171;
        QTest::newRow("2500") << std::optional<double>(2500) << 2500 << 0;
        QTest::newRow("within 1e-9 of N") << std::optional<double>(14500 + 1e-6) << 14500 << 0;
        QTest::newRow("beyond 1e-9 of N") << std::optional<double>(14500 + 2e-5) << 0 << 172;
        QTest::newRow("relative to a small N") << std::optional<double>(1 + 2e-9) << 0 << 172;
        QTest::newRow("R 2410 not whole") << std::optional<double>(5000 / (2048 / 2410.0)) << 0 << 172;
        QTest::newRow("16383") << std::optional<double>(16383) << 16383 << 0;
        QTest::newRow("16384: the range first") << std::optional<double>(16384.5) << 0 << 173;
        QTest::newRow("0") << std::optional<double>(0) << 0 << 173;
    }
    void requiredNSetting()
    {
        QFETCH(std::optional<double>, exactN);
        QFETCH(int, n);
        QFETCH(int, message);
        const NSetting setting = plan::requiredNSetting(exactN);
        QCOMPARE(setting.n.value_or(0), n);
        QCOMPARE(setting.message, message);
    }

    void rows_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("ratio");
        QTest::addColumn<double>("input");
        QTest::addColumn<QString>("row"); // n status achieved error ppm pins 11..20 22..25
        QTest::newRow("worked example") << 1024 << 1 << 145000.0 << s("14500 ok 145000 0 0 00100101001101");
        QTest::newRow("2410") << 2410 << 1 << 50000.0
                              << s("11768 not_whole 50001.792531 1.792531 35.851 00011111100111");
        QTest::newRow("2410 P 64") << 2410 << 64 << 145000.0
                                   << s("533 not_whole 144940.614108 -59.385892 -409.558 10101000010000");
        QTest::newRow("rounds down") << 1024 << 1 << 145004.0 << s("14500 not_whole 145000 -4 -27.585 00100101001101");
        QTest::newRow("N 16383") << 1024 << 1 << 163830.0 << s("16383 ok 163830 0 0 11111111111111");
        QTest::newRow("16383.5 rounds out")
            << 1024 << 1 << 163835.0 << s("16384 out_of_range 163840 5 30.519 --------------");
        QTest::newRow("N 0") << 1024 << 1 << 4.0 << s("0 out_of_range 0 -4 -1000000 --------------");
        QTest::newRow("0.5 rounds to 1") << 1024 << 1 << 5.0 << s("1 not_whole 10 5 1000000 10000000000000");
    }
    void rows()
    {
        QFETCH(int, r);
        QFETCH(int, ratio);
        QFETCH(double, input);
        QFETCH(QString, row);
        const ChannelPlan plan = makePlan(10240, r, ratio, {input});
        QCOMPARE(::row(plan.rows.at(0)), row);
    }

    void band()
    {
        const ChannelPlan plan = makePlan(10240, 1024, 1, values(s("145000|145100|145200|145300|145400|145500")));
        QCOMPARE(plan.raLevels, (RaLevels{0, 0, 1}));
        QCOMPARE(plan.frKhz, 10.0);
        QCOMPARE(pins(plan.fixedLevels, &plan.fixedPins), s("0......1001101")); // N7..N13 and N0 never change
        QCOMPARE(plan.settableCount(), 6);

        const ChannelPlan mixed = makePlan(10240, 1024, 1, values(s("145000|145005|145100|163840")));
        QCOMPARE(pins(mixed.fixedLevels, &mixed.fixedPins), s("0.1.0101001101")); // only the ok rows count
        const ChannelPlan none = makePlan(10240, 1024, 1, values(s("145005|163840")));
        QCOMPARE(pins(none.fixedLevels, &none.fixedPins), s(".............."));
        QCOMPARE(none.settableCount(), 14);
    }

    void csvWhateverTheLocale()
    {
        const QByteArray expected =
            "osc_khz,r,ratio,fr_khz,input_khz,divided_khz,n_exact,n,achieved_khz,error_khz,error_ppm,status,"
            "pin5,pin6,pin7,pin11,pin12,pin13,pin14,pin15,pin16,pin17,pin18,pin19,pin20,pin22,pin23,pin24,pin25\r\n"
            "10240,1024,1,10,145000,145000,14500,14500,145000,0,0,ok,0,0,1,0,0,1,0,0,1,0,1,0,0,1,1,0,1\r\n"
            "10240,1024,1,10,145004,145004,14500.4,14500,145000,-4,-27.585,not_whole,0,0,1,0,0,1,0,0,1,0,1,0,0,1,1,0,1\r\n"
            "10240,1024,1,10,145012.5,145012.5,14501.25,14501,145010,-2.5,-17.24,not_whole,0,0,1,1,0,1,0,0,1,0,1,0,0,1,1,0,1\r\n"
            "10240,1024,1,10,163840,163840,16384,16384,163840,0,0,out_of_range,0,0,1,,,,,,,,,,,,,,\r\n";
        for (const QLocale &locale : {turkish, english}) {
            QLocale::setDefault(locale);
            QCOMPARE(planCsv(makePlan(10240, 1024, 1, values(s("145000|145004|145012.5|163840")))), expected);
        }
        QLocale::setDefault(QLocale::c());
    }

    void numbers()
    {
        QCOMPARE(plainNumber(-1e-9, 6), s("0")); // never "-0"
        QCOMPARE(plainNumber(1234567.25, 6), s("1234567.25"));
        QCOMPARE(plainNumber(35.8506, 3), s("35.851"));
        for (const char *bad : {"", ".", "-1", "+1", "1e3", "inf", "nan", "1,5", "1.2.3", " 1", "1 ", "0x10", "١"})
            QVERIFY2(!readPlainNumber(s(bad)), bad);
        QCOMPARE(readPlainNumber(s("12.5")), 12.5);
        QCOMPARE(readPlainNumber(s(".5")), 0.5);
        QCOMPARE(readPlainNumber(s("145000")), 145000.0);
    }

    void ranges_data()
    {
        QTest::addColumn<bool>("oscillators");
        QTest::addColumn<QString>("range"); // from|to|step
        QTest::addColumn<QString>("answer");
        QTest::newRow("12.5 steps") << false << s("145000|145100|12.5") << s("9: 145000 .. 145100");
        QTest::newRow("0.1 steps reach the end") << false << s("1000|1000.3|0.1") << s("4: 1000 .. 1000.3");
        QTest::newRow("end off the grid") << false << s("2000|2010|3") << s("4: 2000 .. 2009");
        QTest::newRow("501") << false << s("1000|251000|500") << s("501: 1000 .. 251000");
        QTest::newRow("502") << false << s("1000|251500|500")
                             << s("the range has more than 501 frequencies (at most 500 steps)");
        QTest::newRow("500.5 steps") << true << s("1000|1500.5|1")
                                     << s("the range has more than 501 frequencies (at most 500 steps)");
        QTest::newRow("oscillator above")
            << true << s("1000|20000.5|100") << s("the end 20000.5 kHz is above the highest allowed, 20000 kHz");
        QTest::newRow("start below") << false << s("999.5|2000|1")
                                     << s("the start 999.5 kHz is below the lowest allowed, 1000 kHz");
        QTest::newRow("reversed") << false << s("2001|2000|1") << s("the end is below the start");
        QTest::newRow("narrow") << false << s("2000|2000|1") << s("the range is narrower than one step");
        QTest::newRow("step 0") << false << s("2000|2010|0") << s("the step must be above 0 kHz");
    }
    void ranges()
    {
        QFETCH(bool, oscillators);
        QFETCH(QString, range);
        QFETCH(QString, answer);
        const std::vector<double> v = values(range);
        const FrequencyRange r = frequencyRange(v[0], v[1], v[2],
                                                oscillators ? pll::referenceListParameters()
                                                            : pll::inputListParameters());
        QCOMPARE(r.values.empty() ? r.refusal
                                  : QStringLiteral("%1: %2 .. %3")
                                        .arg(r.values.size())
                                        .arg(plainNumber(r.values.front(), 9), plainNumber(r.values.back(), 9)),
                 answer);
    }

    void fits_data()
    {
        QTest::addColumn<QString>("oscillators"); // from|to|step
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("answer"); // complete, count, then the first fits
        QTest::newRow("exactly one") << s("10000|10500|10") << s("145000|145500|50")
                                     << s("complete 1: 10240/1024/1 fR 10 N 14500..14550 fixed 7 11/11");
        QTest::newRow("higher fR first")
            << s("10240|10250|10") << s("145000|145500|100")
            << s("complete 2: 10240/512/1 fR 20 N 7250..7275 fixed 8 6/6; 10240/1024/1 fR 10 N 14500..14550 fixed 8 6/6");
        QTest::newRow("nearest")
            << s("10240|10250|10") << s("145000|145003|1")
            << s("nearest 3: 10240/256/1 fR 40 N 3625..3625 fixed 14 1/4; 10240/512/1 fR 20 N 7250..7250 fixed 14 1/4");
        QTest::newRow("two beat one") << s("10240|10250|10") << s("145000|145015|5")
                                      << s("nearest 1: 10240/1024/1 fR 10 N 14500..14501 fixed 13 2/4");
        QTest::newRow("none") << s("10000|10001|1") << s("100000.003|100002.003|1") << s("nearest 0: ");
    }
    void fits()
    {
        QFETCH(QString, oscillators);
        QFETCH(QString, band);
        QFETCH(QString, answer);
        const std::vector<double> o = values(oscillators), b = values(band);
        const FitSearchResult result = findFits(frequencyRange(o[0], o[1], o[2], pll::referenceListParameters()).values,
                                                frequencyRange(b[0], b[1], b[2], pll::inputListParameters()).values);
        QStringList first;
        for (std::size_t i = 0; i < std::min<std::size_t>(2, result.fits.size()); ++i)
            first += fit(result.fits[i]);
        QCOMPARE(QStringLiteral("%1 %2: ").arg(s(result.complete ? "complete" : "nearest")).arg(result.fits.size())
                     + first.join(s("; ")),
                 answer);
        QVERIFY(!findFits(o, {}).complete);
    }

    // Each step makes a fit better on one key and worse on every later one: it must still win.
    void ranking()
    {
        Fit worse{10240, 1024, {0, 0, 1}, 64, 10, 1, 2, 8, 6, 6};
        const std::function<void(Fit &)> steps[] = {[](Fit &f) { f.ratio = 1; },
                                                    [](Fit &f) { f.r = 512, f.ratio = 256; },
                                                    [](Fit &f) { f.oscKhz = 5120, f.r = 8192; },
                                                    [](Fit &f) { f.fixedPins = 9, f.oscKhz = 20000; },
                                                    [](Fit &f) { f.frKhz = 20, f.fixedPins = 1; }};
        for (const auto &step : steps) {
            Fit better = worse;
            step(better);
            QVERIFY(isBetterFit(better, worse) && !isBetterFit(worse, better) && !isBetterFit(worse, worse));
            worse = better;
        }
    }
};

QTEST_GUILESS_MAIN(TestPlan)
#include "test_plan.moc"
