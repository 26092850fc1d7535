#include "pll/divider_model.h"
#include "pll/number_forms.h"

#include <QTest>
#include <cmath>

using namespace lorvex::pll;

namespace {
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);

const double roundTripValues[] = {0,      -0.0,    0.25,    0.004,   -0.004, 0.005,   125.125, 125.375,
                                  -1.5,   -0.5,    2.5,     1000.49, 1000.5, 16383,   -16383.5, 2410.7,
                                  1.0 / 3, 2.0 / 3, 1e15,   9.1e15,  -9e15, 1e20,    1e300,   -1e300};
} // namespace

class TestNumberForms : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void referenceDividerTable_data()
    {
        QTest::addColumn<int>("ra2");
        QTest::addColumn<int>("ra1");
        QTest::addColumn<int>("ra0");
        QTest::addColumn<int>("r");
        const int expected[] = {8, 128, 256, 512, 1024, 2048, 2410, 8192};
        for (int row = 0; row < 8; ++row)
            QTest::addRow("%d%d%d", row >> 2, (row >> 1) & 1, row & 1)
                << (row >> 2) << ((row >> 1) & 1) << (row & 1) << expected[row];
    }
    void referenceDividerTable()
    {
        QFETCH(int, ra2);
        QFETCH(int, ra1);
        QFETCH(int, ra0);
        QFETCH(int, r);
        QCOMPARE(referenceDivider(ra2, ra1, ra0), r);
        // A ticked box is level 0: RAOnayi(i) ticked exactly where RAi is 0.
        QCOMPARE(referenceDivider({ra0 == 0, ra1 == 0, ra2 == 0}), r);
    }

    void pins()
    {
        const int n[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 24, 25, 22, 23};
        for (int bit = 0; bit < nBitCount; ++bit)
            QCOMPARE(nPin(bit), n[bit]);
        QCOMPARE(raPin(0), 5);
        QCOMPARE(raPin(1), 6);
        QCOMPARE(raPin(2), 7);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, nPin(14));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, raPin(-1));
    }

    void workedExample_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("n1");
        QTest::addColumn<QString>("n64");
        QTest::newRow("tr") << turkish << QStringLiteral("14.500") << QStringLiteral("227");
        QTest::newRow("en") << english << QStringLiteral("14,500") << QStringLiteral("227");
    }
    void workedExample()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, n1);
        QFETCH(QString, n64);
        const int r = referenceDivider({true, true, false});
        QCOMPARE(r, 1024);
        const double fR = referenceFrequency(10240, r);
        QCOMPARE(twoDecimalText(fR, locale), QStringLiteral("10"));
        QCOMPARE(wholeNumberText(*requiredN(dividedInputFrequency(145000, 1), fR), locale), n1);
        const double fD = dividedInputFrequency(145000, 64);
        QCOMPARE(fD, 2265.625);
        QCOMPARE(*requiredN(fD, fR), 226.5625);
        QCOMPARE(wholeNumberText(*requiredN(fD, fR), locale), n64);
    }

    void requiredNWithoutResult()
    {
        QVERIFY(!requiredN(145000, 0));
        QVERIFY(!requiredN(0, 0));
        QVERIFY(!requiredN(1e308, 1e-308));
        QCOMPARE(*requiredN(0, 1.25), 0.0);
    }

    void selectedNFromBoxes()
    {
        std::array<bool, nBitCount> boxes{};
        QCOMPARE(selectedN(boxes), 16383);
        boxes[0] = boxes[13] = true;
        QCOMPARE(selectedN(boxes), 8190);
        boxes.fill(true);
        QCOMPARE(selectedN(boxes), 0);
    }

    void twoDecimal_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("2048/8192 tr") << turkish << 2048.0 / 8192 << QStringLiteral("0,25");
        QTest::newRow("2048/8192 en") << english << 2048.0 / 8192 << QStringLiteral("0.25");
        QTest::newRow("1001/8 tie to even") << turkish << 1001.0 / 8 << QStringLiteral("125,12");
        QTest::newRow("1003/8 tie to even") << turkish << 1003.0 / 8 << QStringLiteral("125,38");
        QTest::newRow("1001/8 en") << english << 1001.0 / 8 << QStringLiteral("125.12");
        QTest::newRow("10") << turkish << 10.0 << QStringLiteral("10");
        QTest::newRow("12.5") << turkish << 12.5 << QStringLiteral("12,5");
        QTest::newRow("zero") << turkish << 0.0 << QStringLiteral("0");
        QTest::newRow("-0.004 no -0") << turkish << -0.004 << QStringLiteral("0");
        QTest::newRow("-0.0") << english << -0.0 << QStringLiteral("0");
        QTest::newRow("negative") << turkish << -1.5 << QStringLiteral("-1,5");
        QTest::newRow("no grouping tr") << turkish << 1234.5 << QStringLiteral("1234,5");
        QTest::newRow("no grouping en") << english << 20000.0 << QStringLiteral("20000");
        QTest::newRow("huge") << english << 1e20 << QStringLiteral("100000000000000000000");
        QTest::newRow("inf") << english << qInf() << QString();
    }
    void twoDecimal()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(twoDecimalText(value, locale), text);
    }

    void wholeNumber_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("16383 tr") << turkish << 16383.0 << QStringLiteral("16.383");
        QTest::newRow("16383 en") << english << 16383.0 << QStringLiteral("16,383");
        QTest::newRow("226.5 up") << turkish << 226.5 << QStringLiteral("227");
        QTest::newRow("226.49 down") << turkish << 226.49 << QStringLiteral("226");
        QTest::newRow("1000.5") << turkish << 1000.5 << QStringLiteral("1.001");
        QTest::newRow("1000.49") << english << 1000.49 << QStringLiteral("1,000");
        QTest::newRow("-0.4 no -0") << turkish << -0.4 << QStringLiteral("0");
        QTest::newRow("-0.0") << english << -0.0 << QStringLiteral("0");
        QTest::newRow("-0.5 away") << turkish << -0.5 << QStringLiteral("-1");
        QTest::newRow("-1234.5 tr") << turkish << -1234.5 << QStringLiteral("-1.235");
        QTest::newRow("-1234.5 en") << english << -1234.5 << QStringLiteral("-1,235");
        QTest::newRow("1e20 tr") << turkish << 1e20 << QStringLiteral("100.000.000.000.000.000.000");
        QTest::newRow("nan") << turkish << qQNaN() << QString();
    }
    void wholeNumber()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(wholeNumberText(value, locale), text);
    }

    void plainInteger()
    {
        QCOMPARE(plainIntegerText(8192), QStringLiteral("8192"));
        QCOMPARE(plainIntegerText(2410), QStringLiteral("2410"));
    }

    void roundTrip_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("tr") << turkish;
        QTest::newRow("en") << english;
        QTest::newRow("ar native digits") << QLocale(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("fr blank groups") << QLocale(QLocale::French, QLocale::France);
    }
    void roundTrip()
    {
        QFETCH(QLocale, locale);
        for (const double x : roundTripValues) {
            const QString whole = wholeNumberText(x, locale);
            const std::optional<double> wholeBack = readNumber(whole, locale);
            QVERIFY2(wholeBack, qPrintable(whole));
            QCOMPARE(*wholeBack, std::round(x));
            QVERIFY2(*wholeBack != 0 || !whole.contains(locale.negativeSign()), qPrintable(whole));

            const QString two = twoDecimalText(x, locale);
            const std::optional<double> twoBack = readNumber(two, locale);
            QVERIFY2(twoBack, qPrintable(two));
            const double shown = std::isfinite(x * 100) ? std::nearbyint(x * 100) / 100 : x;
            QCOMPARE(*twoBack, shown);
            QVERIFY2(*twoBack != 0 || !two.contains(locale.negativeSign()), qPrintable(two));
        }
    }

    void readAccepted_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("groups tr") << turkish << QStringLiteral("2.048") << 2048.0;
        QTest::newRow("groups en") << english << QStringLiteral("2,048") << 2048.0;
        QTest::newRow("decimal tr") << turkish << QStringLiteral("2,048") << 2.048;
        QTest::newRow("decimal en") << english << QStringLiteral("2.048") << 2.048;
        QTest::newRow("blanks") << turkish << QStringLiteral(" 12 ") << 12.0;
        QTest::newRow("tab and nbsp") << english << QStringLiteral("\t7\u00a0") << 7.0;
        QTest::newRow("groups anywhere tr") << turkish << QStringLiteral("1.2.3") << 123.0;
        QTest::newRow("leading group") << english << QStringLiteral(",5") << 5.0;
        QTest::newRow("minus") << turkish << QStringLiteral("-1.234,5") << -1234.5;
        QTest::newRow("plus") << english << QStringLiteral("+16,383") << 16383.0;
        QTest::newRow("bare fraction") << turkish << QStringLiteral(",5") << 0.5;
        QTest::newRow("trailing decimal") << english << QStringLiteral("12.") << 12.0;
        QTest::newRow("leading zeros") << turkish << QStringLiteral("007") << 7.0;
        QTest::newRow("ordinary space as group fr") << QLocale(QLocale::French, QLocale::France)
                                                    << QStringLiteral("1 000,5") << 1000.5;
        QTest::newRow("ascii digits ar") << QLocale(QLocale::Arabic, QLocale::Egypt) << QStringLiteral("-42") << -42.0;
        QTest::newRow("underflow is 0") << english << QStringLiteral("0.") + QString(400, u'0') + QStringLiteral("1") << 0.0;
    }
    void readAccepted()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(double, value);
        const std::optional<double> read = readNumber(text, locale);
        QVERIFY(read);
        QCOMPARE(*read, value);
    }

    void readRefused_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        const QString bad[] = {QString(),         QStringLiteral("   "),  QStringLiteral("1e3"),
                               QStringLiteral("inf"), QStringLiteral("nan"), QStringLiteral("1,2,3.4.5"),
                               QStringLiteral("--1"), QStringLiteral("+-1"), QStringLiteral("- 1"),
                               QStringLiteral("abc"), QStringLiteral("12a"), QStringLiteral("0x10"),
                               QStringLiteral("-"),   QStringLiteral(","),   QStringLiteral("."),
                               QStringLiteral("1 2"), QStringLiteral("1") + QString(400, u'0')};
        for (const QString &text : bad) {
            QTest::addRow("tr '%s'", qPrintable(text.left(12))) << turkish << text;
            QTest::addRow("en '%s'", qPrintable(text.left(12))) << english << text;
        }
        QTest::newRow("two decimals tr") << turkish << QStringLiteral("1,2,3");
        QTest::newRow("two decimals en") << english << QStringLiteral("1.2.3");
    }
    void readRefused()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QVERIFY(!readNumber(text, locale));
    }
};

QTEST_GUILESS_MAIN(TestNumberForms)
#include "test_number_forms.moc"
