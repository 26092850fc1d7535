#include "app/failure.h"
#include "result/picture_files.h"
#include "result/report.h"

#include <QRegularExpression>
#include <QTest>

using namespace lorvex;
using namespace lorvex::result;

namespace {

// Input 145.000 kHz, ratio 1, oscillator 10.240 kHz, fR 10: RA0 and RA1 ticked,
// N boxes ticked on the zero bits of 14500.
ResultInputs workedExample()
{
    ResultInputs in;
    in.inputFrequency = QStringLiteral("145.000");
    in.divisionRatio = QStringLiteral("1");
    in.referenceOscillator = QStringLiteral("10.240");
    in.referenceFrequency = QStringLiteral("10");
    in.raChecked = {true, true, false};
    for (int i = 0; i < pll::nBitCount; ++i)
        in.nChecked[i] = ((14500 >> i) & 1) == 0;
    return in;
}

// The level digits of "Pin (p): d" lines, in the order they appear.
QString digitsOf(const QString &text, const QStringList &pins)
{
    QString digits;
    for (const QString &p : pins) {
        const QRegularExpression line(QStringLiteral("Pin \\(") + p + QStringLiteral("\\): +([01])"));
        digits += line.match(text).captured(1);
    }
    return digits;
}

const QStringList nPins = QString::fromLatin1("11 12 13 14 15 16 17 18 19 20 22 23 24 25").split(QLatin1Char(' '));
const QStringList raPins = {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7")};

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExampleText()
    {
        const QString expected = QStringLiteral(
            "Giriş Frekansı\t: 145.000 Khz\r\nBölme Oranı\t: 1\r\nReferans Osc.\t: 10.240 Khz\r\n"
            "Bölme Sonucu\t: 10 Khz\r\n\r\nPin Değerleri\r\nPin (5): 0\r\nPin (6): 0\r\nPin (7): 1\r\n\r\n"
            "Pin (11): 0\r\nPin (12): 0\r\nPin (13): 1\r\nPin (14): 0\r\nPin (15): 0\r\nPin (16): 1\r\n"
            "Pin (17): 0\r\nPin (18): 1\r\nPin (19): 0\r\nPin (20): 0\r\nPin (22): 1\r\nPin (23): 1\r\n"
            "Pin (24): 0\r\nPin (25): 1\r\n\r\n0 = Gnd\r\n1 = Açık");
        const ReportBlocks blocks = reportBlocks(workedExample(), MessageTable());
        QCOMPARE(joinedReport(blocks), expected);
        QCOMPARE(blocks[1], QStringLiteral("Bölme Oranı\t: 1\r\n"));
        QVERIFY(blocks[4].startsWith(QStringLiteral("\r\nPin Değerleri\r\n")));
        QVERIFY(!joinedReport(blocks).endsWith(QLatin1Char('\n')));
    }

    void emptySelection()
    {
        ResultInputs in = workedExample();
        in.inputFrequency.clear();
        in.referenceOscillator.clear();
        const ReportBlocks blocks = reportBlocks(in, MessageTable());
        QCOMPARE(blocks[0], QStringLiteral("Giriş Frekansı\t:  Khz\r\n"));
        QCOMPARE(blocks[2], QStringLiteral("Referans Osc.\t:  Khz\r\n"));
        const QList<PlacedText> drawn = reportDrawing(in, MessageTable(), 14);
        QCOMPARE(drawn[1].text, QStringLiteral(":  Khz"));
    }

    void pinLevels_data()
    {
        QTest::addColumn<QList<int>>("nTicked");
        QTest::addColumn<QList<int>>("raTicked");
        QTest::addColumn<QString>("nDigits"); // pins 11..20, 22..25
        QTest::addColumn<QString>("raDigits"); // pins 5, 6, 7
        QList<int> exampleN;
        for (int i = 0; i < pll::nBitCount; ++i) {
            if (((14500 >> i) & 1) == 0)
                exampleN << i;
        }
        QTest::newRow("worked example") << exampleN << QList<int>{0, 1} << "00100101001101" << "001";
        QTest::newRow("only N12: pin 22") << QList<int>{12} << QList<int>{} << "11111111110111" << "111";
        QTest::newRow("only N10: pin 24") << QList<int>{10} << QList<int>{} << "11111111111101" << "111";
        QTest::newRow("only N13: pin 23") << QList<int>{13} << QList<int>{} << "11111111111011" << "111";
        QTest::newRow("only N11: pin 25") << QList<int>{11} << QList<int>{} << "11111111111110" << "111";
        QTest::newRow("N0 and N9") << QList<int>{0, 9} << QList<int>{2} << "01111111101111" << "110";
        QTest::newRow("all clear") << QList<int>{} << QList<int>{} << "11111111111111" << "111";
        QTest::newRow("all RA ticked") << QList<int>{} << QList<int>{0, 1, 2} << "11111111111111" << "000";
    }
    void pinLevels()
    {
        QFETCH(QList<int>, nTicked);
        QFETCH(QList<int>, raTicked);
        QFETCH(QString, nDigits);
        QFETCH(QString, raDigits);
        ResultInputs in;
        for (int i : nTicked)
            in.nChecked[i] = true;
        for (int i : raTicked)
            in.raChecked[i] = true;

        const QString text = joinedReport(reportBlocks(in, MessageTable()));
        QCOMPARE(digitsOf(text, nPins), nDigits);
        QCOMPARE(digitsOf(text, raPins), raDigits);
        QVERIFY(!text.contains(QStringLiteral("Pin (21)")));

        // The picture: same levels, same order, each digit between blanks.
        const QList<PlacedText> drawn = reportDrawing(in, MessageTable(), 14);
        const auto drawnPin = [](const QString &pin, QChar digit) {
            return QStringLiteral("Pin (") + pin + QStringLiteral("):  ") + digit + QLatin1Char(' ');
        };
        for (int k = 0; k < 14; ++k) {
            QCOMPARE(drawn[9 + k].step, 11 + k);
            QCOMPARE(drawn[9 + k].text, drawnPin(nPins[k], nDigits[k]));
        }
        for (int k = 0; k < 3; ++k)
            QCOMPARE(drawn[23 + k].text, drawnPin(raPins[k], raDigits[k]));
    }

    void languageTexts()
    {
        MessageTable t;
        t.set(104, QStringLiteral("Ref Osc"));
        t.set(105, QStringLiteral("Input"));
        t.set(108, QStringLiteral("Division"));
        t.set(111, QStringLiteral("Ratio"));
        t.set(120, QStringLiteral("Values"));
        t.set(131, QStringLiteral("Open"));
        const QString text = joinedReport(reportBlocks(workedExample(), t));
        QVERIFY(text.startsWith(QStringLiteral("Input\t: 145.000 Khz\r\nRatio\t: 1\r\nRef Osc\t: 10.240 Khz\r\n"
                                               "Division\t: 10 Khz\r\n\r\nPin Values\r\nPin (5): 0\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("Pin (25): 1\r\n\r\n0 = Gnd\r\n1 = Open")));

        QStringList drawn;
        for (const PlacedText &p : reportDrawing(workedExample(), t, 14))
            drawn << p.text;
        QCOMPARE(drawn.mid(0, 9).join(QLatin1Char('|')),
                 QStringLiteral("Input|: 145.000 Khz|Ratio|: 1|Ref Osc|: 10.240 Khz|Division|: 10 Khz|Pin Values"));
        QCOMPARE(drawn.mid(26).join(QLatin1Char('|')), QStringLiteral("0 = Gnd|1 = Open"));
    }

    void drawingPositions_data()
    {
        QTest::addColumn<int>("h");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        // h = 14: frequency lines 8, 22, then 5 lower 41, 55; heading 8 lower at 77; y0 = 95.
        const int rows14[][3] = {{1, 10, 8},    {2, 125, 8},    {3, 10, 22},   {4, 125, 22},   {5, 10, 41},
                                 {6, 125, 41},  {7, 10, 55},    {8, 125, 55},  {9, 10, 77},    {11, 10, 95},
                                 {12, 10, 109}, {21, 10, 235},  {24, 10, 277}, {25, 125, 95},  {26, 125, 109},
                                 {27, 125, 123}, {28, 125, 145}, {29, 125, 159}};
        for (const auto &r : rows14)
            QTest::addRow("h14 step %d", r[0]) << 14 << r[0] << r[1] << r[2];
        const int rows10[][3] = {{3, 10, 18}, {5, 10, 33}, {9, 10, 61}, {11, 10, 75}, {24, 10, 205},
                                 {25, 125, 75}, {28, 125, 113}, {29, 125, 123}};
        for (const auto &r : rows10)
            QTest::addRow("h10 step %d", r[0]) << 10 << r[0] << r[1] << r[2];
    }
    void drawingPositions()
    {
        QFETCH(int, h);
        QFETCH(int, step);
        QFETCH(int, x);
        QFETCH(int, y);
        const QList<PlacedText> drawn = reportDrawing(workedExample(), MessageTable(), h);
        QCOMPARE(drawn.size(), 28); // step 10 draws nothing
        for (const PlacedText &p : drawn) {
            if (p.step == step) {
                QCOMPARE(QPoint(p.x, p.y), QPoint(x, y));
                return;
            }
        }
        QFAIL("step not drawn");
    }

    void lineHeightFitsThePicture_data()
    {
        QTest::addColumn<int>("lineSpacing");
        QTest::addColumn<int>("textHeight");
        QTest::addColumn<int>("expected");
        QTest::newRow("fits as it is") << 13 << 13 << 13;
        QTest::newRow("small font") << 10 << 11 << 10;
        QTest::newRow("14 would cut the last pin") << 14 << 14 << 13;
        QTest::newRow("big font") << 30 << 30 << 12;
        QTest::newRow("nothing fits") << 400 << 400 << 1;
    }
    void lineHeightFitsThePicture()
    {
        QFETCH(int, lineSpacing);
        QFETCH(int, textHeight);
        QFETCH(int, expected);
        QCOMPARE(fittedLineHeight(lineSpacing, textHeight, 285), expected);
    }

    void pictureFolders()
    {
        QCOMPARE(pictureFolder(QStringLiteral("/home/ayse/Documents")),
                 QStringLiteral("/home/ayse/Documents/Tavoran/Lorvex/Images/"));
        QCOMPARE(pictureFolder(QStringLiteral("/")), QStringLiteral("/Tavoran/Lorvex/Images/"));
        QCOMPARE(pictureFolderLevels(QStringLiteral("/d")).join(QLatin1Char('|')),
                 QStringLiteral("/d/Tavoran|/d/Tavoran/Lorvex|/d/Tavoran/Lorvex/Images"));
        QCOMPARE(pictureFileName(12), QStringLiteral("PLL (12).bmp"));
    }

    void counterOverflow_data()
    {
        QTest::addColumn<int>("firstFree"); // -1: nothing is free
        QTest::addColumn<bool>("overflows");
        QTest::newRow("everything exists") << -1 << true;
        QTest::newRow("32767 would be free") << 32767 << true;
        QTest::newRow("32766 is the last tried") << 32766 << false;
    }
    void counterOverflow()
    {
        QFETCH(int, firstFree);
        QFETCH(bool, overflows);
        const QString free = QStringLiteral("/p/") + pictureFileName(firstFree);
        const PathExists exists = [&](const QString &p) { return p != free; };
        try {
            QCOMPARE(freePicturePath(QStringLiteral("/p"), exists), free);
            QVERIFY(!overflows);
        } catch (const Failure &f) {
            QVERIFY(overflows);
            QCOMPARE(f.number(), failure_code::counterOverflow);
        }
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "test_report.moc"
