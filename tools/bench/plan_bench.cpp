// How long a 501-channel plan with its CSV and a full fit search take.
// Prints the best of several runs; build in Release to get meaningful figures.
#include "plan/fit_search.h"
#include "plan/frequency_range.h"
#include "plan/plan_csv.h"

#include <QElapsedTimer>
#include <cstdio>
#include <functional>

using namespace lorvex;

namespace {

double bestMs(int runs, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        best = std::min(best, static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    return best;
}

std::vector<double> range(double from, double to, double step, const pll::ListParameters &bounds)
{
    return plan::frequencyRange(from, to, step, bounds).values;
}

} // namespace

int main()
{
    const std::vector<double> band = range(145000, 151250, 12.5, pll::inputListParameters());
    const std::vector<double> oscillators = range(10000, 15000, 10, pll::referenceListParameters());
    // A band nothing tunes well keeps every combination in the race to the last channel.
    const std::vector<double> odd = range(100000.003, 100500.003, 1, pll::inputListParameters());

    std::size_t sink = 0;
    plan::ChannelPlan p;
    const double rows = bestMs(20, [&] {
        p = plan::makePlan(10240, 1024, 1, band);
        sink += p.rows.size();
    });
    const double csv = bestMs(20, [&] { sink += plan::planCsv(p).size(); });
    plan::FitSearchResult typical, worst;
    const double fits = bestMs(5, [&] { typical = plan::findFits(oscillators, band); });
    const double fitsWorst = bestMs(5, [&] { worst = plan::findFits(oscillators, odd); });

    std::printf("plan, %zu channels: rows %.3f ms, CSV %.3f ms (%d settable pins)\n", band.size(), rows, csv,
                p.settableCount());
    std::printf("fit search, %zu oscillators x 8 R x 4 P x %zu channels:\n", oscillators.size(), band.size());
    std::printf("  12.5 kHz band: %.2f ms (%zu fits, complete %d)\n", fits, typical.fits.size(), typical.complete);
    std::printf("  band with no whole N: %.2f ms (%zu nearest, %d of %d channels)\n", fitsWorst, worst.fits.size(),
                worst.fits.empty() ? 0 : worst.fits.front().channelsFitted, static_cast<int>(odd.size()));
    return sink == 0;
}
