// The channel plan and the fit finder driven from the main window by real
// input: both entry points, refusals, apply, copy, saves and their failures.

#include "plan/channel_plan.h"
#include "plan/fit_window.h"
#include "plan/plan_csv.h"
#include "plan/plan_window.h"
#include "pll/main_window.h"
#include "support/fakes.h"
#include "support/main_window_harness.h"
#include "support/modal_watch.h"

#include <QTest>
#include <QtWidgets>

using namespace lorvex;
using namespace lorvex::test;

namespace {

class FixedChooser final : public plan::SaveChooser {
public:
    QString chooseSavePath(QWidget *, const QString &, const QString &suggested, const QString &) override
    {
        suggestions.append(suggested);
        return answer;
    }
    QString answer;
    QStringList suggestions;
};

// The main window with both lists built from the ranges given.
struct Band : MainWindow {
    Band(const char *reference, const char *input)
        : MainWindow(turkish, [this](AnaForm::Hooks &hooks) {
              hooks.openPlan = [this](QWidget *owner, const plan::BandInputs &band) {
                  return plan::openPlanWindow(owner, ctx, chooser, band);
              };
              hooks.openFit = [this](QWidget *owner, const plan::BandInputs &band) {
                  return plan::openFitWindow(owner, ctx, band);
              };
          })
    {
        build(rows[0], reference);
        build(rows[1], input);
    }
    QListWidget *list(const char *name) const { return get<QListWidget>(name); }
    QString currentLine(const char *name) const
    {
        return list(name)->currentItem() ? list(name)->currentItem()->text() : QString();
    }
    // As the Menu key asks for it: a right click would select the line under it.
    void fromListMenu(const char *name, const char *action)
    {
        QWidget *view = list(name)->viewport();
        fromMenu(
            [view] {
                QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {5, 5}, view->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(view, &menuKey);
            },
            action);
    }
    void keys(int key) { QTest::keyClick(form.get(), Qt::Key(key), Qt::ControlModifier); }

    FixedChooser chooser;
};

QTableView *tableOf(QWidget *window) { return window->findChild<QTableView *>(); }

} // namespace

class TestPlanWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    void refusals()
    {
        Band b("10240|10250|10", "145000|145500|100");
        b.tc.boxes.expect(QMessageBox::Ok);
        b.keys(Qt::Key_L); // no reference line
        b.list("GirişFrekansiListesi")->clear();
        b.tc.boxes.expect(QMessageBox::Ok);
        b.keys(Qt::Key_F); // no input list
        QCOMPARE(b.tc.boxes.shown().size(), 2);
        QCOMPARE(b.tc.boxes.shown()[0].request.text, b.tc.state.msg(176));
        QCOMPARE(b.tc.boxes.shown()[1].request.text, b.tc.state.msg(177));
    }

    void planFromBothListsAppliesARow()
    {
        Band b("10240|10250|10", "145000|145500|100");
        b.clickLine("ReferansOscListesi", "10.240");
        b.tickRa({0, 1}); // R 1024, fR 10
        QString copied;
        ModalWatch watch;
        watch.on(s("PlanWindow"), [&](QWidget *plan) {
            plan->findChild<QPushButton *>(s("CopyButton"))->click();
            copied = QGuiApplication::clipboard()->text();
            QTest::keyClick(plan, Qt::Key_Escape);
        });
        b.fromListMenu("ReferansOscListesi", "ChannelPlanAction");
        const QStringList lines = copied.split(s("\r\n"));
        QCOMPARE(lines.size(), 6 + 2); // headings, six channels, the final line end
        QVERIFY(lines[0].startsWith(s("Giriş (Khz)\tfIn / P (Khz)\tTam N\tAyarlanan N\t")));
        QCOMPARE(
            lines[3],
            s("145.200\t145200\t14520\t14.520\t145200\t0\t0\tAyarlanabilir\t0\t0\t0\t1\t1\t1\t0\t1\t0\t0\t1\t1\t0\t1"));
        QVERIFY(b.selectedAtResult.isEmpty());

        watch.on(s("PlanWindow"), [&](QWidget *plan) {
            QTableView *table = tableOf(plan);
            table->setCurrentIndex(table->model()->index(2, 0));
            QTest::keyClick(table, Qt::Key_Return);
        });
        b.fromListMenu("GirişFrekansiListesi", "ChannelPlanAction");
        QCOMPARE(b.selectedAtResult, l("14.520")); // applied: the result window, once
        QCOMPARE(b.currentLine("GirişFrekansiListesi"), s("145.200"));
    }

    void saves_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("writable");
        QTest::newRow("csv") << s(".csv") << true;
        QTest::newRow("pdf") << s(".pdf") << true;
        QTest::newRow("pdf, folder is a file") << s(".pdf") << false;
    }
    void saves()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, writable);
        Band b("10240|10250|10", "145000|145500|100");
        b.clickLine("ReferansOscListesi", "10.240");
        b.tickRa({0, 1});
        const QString folder = writable ? b.tc.home.file(s("out")) : writeFile(b.tc.home.file(s("file")), "x");
        QDir().mkpath(b.tc.home.file(s("out")));
        b.chooser.answer = folder + s("/plan") + suffix;
        if (!writable)
            b.tc.boxes.expect(QMessageBox::Ok);
        ModalWatch watch;
        watch.on(s("PlanWindow"), [&](QWidget *plan) {
            plan->findChild<QPushButton *>(suffix == s(".csv") ? s("SaveCsvButton") : s("SavePdfButton"))->click();
            QVERIFY(plan->isVisible()); // a failure keeps the plan open
            QTest::keyClick(plan, Qt::Key_Escape);
        });
        b.keys(Qt::Key_L);
        QCOMPARE(b.chooser.suggestions.size(), 1);
        QVERIFY(b.chooser.suggestions[0].endsWith(s("/Documents/Tavoran/Lorvex/PLL 10240 kHz R1024 P1") + suffix));
        if (!writable) {
            QCOMPARE(b.tc.boxes.shown().size(), 1);
            QCOMPARE(b.tc.boxes.shown()[0].request.icon, QMessageBox::Critical);
            QVERIFY(b.tc.boxes.shown()[0].request.text.startsWith(b.tc.state.msg(123)));
            QVERIFY(b.form->isVisible());
            return;
        }
        const QByteArray bytes = readFile(b.chooser.answer);
        if (suffix == s(".csv"))
            QCOMPARE(bytes,
                     plan::planCsv(plan::makePlan(10240, 1024, 1, {145000, 145100, 145200, 145300, 145400, 145500})));
        else
            QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
        QCOMPARE(QDir(b.tc.home.file(s("out"))).entryList(QDir::Files | QDir::Hidden), QStringList{s("plan") + suffix});
    }

    void fitAppliesOscillatorRAndRatio()
    {
        Band b("10000|10300|10", "145000|145500|100");
        b.clickLine("GirişFrekansiListesi", "145.000");
        QTest::keyClick(b.get<QComboBox>("GirişFrekansiBölListesi"), Qt::Key_Down); // ratio 64
        b.tickRa({0});                                                              // R 2410
        QString status;
        ModalWatch watch;
        watch.on(s("FitWindow"), [&](QWidget *fit) {
            status = fit->findChild<QLabel *>(s("FitStatus"))->text();
            QTest::mouseClick(fit->findChild<QPushButton *>(s("ApplyButton")), Qt::LeftButton); // the best, current
        });
        b.fromListMenu("GirişFrekansiListesi", "FitFinderAction");
        QVERIFY(status.startsWith(b.tc.state.msg(200)));
        QCOMPARE(b.currentLine("ReferansOscListesi"), s("10.240"));
        QCOMPARE(b.texts({"RAToplamiKutusu", "ReferansOscDeğeriKutusu", "GerekliNToplamiKutusu"}),
                 l("512|20|7.250")); // R, fR, a whole required N
        QCOMPARE(b.get<QComboBox>("GirişFrekansiBölListesi")->currentText(), s("1"));
    }
};

QTEST_MAIN(TestPlanWindows)
#include "test_plan_windows.moc"
