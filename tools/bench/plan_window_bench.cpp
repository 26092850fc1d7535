// Timing of the channel plan window with 501 channels: opening it (built,
// shown and drawn once) and its two exports. Run offscreen from a Release build:
//   QT_QPA_PLATFORM=offscreen build/release/tools/bench/plan_window_bench [copy.pdf]
// With a path, the PDF it wrote is kept there to look at.
#include "app/app_context.h"
#include "app/clock.h"
#include "app/error_report.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "app/shell.h"
#include "plan/file_export.h"
#include "plan/plan_csv.h"
#include "plan/plan_pdf.h"
#include "plan/plan_window.h"
#include "update/version_checker.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace lorvex;

namespace {

class NoNetwork final : public VersionChecker {
public:
    int SurumKontrolEt(const QString &, int) override { return 1; }
};

// The median of runs timings of what, in milliseconds.
template <class F> double median(int runs, F what)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        what();
        ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    OrtakDenetimleriBaslat();
    QTemporaryDir home;
    SharedState state;
    Settings settings(home.filePath(QStringLiteral("Lorvex.ini")), QLocale(QLocale::Turkish, QLocale::Turkey));
    QtMessagePresenter boxes;
    ErrorReporter errors(boxes, state.Mesajlar);
    SystemClock clock;
    DesktopOpener opener;
    NoNetwork checker;
    AppContext ctx{state, settings, boxes, errors, clock, opener, checker, home.filePath(QStringLiteral("~tmp.001"))};
    plan::DialogSaveChooser chooser;

    std::vector<double> band;
    for (int i = 0; i <= 500; ++i)
        band.push_back(100000 + 100.0 * i);
    const plan::ChannelPlan plan = plan::makePlan(10240, 1024, 1, band);

    const int runs = 15;
    const double open = median(runs, [&] {
        plan::PlanWindow window(nullptr, ctx, chooser, plan::makePlan(10240, 1024, 1, band));
        window.show();
        QCoreApplication::processEvents();
    });
    const double csv = median(runs, [&] {
        plan::saveWhole(home.filePath(QStringLiteral("plan.csv")), [&](QIODevice &device) {
            const QByteArray bytes = plan::planCsv(plan);
            return device.write(bytes) == bytes.size();
        });
    });
    const double pdf = median(runs, [&] {
        plan::saveWhole(home.filePath(QStringLiteral("plan.pdf")), [&](QIODevice &device) {
            return plan::writePlanPdf(device, plan, settings.locale(), state.Mesajlar);
        });
    });
    std::printf("501 channels, median of %d: open %.1f ms, CSV %.1f ms, PDF %.1f ms (%lld bytes)\n", runs, open, csv,
                pdf, static_cast<long long>(QFileInfo(home.filePath(QStringLiteral("plan.pdf"))).size()));
    if (argc > 1)
        QFile::copy(home.filePath(QStringLiteral("plan.pdf")), QString::fromLocal8Bit(argv[1]));
    return 0;
}
