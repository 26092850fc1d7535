#include "pll/divider_model.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace lorvex::pll {

namespace {
// Indexed by the levels RA2 RA1 RA0 read as a binary number.
constexpr std::array<int, 8> referenceDividers{8, 128, 256, 512, 1024, 2048, 2410, 8192};
// N10..N13 are not in order on the package.
constexpr std::array<int, nBitCount> nPins{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 24, 25, 22, 23};
constexpr std::array<int, raBitCount> raPins{5, 6, 7};
constexpr std::array<int, 4> ratios{1, 64, 128, 256};
} // namespace

int referenceDivider(int ra2Level, int ra1Level, int ra0Level)
{
    const int row = (ra2Level != 0 ? 4 : 0) + (ra1Level != 0 ? 2 : 0) + (ra0Level != 0 ? 1 : 0);
    return referenceDividers[static_cast<std::size_t>(row)];
}

const std::array<int, 8> &referenceDividerTable() { return referenceDividers; }

std::optional<std::array<int, raBitCount>> raLevelsFor(int r)
{
    const auto found = std::find(referenceDividers.begin(), referenceDividers.end(), r);
    if (found == referenceDividers.end())
        return std::nullopt;
    const int row = static_cast<int>(found - referenceDividers.begin());
    return std::array<int, raBitCount>{row & 1, row >> 1 & 1, row >> 2 & 1};
}

const std::array<int, 4> &divisionRatios() { return ratios; }

bool isDivisionRatio(int p) { return std::find(ratios.begin(), ratios.end(), p) != ratios.end(); }

int referenceDivider(const std::array<bool, raBitCount> &raChecked)
{
    return referenceDivider(levelOf(raChecked[2]), levelOf(raChecked[1]), levelOf(raChecked[0]));
}

int nPin(int bit)
{
    if (bit < 0 || bit >= nBitCount)
        throw std::out_of_range("N bit out of range");
    return nPins[static_cast<std::size_t>(bit)];
}

int raPin(int bit)
{
    if (bit < 0 || bit >= raBitCount)
        throw std::out_of_range("RA bit out of range");
    return raPins[static_cast<std::size_t>(bit)];
}

double referenceFrequency(double fOsc, int r) { return fOsc / r; }

double dividedInputFrequency(double fIn, int p) { return fIn / p; }

} // namespace lorvex::pll
