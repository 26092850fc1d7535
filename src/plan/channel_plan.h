#pragma once
// Channel planning: for one oscillator, R and P, the N and the N pin levels of
// every channel of a band, and the pins that keep one level over the whole band
// (those can be wired fixed; only the others need a switch).
//
// The chip: fR = fOsc / R, fD = fIn / P, required N = fD / fR; N is 1..16383 on
// pins 11..20 and 22..25. A pin level is the bit of N (1 = open, 0 = ground).
// Pin order everywhere in this folder: 11, 12, ..., 20, 22, 23, 24, 25.

#include "pll/divider_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace lorvex::plan {

inline constexpr int nPinCount = pll::nBitCount;
using PinLevels = std::array<int, nPinCount>;
using RaLevels = std::array<int, pll::raBitCount>; // RA0, RA1, RA2 = pins 5, 6, 7

// 11..20, 22..25, taken from the chip's pin map.
const std::array<int, nPinCount> &nPinNumbers();

enum class ChannelStatus { Ok, NotWhole, OutOfRange };

// Whole within a relative 1e-9: |n - round(n)| <= 1e-9 * |n|. Decimal steps such
// as 12.5 kHz leave a few ulps of noise on an N that is whole on paper.
inline bool isWholeN(double nExact) { return std::fabs(nExact - std::round(nExact)) <= 1e-9 * std::fabs(nExact); }

// One required N, judged: rounded half away from zero; OutOfRange when that is
// below 1 or above 16383 (or there is no N at all), else NotWhole unless whole.
// The plan rows and the fit search both judge N here and only here.
struct ChannelN {
    double exact;
    long long rounded;
    ChannelStatus status;
};
// Inline: the fit search judges millions of them.
inline ChannelN judgeN(double dividedKhz, double frKhz)
{
    // Beyond this a rounded N no longer converts to a long long safely; it is far out of range anyway.
    constexpr double roundedLimit = 9.0e15;
    const std::optional<double> exact = pll::requiredN(dividedKhz, frKhz);
    if (!exact)
        return {std::numeric_limits<double>::quiet_NaN(), 0, ChannelStatus::OutOfRange};
    const auto rounded = static_cast<long long>(std::clamp(std::round(*exact), -roundedLimit, roundedLimit));
    if (rounded < 1 || rounded > pll::maxN)
        return {*exact, rounded, ChannelStatus::OutOfRange};
    return {*exact, rounded, isWholeN(*exact) ? ChannelStatus::Ok : ChannelStatus::NotWhole};
}

// The levels of n's bits in pin order.
PinLevels pinLevelsOf(int n);
// The bits of N that are equal in every value whose AND and OR these are.
constexpr int sameBits(int andOfN, int orOfN) { return ~(andOfN ^ orOfN) & pll::maxN; }

struct ChannelRow {
    double inputKhz;
    double dividedKhz; // fIn / P
    double nExact;
    long long n;        // nExact rounded half away from zero; may be out of range
    double achievedKhz; // the input frequency n really tunes: n * fOsc / R * P
    double errorKhz;    // achieved - wanted
    double errorPpm;    // errorKhz / wanted * 1e6
    ChannelStatus status;
    PinLevels pinLevels; // N pin levels in pin order; all -1 when OutOfRange
};

struct ChannelPlan {
    double oscKhz = 0;
    int r = 0;
    RaLevels raLevels{};
    int ratio = 1;
    double frKhz = 0;
    std::vector<ChannelRow> rows;
    // Pins whose level is the same in every Ok row, with that level (-1 when
    // not fixed). None is fixed when no row is Ok.
    std::array<bool, nPinCount> fixedPins{};
    PinLevels fixedLevels{};
    // The pins that are not fixed: what a switch has to set per channel.
    int settableCount() const;
};

// The plan for a band, rows in the order of inputsKhz. r must be in the RA table,
// ratio one of 1, 64, 128, 256 and oscKhz above 0 (std::invalid_argument otherwise).
ChannelPlan makePlan(double oscKhz, int r, int ratio, const std::vector<double> &inputsKhz);

} // namespace lorvex::plan
