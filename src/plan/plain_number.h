#pragma once
// Numbers in files and on terminals: "." as the decimal point and no grouping,
// whatever the user's regional settings, so that other programs read them back.

#include <QString>
#include <QStringView>
#include <optional>

namespace lorvex::plan {

// Rounded to at most maxDecimals, trailing zeros and a bare "." cut, never "-0":
// 145012.5, 10, 0.000123. Empty when the value is not finite.
QString plainNumber(double value, int maxDecimals);

// The strict reader: digits with at most one "." and at least one digit
// ("12.5", "12", ".5", "12."). No sign, blanks, grouping, exponent, "inf" or ",".
std::optional<double> readPlainNumber(QStringView text);

} // namespace lorvex::plan
