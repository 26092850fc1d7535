#pragma once
// The MC145151-2 as the calculator sees it: R from the RA pins, the 14-bit N,
// which pin carries which bit, and box state to pin level.

#include <array>
#include <cmath>
#include <optional>

namespace lorvex::pll {

inline constexpr int nBitCount = 14;
inline constexpr int raBitCount = 3;
inline constexpr int maxN = 16383;

// A ticked box puts its pin at ground: level 0.
constexpr int levelOf(bool checked) { return checked ? 0 : 1; }

// R by the RA table (levels 0/1). Row 110 is 2410.
int referenceDivider(int ra2Level, int ra1Level, int ra0Level);
// The eight values of R in table order (rows RA2 RA1 RA0 = 000 .. 111).
const std::array<int, 8> &referenceDividerTable();
// The inverse of the table: the levels of RA0, RA1, RA2 (pins 5, 6, 7) that
// give r; none when r is not in the table.
std::optional<std::array<int, raBitCount>> raLevelsFor(int r);

// The input division ratios P, ascending.
const std::array<int, 4> &divisionRatios();
bool isDivisionRatio(int p);
// The same from the three boxes RAOnayi(0..2); ticked means level 0.
int referenceDivider(const std::array<bool, raBitCount> &raChecked);

constexpr int nWeight(int bit) { return 1 << bit; }
// Pins 22..25 carry N12, N13, N10, N11.
int nPin(int bit);
int raPin(int bit);

// fR, fD and the required N; no required N when fR is 0 or the quotient is not finite.
double referenceFrequency(double fOsc, int r);
double dividedInputFrequency(double fIn, int p);
// Inline: the fit search asks for millions of them.
inline std::optional<double> requiredN(double fD, double fR)
{
    if (fR == 0)
        return std::nullopt;
    const double n = fD / fR;
    if (!std::isfinite(n))
        return std::nullopt;
    return n;
}

} // namespace lorvex::pll
