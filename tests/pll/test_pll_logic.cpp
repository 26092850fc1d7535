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

// One question of the text-in, text-out table, answered as a text.
QString ask(const QString &kind, const QString &input, const QLocale &locale)
{
    const QStringList part = input.split(QLatin1Char('|'));
    if (kind == u"shown") // whole-number and two-decimal forms of a value
        return wholeNumberText(input.toDouble(), locale) + u' ' + twoDecimalText(input.toDouble(), locale);
    if (kind == u"read") {
        const std::optional<double> value = readNumber(input, locale);
        return value ? QString::number(*value, 'g', QLocale::FloatingPointShortest) : s("refused");
    }
    if (kind == u"keys") { // the characters that pass; a move to the next box shows as '>'
        QString typed;
        for (const QChar c : input)
            typed += filterKey(c, locale) == KeyDecision::Pass         ? QString(c)
                     : filterKey(c, locale) == KeyDecision::MoveToNext ? s(">")
                                                                       : QString();
        return typed;
    }
    if (kind == u"ticks") { // N boxes ticked in turn by weight (negative: cleared), against the worked example's N
        Calculation c;
        QStringList locked;
        for (const QString &weight : part)
            if (locks(locale.toString(14500),
                      c.nBoxChanged(QString::number(std::abs(weight.toInt())), weight.toInt() > 0, locale), locale))
                locked += weight;
        return s("locks at ") + locked.join(u',');
    }
    if (kind == u"lock")
        return s(locks(part[0], part[1], locale) ? "locks" : "no lock");
    if (kind.startsWith(u"tidy "))
        return tidy(input, RangeBox(l("start|end|step").indexOf(kind.mid(5))), locale);
    // "ref" or "input": a list from start|end|step.
    const ListBuildResult r = buildList(part[0], part[1], part[2],
                                        kind == u"ref" ? referenceListParameters() : inputListParameters(), locale);
    QString answer = QStringList({r.start, r.end, r.step}).join(u'|') + s(": ");
    if (!r.built)
        return answer
               + QStringLiteral("warning %1 at %2%3")
                     .arg(r.message)
                     .arg(l("start|end|step")[int(r.focus)], r.lines.isEmpty() ? QString() : s(" with lines"));
    if (r.lines.size() > 4)
        return answer + QStringLiteral("%1 lines %2 .. %3").arg(r.lines.size()).arg(r.lines.first(), r.lines.last());
    return answer + r.lines.join(u' ');
}
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

    void answers_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("answer");
        const auto row = [](const char *kind, const QLocale &locale, const QString &input, const char *answer) {
            QString tag = QStringLiteral("%1 %2 '%3'").arg(s(kind), locale.name(), input.left(40));
            std::replace_if(
                tag.begin(), tag.end(), [](QChar c) { return !c.isPrint(); }, u'^');
            QTest::newRow(qPrintable(tag)) << s(kind) << locale << input << s(answer);
        };
        row("shown", turkish, s("0.25"), "0 0,25"); // 2048 / 8192
        row("shown", english, s("0.25"), "0 0.25");
        row("shown", turkish, s("125.125"), "125 125,12"); // 1001 / 8: hundredths tie to even
        row("shown", english, s("125.375"), "125 125.38"); // 1003 / 8
        row("shown", turkish, s("226.5"), "227 226,5");
        row("shown", turkish, s("226.49"), "226 226,49");
        row("shown", turkish, s("-0.004"), "0 0");
        row("shown", english, s("inf"), " ");

        for (const char *bad :
             {"", "   ", "1e3", "inf", "nan", "--1", "+-1", "- 1", "abc", "12a", "0x10", "-", ",", ".", "1 2"})
            for (const QLocale &locale : {turkish, english})
                row("read", locale, s(bad), "refused");
        row("read", turkish, s("1,2,3"), "refused"); // two decimal separators
        row("read", english, s("1.2.3"), "refused");
        row("read", english, s("1") + QString(400, u'0'), "refused");
        row("read", turkish, s("2.048"), "2048");
        row("read", english, s("2,048"), "2048");
        row("read", turkish, s("2,048"), "2.048");
        row("read", turkish, s("1.2.3"), "123"); // groups anywhere
        row("read", turkish, s("-1.234,5"), "-1234.5");
        row("read", QLocale(QLocale::French, QLocale::France), s("1 000,5"),
            "1000.5"); // a plain space for a blank group

        row("ticks", turkish, s("1|2|8|16|64|256|512|1024"), "locks at 1024"); // 16383 - 1883, at the last tick only
        row("ticks", turkish, s("64|1|1024|8|512|2|256|16"), "locks at 16");
        row("ticks", english, s("256|16|2|1024|1|64|8|512"), "locks at 512");
        row("ticks", turkish, s("4|1|2|-4|8|16|64|256|512|1024"), "locks at 1024");
        row("lock", turkish, s("14.500|14500"), "no lock");
        row("lock", turkish, s("|16.383"), "no lock");
        row("lock", english, s("-0|-0"), "no lock");

        // Ctrl+V, C, X and Z type 22, 3, 24 and 26; Enter 13 and Backspace 8.
        row("keys", turkish, s("2a0,4.-+ e\x16\x03\x18\x1a\n13579\r\b"), "20413579>\b");
        row("keys", english, s("2a0,4.-+ e\x16\x03\x18\x1a\n68\r\b"), "20468>\b");
        row("tidy start", turkish, QString(), "0");
        row("tidy end", english, QString(), "0");
        row("tidy step", turkish, QString(), "1");
        row("tidy step", turkish, s("0"), "0");
        row("tidy end", turkish, s("20000"), "20.000");
        row("tidy end", english, s("20000"), "20,000");

        row("ref", turkish, s("2048|2050|2"), "2048|2050|2: 2.048 2.050");
        row("ref", english, s("2048|2050|2"), "2048|2050|2: 2,048 2,050");
        row("ref", turkish, s("1000|1500|1"), "1000|1500|1: 501 lines 1.000 .. 1.500");
        row("ref", turkish, s("1000|20000|100"), "1000|20000|100: 191 lines 1.000 .. 20.000");
        row("input", english, s("1000|500000|1000"), "1000|500000|1000: 500 lines 1,000 .. 500,000");
        row("input", turkish, s("1000|20001|100"), "1000|20001|100: 191 lines 1.000 .. 20.000");
        row("input", turkish, s("1000|251000|500"), "1000|251000|500: 501 lines 1.000 .. 251.000");
        row("ref", turkish, s("2000|2010|"), "2000|2010|1: 11 lines 2.000 .. 2.010");
        row("ref", turkish, s("2000|2010|0"), "2000|2010|1: 11 lines 2.000 .. 2.010");
        row("ref", turkish, s("2000|2010|3"), "2000|2010|3: 2.000 2.003 2.006 2.009");
        row("ref", turkish, s("2000|2010|10"), "2000|2010|10: 2.000 2.010");
        // A step too small to move the running sum would never end.
        row("ref", turkish, s("1000|1000,0000000000002|0,00000000000005"),
            "1000|1000,0000000000002|0,00000000000005: 501 lines 1.000 .. 1.000");
        row("ref", turkish, s("1000|1501|1"), "1000|1501|1: warning 136 at start");
        row("ref", turkish, s("999|1500|1"), "999|1500|1: warning 132 at start");
        row("ref", turkish, s("|2050|2"), "0|2050|2: warning 132 at start");
        row("ref", turkish, s("1000|20001|100"), "1000|20001|100: warning 133 at end");
        row("input", turkish, s("1000|500001|1000"), "1000|500001|1000: warning 137 at end");
        row("ref", turkish, s("2000|2000|1"), "2000|2000|1: warning 135 at end");
        row("ref", turkish, s("2001|2000|1"), "2001|2000|1: warning 134 at end");
        row("input", turkish, s("6000|5500|1"), "6000|5500|1: warning 138 at end");
        row("input", turkish, s("1000|251000|499"), "1000|251000|499: warning 139 at start");
    }
    void answers()
    {
        QFETCH(QString, kind);
        QFETCH(QLocale, locale);
        QFETCH(QString, input);
        QFETCH(QString, answer);
        QCOMPARE(ask(kind, input, locale), answer);
    }

    void everyTextReadsBack()
    {
        const double values[] = {0,       -0.0,     0.004,   -0.004, 0.005, 125.125, -0.5,  2.5,
                                 1000.49, -16383.5, 1.0 / 3, 9.1e15, -9e15, 1e20,    -1e300};
        for (const QLocale &locale :
             {turkish, english, QLocale(QLocale::Arabic, QLocale::Egypt), QLocale(QLocale::French, QLocale::France)})
            for (const double x : values)
                for (const auto &[text, shown] :
                     {std::pair(wholeNumberText(x, locale), std::round(x)),
                      std::pair(twoDecimalText(x, locale), std::isfinite(x * 100) ? std::nearbyint(x * 100) / 100 : x)})
                    QVERIFY2(readNumber(text, locale) == shown && (shown != 0 || !text.contains(locale.negativeSign())),
                             qPrintable(text)); // never "-0"
    }

    void calculation_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("shown"); // 16383, 1.25 and 14500 in the locale
        QTest::newRow("tr") << turkish << l("16.383|1,25|14.500");
        QTest::newRow("en") << english << l("16,383|1.25|14,500");
    }
    void calculation()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, shown);
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
        QCOMPARE(c.selectedNText(locale), shown[0]);
        QCOMPARE(run(none, none, s("1"), r2410), l("2410|0|kept")); // RA before any reference line
        QCOMPARE(run(fOsc, none, s("1"), {}), QStringList({s("8192"), shown[1], s("0")}));
        QCOMPARE(run(fOsc, none, s("1"), r1024), l("1024|10|0"));
        QCOMPARE(run(none, fIn, s("1"), r1024), QStringList({s("1024"), s("10"), shown[2]}));
        QCOMPARE(run(none, none, s("64"), r1024),
                 QStringList({s("1024"), s("10"), shown[2]})); // no input line: fD stays
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
