#pragma once
// The whole band at once: what the channel plan and the fit finder read from
// the main window, what they hand back, and setting N in one step.

#include "pll/divider_model.h"

#include <array>
#include <optional>
#include <vector>

namespace lorvex::plan {

struct BandInputs {
    std::vector<double> referenceKhz; // every line of the reference list, as whole kHz
    std::optional<int> referenceRow;  // its selected line
    std::vector<double> inputKhz;     // every line of the input list
    int r = 0;                        // from the RA boxes
    int ratio = 1;
};

// A fit the user applies: which reference line, which R, which ratio.
struct FitChoice {
    int referenceRow = 0;
    int r = 0;
    int ratio = 1;
};

// The warning that keeps the plan window shut (no reference line, no input
// list), or 0.
int planRefusal(const BandInputs &band);
// The same for the fit finder, which needs both lists but no selection.
int fitRefusal(const BandInputs &band);

// Setting the required N in one step: the N, or the warning that refuses it
// (not worked out yet, not whole, or outside 1..16383).
struct NSetting {
    std::optional<int> n;
    int message = 0;
};
NSetting requiredNSetting(std::optional<double> exactN);

// The N boxes that show n: a ticked box is a bit at level 0.
std::array<bool, pll::nBitCount> nCheckedFor(int n);
// The RA boxes that select r; nothing for a value outside the table.
std::optional<std::array<bool, pll::raBitCount>> raCheckedFor(int r);

} // namespace lorvex::plan
