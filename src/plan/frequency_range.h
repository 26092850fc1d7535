#pragma once
// A band or an oscillator range given as start, end and step (decimals allowed),
// held to the same bounds as the main window's lists.

#include "pll/list_builder.h"

#include <QString>
#include <vector>

namespace lorvex::plan {

struct FrequencyRange {
    std::vector<double> values; // start + i * step, ascending; empty when refused
    QString refusal;            // a plain English reason naming the bound; empty when accepted
};

// Start at least the lower limit, end at most the upper limit, end not below
// start, at least one and at most maxSteps steps. Each value is start + i * step,
// so no error accumulates; the end is listed when a whole number of steps reaches it.
FrequencyRange frequencyRange(double start, double end, double step, const pll::ListParameters &bounds);

// A single frequency held to the same lower and upper limit; the reason or "".
QString frequencyRefusal(double value, const pll::ListParameters &bounds);

} // namespace lorvex::plan
