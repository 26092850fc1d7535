#pragma once
// The MC145151-2 as the calculator sees it: R from the RA pins, the 14-bit N,
// which pin carries which bit, and box state to pin level.

#include <array>
#include <optional>

namespace lorvex::pll {

inline constexpr int nBitCount = 14;
inline constexpr int raBitCount = 3;
inline constexpr int maxN = 16383;

// A ticked box puts its pin at ground: level 0.
constexpr int levelOf(bool checked) { return checked ? 0 : 1; }

// R by the RA table (levels 0/1). Row 110 is 2410.
int referenceDivider(int ra2Level, int ra1Level, int ra0Level);
// The same from the three boxes RAOnayi(0..2); ticked means level 0.
int referenceDivider(const std::array<bool, raBitCount> &raChecked);

constexpr int nWeight(int bit) { return 1 << bit; }
// Pins 22..25 carry N12, N13, N10, N11.
int nPin(int bit);
int raPin(int bit);

// fR, fD and the required N; no required N when fR is 0 or the quotient is not finite.
double referenceFrequency(double fOsc, int r);
double dividedInputFrequency(double fIn, int p);
std::optional<double> requiredN(double fD, double fR);

// A required N counts as whole within a relative 1e-9: the quotient of two
// doubles is rarely exact even when the frequencies divide evenly.
bool isWholeN(double n);

// 16383 minus the weights of the ticked boxes.
int selectedN(const std::array<bool, nBitCount> &nChecked);

} // namespace lorvex::pll
