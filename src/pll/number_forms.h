#pragma once
// The three text forms of the calculator's numbers, and reading them back,
// under the user's regional settings.

#include <QLocale>
#include <QString>
#include <optional>

namespace lorvex::pll {

// Rounded half away from zero, locale grouping and minus, never "-0": 16.383 (tr).
QString wholeNumberText(double value, const QLocale &locale);
// Reference frequency: hundredths rounded half to even, shortest form, no grouping: 125,12 (tr).
QString twoDecimalText(double value, const QLocale &locale);
// The same with up to `decimals` places, for the plan's derived values.
QString decimalText(double value, int decimals, const QLocale &locale);
// R: plain digits, no grouping.
QString plainIntegerText(int value);
// Optional blanks, optional sign, digits with group separators anywhere (ignored),
// at most one decimal separator, at least one digit. Nothing else.
std::optional<double> readNumber(const QString &text, const QLocale &locale);

} // namespace lorvex::pll
