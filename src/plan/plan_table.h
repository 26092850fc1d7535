#pragma once
// The plan and the fits as the windows show them: headings from the message
// table, numbers in the user's regional forms. The copy, the screen and the
// PDF all take their texts from here.

#include "app/messages.h"
#include "plan/fit_search.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace lorvex::plan {

// Input, fIn / P, exact N, N, achieved, error kHz, error ppm, status; then the pins.
inline constexpr int planValueColumns = 8;
inline constexpr int planColumns = planValueColumns + nPinCount;

// "Pin 11" .. "Pin 25"; a fixed pin's heading ends in " *".
QStringList planHeadings(const ChannelPlan &plan, const MessageTable &messages);
QStringList planRowTexts(const ChannelRow &row, const QLocale &locale, const MessageTable &messages);
// fOsc, R with its pin 5 6 7 levels, P and fR on one line.
QString planSummary(const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages);
// "Ayarlanabilir kanal: 51 / 51"
QString settableSummary(const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages);
// The table as tab-separated lines with CR LF, headings first: what Copy puts on the clipboard.
QString planTabSeparated(const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages);

QStringList fitHeadings(const MessageTable &messages);
QStringList fitRowTexts(const Fit &fit, const QLocale &locale);

} // namespace lorvex::plan
