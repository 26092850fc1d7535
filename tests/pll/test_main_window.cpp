// The main window as a whole: first run, captions, the worked example by real
// input, the selection menu, the position and the Form-1 report.

#include "test_main_window_support.h"

#include "app/app_info.h"
#include "app/error_text.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QScreen>

using namespace lorvex;
using namespace lorvex::test;

namespace {

QPoint centredPosition(const QSize &size)
{
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    return {available.x() + (available.width() - size.width()) / 2,
            available.y() + (available.height() - size.height()) / 2};
}

// Builds both lists through the boxes and buttons.
void buildLists(MainWindowFixture &f, const QStringList &reference, const QStringList &input)
{
    const char *referenceBoxes[] = {"ReferansOscBaşlamaKutusu", "ReferansOscBitişKutusu", "ReferansOscAdimKutusu"};
    const char *inputBoxes[] = {"GirişFrekansiBaşlamaKutusu", "GirişFrekansiBitişKutusu", "GirişFrekansiAdimKutusu"};
    for (int i = 0; i < 3; ++i)
        typeInto(f.get<QLineEdit>(referenceBoxes[i]), reference[i]);
    click(f.get<QPushButton>("ReferansListesiYükleDüğmesi"));
    for (int i = 0; i < 3; ++i)
        typeInto(f.get<QLineEdit>(inputBoxes[i]), input[i]);
    click(f.get<QPushButton>("GirişFrekansiListesiYükleDüğmesi"));
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    void firstRun_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("selectedN");
        QTest::newRow("tr") << turkish() << QStringLiteral("16.383");
        QTest::newRow("en") << english() << QStringLiteral("16,383");
    }
    void firstRun()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, selectedN);
        MainWindowFixture f(locale);
        AnaForm &w = f.open();
        QCOMPARE(w.size(), QSize(576, 511));
        QCOMPARE(w.pos(), centredPosition(w.size()));
        const char *boxes[] = {"ReferansOscBaşlamaKutusu", "ReferansOscBitişKutusu", "ReferansOscAdimKutusu",
                               "GirişFrekansiBaşlamaKutusu", "GirişFrekansiBitişKutusu", "GirişFrekansiAdimKutusu"};
        const QStringList defaults{QStringLiteral("2048"), QStringLiteral("2050"), QStringLiteral("2"),
                                   QStringLiteral("5000"), QStringLiteral("5500"), QStringLiteral("500")};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(f.text(boxes[i]), defaults[i]);
        auto *ratio = f.get<QComboBox>("GirişFrekansiBölListesi");
        QCOMPARE(ratio->count(), 4);
        QCOMPARE(ratio->itemText(3), QStringLiteral("256"));
        QCOMPARE(ratio->currentText(), QStringLiteral("1"));
        QCOMPARE(f.text("RAToplamiKutusu"), QStringLiteral("8192"));
        QCOMPARE(f.text("ReferansOscDeğeriKutusu"), QStringLiteral("0"));
        QCOMPARE(f.text("GerekliNToplamiKutusu"), QString());
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), selectedN);
        QVERIFY(f.get<QLineEdit>("SeçilenNToplamiKutusu")->isReadOnly());
        QVERIFY(f.get<QCheckBox>("OnayBilgisi")->isChecked());
        QCOMPARE(f.get<QLineEdit>("GirişFrekansiAdimKutusu")->accessibleName(), QStringLiteral("Giriş Frekansı Aralığı Adım"));
        QCOMPARE(f.get<QListWidget>("ReferansOscListesi")->accessibleName(), QStringLiteral("Referans Osc."));
        QCOMPARE(f.tc.boxes.shown().size(), 0);
        QCOMPARE(f.checks, 0); // the startup sequence runs the check, not the constructor
    }

    void captions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        const auto row = [](const char *name, const char *caption) {
            QTest::newRow(name) << QString::fromUtf8(name) << QString::fromUtf8(caption);
        };
        row("Çerçeve_0", "Frekans Bilgileri (Khz)");
        row("Etiket_0", "Referans Osc.");
        row("Etiket_1", "Giriş Frekansı");
        row("Çerçeve_1", "Referans Bölücüleri [RA]");
        row("Etiket_2", "Toplamı");
        row("Çerçeve_2", "Bölme Sonucu");
        row("Etiket_3", "Değeri");
        row("Çerçeve_3", "Giriş Frekansı Bölme");
        row("Etiket_4", "Bölme Oranı");
        row("Çerçeve_4", "Gerekli [N]");
        row("Etiket_5", "Toplamı");
        row("Çerçeve_5", "Giriş Bölücüleri [N]");
        row("Etiket_6", "Seçilen [N]");
        row("Çerçeve_6", "Liste Oluşturma");
        row("Etiket_7", "Referans Osc. Aralığı");
        row("Etiket_8", "Başlama");
        row("Etiket_9", "Bitiş");
        row("Etiket_10", "Adım");
        row("Etiket_11", "Giriş Frekansı Aralığı");
        row("ReferansListesiYükleDüğmesi", "Liste Oluştur");
        row("GirişFrekansiListesiYükleDüğmesi", "Liste Oluştur");
        row("HakkindaDüğmesi", "Hakkında...");
        row("ÇikişDüğmesi", "Çıkış (Esc)");
        row("Menü_0", "Tümünü seç");
        row("Menü_1", "Seçimi temizle");
    }
    void captions()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        MainWindowFixture f;
        AnaForm &w = f.open();
        const auto shown = [&]() -> QString {
            if (auto *frame = w.findChild<QGroupBox *>(name))
                return frame->title();
            if (auto *label = w.findChild<QLabel *>(name))
                return label->text();
            if (auto *button = w.findChild<QPushButton *>(name))
                return button->text();
            if (auto *action = w.findChild<QAction *>(name))
                return action->text();
            return QStringLiteral("<missing>");
        };
        QCOMPARE(w.windowTitle(), QStringLiteral("Tavoran - Lorvex (MC 145151-2) 1.02"));
        QCOMPARE(shown(), caption);
        w.StringYükle();
        QCOMPARE(shown(), caption);
        QCOMPARE(w.windowTitle(), QStringLiteral("Tavoran - Lorvex (MC 145151-2) 1.02"));
    }

    void languageChangeReloadsCaptions()
    {
        MainWindowFixture f;
        AnaForm &w = f.open();
        f.tc.state.Mesajlar.set(101, QStringLiteral("Lorvex X"));
        f.tc.state.Mesajlar.set(107, QStringLiteral("Sum"));
        f.tc.state.Mesajlar.set(129, QStringLiteral("Input"));
        w.StringYükle();
        QCOMPARE(w.windowTitle(), QStringLiteral("Tavoran - Lorvex X (MC 145151-2) 1.02"));
        QCOMPARE(f.get<QLabel>("Etiket_2")->text(), QStringLiteral("Sum"));
        QCOMPARE(f.get<QLabel>("Etiket_5")->text(), QStringLiteral("Sum"));
        // A shorter row label still ends where the boxes begin.
        const QLabel *row = f.get<QLabel>("Etiket_11");
        QCOMPARE(row->text(), QStringLiteral("Input"));
        QCOMPARE(row->x() + row->width(), 105);
    }

    void workedExampleOpensResultAtLastTick()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        buildLists(f, {QStringLiteral("10240"), QStringLiteral("10250"), QStringLiteral("10")},
                   {QStringLiteral("145000"), QStringLiteral("145100"), QStringLiteral("100")});
        QCOMPARE(lines(f.get<QListWidget>("ReferansOscListesi")), QStringList({QStringLiteral("10.240"), QStringLiteral("10.250")}));
        QCOMPARE(lines(f.get<QListWidget>("GirişFrekansiListesi")),
                 QStringList({QStringLiteral("145.000"), QStringLiteral("145.100")}));
        tick(f.get<QCheckBox>("RAOnayi_0"));
        tick(f.get<QCheckBox>("RAOnayi_1"));
        QCOMPARE(f.text("RAToplamiKutusu"), QStringLiteral("1024"));
        QVERIFY(clickLine(f.get<QListWidget>("ReferansOscListesi"), QStringLiteral("10.240")));
        QCOMPARE(f.text("ReferansOscDeğeriKutusu"), QStringLiteral("10"));
        QVERIFY(clickLine(f.get<QListWidget>("GirişFrekansiListesi"), QStringLiteral("145.000")));
        QCOMPARE(f.text("GerekliNToplamiKutusu"), QStringLiteral("14.500"));

        const int shuffled[] = {9, 3, 0, 8, 6, 10, 1, 4}; // weights 512, 8, 1, 256, 64, 1024, 2, 16
        for (int bit : shuffled) {
            QCOMPARE(f.results.size(), std::size_t(0));
            tick(f.get<QCheckBox>(QStringLiteral("NOnayi_%1").arg(bit).toUtf8().constData()));
        }
        QCOMPARE(f.results.size(), std::size_t(1));
        QCOMPARE(f.owners.front(), f.form.get());
        const ResultInputs &r = f.results.front();
        QCOMPARE(r.inputFrequency, QStringLiteral("145.000"));
        QCOMPARE(r.divisionRatio, QStringLiteral("1"));
        QCOMPARE(r.referenceOscillator, QStringLiteral("10.240"));
        QCOMPARE(r.referenceFrequency, QStringLiteral("10"));
        QCOMPARE(r.raChecked, (std::array<bool, 3>{true, true, false}));
        for (int bit = 0; bit < 14; ++bit)
            QCOMPARE(r.nChecked[std::size_t(bit)], std::find(std::begin(shuffled), std::end(shuffled), bit) != std::end(shuffled));
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), QStringLiteral("14.500"));
    }

    void listSelectionNeedsFocusAndRebuildKeepsDisplays()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        click(f.get<QPushButton>("ReferansListesiYükleDüğmesi"));
        auto *list = f.get<QListWidget>("ReferansOscListesi");
        QCOMPARE(list->count(), 2);
        list->setCurrentRow(1); // the build button has the focus
        QCOMPARE(f.text("ReferansOscDeğeriKutusu"), QStringLiteral("0"));
        QVERIFY(clickLine(list, QStringLiteral("2.048")));
        QCOMPARE(f.text("ReferansOscDeğeriKutusu"), QStringLiteral("0,25"));
        click(f.get<QPushButton>("ReferansListesiYükleDüğmesi"));
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(f.text("ReferansOscDeğeriKutusu"), QStringLiteral("0,25"));
        QCOMPARE(f.text("RAToplamiKutusu"), QStringLiteral("8192"));
    }

    void nBoxesAndLegend()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        auto *box = f.get<QCheckBox>("NOnayi_13");
        tick(box);
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), QStringLiteral("8.191"));
        box->setChecked(true); // no change, no update
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), QStringLiteral("8.191"));
        tick(box);
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), QStringLiteral("16.383"));
        auto *legend = f.get<QCheckBox>("OnayBilgisi");
        tick(legend);
        QTest::keyClick(legend, Qt::Key_Space);
        QVERIFY(legend->isChecked());
        QCOMPARE(legend->focusPolicy(), Qt::NoFocus);
    }

    void rightClickMenu()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        {
            MenuWatcher watcher([](QMenu *menu) { chooseMenuItem(menu, "Menü_0"); });
            click(f.get<QCheckBox>("NOnayi_5"), Qt::RightButton);
            QCOMPARE(watcher.opened, 1);
        }
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), QStringLiteral("0"));
        {
            MenuWatcher watcher([](QMenu *menu) { chooseMenuItem(menu, "Menü_1"); });
            QTest::mouseClick(f.get<QWidget>("Altlik_5"), Qt::RightButton, {}, QPoint(100, 200));
            QCOMPARE(watcher.opened, 1);
        }
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), QStringLiteral("16.383"));
        for (const char *panel : {"Altlik_4", "Altlik_1", "Altlik_6"}) {
            MenuWatcher watcher([](QMenu *) {});
            QTest::mouseClick(f.get<QWidget>(panel), Qt::RightButton, {}, QPoint(2, 2));
            QTest::qWait(30);
            QCOMPARE(watcher.opened, 0);
        }
        QCOMPARE(f.results.size(), std::size_t(0));
    }

    void selectAllLocksPartWayAndGoesOn()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        // fR = 8192 / 8192 = 1, so the input line is the required N.
        buildLists(f, {QStringLiteral("8192"), QStringLiteral("8193"), QStringLiteral("1")},
                   {QStringLiteral("16382"), QStringLiteral("16383"), QStringLiteral("1")});
        QVERIFY(clickLine(f.get<QListWidget>("ReferansOscListesi"), QStringLiteral("8.192")));
        QVERIFY(clickLine(f.get<QListWidget>("GirişFrekansiListesi"), QStringLiteral("16.382")));
        QCOMPARE(f.text("ReferansOscDeğeriKutusu"), QStringLiteral("1"));
        QCOMPARE(f.text("GerekliNToplamiKutusu"), QStringLiteral("16.382"));
        MenuWatcher watcher([](QMenu *menu) { chooseMenuItem(menu, "Menü_0"); });
        click(f.get<QCheckBox>("NOnayi_0"), Qt::RightButton);
        QCOMPARE(f.results.size(), std::size_t(1));
        QCOMPARE(f.selectedAtResult, QStringList{QStringLiteral("16.382")});
        QVERIFY(f.results.front().nChecked[0]);
        QVERIFY(!f.results.front().nChecked[1]);
        QCOMPARE(f.text("SeçilenNToplamiKutusu"), QStringLiteral("0"));
        for (int bit = 0; bit < 14; ++bit)
            QVERIFY(f.get<QCheckBox>(QStringLiteral("NOnayi_%1").arg(bit).toUtf8().constData())->isChecked());
    }

    void escapeSavesPositionAndCloses()
    {
        MainWindowFixture f;
        AnaForm &w = f.open();
        QVERIFY(f.showActive());
        w.move(100, 120);
        QTest::keyClick(f.get<QLineEdit>("ReferansOscBaşlamaKutusu"), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(f.tc.settings.read(keys::SolBosluk, QString()), QStringLiteral("1500"));
        QCOMPARE(f.tc.settings.read(keys::UstBosluk, QString()), QStringLiteral("1800"));
    }

    void storedPosition_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("top");
        QTest::addColumn<bool>("centredX");
        QTest::addColumn<bool>("centredY");
        QTest::newRow("stored") << QStringLiteral("1500") << QStringLiteral("1800") << false << false;
        QTest::newRow("damaged") << QStringLiteral("abc") << QStringLiteral("abc") << true << true;
        QTest::newRow("left damaged") << QStringLiteral("abc") << QStringLiteral("1800") << true << false;
        QTest::newRow("off every screen") << QStringLiteral("-99999999") << QStringLiteral("1800") << true << true;
        QTest::newRow("far below") << QStringLiteral("1500") << QStringLiteral("3e38") << true << true;
    }
    void storedPosition()
    {
        QFETCH(QString, left);
        QFETCH(QString, top);
        QFETCH(bool, centredX);
        QFETCH(bool, centredY);
        MainWindowFixture f;
        f.tc.settings.write(keys::SolBosluk, left);
        f.tc.settings.write(keys::UstBosluk, top);
        AnaForm &w = f.open();
        const QPoint centred = centredPosition(w.size());
        QCOMPARE(w.pos(), QPoint(centredX ? centred.x() : 100, centredY ? centred.y() : 120));
        QCOMPARE(f.tc.exitStatus, -1);
    }

    void refusedSettingsWriteIsReported()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        // The settings folder is a regular file: every write is refused.
        QVERIFY(!writeFile(QFileInfo(f.tc.settings.filePath()).path(), "x").isEmpty());
        f.tc.boxes.expect(QMessageBox::Ok);
        click(f.get<QPushButton>("ReferansListesiYükleDüğmesi"));
        QCOMPARE(f.tc.boxes.shown().size(), 1);
        QCOMPARE(f.tc.boxes.shown().front().request.icon, QMessageBox::Critical);
        QVERIFY(f.tc.boxes.shown().front().request.text.contains(QStringLiteral("Form-1")));
        QVERIFY(f.tc.exitStatus != -1);
    }

    void scheduledCheckAndAbout()
    {
        MainWindowFixture f;
        AnaForm &w = f.open();
        f.checkThrows = true;
        f.tc.boxes.expect(QMessageBox::Ok);
        w.showAndCheck();
        QVERIFY(w.isVisible());
        QCOMPARE(f.checks, 1);
        QVERIFY(f.tc.boxes.shown().front().request.text.contains(QStringLiteral("Form-1")));
        f.tc.exitStatus = -1;
        QVERIFY(f.showActive());
        auto *about = f.get<QPushButton>("HakkindaDüğmesi");
        click(about); // the hook throws: nothing happens
        QCOMPARE(f.abouts, 1);
        QCOMPARE(f.tc.exitStatus, -1);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
