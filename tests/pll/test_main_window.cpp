// The main window driven by real input, offscreen: first run, the worked
// example, the range boxes, the lists' warnings, the selection menu, the
// position and failure reports; and in every window, whether each caption
// fits in every shipped language and what a screen reader hears.

#include "about/about_dialog.h"
#include "app/failure.h"
#include "i18n/language_file.h"
#include "plan/file_export.h"
#include "plan/fit_window.h"
#include "plan/plan_window.h"
#include "pll/main_window.h"
#include "result/report.h"
#include "result/result_window.h"
#include "support/caption_fit.h"
#include "support/fakes.h"
#include "support/main_window_harness.h"
#include "update/update_notice.h"

#include <QAccessible>
#include <QTest>
#include <QtWidgets>

using namespace lorvex;
using namespace lorvex::test;

namespace {

QPoint centred(const QSize &size)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    return screen.topLeft() + QPoint((screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2);
}

bool allSelected(const QLineEdit *box) { return box->hasFocus() && box->selectedText() == box->text(); }

// What a screen reader calls a control: its name; a drop-down list, which
// Linux names by its value, by the label that names it.
QString called(QWidget *w)
{
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(w);
    if (a->role() != QAccessible::ComboBox)
        return a->text(QAccessible::Name);
    const auto labels = a->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}
QString description(QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description); }

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    void firstRun()
    {
        MainWindow w;
        QCOMPARE(w.form->pos(), centred(w.form->size()));
        QCOMPARE(w.texts({rows[0].boxes[0], rows[0].boxes[1], rows[0].boxes[2], rows[1].boxes[0], rows[1].boxes[1],
                          rows[1].boxes[2]}),
                 l("2048|2050|2|5000|5500|500"));
        QCOMPARE(w.get<QComboBox>("GirişFrekansiBölListesi")->currentText(), s("1"));
        QCOMPARE(w.texts(
                     {"RAToplamiKutusu", "ReferansOscDeğeriKutusu", "GerekliNToplamiKutusu", "SeçilenNToplamiKutusu"}),
                 l("8192|0||16.383"));
        QVERIFY(w.tc.boxes.shown().isEmpty());
        for (int load = 0; load < 2; ++load) // loading the texts again adds nothing to them
            w.form->StringYükle();
        QCOMPARE(w.get<QPushButton>("ÇikişDüğmesi")->text(), s("Çıkış (Esc)"));
        QCOMPARE(w.form->windowTitle(), s("Tavoran - Lorvex (MC 145151-2) 1.02"));
        auto *list = w.get<QListWidget>(rows[0].list); // the focus starts on the empty list and shows there
        const QImage focused = list->grab().toImage();
        QVERIFY(list->hasFocus());
        list->clearFocus();
        QVERIFY(list->grab().toImage() != focused);
    }

    // Each window with the longest texts it shows, in each language: every caption fits, and
    // every control a user reaches has a name of its own (spelt: window, control=name=[description]).
    void everyWindowInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language"); // none: the built-in texts
        QTest::addColumn<QStringList>("spelt");
        QTest::newRow("built-in")
            << QString()
            << l("0 NOnayi_3=N3, 8=Pin (14)|0 RAOnayi_2=RA2=Pin (7)|0 GirişFrekansiBölListesi=Bölme "
                 "Oranı|1 SonuçKutusu=Pin Değerleri|2 DilDosyasiListesi=Dil dosyası seç");
        QTest::newRow("English.lng") << s(LORVEX_SOURCE_DIR "/Languages/English.lng")
                                     << l("0 GirişFrekansiListesiYükleDüğmesi=Input Freq. Range, Build List|3 "
                                          "IndirDüğmesi=Download");
        QTest::newRow("Deutsch.lng") << s(LORVEX_SOURCE_DIR "/Languages/Deutsch.lng") << QStringList();
    }
    void everyWindowInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QStringList, spelt);
        MainWindow w;
        if (!language.isEmpty()) {
            QVERIFY(!language_file::Load(language, MessageTable::count, w.tc.state.Mesajlar, w.tc.state.DilBilgileri));
            language_file::LoadCompanion(language + u'x', w.tc.state.Mesajlar); // the plan's and fit's texts
            w.form->StringYükle();
            QVERIFY(w.get<QPushButton>("ÇikişDüğmesi")->text() != s("Çıkış (Esc)"));
            QVERIFY(w.tc.state.msg(175) != MessageTable::builtIn(175));
        }
        plan::DialogSaveChooser chooser;
        ResultInputs example{s("145.000"), s("1"), s("10.240"), s("10"), {}, {true, true, false}};
        std::vector<std::unique_ptr<QDialog>> dialogs;
        dialogs.push_back(std::make_unique<SonuçFormu>(w.form.get(), w.ctx, example));
        dialogs.push_back(std::make_unique<HakkindaFormu>(w.form.get(), w.ctx, [] {}));
        dialogs.push_back(std::make_unique<GüncellemeFormu>(w.form.get(), w.ctx));
        dialogs.push_back(std::make_unique<plan::PlanWindow>(w.form.get(), w.ctx, chooser,
                                                             plan::makePlan(10240, 2410, 1, {145000.5, 163840})));
        dialogs.push_back(
            std::make_unique<plan::FitWindow>(w.form.get(), w.ctx, plan::findFits({10240}, {145000, 145500})));
        QList<QWidget *> windows{w.form.get()};
        for (const auto &dialog : dialogs)
            windows.append(dialog.get());
        for (QWidget *window : windows) {
            window->show();
            QVERIFY2(clippedCaptions(window).isEmpty(), qPrintable(clippedCaptions(window).join(s(", "))));
            QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(),
                     window == w.form.get() ? QAccessible::Window : QAccessible::Dialog);
            QStringList names{called(window)};
            for (QWidget *c : window->findChildren<QWidget *>(QRegularExpression(s("^(?!qt_).")))) {
                if (c->window() == window && (c->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton *>(c))) {
                    QVERIFY2(!called(c).isEmpty() && !names.contains(called(c)),
                             qPrintable(c->objectName() + s(": ") + called(c)));
                    names += called(c);
                }
            }
        }
        for (const QString &row : spelt) {
            const QStringList expected = row.mid(2).split(u'=');
            QWidget *c = windows[row.left(1).toInt()]->findChild<QWidget *>(expected[0]);
            QCOMPARE(QStringList({called(c), description(c)}).mid(0, expected.size() - 1), expected.mid(1));
        }
        dialogs[0]->findChild<QPushButton *>(s("KopyalaDüğmesi"))->click(); // the picture tells what Copy copies
        QCOMPARE(description(dialogs[0]->findChild<QLabel *>(s("SonuçKutusu"))), QGuiApplication::clipboard()->text());
    }

    void workedExampleOpensResultAtLastTick()
    {
        MainWindow w;
        w.build(rows[0], "10240|10250|10");
        w.build(rows[1], "145000|145100|100");
        w.get<QListWidget>(rows[0].list)->setCurrentRow(0); // without the list's focus: nothing runs
        QCOMPARE(w.text("ReferansOscDeğeriKutusu"), s("0"));
        w.tickRa({0, 1});
        w.clickLine(rows[0].list, "10.240");
        w.clickLine(rows[1].list, "145.000");
        QCOMPARE(w.texts({"RAToplamiKutusu", "ReferansOscDeğeriKutusu", "GerekliNToplamiKutusu"}), l("1024|10|14.500"));
        for (const int bit : {9, 3, 0, 8, 6, 10, 1, 4}) { // weights 512, 8, 1, 256, 64, 1024, 2, 16
            QVERIFY(w.results.empty());
            tick(w.form->findChild<QCheckBox *>(QStringLiteral("NOnayi_%1").arg(bit)));
        }
        QCOMPARE(w.selectedAtResult, l("14.500"));
        const ResultInputs &r = w.results.front();
        QCOMPARE(QStringList({r.inputFrequency, r.divisionRatio, r.referenceOscillator, r.referenceFrequency}),
                 l("145.000|1|10.240|10"));
        QCOMPARE(r.raChecked, (std::array<bool, 3>{true, true, false}));
        QCOMPARE(r.nChecked,
                 (std::array<bool, 14>{true, true, false, true, true, false, true, false, true, true, true}));
        // Rebuilding a list clears its selection; the displays stay.
        click(w.get<QPushButton>(rows[0].button));
        QVERIFY(w.get<QListWidget>(rows[0].list)->selectedItems().isEmpty());
        QCOMPARE(w.texts({"ReferansOscDeğeriKutusu", "GerekliNToplamiKutusu", "SeçilenNToplamiKutusu"}),
                 l("10|14.500|14.500"));
    }

    void rangeBoxes()
    {
        for (const int row : {0, 1}) { // the reference row in Turkish, the input row in English
            const Row &r = rows[row];
            MainWindow w(row ? english : turkish);
            // Entering selects all; Enter walks start, end, step and the button without building; on the button it
            // builds.
            QTest::mouseClick(w.get(r.boxes[0]), Qt::LeftButton, {}, QPoint(4, 10));
            QVERIFY(allSelected(w.get(r.boxes[0])));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(allSelected(w.get(r.boxes[1])));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            QVERIFY(allSelected(w.get(r.boxes[2])));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(w.get<QPushButton>(r.button)->hasFocus());
            QVERIFY(w.get<QListWidget>(r.list)->count() == 0 && w.tc.boxes.shown().isEmpty());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // on the button: it builds
            QVERIFY(w.get<QListWidget>(r.list)->count() > 0);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QVERIFY(row == 1 || allSelected(w.get(rows[1].boxes[0])));
            // Digits only; Ctrl+V does not paste.
            w.type(r.boxes[0], s("2a0,4. -"));
            QGuiApplication::clipboard()->setText(s("999"));
            QTest::keyClick(w.get(r.boxes[0]), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(w.text(r.boxes[0]), s("204"));
            // Delete (U+007F on X11) and Backspace edit; composed text meets the digit filter.
            QLineEdit *start = w.get(r.boxes[0]);
            QTest::keyClick(start, Qt::Key_Home);
            QTest::sendKeyEvent(QTest::Click, start, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
            QTest::keyClick(start, Qt::Key_End);
            QTest::keyClick(start, Qt::Key_Backspace);
            QInputMethodEvent composed;
            composed.setCommitString(s("éü–7"));
            QApplication::sendEvent(start, &composed);
            QCOMPARE(start->text(), s("07"));
            for (int i = 0; i < 2; ++i)
                QTest::keyClick(start, Qt::Key_Backspace);
            // Leaving a box tidies it; each type() leaves the box before.
            w.type(r.boxes[2], QString());
            QCOMPARE(w.text(r.boxes[0]), s("0"));
            w.type(r.boxes[1], s("20000"));
            click(w.get<QListWidget>(r.list));
            QCOMPARE(w.texts({r.boxes[1], r.boxes[2]}), QStringList({row ? s("20,000") : s("20.000"), s("1")}));
        }
    }

    // A refused range keeps the list and the stored ranges, and selects the box at fault.
    void warnings()
    {
        for (const auto &[row, range, message, atFault] :
             {std::tuple{0, "999|2050|2", 132, 0}, {1, "6000|5500|500", 138, 1}}) {
            MainWindow w;
            click(w.get<QPushButton>(rows[row].button)); // the defaults build and are stored
            auto *list = w.get<QListWidget>(rows[row].list);
            const QList<QListWidgetItem *> oldLines = list->findItems(s("*"), Qt::MatchWildcard);
            const QByteArray oldSettings = readFile(w.tc.settings.filePath());
            w.tc.boxes.expect(QMessageBox::Ok);
            w.build(rows[row], range);
            QCOMPARE(w.tc.boxes.shown().size(), 1);
            const BoxRequest &box = w.tc.boxes.shown().front().request;
            QCOMPARE(std::tuple(box.text, box.title, box.icon),
                     std::tuple(w.tc.state.msg(message), s("Lorvex"), QMessageBox::Warning));
            QVERIFY(allSelected(w.get(rows[row].boxes[atFault])));
            QCOMPARE(list->findItems(s("*"), Qt::MatchWildcard), oldLines);
            QCOMPARE(readFile(w.tc.settings.filePath()), oldSettings);
        }
    }

    void selectionMenu()
    {
        MainWindow w;
        w.build(rows[0], "8192|8193|1"); // fR 1: the input line is the required N
        w.build(rows[1], "16382|16383|1");
        w.clickLine(rows[0].list, "8.192");
        w.clickLine(rows[1].list, "16.382");
        const QString nMenu = s("SeçTemizleMenüsü");
        QCOMPARE(fromMenu(w.get<QWidget>("NOnayi_0"), QPoint(10, 10), "Menü_0").name, nMenu);
        QCOMPARE(w.selectedAtResult, l("16.382")); // once, on the way to 0
        QCOMPARE(w.text("SeçilenNToplamiKutusu"), s("0"));
        QCOMPARE(fromMenu(w.get<QWidget>("Altlik_5"), QPoint(100, 200), "Menü_1").name, nMenu);
        QCOMPARE(w.text("SeçilenNToplamiKutusu"), s("16.383"));
        for (const char *panel : {"Altlik_4", "Altlik_1", "Altlik_6"})
            QCOMPARE(fromMenu(w.get<QWidget>(panel), QPoint(2, 2)).name, QString());
        // By keyboard at the focused N box: Shift+F10 and the Menu key, below the box; not F10 alone, not Shift
        // with another key, not at the total's box.
        auto *box = w.get<QCheckBox>("NOnayi_13");
        box->setFocus(Qt::TabFocusReason);
        const OpenedMenu byKeys = fromMenu(box, {}, "Menü_0", Qt::ShiftModifier | Qt::Key_F10);
        QCOMPARE(std::pair(byKeys.name, byKeys.at), std::pair(nMenu, box->mapToGlobal(QPoint(0, box->height()))));
        QCOMPARE(w.selectedAtResult, l("16.382|16.382"));
        QCOMPARE(fromMenu(box, {}, "Menü_1", Qt::Key_Menu).name, nMenu);
        QCOMPARE(w.text("SeçilenNToplamiKutusu"), s("16.383"));
        for (const QKeyCombination other : {QKeyCombination(Qt::Key_F10), Qt::ShiftModifier | Qt::Key_Tab})
            QCOMPARE(fromMenu(box, {}, nullptr, other).name, QString());
        QCOMPARE(fromMenu(w.get("SeçilenNToplamiKutusu"), {}, nullptr, Qt::Key_Menu).name, QString());
        tick(w.get<QCheckBox>("OnayBilgisi"));
        QVERIFY(w.get<QCheckBox>("OnayBilgisi")->isChecked()); // the legend cannot be unticked
    }

    // From the N menu or by Ctrl+N: refused before anything is worked out, then set with the result once.
    void setRequiredNInOneStep()
    {
        MainWindow w;
        for (const Row &row : rows)
            click(w.get<QPushButton>(row.button));
        tick(w.get<QCheckBox>("NOnayi_3"));
        w.tc.boxes.expect(QMessageBox::Ok);
        QTest::keyClick(w.form.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(w.tc.boxes.shown().value(0).request.text, w.tc.state.msg(171));
        QCOMPARE(w.text("SeçilenNToplamiKutusu"), s("16.375"));
        w.tickRa({0, 1}); // R 1024: 5000 / (2048 / 1024) is 2500
        w.clickLine(rows[0].list, "2.048");
        w.clickLine(rows[1].list, "5.000");
        QTest::keyClick(w.form.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(w.selectedAtResult, l("2.500")); // once, never on the way
        fromMenu(w.get<QWidget>("NOnayi_5"), QPoint(10, 10), "SetRequiredNAction");
        QCOMPARE(w.selectedAtResult, l("2.500|2.500")); // already set: the result shows again
        QCOMPARE(w.tc.boxes.shown().size(), 1);
    }

    // Esc closes and stores the position in twips; the next window opens there, or centred
    // for a coordinate that is damaged or off every screen.
    void position()
    {
        MainWindow w;
        w.form->move(100, 120);
        QTest::keyClick(w.get(rows[0].boxes[0]), Qt::Key_Escape);
        QVERIFY(!w.form->isVisible());
        QCOMPARE(w.tc.settings.read(keys::SolBosluk, QString()) + u' ' + w.tc.settings.read(keys::UstBosluk, QString()),
                 s("1500 1800"));
        QCOMPARE(AnaForm(w.ctx, {}).pos(), QPoint(100, 120));
        const QPoint middle = centred(w.form->size());
        for (const auto &[left, top, place] :
             {std::tuple{"abc", "1800", QPoint(middle.x(), 120)}, {"-99999999", "1800", middle}}) {
            w.tc.settings.write({{keys::SolBosluk, s(left)}, {keys::UstBosluk, s(top)}});
            QCOMPARE(AnaForm(w.ctx, {}).pos(), place);
        }
        QCOMPARE(w.tc.exitStatus, -1);
    }

    // Failures under "Form-1": the scheduled check, a refused settings write; the About button swallows its own.
    void failuresAreReported()
    {
        TestContext tc;
        AppContext ctx = tc.context();
        int abouts = 0;
        AnaForm::Hooks hooks;
        hooks.scheduledCheck = [] { throw Failure(7, s("check")); };
        hooks.openAbout = [&] {
            ++abouts;
            throw std::runtime_error("about");
        };
        AnaForm form(ctx, hooks);
        tc.boxes.expect(QMessageBox::Ok);
        form.showAndCheck();
        QVERIFY(tc.boxes.shown().value(0).request.text.contains(s("Hata Yeri: Form-1")) && tc.exitStatus != -1);
        click(form.findChild<QPushButton *>(s("HakkindaDüğmesi")));
        QTest::keyClick(form.findChild<QPushButton *>(s("HakkindaDüğmesi")), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(abouts, 2);
        tc.exitStatus = -1;
        QVERIFY(!writeFile(QFileInfo(tc.settings.filePath()).path(), "x").isEmpty()); // every write refused
        tc.boxes.expect(QMessageBox::Ok);
        click(form.findChild<QPushButton *>(s(rows[0].button)));
        QCOMPARE(tc.boxes.shown().size(), 2);
        QVERIFY(tc.boxes.shown()[1].request.text.contains(s("Hata Yeri: Form-1")) && tc.exitStatus != -1);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
