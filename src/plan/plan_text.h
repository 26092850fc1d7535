#pragma once
// Plans and fits as aligned plain-ASCII tables for a terminal, lines ending in "\n".
// Numbers as in the CSV: "." and no grouping, whatever the locale.

#include "plan/fit_search.h"

#include <QString>
#include <span>

namespace lorvex::plan {

// A head with fOsc, R and its pin 5/6/7 levels, P and fR; one line per channel
// with its N pin levels; a marker line with "*" under the fixed pins; a legend.
QString planText(const ChannelPlan &plan);

// A head saying whether every channel fits and how many combinations the search
// found, then the fits given (the first of result.fits, best first).
QString fitsText(const FitSearchResult &result, std::span<const Fit> shown);

} // namespace lorvex::plan
