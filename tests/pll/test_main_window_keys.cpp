// The range boxes under real keys and clicks, and every warning of both list
// buttons.

#include "test_main_window_support.h"

#include <QClipboard>

using namespace lorvex;
using namespace lorvex::test;

namespace {

struct Row {
    const char *start, *end, *step, *button, *list;
    const char *keys[3];
};
const Row referenceRow{"ReferansOscBaşlamaKutusu", "ReferansOscBitişKutusu", "ReferansOscAdimKutusu",
                       "ReferansListesiYükleDüğmesi", "ReferansOscListesi",
                       {keys::ReferansBaslama, keys::ReferansBitis, keys::ReferansAdim}};
const Row inputRow{"GirişFrekansiBaşlamaKutusu", "GirişFrekansiBitişKutusu", "GirişFrekansiAdimKutusu",
                   "GirişFrekansiListesiYükleDüğmesi", "GirişFrekansiListesi",
                   {keys::GirisBaslama, keys::GirisBitis, keys::GirisAdim}};

bool allSelected(const QLineEdit *box) { return box->hasFocus() && box->selectedText() == box->text(); }

} // namespace

class TestMainWindowKeys : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    void onlyDigitsAreTyped()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        auto *box = f.get<QLineEdit>("ReferansOscBaşlamaKutusu");
        typeInto(box, QStringLiteral("2a0,4. -"));
        QCOMPARE(box->text(), QStringLiteral("204"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Left);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("2"));

        QGuiApplication::clipboard()->setText(QStringLiteral("999"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); // no typed character: usual editing
        QCOMPARE(box->text(), QStringLiteral("2999"));
        box->selectAll();
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(box->text(), QStringLiteral("2999"));
        QGuiApplication::clipboard()->setText(QStringLiteral("5"));
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("5"));
    }

    void contextMenuStillPastes()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        auto *box = f.get<QLineEdit>("GirişFrekansiAdimKutusu");
        click(box);
        QGuiApplication::clipboard()->setText(QStringLiteral("1.250"));
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                // The standard menu's paste item is the one that shows the paste shortcut.
                const QString pasteKey = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
                for (QAction *action : menu->actions())
                    if (action->text().endsWith(QLatin1Char('\t') + pasteKey))
                        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                menu->close();
            }
        });
        poll.start(10);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, box->rect().center(), box->mapToGlobal(box->rect().center()));
        QApplication::sendEvent(box, &request);
        QTRY_COMPARE(box->text(), QStringLiteral("1.250"));
    }

    void enterWalksTheRowAndNeverBuilds_data()
    {
        QTest::addColumn<bool>("reference");
        QTest::newRow("reference") << true;
        QTest::newRow("input") << false;
    }
    void enterWalksTheRowAndNeverBuilds()
    {
        QFETCH(bool, reference);
        const Row &row = reference ? referenceRow : inputRow;
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        click(f.get<QLineEdit>(row.start));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(allSelected(f.get<QLineEdit>(row.end)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(allSelected(f.get<QLineEdit>(row.step)));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(f.get<QPushButton>(row.button)->hasFocus());
        QCOMPARE(f.get<QListWidget>(row.list)->count(), 0);
        QCOMPARE(f.tc.boxes.shown().size(), 0);
        QVERIFY(!f.tc.settings.contains(row.keys[0]));
        // Tab goes on to the next row's start box, all of it selected.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        if (reference)
            QVERIFY(allSelected(f.get<QLineEdit>(inputRow.start)));
    }

    void enteringSelectsAll()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        auto *box = f.get<QLineEdit>("GirişFrekansiBitişKutusu");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        QVERIFY(allSelected(box));
        QTest::keyClick(box, Qt::Key_7); // typing replaces the entry
        QCOMPARE(box->text(), QStringLiteral("7"));
        QTest::keyClick(box, Qt::Key_Tab);
        QVERIFY(allSelected(f.get<QLineEdit>("GirişFrekansiAdimKutusu")));
    }

    void leavingTidies_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("tidied");
        QTest::newRow("empty start") << turkish() << QStringLiteral("ReferansOscBaşlamaKutusu") << QString() << QStringLiteral("0");
        QTest::newRow("empty end") << turkish() << QStringLiteral("GirişFrekansiBitişKutusu") << QString() << QStringLiteral("0");
        QTest::newRow("empty step") << turkish() << QStringLiteral("ReferansOscAdimKutusu") << QString() << QStringLiteral("1");
        QTest::newRow("zero step stays") << turkish() << QStringLiteral("GirişFrekansiAdimKutusu") << QStringLiteral("0") << QStringLiteral("0");
        QTest::newRow("tr grouping") << turkish() << QStringLiteral("ReferansOscBitişKutusu") << QStringLiteral("20000") << QStringLiteral("20.000");
        QTest::newRow("en grouping") << english() << QStringLiteral("ReferansOscBitişKutusu") << QStringLiteral("20000") << QStringLiteral("20,000");
        QTest::newRow("big") << turkish() << QStringLiteral("GirişFrekansiBitişKutusu") << QStringLiteral("500000") << QStringLiteral("500.000");
    }
    void leavingTidies()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, tidied);
        MainWindowFixture f(locale);
        f.open();
        QVERIFY(f.showActive());
        auto *edit = f.get<QLineEdit>(box.toUtf8().constData());
        click(edit);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        click(f.get<QListWidget>("ReferansOscListesi"));
        QCOMPARE(edit->text(), tidied);
    }

    void keyboardClickTidiesFirst()
    {
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        typeInto(f.get<QLineEdit>("ReferansOscBitişKutusu"), QStringLiteral("2060"));
        f.get<QPushButton>("ReferansListesiYükleDüğmesi")->click(); // the box keeps the focus
        QCOMPARE(f.text("ReferansOscBitişKutusu"), QStringLiteral("2.060"));
        QCOMPARE(f.tc.settings.read(keys::ReferansBitis), QStringLiteral("2.060"));
        QCOMPARE(f.get<QListWidget>("ReferansOscListesi")->count(), 7);
    }

    void warnings_data()
    {
        QTest::addColumn<bool>("reference");
        QTest::addColumn<QStringList>("range");
        QTest::addColumn<int>("message");
        QTest::addColumn<int>("atFault"); // 0 start, 1 end, 2 step
        const auto r = [](const char *a, const char *b, const char *c) {
            return QStringList{QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c)};
        };
        QTest::newRow("ref start below 1000") << true << r("999", "2050", "2") << 132 << 0;
        QTest::newRow("ref empty start") << true << r("", "2050", "2") << 132 << 0;
        QTest::newRow("ref end above 20000") << true << r("2048", "20001", "2") << 133 << 1;
        QTest::newRow("ref end below start") << true << r("3000", "2050", "2") << 134 << 1;
        QTest::newRow("ref no room for a step") << true << r("2048", "2048", "2") << 135 << 1;
        QTest::newRow("ref too many") << true << r("1000", "1501", "1") << 136 << 0;
        QTest::newRow("in start below 1000") << false << r("999", "5500", "500") << 132 << 0;
        QTest::newRow("in end above 500000") << false << r("5000", "500001", "500") << 137 << 1;
        QTest::newRow("in end below start") << false << r("6000", "5500", "500") << 138 << 1;
        QTest::newRow("in no room for a step") << false << r("5000", "5000", "1") << 135 << 1;
        QTest::newRow("in too many") << false << r("1000", "251000", "499") << 139 << 0;
    }
    void warnings()
    {
        QFETCH(bool, reference);
        QFETCH(QStringList, range);
        QFETCH(int, message);
        QFETCH(int, atFault);
        const Row &row = reference ? referenceRow : inputRow;
        MainWindowFixture f;
        f.open();
        QVERIFY(f.showActive());
        auto *button = f.get<QPushButton>(row.button);
        click(button); // the defaults build
        const QStringList oldLines = lines(f.get<QListWidget>(row.list));
        QCOMPARE(oldLines.size(), 2);
        QStringList oldSettings;
        for (const char *key : row.keys)
            oldSettings.append(f.tc.settings.read(key, QString()));

        const char *names[] = {row.start, row.end, row.step};
        for (int i = 0; i < 3; ++i) {
            click(f.get<QLineEdit>(names[i]));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
            QTest::keyClicks(QApplication::focusWidget(), range[i]);
        }
        auto *faulty = f.get<QLineEdit>(names[atFault]);
        bool focusedWhileOpen = true;
        f.tc.boxes.expect(QMessageBox::Ok, [&](const BoxRequest &) { focusedWhileOpen = faulty->hasFocus(); });
        click(button);

        QCOMPARE(f.tc.boxes.shown().size(), 1);
        const BoxRequest &box = f.tc.boxes.shown().front().request;
        QCOMPARE(box.text, f.msg(message));
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.title, QStringLiteral("Lorvex"));
        QVERIFY(!focusedWhileOpen);
        QVERIFY(allSelected(faulty));
        QCOMPARE(lines(f.get<QListWidget>(row.list)), oldLines);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(f.tc.settings.read(row.keys[i], QString()), oldSettings[i]);
        QCOMPARE(f.tc.exitStatus, -1);
    }
};

QTEST_MAIN(TestMainWindowKeys)
#include "test_main_window_keys.moc"
