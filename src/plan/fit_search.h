#pragma once
// The fit finder: which oscillator, R and P tune every channel of a band to a
// whole N within 1..16383, best first.

#include "plan/channel_plan.h"

#include <vector>

namespace lorvex::plan {

struct Fit {
    double oscKhz;
    int r;
    RaLevels raLevels; // pins 5, 6, 7
    int ratio;
    double frKhz;
    int nMin, nMax; // over the fitted channels
    int fixedPins;  // N pins with one level over the fitted channels
    int channelsFitted;
    int channels;
};

struct FitSearchResult {
    // True when at least one combination fits every channel; fits then holds
    // exactly those. Otherwise fits holds the combinations that fit the most
    // channels (at least one), or nothing.
    bool complete = false;
    std::vector<Fit> fits;
};

// Every oscillator × every R of the table × every P. A channel fits when judgeN
// says Ok. Order: highest fR, then most fixed pins, then lowest fOsc, lowest R,
// lowest P. Empty inputs give no fits.
FitSearchResult findFits(const std::vector<double> &oscKhz, const std::vector<double> &inputsKhz);

// True when a should be listed before b.
bool isBetterFit(const Fit &a, const Fit &b);

} // namespace lorvex::plan
