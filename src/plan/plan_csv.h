#pragma once
// Plans and fits as CSV (RFC 4180: UTF-8, comma-separated, CR LF line ends, one
// header row). Numbers have "." and no grouping whatever the locale; frequencies
// and N to at most 6 decimals, ppm to 3. Every row has every column.

#include "plan/fit_search.h"

#include <QByteArray>
#include <span>

namespace lorvex::plan {

// osc_khz,r,ratio,fr_khz,input_khz,divided_khz,n_exact,n,achieved_khz,error_khz,
// error_ppm,status,pin5,pin6,pin7,pin11..pin20,pin22..pin25. status is ok,
// not_whole or out_of_range; an out_of_range row leaves its N pin cells empty.
QByteArray planCsv(const ChannelPlan &plan);

// osc_khz,r,pin5,pin6,pin7,ratio,fr_khz,n_min,n_max,fixed_pins,channels_fitted,channels
QByteArray fitsCsv(std::span<const Fit> fits);

// "ok", "not_whole", "out_of_range".
const char *statusName(ChannelStatus status);

} // namespace lorvex::plan
