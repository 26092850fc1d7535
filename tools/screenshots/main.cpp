// Renders Lorvex's windows offscreen into PNG files for the README and the
// AppStream data: the main window on a first run, the worked example, and
// the result window it opens, the channel plan and the fit finder for its
// band. Run it as `make screenshots`.
#include "app/app_context.h"
#include "app/app_icon.h"
#include "app/clock.h"
#include "app/error_report.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "app/shell.h"
#include "plan/fit_window.h"
#include "plan/plan_window.h"
#include "pll/main_window.h"
#include "result/result_window.h"
#include "update/version_checker.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

using namespace lorvex;

namespace {

class NoNetwork final : public VersionChecker {
public:
    int SurumKontrolEt(const QString &, int) override { return 1; }
};

bool save(QWidget *w, const QString &path)
{
    const bool ok = w->grab().save(path, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qPrintable(path));
    return ok;
}

template <class T> T *child(QWidget *w, const char *name) { return w->findChild<T *>(QString::fromUtf8(name)); }

void type(QWidget *w, const char *box, const char *text)
{
    auto *edit = child<QLineEdit>(w, box);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromLatin1(text));
}

void pickLine(QWidget *w, const char *list, const QString &text)
{
    auto *l = child<QListWidget>(w, list);
    const auto items = l->findItems(text, Qt::MatchExactly);
    l->setFocus();
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(items.first()).center());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QDir().mkpath(out);
    QTemporaryDir home;
    OrtakDenetimleriBaslat();
    QApplication::setWindowIcon(applicationIcon());

    SharedState state;
    state.SurumNumarasi = 102;
    Settings settings(home.filePath(QStringLiteral("Lorvex.ini")), QLocale(QLocale::Turkish, QLocale::Turkey));
    QtMessagePresenter boxes;
    ErrorReporter errors(boxes, state.Mesajlar);
    SystemClock clock;
    DesktopOpener opener;
    NoNetwork checker;
    AppContext ctx{state, settings, boxes, errors, clock, opener, checker, home.filePath(QStringLiteral("~tmp.001"))};

    bool ok = true;
    AnaForm::Hooks hooks;
    hooks.openResult = [&](QWidget *owner, const ResultInputs &inputs) {
        SonuçFormu result(owner, ctx, inputs);
        result.show();
        QCoreApplication::processEvents();
        ok = save(&result, out + QStringLiteral("/result-window.png")) && ok;
    };
    AnaForm window(ctx, hooks);
    window.show();
    QCoreApplication::processEvents();
    ok = save(&window, out + QStringLiteral("/main-window.png")) && ok;

    // The worked example: 10240 kHz oscillator, R 1024, 145000 kHz VCO, N 14500.
    type(&window, "ReferansOscBaşlamaKutusu", "10240");
    type(&window, "ReferansOscBitişKutusu", "10250");
    type(&window, "ReferansOscAdimKutusu", "10");
    QTest::mouseClick(child<QPushButton>(&window, "ReferansListesiYükleDüğmesi"), Qt::LeftButton);
    type(&window, "GirişFrekansiBaşlamaKutusu", "145000");
    type(&window, "GirişFrekansiBitişKutusu", "145500");
    type(&window, "GirişFrekansiAdimKutusu", "100");
    QTest::mouseClick(child<QPushButton>(&window, "GirişFrekansiListesiYükleDüğmesi"), Qt::LeftButton);
    child<QCheckBox>(&window, "RAOnayi_0")->setChecked(true);
    child<QCheckBox>(&window, "RAOnayi_1")->setChecked(true);
    const QLocale locale = settings.locale();
    pickLine(&window, "ReferansOscListesi", locale.toString(10240));
    pickLine(&window, "GirişFrekansiListesi", locale.toString(145000));
    for (int bit : {0, 1, 3, 4, 6, 8, 9, 10})
        child<QCheckBox>(&window, QStringLiteral("NOnayi_%1").arg(bit).toUtf8().constData())->setChecked(true);
    QCoreApplication::processEvents();
    ok = save(&window, out + QStringLiteral("/main-window-example.png")) && ok;

    std::vector<double> band;
    for (double f = 145000; f <= 145500; f += 100)
        band.push_back(f);
    plan::DialogSaveChooser chooser;
    plan::PlanWindow planWindow(&window, ctx, chooser, plan::makePlan(10240, 1024, 1, band));
    planWindow.resize(1420, 300); // every pin column in view
    planWindow.show();
    QCoreApplication::processEvents();
    ok = save(&planWindow, out + QStringLiteral("/channel-plan.png")) && ok;
    planWindow.hide();

    std::vector<double> oscillators;
    for (double f = 10000; f <= 10300; f += 10)
        oscillators.push_back(f);
    plan::FitWindow fitWindow(&window, ctx, plan::findFits(oscillators, band));
    fitWindow.resize(fitWindow.width(), 300);
    fitWindow.show();
    QCoreApplication::processEvents();
    ok = save(&fitWindow, out + QStringLiteral("/fit-finder.png")) && ok;
    return ok ? 0 : 1;
}
