#include "plan/fit_search.h"

#include <algorithm>
#include <bit>

namespace lorvex::plan {

bool isBetterFit(const Fit &a, const Fit &b)
{
    if (a.frKhz != b.frKhz)
        return a.frKhz > b.frKhz;
    if (a.fixedPins != b.fixedPins)
        return a.fixedPins > b.fixedPins;
    if (a.oscKhz != b.oscKhz)
        return a.oscKhz < b.oscKhz;
    if (a.r != b.r)
        return a.r < b.r;
    return a.ratio < b.ratio;
}

namespace {

// The combinations that fit the most channels, at least atLeast of them, unsorted.
// divided holds fIn / P for every ratio, channel after channel.
std::vector<Fit> search(const std::vector<double> &oscKhz, const std::vector<double> &divided, std::size_t channels,
                        std::size_t atLeast)
{
    const auto &ratios = pll::divisionRatios();
    std::vector<Fit> fits;
    std::size_t best = atLeast;
    for (const double osc : oscKhz) {
        for (const int r : pll::referenceDividerTable()) {
            const double fr = pll::referenceFrequency(osc, r);
            for (std::size_t p = 0; p < ratios.size(); ++p) {
                const double *fd = &divided[p * channels];
                std::size_t fitted = 0;
                int andOfN = pll::maxN, orOfN = 0, nMin = pll::maxN, nMax = 0;
                for (std::size_t i = 0; i < channels; ++i) {
                    // Give up as soon as the rest cannot bring this one level with the best.
                    if (fitted + (channels - i) < best)
                        break;
                    const ChannelN n = judgeN(fd[i], fr);
                    if (n.status != ChannelStatus::Ok)
                        continue;
                    const int v = static_cast<int>(n.rounded);
                    ++fitted;
                    andOfN &= v;
                    orOfN |= v;
                    nMin = std::min(nMin, v);
                    nMax = std::max(nMax, v);
                }
                if (fitted < best)
                    continue;
                if (fitted > best) {
                    fits.clear();
                    best = fitted;
                }
                const int fixed = std::popcount(static_cast<unsigned>(sameBits(andOfN, orOfN)));
                fits.push_back(Fit{osc, r, *pll::raLevelsFor(r), ratios[p], fr, nMin, nMax, fixed,
                                   static_cast<int>(fitted), static_cast<int>(channels)});
            }
        }
    }
    return fits;
}

} // namespace

FitSearchResult findFits(const std::vector<double> &oscKhz, const std::vector<double> &inputsKhz)
{
    FitSearchResult result;
    const std::size_t channels = inputsKhz.size();
    if (channels == 0)
        return result;

    const auto &ratios = pll::divisionRatios();
    std::vector<double> divided(ratios.size() * channels);
    for (std::size_t p = 0; p < ratios.size(); ++p)
        for (std::size_t i = 0; i < channels; ++i)
            divided[p * channels + i] = pll::dividedInputFrequency(inputsKhz[i], ratios[p]);

    // Most combinations fail on their first channels: looking for complete fits
    // first is quick, and only a band nothing fits is counted channel by channel.
    result.fits = search(oscKhz, divided, channels, channels);
    result.complete = !result.fits.empty();
    if (!result.complete)
        result.fits = search(oscKhz, divided, channels, 1);
    std::sort(result.fits.begin(), result.fits.end(), isBetterFit);
    return result;
}

} // namespace lorvex::plan
