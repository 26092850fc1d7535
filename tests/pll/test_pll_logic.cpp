// The calculator's logic: number forms, the divider model, both lists, the
// range boxes' rules and the calculation state.

#include "pll/calculation.h"
#include "pll/list_builder.h"
#include "pll/number_forms.h"
#include "pll/range_field.h"
#include "support/test_env.h"

#include <QTest>
#include <cmath>

using namespace lorvex::pll;
using namespace lorvex::test;

namespace {
struct Forms {
    QLocale locale;
    double value;
    const char *whole, *twoDecimals;
};
struct Tidy {
    QLocale locale;
    RangeBox box;
    const char *text, *tidied;
};
struct List {
    bool reference;
    QLocale locale;
    const char *range, *step, *lines;
    int message = 0;
    RangeBox focus = RangeBox::Start;
};
} // namespace

class TestPllLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dividerModel()
    {
        const int r[] = {8, 128, 256, 512, 1024, 2048, 2410, 8192}; // rows RA2 RA1 RA0 = 000 .. 111
        for (int row = 0; row < 8; ++row) {
            QCOMPARE(referenceDivider(row >> 2, row >> 1 & 1, row & 1), r[row]);
            QCOMPARE(referenceDivider({!(row & 1), !(row & 2), !(row & 4)}), r[row]); // a ticked box is level 0
        }
        const int pins[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 24, 25, 22, 23};
        for (int bit = 0; bit < nBitCount; ++bit)
            QCOMPARE(nPin(bit), pins[bit]);
    }

    void numberForms_data()
    {
        QTest::addColumn<Forms>("r");
        QTest::newRow("2048 / 8192 tr") << Forms{turkish, 0.25, "0", "0,25"};
        QTest::newRow("2048 / 8192 en") << Forms{english, 0.25, "0", "0.25"};
        QTest::newRow("1001 / 8: hundredths tie to even") << Forms{turkish, 125.125, "125", "125,12"};
        QTest::newRow("1003 / 8") << Forms{english, 125.375, "125", "125.38"};
        QTest::newRow("226.5 away from zero") << Forms{turkish, 226.5, "227", "226,5"};
        QTest::newRow("226.49") << Forms{turkish, 226.49, "226", "226,49"};
        QTest::newRow("never -0") << Forms{turkish, -0.004, "0", "0"};
        QTest::newRow("infinity shows nothing") << Forms{english, qInf(), "", ""};
    }
    void numberForms()
    {
        QFETCH(Forms, r);
        QCOMPARE(wholeNumberText(r.value, r.locale), s(r.whole));
        QCOMPARE(twoDecimalText(r.value, r.locale), s(r.twoDecimals));
    }

    void readNumber_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: refused
        for (const char *bad :
             {"", "   ", "1e3", "inf", "nan", "--1", "+-1", "- 1", "abc", "12a", "0x10", "-", ",", ".", "1 2"})
            for (const QLocale &locale : {turkish, english})
                QTest::addRow("'%s' %s", bad, qPrintable(locale.name())) << locale << s(bad) << qQNaN();
        QTest::newRow("two decimal separators tr") << turkish << s("1,2,3") << qQNaN();
        QTest::newRow("two decimal separators en") << english << s("1.2.3") << qQNaN();
        QTest::newRow("400 digits") << english << s("1") + QString(400, u'0') << qQNaN();
        QTest::newRow("tr group") << turkish << s("2.048") << 2048.0;
        QTest::newRow("en group") << english << s("2,048") << 2048.0;
        QTest::newRow("tr decimal") << turkish << s("2,048") << 2.048;
        QTest::newRow("groups anywhere") << turkish << s("1.2.3") << 123.0;
        QTest::newRow("sign, group, decimal") << turkish << s("-1.234,5") << -1234.5;
        QTest::newRow("a plain space for a blank group")
            << QLocale(QLocale::French, QLocale::France) << s("1 000,5") << 1000.5;
    }
    void readNumber()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = lorvex::pll::readNumber(text, locale);
        QCOMPARE(read.has_value(), !std::isnan(value));
        if (read)
            QCOMPARE(*read, value);
    }

    // Ctrl+V, C, X and Z type 22, 3, 24 and 26; Enter 13 and Backspace 8. A move to the next box shows as '>'.
    void filterKey_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("passed");
        QTest::newRow("tr") << turkish << s("2a0,4.-+ e\x16\x03\x18\x1a\n13579\r\b") << s("20413579>\b");
        QTest::newRow("en") << english << s("2a0,4.-+ e\x16\x03\x18\x1a\n68\r\b") << s("20468>\b");
    }
    void filterKey()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, typed);
        QFETCH(QString, passed);
        QString result;
        for (const QChar c : typed) {
            const KeyDecision d = lorvex::pll::filterKey(c, locale);
            result += d == KeyDecision::Pass ? QString(c) : d == KeyDecision::MoveToNext ? s(">") : QString();
        }
        QCOMPARE(result, passed);
    }

    void tidy_data()
    {
        QTest::addColumn<Tidy>("r");
        QTest::newRow("empty start") << Tidy{turkish, RangeBox::Start, "", "0"};
        QTest::newRow("empty end") << Tidy{english, RangeBox::End, "", "0"};
        QTest::newRow("empty step") << Tidy{turkish, RangeBox::Step, "", "1"};
        QTest::newRow("step 0 stays") << Tidy{turkish, RangeBox::Step, "0", "0"};
        QTest::newRow("grouped tr") << Tidy{turkish, RangeBox::End, "20000", "20.000"};
        QTest::newRow("grouped en") << Tidy{english, RangeBox::End, "20000", "20,000"};
    }
    void tidy()
    {
        QFETCH(Tidy, r);
        QCOMPARE(lorvex::pll::tidy(s(r.text), r.box, r.locale), s(r.tidied));
    }

    // Built: the step box afterwards and the lines as count, first and last. Refused: the message and the box it
    // selects.
    void buildList_data()
    {
        QTest::addColumn<List>("r");
        const auto built = [](const char *name, bool ref, const QLocale &loc, const char *range, const char *step,
                              const char *lines) {
            QTest::newRow(name) << List{ref, loc, range, step, lines};
        };
        const auto refused = [](const char *name, bool ref, const char *range, int message, RangeBox focus) {
            QTest::newRow(name) << List{ref, turkish, range, nullptr, nullptr, message, focus};
        };
        built("defaults tr", true, turkish, "2048|2050|2", "2", "2: 2.048 .. 2.050");
        built("exactly 500 steps", true, turkish, "1000|1500|1", "1", "501: 1.000 .. 1.500");
        built("input top, en", false, english, "1000|500000|1000", "1000", "500: 1,000 .. 500,000");
        built("end off the grid", false, turkish, "1000|20001|100", "100", "191: 1.000 .. 20.000");
        built("input 501 lines", false, turkish, "1000|251000|500", "500", "501: 1.000 .. 251.000");
        built("empty step is 1", true, turkish, "2000|2010|", "1", "11: 2.000 .. 2.010");
        built("step 0 is 1", true, turkish, "2000|2010|0", "1", "11: 2.000 .. 2.010");
        built("last step short", true, turkish, "2000|2010|3", "3", "4: 2.000 .. 2.009");
        built("exactly one step wide", true, turkish, "2000|2010|10", "10", "2: 2.000 .. 2.010");
        // A step too small to move the running sum would never end.
        built("step below the sum's precision", true, turkish, "1000|1000,0000000000002|0,00000000000005",
              "0,00000000000005", "501: 1.000 .. 1.000");
        refused("501 steps", true, "1000|1501|1", 136, RangeBox::Start);
        refused("start 999", true, "999|1500|1", 132, RangeBox::Start);
        refused("end 20001", true, "1000|20001|100", 133, RangeBox::End);
        refused("input end 500001", false, "1000|500001|1000", 137, RangeBox::End);
        refused("no room for a step", true, "2000|2000|1", 135, RangeBox::End);
        refused("end below start", true, "2001|2000|1", 134, RangeBox::End);
        refused("input end below start", false, "6000|5500|1", 138, RangeBox::End);
        refused("input 501 steps", false, "1000|251000|499", 139, RangeBox::Start);
    }
    void buildList()
    {
        QFETCH(List, r);
        const QStringList range = l(r.range);
        const ListBuildResult b = lorvex::pll::buildList(range[0], range[1], range[2],
                                                         r.reference ? referenceListParameters()
                                                                     : inputListParameters(),
                                                         r.locale);
        QCOMPARE(QStringList({b.start, b.end, b.step}),
                 QStringList({range[0], range[1], r.step ? s(r.step) : range[2]}));
        QCOMPARE(b.message, r.message);
        if (b.built)
            QCOMPARE(QStringLiteral("%1: %2 .. %3").arg(b.lines.size()).arg(b.lines.first(), b.lines.last()),
                     s(r.lines));
        else
            QVERIFY(r.message && b.focus == r.focus && b.lines.isEmpty());
    }

    // N boxes ticked in turn by weight (negative: cleared), against the worked example's required N.
    void lockAfterTicks_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<int>>("weights");
        QTest::addColumn<int>("locksAt");
        QTest::newRow("16383 - 1883 at the last tick")
            << turkish << QList<int>{1, 2, 8, 16, 64, 256, 512, 1024} << 1024;
        QTest::newRow("en") << english << QList<int>{256, 16, 2, 1024, 1, 64, 8, 512} << 512;
        QTest::newRow("a tick taken back") << turkish << QList<int>{4, 1, 2, -4, 8, 16, 64, 256, 512, 1024} << 1024;
    }
    void lockAfterTicks()
    {
        QFETCH(QLocale, locale);
        QFETCH(QList<int>, weights);
        QFETCH(int, locksAt);
        Calculation c;
        QList<int> locked;
        for (const int w : weights)
            if (locks(locale.toString(14500), c.nBoxChanged(QString::number(std::abs(w)), w > 0, locale), locale))
                locked += w;
        QCOMPARE(locked, QList<int>{locksAt});
    }

    void locksComparesTexts()
    {
        for (const auto &[required, selected] : {std::pair{"14.500", "14500"}, {"", "16.383"}, {"-0", "-0"}})
            QVERIFY2(!locks(s(required), s(selected), turkish), selected);
    }

    void calculation()
    {
        const QLocale &locale = turkish;
        Calculation c;
        const std::optional<QString> none, fOsc = locale.toString(10240), fIn = locale.toString(145000);
        const std::array<bool, raBitCount> r1024{true, true, false}, r2410{true, false, false};
        // R, fR and the required N ("kept": its box keeps its text).
        const auto run = [&](std::optional<QString> reference, std::optional<QString> input, QString ratio,
                             std::array<bool, raBitCount> ra) {
            const CalculationDisplay d = c.DeğerleriHesapla({reference, input, ratio, ra}, locale);
            return QStringList({d.raTotal, d.referenceValue, d.requiredN.value_or(s("kept"))});
        };
        QCOMPARE(run(none, none, s("1"), {}), l("8192|0|kept"));
        QCOMPARE(c.selectedNText(locale), s("16.383"));
        QCOMPARE(run(none, none, s("1"), r2410), l("2410|0|kept")); // RA before any reference line
        QCOMPARE(run(fOsc, none, s("1"), {}), l("8192|1,25|0"));
        QCOMPARE(run(fOsc, none, s("1"), r1024), l("1024|10|0"));
        QCOMPARE(run(none, fIn, s("1"), r1024), l("1024|10|14.500"));
        QCOMPARE(run(none, none, s("64"), r1024), l("1024|10|14.500")); // no input line: fD stays
        QCOMPARE(run(none, fIn, s("64"), r1024), l("1024|10|227"));
        QCOMPARE(*requiredN(c.BölünmüşGirişFrekansi, c.ReferansFrekansi), 226.5625);
        QCOMPARE(run(none, fIn, s("256"), r1024), l("1024|10|57"));
        QCOMPARE(run(none, none, s("1"), {}), l("8192|10|57")); // a new R beside the old fR until a line is chosen
    }

    void selectAllFromClear()
    {
        Calculation c;
        std::array<bool, nBitCount> boxes{};
        QStringList passed;
        for (const int bit : boxesToChange(boxes, true)) {
            passed += c.nBoxChanged(QString::number(nWeight(bit)), true, turkish);
            QVERIFY(!locks(s("0"), passed.last(), turkish)); // a required N of 0 never locks
        }
        QCOMPARE(passed,
                 l("16.382|16.380|16.376|16.368|16.352|16.320|16.256|16.128|15.872|15.360|14.336|12.288|8.192|0"));
        boxes[0] = boxes[5] = boxes[13] = true;
        QCOMPARE(boxesToChange(boxes, true), std::vector<int>({1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}));
        QCOMPARE(boxesToChange(boxes, false), std::vector<int>({0, 5, 13}));
    }
};

QTEST_GUILESS_MAIN(TestPllLogic)
#include "test_pll_logic.moc"
