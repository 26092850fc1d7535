#include "app/failure.h"
#include "result/picture_files.h"
#include "result/report_picture.h"
#include "result/result_window.h"
#include "support/fakes.h"

#include <QApplication>
#include <QClipboard>
#include <QCryptographicHash>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace lorvex;
using namespace lorvex::result;
using namespace Qt::StringLiterals;

// Input 145.000 kHz / 1, oscillator 10.240 kHz, fR 10: RA0, RA1 and the zero bits of N = 14500 ticked.
ResultInputs example(const QString &inputFrequency = u"145.000"_s)
{
    ResultInputs in{inputFrequency, u"1"_s, u"10.240"_s, u"10"_s, {}, {true, true, false}};
    for (int i = 0; i < pll::nBitCount; ++i)
        in.nChecked[i] = ((14500 >> i) & 1) == 0;
    return in;
}

const QString exampleText =
    u"Giriş Frekansı\t: 145.000 Khz\r\nBölme Oranı\t: 1\r\nReferans Osc.\t: 10.240 Khz\r\n"
    u"Bölme Sonucu\t: 10 Khz\r\n\r\nPin Değerleri\r\nPin (5): 0\r\nPin (6): 0\r\nPin (7): 1\r\n\r\nPin (11): 0\r\n"
    u"Pin (12): 0\r\nPin (13): 1\r\nPin (14): 0\r\nPin (15): 0\r\nPin (16): 1\r\nPin (17): 0\r\nPin (18): 1\r\n"
    u"Pin (19): 0\r\nPin (20): 0\r\nPin (22): 1\r\nPin (23): 1\r\nPin (24): 0\r\nPin (25): 1\r\n\r\n0 = Gnd\r\n"
    u"1 = Açık"_s;

// Where the text stands: its corners in device-independent pixels.
std::pair<QPointF, QPointF> ink(const QImage &picture)
{
    QRect r;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            r |= picture.pixel(x, y) == picture.pixel(0, 0) ? QRect() : QRect(x, y, 1, 1);
    return {r.topLeft() / picture.devicePixelRatio(), (r.bottomRight() + QPoint(1, 1)) / picture.devicePixelRatio()};
}

QByteArray md5(const QByteArray &bytes) { return QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex(); }

