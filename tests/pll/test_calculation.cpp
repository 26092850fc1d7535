#include "pll/calculation.h"

#include <QTest>

using namespace lorvex::pll;

namespace {
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);
const QString one = QStringLiteral("1");

CalculationInputs inputs(std::optional<QString> reference, std::optional<QString> input, const QString &ratio,
                         std::array<bool, raBitCount> ra = {})
{
    return CalculationInputs{std::move(reference), std::move(input), ratio, ra};
}

// R 1024 (RAOnayi(0) and (1) ticked), reference 10240, input 145000, ratio 1.
Calculation example(const QLocale &locale)
{
    Calculation c;
    c.DeğerleriHesapla(inputs(std::nullopt, std::nullopt, one), locale);
    c.DeğerleriHesapla(inputs(locale.toString(10240), std::nullopt, one, {true, true, false}), locale);
    c.DeğerleriHesapla(inputs(std::nullopt, locale.toString(145000), one, {true, true, false}), locale);
    return c;
}
} // namespace

class TestCalculation : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void locales_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("tr") << turkish;
        QTest::newRow("en") << english;
    }

    void startUp_data() { locales_data(); }
    void startUp()
    {
        QFETCH(QLocale, locale);
        Calculation c;
        const CalculationDisplay d = c.DeğerleriHesapla(inputs(std::nullopt, std::nullopt, one), locale);
        QCOMPARE(d.raTotal, QStringLiteral("8192"));
        QCOMPARE(d.referenceValue, QStringLiteral("0"));
        QVERIFY(!d.requiredN);
        QCOMPARE(c.ReferansBöleni, 8192);
        QCOMPARE(c.selectedNText(locale), locale == turkish ? QStringLiteral("16.383") : QStringLiteral("16,383"));
        QVERIFY(!locks(QString(), c.selectedNText(locale), locale));
    }

    void workedExample_data() { locales_data(); }
    void workedExample()
    {
        QFETCH(QLocale, locale);
        Calculation c;
        CalculationDisplay d = c.DeğerleriHesapla(inputs(locale.toString(10240), std::nullopt, one, {true, true, false}), locale);
        QCOMPARE(d.raTotal, QStringLiteral("1024"));
        QCOMPARE(d.referenceValue, QStringLiteral("10"));
        d = c.DeğerleriHesapla(inputs(std::nullopt, locale.toString(145000), one, {true, true, false}), locale);
        QCOMPARE(*d.requiredN, locale.toString(14500));
        QCOMPARE(d.referenceValue, QStringLiteral("10"));
        d = c.DeğerleriHesapla(inputs(std::nullopt, locale.toString(145000), QStringLiteral("64"), {true, true, false}), locale);
        QCOMPARE(*d.requiredN, QStringLiteral("227"));
        QCOMPARE(c.BölünmüşGirişFrekansi, 2265.625);
    }

    void lockAtLastTick_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("ascending tr") << turkish << QList<int>{1, 2, 8, 16, 64, 256, 512, 1024};
        QTest::newRow("descending en") << english << QList<int>{1024, 512, 256, 64, 16, 8, 2, 1};
        QTest::newRow("shuffled tr") << turkish << QList<int>{64, 1, 1024, 8, 512, 2, 256, 16};
        QTest::newRow("shuffled en") << english << QList<int>{256, 16, 2, 1024, 1, 64, 8, 512};
        QTest::newRow("detour tr") << turkish << QList<int>{4, 1, 2, -4, 8, 16, 64, 256, 512, 1024};
    }
    void lockAtLastTick()
    {
        QFETCH(QLocale, locale);
        QFETCH(QList<int>, order);
        Calculation c = example(locale);
        const CalculationDisplay d = c.DeğerleriHesapla(inputs(std::nullopt, std::nullopt, one, {true, true, false}), locale);
        const QString required = *d.requiredN;
        QCOMPARE(required, locale.toString(14500));
        for (int i = 0; i < order.size(); ++i) {
            // A negative entry clears the box of that weight again.
            const QString selected = c.nBoxChanged(QString::number(std::abs(order[i])), order[i] > 0, locale);
            QCOMPARE(locks(required, selected, locale), i == order.size() - 1);
        }
        QCOMPARE(c.OnayliAğirlikToplami, 1883);
    }

    void selectAllAndClear_data() { locales_data(); }
    void selectAllAndClear()
    {
        QFETCH(QLocale, locale);
        Calculation c;
        std::array<bool, nBitCount> boxes{};
        const std::vector<int> toCheck = boxesToChange(boxes, true);
        QCOMPARE(toCheck, std::vector<int>({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
        int expected = maxN;
        for (const int i : toCheck) {
            expected -= nWeight(i);
            QCOMPARE(c.nBoxChanged(QString::number(nWeight(i)), true, locale), locale.toString(expected));
            boxes[static_cast<std::size_t>(i)] = true;
        }
        QCOMPARE(expected, 0);
        QVERIFY(boxesToChange(boxes, true).empty());
        for (const int i : boxesToChange(boxes, false))
            c.nBoxChanged(QString::number(nWeight(i)), false, locale);
        QCOMPARE(c.selectedNText(locale), locale.toString(16383));

        boxes = {};
        boxes[0] = boxes[5] = boxes[13] = true;
        QCOMPARE(boxesToChange(boxes, true), std::vector<int>({1, 2, 3, 4, 6, 7, 8, 9, 10, 11, 12}));
        QCOMPARE(boxesToChange(boxes, false), std::vector<int>({0, 5, 13}));
    }

    void selectAllLocksPartWay()
    {
        // Each intermediate total locks exactly once on the way from 16383 to 0.
        for (int target = 1; target <= nBitCount; ++target) {
            const int required = maxN - ((1 << target) - 1);
            Calculation c;
            int lockedAt = -1;
            for (int i = 0; i < nBitCount; ++i)
                if (locks(turkish.toString(required), c.nBoxChanged(QString::number(nWeight(i)), true, turkish), turkish))
                    lockedAt = lockedAt < 0 ? i : 100;
            QCOMPARE(lockedAt, required == 0 ? -1 : target - 1);
        }
    }

    void raChangeBeforeReference()
    {
        Calculation c;
        c.DeğerleriHesapla(inputs(std::nullopt, std::nullopt, one), turkish);
        const CalculationDisplay d = c.DeğerleriHesapla(inputs(std::nullopt, std::nullopt, one, {true, false, false}), turkish);
        QCOMPARE(d.raTotal, QStringLiteral("2410"));
        QCOMPARE(d.referenceValue, QStringLiteral("0"));
        QVERIFY(!d.requiredN);

        // Later, with no reference line selected, a new R stands beside the old fR.
        Calculation e = example(turkish);
        const CalculationDisplay f = e.DeğerleriHesapla(inputs(std::nullopt, std::nullopt, one), turkish);
        QCOMPARE(f.raTotal, QStringLiteral("8192"));
        QCOMPARE(f.referenceValue, QStringLiteral("10"));
        QCOMPARE(*f.requiredN, QStringLiteral("14.500"));
    }

    void ratioChange_data() { locales_data(); }
    void ratioChange()
    {
        QFETCH(QLocale, locale);
        Calculation c = example(locale);
        const std::array<bool, raBitCount> ra{true, true, false};
        CalculationDisplay d = c.DeğerleriHesapla(inputs(std::nullopt, std::nullopt, QStringLiteral("64"), ra), locale);
        QCOMPARE(*d.requiredN, locale.toString(14500));
        QCOMPARE(c.BölünmüşGirişFrekansi, 145000.0);
        d = c.DeğerleriHesapla(inputs(std::nullopt, locale.toString(145000), QStringLiteral("64"), ra), locale);
        QCOMPARE(*d.requiredN, QStringLiteral("227"));
        d = c.DeğerleriHesapla(inputs(std::nullopt, locale.toString(145000), QStringLiteral("256"), ra), locale);
        QCOMPARE(*d.requiredN, QStringLiteral("57"));
    }

    void zeroRequiredNeverLocks_data() { locales_data(); }
    void zeroRequiredNeverLocks()
    {
        QFETCH(QLocale, locale);
        Calculation c;
        const CalculationDisplay d = c.DeğerleriHesapla(inputs(locale.toString(10240), std::nullopt, one), locale);
        QCOMPARE(d.raTotal, QStringLiteral("8192"));
        QCOMPARE(d.referenceValue, locale == turkish ? QStringLiteral("1,25") : QStringLiteral("1.25"));
        QCOMPARE(*d.requiredN, QStringLiteral("0"));
        for (int i = 0; i < nBitCount; ++i)
            c.nBoxChanged(QString::number(nWeight(i)), true, locale);
        QCOMPARE(c.selectedNText(locale), QStringLiteral("0"));
        QVERIFY(!locks(*d.requiredN, c.selectedNText(locale), locale));
    }

    void lockCheck_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("required");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("locked");
        QTest::newRow("equal tr") << turkish << QStringLiteral("14.500") << QStringLiteral("14.500") << true;
        QTest::newRow("equal en") << english << QStringLiteral("16,383") << QStringLiteral("16,383") << true;
        QTest::newRow("same value, other text") << turkish << QStringLiteral("14.500") << QStringLiteral("14500") << false;
        QTest::newRow("different") << turkish << QStringLiteral("14.500") << QStringLiteral("14.501") << false;
        QTest::newRow("required empty") << turkish << QString() << QStringLiteral("16.383") << false;
        QTest::newRow("selected empty") << english << QStringLiteral("16,383") << QString() << false;
        QTest::newRow("both empty") << english << QString() << QString() << false;
        QTest::newRow("not numbers") << turkish << QStringLiteral("abc") << QStringLiteral("abc") << false;
        QTest::newRow("both 0") << turkish << QStringLiteral("0") << QStringLiteral("0") << false;
        QTest::newRow("both -0") << english << QStringLiteral("-0") << QStringLiteral("-0") << false;
    }
    void lockCheck()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, required);
        QFETCH(QString, selected);
        QFETCH(bool, locked);
        QCOMPARE(locks(required, selected, locale), locked);
    }

    void skippedSteps()
    {
        const std::array<bool, raBitCount> r8{true, true, true};
        Calculation c;
        // A reference line is read as a whole number: 1000,5 is 1001, and 1001 / 8 ties to 125,12.
        CalculationDisplay d = c.DeğerleriHesapla(inputs(QStringLiteral("1.000,5"), std::nullopt, one, r8), turkish);
        QCOMPARE(d.referenceValue, QStringLiteral("125,12"));
        for (const std::optional<QString> &unusable : {std::optional<QString>(), std::optional<QString>(QString()),
                                                        std::optional<QString>(QStringLiteral("x"))}) {
            d = c.DeğerleriHesapla(inputs(unusable, unusable, one, r8), turkish);
            QCOMPARE(c.ReferansFrekansi, 125.125);
            QCOMPARE(d.referenceValue, QStringLiteral("125,12"));
            QCOMPARE(*d.requiredN, QStringLiteral("0"));
        }

        // The input line is read as it stands: 1000,2 / 0,25 is 4000,8, shown 4.001.
        c.DeğerleriHesapla(inputs(QStringLiteral("2.048"), std::nullopt, one), turkish);
        d = c.DeğerleriHesapla(inputs(std::nullopt, QStringLiteral("1.000,2"), one), turkish);
        QCOMPARE(*d.requiredN, QStringLiteral("4.001"));
        // A ratio of 0 or no ratio at all leaves fD alone.
        for (const QString &ratio : {QStringLiteral("0"), QStringLiteral("0,4"), QString()}) {
            d = c.DeğerleriHesapla(inputs(std::nullopt, QStringLiteral("5.000"), ratio), turkish);
            QCOMPARE(c.BölünmüşGirişFrekansi, 1000.2);
            QCOMPARE(*d.requiredN, QStringLiteral("4.001"));
        }
        // A ratio is read as a whole number too: 1,4 is 1.
        d = c.DeğerleriHesapla(inputs(std::nullopt, QStringLiteral("5.000"), QStringLiteral("1,4")), turkish);
        QCOMPARE(*d.requiredN, QStringLiteral("20.000"));
    }

    void strangeCaptionsCarryNoWeight()
    {
        Calculation c;
        QCOMPARE(c.nBoxChanged(QStringLiteral("x"), true, turkish), QStringLiteral("16.383"));
        QCOMPARE(c.nBoxChanged(QStringLiteral("99999999999"), true, turkish), QStringLiteral("16.383"));
        QCOMPARE(c.nBoxChanged(QStringLiteral("8.192"), true, turkish), QStringLiteral("8.191"));
    }
};

QTEST_GUILESS_MAIN(TestCalculation)
#include "test_calculation.moc"
