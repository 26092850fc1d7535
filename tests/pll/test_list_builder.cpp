#include "pll/list_builder.h"
#include "pll/range_field.h"

#include <QTest>

using namespace lorvex::pll;

Q_DECLARE_METATYPE(lorvex::pll::RangeBox)

namespace {
const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
const QLocale english(QLocale::English, QLocale::UnitedStates);

QString typed(const QString &keys, const QLocale &locale)
{
    QString text;
    for (const QChar c : keys)
        if (filterKey(c, locale) == KeyDecision::Pass)
            text += c;
    return text;
}
} // namespace

class TestListBuilder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void built_data()
    {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QString>("stepAfter");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        const auto s = [](const char *t) { return QString::fromUtf8(t); };
        QTest::newRow("reference defaults tr") << false << turkish << s("2048") << s("2050") << s("2") << s("2") << 2 << s("2.048") << s("2.050");
        QTest::newRow("reference defaults en") << false << english << s("2048") << s("2050") << s("2") << s("2") << 2 << s("2,048") << s("2,050");
        QTest::newRow("input defaults") << true << turkish << s("5000") << s("5500") << s("500") << s("500") << 2 << s("5.000") << s("5.500");
        QTest::newRow("500 steps") << false << turkish << s("1000") << s("1500") << s("1") << s("1") << 501 << s("1.000") << s("1.500");
        QTest::newRow("end at reference limit") << false << turkish << s("1000") << s("20000") << s("100") << s("100") << 191 << s("1.000") << s("20.000");
        QTest::newRow("end at input limit") << true << english << s("1000") << s("500000") << s("1000") << s("1000") << 500 << s("1,000") << s("500,000");
        QTest::newRow("20001 on the input side") << true << turkish << s("1000") << s("20001") << s("100") << s("100") << 191 << s("1.000") << s("20.000");
        QTest::newRow("input 500 steps") << true << turkish << s("1000") << s("251000") << s("500") << s("500") << 501 << s("1.000") << s("251.000");
        QTest::newRow("empty step") << false << turkish << s("2000") << s("2010") << s("") << s("1") << 11 << s("2.000") << s("2.010");
        QTest::newRow("zero step") << false << turkish << s("2000") << s("2010") << s("0") << s("1") << 11 << s("2.000") << s("2.010");
        QTest::newRow("unreadable step") << true << turkish << s("2000") << s("2010") << s("x") << s("1") << 11 << s("2.000") << s("2.010");
        QTest::newRow("end not reached") << false << turkish << s("2000") << s("2010") << s("3") << s("3") << 4 << s("2.000") << s("2.009");
        QTest::newRow("difference equals step") << false << turkish << s("2000") << s("2010") << s("10") << s("10") << 2 << s("2.000") << s("2.010");
        QTest::newRow("grouped texts tr") << false << turkish << s("2.048") << s("2.050") << s("2") << s("2") << 2 << s("2.048") << s("2.050");
        QTest::newRow("fractions rounded per line") << false << turkish << s("1000,4") << s("1002,6") << s("1") << s("1") << 3 << s("1.000") << s("1.002");
        QTest::newRow("negative step, equal ends") << false << turkish << s("2000") << s("2000") << s("-1") << s("-1") << 1 << s("2.000") << s("2.000");
        QTest::newRow("step too small to move") << false << turkish << s("1000") << s("1000,0000000000002") << s("0,00000000000005")
                                                << s("0,00000000000005") << 501 << s("1.000") << s("1.000");
    }
    void built()
    {
        QFETCH(bool, input);
        QFETCH(QLocale, locale);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, step);
        QFETCH(QString, stepAfter);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        const ListBuildResult r =
            buildList(start, end, step, input ? inputListParameters() : referenceListParameters(), locale);
        QVERIFY(r.built);
        QCOMPARE(r.start, start);
        QCOMPARE(r.end, end);
        QCOMPARE(r.step, stepAfter);
        QCOMPARE(r.lines.size(), count);
        QCOMPARE(r.lines.first(), first);
        QCOMPARE(r.lines.last(), last);
    }

    void lineByLine()
    {
        const QStringList lines = buildList(QStringLiteral("2000"), QStringLiteral("2010"), QStringLiteral("3"),
                                            referenceListParameters(), turkish).lines;
        QCOMPARE(lines, QStringList({QStringLiteral("2.000"), QStringLiteral("2.003"), QStringLiteral("2.006"),
                                     QStringLiteral("2.009")}));
        QVERIFY(buildList(QStringLiteral("2000"), QStringLiteral("2010"), QStringLiteral("-1"),
                          referenceListParameters(), turkish).lines.isEmpty());
    }

    void refused_data()
    {
        QTest::addColumn<bool>("input");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("step");
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<int>("message");
        QTest::addColumn<lorvex::pll::RangeBox>("focus");
        const auto s = [](const char *t) { return QString::fromUtf8(t); };
        const auto l = [](const char *a, const char *b, const char *c) {
            return QStringList({QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c)});
        };
        QTest::newRow("501 steps") << false << s("1000") << s("1501") << s("1") << l("1000", "1501", "1") << 136 << RangeBox::Start;
        QTest::newRow("start 999") << false << s("999") << s("1500") << s("1") << l("999", "1500", "1") << 132 << RangeBox::Start;
        QTest::newRow("start 999,5") << false << s("999,5") << s("1500") << s("1") << l("999,5", "1500", "1") << 132 << RangeBox::Start;
        QTest::newRow("start 999, end too high") << false << s("999") << s("30000") << s("1") << l("999", "30000", "1") << 132 << RangeBox::Start;
        QTest::newRow("start 999, end below") << true << s("999") << s("5") << s("1") << l("999", "5", "1") << 132 << RangeBox::Start;
        QTest::newRow("empty start") << false << s("") << s("2050") << s("2") << l("0", "2050", "2") << 132 << RangeBox::Start;
        QTest::newRow("all unreadable") << true << s("a") << s("") << s("0") << l("0", "0", "1") << 132 << RangeBox::Start;
        QTest::newRow("end 20001") << false << s("1000") << s("20001") << s("100") << l("1000", "20001", "100") << 133 << RangeBox::End;
        QTest::newRow("end 500001") << true << s("1000") << s("500001") << s("1000") << l("1000", "500001", "1000") << 137 << RangeBox::End;
        QTest::newRow("end below start") << false << s("2000") << s("1500") << s("1") << l("2000", "1500", "1") << 134 << RangeBox::End;
        QTest::newRow("end below start, input") << true << s("6000") << s("5500") << s("1") << l("6000", "5500", "1") << 138 << RangeBox::End;
        QTest::newRow("empty end") << false << s("2000") << s("") << s("1") << l("2000", "0", "1") << 134 << RangeBox::End;
        QTest::newRow("start equals end") << false << s("2000") << s("2000") << s("1") << l("2000", "2000", "1") << 135 << RangeBox::End;
        QTest::newRow("start equals end, input") << true << s("5000") << s("5000") << s("7") << l("5000", "5000", "7") << 135 << RangeBox::End;
        QTest::newRow("zero step rewritten") << false << s("2000") << s("2000") << s("0") << l("2000", "2000", "1") << 135 << RangeBox::End;
        QTest::newRow("difference below step") << false << s("2000") << s("2009") << s("10") << l("2000", "2009", "10") << 135 << RangeBox::End;
        QTest::newRow("input 499 step") << true << s("1000") << s("251000") << s("499") << l("1000", "251000", "499") << 139 << RangeBox::Start;
        QTest::newRow("empty step, too many") << true << s("1000") << s("2000") << s("") << l("1000", "2000", "1") << 139 << RangeBox::Start;
    }
    void refused()
    {
        QFETCH(bool, input);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, step);
        QFETCH(QStringList, after);
        QFETCH(int, message);
        QFETCH(lorvex::pll::RangeBox, focus);
        const ListBuildResult r =
            buildList(start, end, step, input ? inputListParameters() : referenceListParameters(), turkish);
        QVERIFY(!r.built);
        QVERIFY(r.lines.isEmpty());
        QCOMPARE(QStringList({r.start, r.end, r.step}), after);
        QCOMPARE(r.message, message);
        QCOMPARE(r.focus, focus);
    }

    void settingsKeys()
    {
        QCOMPARE(QLatin1String(referenceListParameters().startKey), QLatin1String("Referans Baslama"));
        QCOMPARE(QLatin1String(referenceListParameters().endKey), QLatin1String("Referans Bitis"));
        QCOMPARE(QLatin1String(referenceListParameters().stepKey), QLatin1String("Referans Adim"));
        QCOMPARE(QLatin1String(inputListParameters().startKey), QLatin1String("Giris Baslama"));
        QCOMPARE(QLatin1String(inputListParameters().endKey), QLatin1String("Giris Bitis"));
        QCOMPARE(QLatin1String(inputListParameters().stepKey), QLatin1String("Giris Adim"));
    }

    void keyFilter_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::newRow("2a0,4 tr") << turkish << QStringLiteral("2a0,4") << QStringLiteral("204");
        QTest::newRow("2a0,4 en") << english << QStringLiteral("2a0,4") << QStringLiteral("204");
        QTest::newRow("separators and signs") << english << QStringLiteral("-1.2+3 e") << QStringLiteral("123");
        QTest::newRow("clipboard shortcuts") << turkish << QStringLiteral("\x16" "5\x03\x18\x1a") << QStringLiteral("5");
        QTest::newRow("every digit") << turkish << QStringLiteral("0123456789") << QStringLiteral("0123456789");
    }
    void keyFilter()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QCOMPARE(typed(keys, locale), text);
    }

    void keyFilterControls()
    {
        for (const QLocale &locale : {turkish, english}) {
            QCOMPARE(filterKey(QChar(13), locale), KeyDecision::MoveToNext);
            QCOMPARE(filterKey(QChar(8), locale), KeyDecision::Pass);
            QCOMPARE(filterKey(QChar(0x16), locale), KeyDecision::Discard);
            QCOMPARE(filterKey(QChar(10), locale), KeyDecision::Discard);
            QCOMPARE(filterKey(QChar(u' '), locale), KeyDecision::Discard);
        }
    }

    void tidying_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<lorvex::pll::RangeBox>("role");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tidied");
        QTest::newRow("empty start") << turkish << RangeBox::Start << QString() << QStringLiteral("0");
        QTest::newRow("empty end") << english << RangeBox::End << QString() << QStringLiteral("0");
        QTest::newRow("empty step") << turkish << RangeBox::Step << QString() << QStringLiteral("1");
        QTest::newRow("unreadable step") << english << RangeBox::Step << QStringLiteral("1e3") << QStringLiteral("1");
        QTest::newRow("unreadable end") << turkish << RangeBox::End << QStringLiteral("--5") << QStringLiteral("0");
        QTest::newRow("20000 tr") << turkish << RangeBox::End << QStringLiteral("20000") << QStringLiteral("20.000");
        QTest::newRow("20000 en") << english << RangeBox::End << QStringLiteral("20000") << QStringLiteral("20,000");
        QTest::newRow("zero step stays") << turkish << RangeBox::Step << QStringLiteral("0") << QStringLiteral("0");
        QTest::newRow("zero start") << turkish << RangeBox::Start << QStringLiteral("0") << QStringLiteral("0");
        QTest::newRow("grouped stays") << turkish << RangeBox::Start << QStringLiteral("2.048") << QStringLiteral("2.048");
        QTest::newRow("half rounds up tr") << turkish << RangeBox::Start << QStringLiteral("1000,5") << QStringLiteral("1.001");
        QTest::newRow("half rounds up en") << english << RangeBox::Start << QStringLiteral("1000.5") << QStringLiteral("1,001");
        QTest::newRow("small negative step") << turkish << RangeBox::Step << QStringLiteral("-0,4") << QStringLiteral("0");
        QTest::newRow("500000 tr") << turkish << RangeBox::End << QStringLiteral(" 500000 ") << QStringLiteral("500.000");
    }
    void tidying()
    {
        QFETCH(QLocale, locale);
        QFETCH(lorvex::pll::RangeBox, role);
        QFETCH(QString, text);
        QFETCH(QString, tidied);
        QCOMPARE(tidy(text, role, locale), tidied);
    }
};

QTEST_GUILESS_MAIN(TestListBuilder)
#include "test_list_builder.moc"