// A result window in a temporary home with scripted boxes; open() again is a reopening.
struct Window {
    using Writer = SonuçFormu::PictureWriter;
    explicit Window(const ResultInputs &in = example()) { open(in); }
    void open(const ResultInputs &in = example(), Writer w = {}) { form.emplace(nullptr, ctx, in, w); } // {}: BMP
    template <class W = QPushButton> W *child(const char *n) { return form->findChild<W *>(QString::fromUtf8(n)); }
    void click(const char *name) { QTest::mouseClick(child(name), Qt::LeftButton); }
    void save(QMessageBox::StandardButton answer)
    {
        t.boxes.expect(answer);
        click("GörüntüOlarakKaydetDüğmesi");
    }
    QString flag() { return child("GörüntüOlarakKaydetDüğmesi")->property("tag").toString(); }
    QString images() const { return t.home.path() + u"/Documents/Tavoran/Lorvex/Images/"_s; }
    QStringList files() const { return QDir(images()).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    const BoxRequest &box() const { return t.boxes.shown().last().request; }

    test::TestContext t;
    AppContext ctx = t.context();
    std::optional<SonuçFormu> form;
};

class TestResult : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QApplication::setFont(QFont(u"Liberation Sans"_s, 8)); }

    void workedExampleText() { QCOMPARE(joinedReport(reportBlocks(example(), MessageTable())), exampleText); }

    void pinLevels()
    {
        const QStringList pins = u"11 12 13 14 15 16 17 18 19 20 22 23 24 25 5 6 7"_s.split(u' ');
        // {the only N box ticked, RA boxes ticked, levels of the pins in the order above}
        for (const auto &[nBit, ra, levels] : {std::tuple{12, false, u"11111111110111111"_s}, // pin 22 only
                                               {10, false, u"11111111111101111"_s},           // pin 24 only
                                               {11, true, u"11111111111110000"_s}}) {
            ResultInputs in{{}, {}, {}, {}, {}, {ra, ra, ra}};
            in.nChecked[nBit] = true;
            const QString text = joinedReport(reportBlocks(in, MessageTable()));
            for (int k = 0; k < pins.size(); ++k) {
                const QString label = u"Pin ("_s + pins[k] + u"): "_s;
                QVERIFY2(text.contains(u'\n' + label + levels[k] + u'\r'), qPrintable(label));
                // The picture puts a blank on both sides of the digit.
                QCOMPARE(reportDrawing(in, MessageTable(), 14)[9 + k].text, label + u' ' + levels[k] + u' ');
            }
        }
    }

    void otherLanguageAndEmptySelection()
    {
        MessageTable t;
        const ResultInputs in = example(QString()); // no line selected: two blanks between the colon and the unit
        QString expected = QString(exampleText).replace(u"145.000"_s, QString());
        for (const auto &[n, was] : {std::pair{104, "Referans Osc."},
                                     {105, "Giriş Frekansı"},
                                     {108, "Bölme Sonucu"},
                                     {111, "Bölme Oranı"},
                                     {120, "Değerleri"},
                                     {131, "Açık"}}) {
            t.set(n, u"M%1"_s.arg(n));
            expected.replace(QString::fromUtf8(was), t.text(n));
        }
        QCOMPARE(joinedReport(reportBlocks(in, t)), expected);
        QStringList drawn;
        for (const PlacedText &p : reportDrawing(in, t, 14))
            drawn << p.text;
        QCOMPARE(drawn.mid(0, 9).join(u'|'), u"M105|:  Khz|M111|: 1|M104|: 10.240 Khz|M108|: 10 Khz|Pin M120");
        QCOMPARE(drawn.mid(26).join(u'|'), u"0 = Gnd|1 = M131");
    }

    void drawingPositionsAndLineHeight()
    {
        // Line height 14: lines 14 apart, 5 more before the oscillator, 8 before the heading,
        // 4 before y0 = 95 where both pin columns start, 8 between the RA pins and the legend.
        const QList<PlacedText> drawn = reportDrawing(example(), MessageTable(), 14);
        for (const auto &[step, x, y] : {std::array{2, 125, 8},
                                         {5, 10, 41},
                                         {8, 125, 55},
                                         {9, 10, 77},
                                         {11, 10, 95},
                                         {24, 10, 277},
                                         {25, 125, 95},
                                         {29, 125, 159}}) {
            const PlacedText &p = drawn[step - (step > 10 ? 2 : 1)]; // step 10 draws nothing
            QCOMPARE(QList<int>({p.step, p.x, p.y}), QList<int>({step, x, y}));
        }
        // {line spacing, text height, line height}: 14 would push pin 25 below the 285 pixels; at least 1;
        // with text 8 high the last pin line ends on the last pixel row, and 14 fits; 9 high, it does not.
        for (const auto &[spacing, height, h] :
             {std::array{13, 13, 13}, {10, 11, 10}, {14, 14, 13}, {400, 400, 1}, {14, 8, 14}, {14, 9, 13}})
            QCOMPARE(fittedLineHeight(spacing, height, 285), h);
    }

    // The lowest number no file has; the 16-bit counter never passes 32766.
    void freeNumber()
    {
        for (const auto &[taken, number] :
             {std::pair{QList<int>{}, 0}, {QList<int>{0, 1}, 2}, {QList<int>{1}, 0}, {QList<int>{0, 2}, 1}}) {
            const auto exists = [&](const QString &p) { return taken.contains(p.mid(8, p.size() - 13).toInt()); };
            QCOMPARE(freePicturePath(u"/p"_s, exists), u"/p/PLL (%1).bmp"_s.arg(number));
        }
        const auto hole = [](int n) { return [n](const QString &p) { return p != u"/p/"_s + pictureFileName(n); }; };
        QCOMPARE(freePicturePath(u"/p"_s, hole(32766)), u"/p/PLL (32766).bmp"_s);
        QVERIFY_THROWS_EXCEPTION(Failure, freePicturePath(u"/p"_s, hole(32767)));
    }

    void eachOpeningDrawsAFreshPicture()
    {
        const QImage fresh = drawReportPicture(ResultInputs{}, MessageTable(), QSize(294, 285));
        Window first, second(ResultInputs{}); // the second opening must not draw over the first one's report
        QCOMPARE(second.form->picture(), fresh);
        QImage blank(294, 35, fresh.format());
        blank.fill(fresh.pixel(0, 0));
        QCOMPARE(fresh.copy(0, 284, 294, 1), blank.copy(0, 0, 294, 1)); // the last pin line ends above the bottom row
        QVERIFY(fresh.copy(0, 250, 294, 35) != blank);
    }

    // The box shows the picture at the screen's pixel ratio, the same text in as many pixels;
    // the file has it at 1, the same at ratio 2 (this test again, with QT_SCALE_FACTOR=2).
    void pictureAtTheScreensRatio()
    {
        Window w;
        const qreal ratio = w.child<QLabel>("SonuçKutusu")->devicePixelRatioF();
        const QImage shown = w.child<QLabel>("SonuçKutusu")->pixmap().toImage();
        QCOMPARE(std::tuple(shown.size(), shown.devicePixelRatio()), std::tuple(QSize(294, 285) * ratio, ratio));
        QCOMPARE(w.child<QLabel>("SimgeKutusu")->pixmap().size(), QSize(48, 48) * ratio);
        const auto [atOne, here] = std::pair(ink(w.form->picture()), ink(shown));
        QVERIFY((atOne.first - here.first).manhattanLength() <= 2
                && (atOne.second - here.second).manhattanLength() <= 2);
        w.save(QMessageBox::No);
        const QByteArray saved = md5(test::readFile(w.images() + w.files().value(0)));
        qInfo("ratio %g saved %s", ratio, saved.constData());
        if (ratio != 1)
            return;
        QProcess copy;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"QT_SCALE_FACTOR"_s, u"2"_s);
        copy.setProcessEnvironment(env);
        copy.start(QCoreApplication::applicationFilePath(), {u"pictureAtTheScreensRatio"_s});
        const QString out = copy.waitForFinished(60000) ? QString::fromLocal8Bit(copy.readAllStandardOutput())
                                                        : QString();
        QVERIFY2(copy.exitCode() == 0 && out.contains(u"ratio 2 saved "_s + QString::fromLatin1(saved)),
                 qPrintable(out));
    }

    // Copying twice, saving twice, reopening: one file per report, into a documents folder not made yet.
    void copyThenSaveTwiceThenReopen()
    {
        Window w;
        for (int i = 0; i < 2; ++i) {
            w.click("KopyalaDüğmesi");
            QCOMPARE(QGuiApplication::clipboard()->text(), exampleText);
            QCOMPARE(w.flag(), QString());
        }
        w.save(QMessageBox::No);
        w.click("KopyalaDüğmesi");
        QCOMPARE(w.flag(), u"1"_s); // No, then copying, keep the file and the flag
        QVERIFY(w.t.opener.opened.isEmpty());
        w.save(QMessageBox::Ok);
        QCOMPARE(w.box().text, w.t.state.msg(121));
        QCOMPARE(w.files(), QStringList{u"PLL (0).bmp"_s});
        w.click("KapatDüğmesi");
        w.open(); // a new report is saved again, and opened when the user says Yes
        w.save(QMessageBox::Yes);
        const QString path = w.images() + u"PLL (1).bmp"_s;
        QCOMPARE(w.box().text, w.t.state.msg(122) + u"\r\n\r\n"_s + path);
        QCOMPARE(QList<int>({w.box().icon, int(w.box().buttons), w.box().defaultButton}),
                 QList<int>({QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes}));
        QCOMPARE(w.t.opener.opened, QStringList{path});
        QCOMPARE(QImage(path).convertToFormat(w.form->picture().format()), w.form->picture());
    }

    void saveFailures()
    {
        // A failure after the first bytes (a full disk), or success without a byte.
        const auto says = [](bool ok) {
            return Window::Writer([ok](const QImage &, QIODevice &file) { return ok || file.write("BM6") < 0; });
        };
        // 0: the real writer with a file in place of a folder; 1: one that fails mid-write; 2: one that writes no file
        for (int kind : {0, 1, 2}) {
            Window w;
            w.open(example(), kind == 0 ? Window::Writer() : says(kind == 2));
            if (kind == 0)
                test::writeFile(w.t.home.path() + u"/Documents/Tavoran/Lorvex"_s, "file");
            w.save(QMessageBox::Ok);
            QCOMPARE(w.t.boxes.shown().size(), 1);
            QCOMPARE(w.box().icon, QMessageBox::Critical);
            // Failures are reported as Form-3; a file that is silently not written shows message 123 as title.
            QCOMPARE(w.box().title, kind < 2 ? u"Lorvex"_s : w.t.state.msg(123));
            QVERIFY(kind < 2 ? w.box().text.contains(u"Hata Yeri: Form-3") : w.box().text.isEmpty());
            QCOMPARE(w.t.exitStatus, kind < 2 ? EXIT_FAILURE : -1);
            QCOMPARE(w.flag(), QString());
            QVERIFY(w.files().isEmpty());
        }
        Window w; // a failed save leaves its number free
        w.open(example(), says(false));
        w.save(QMessageBox::Ok);
        w.open();
        w.save(QMessageBox::No);
        QCOMPARE(w.files(), QStringList{u"PLL (0).bmp"_s});
    }
};

QTEST_MAIN(TestResult)
#include "test_result.moc"
