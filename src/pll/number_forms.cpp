#include "pll/number_forms.h"

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <system_error>

namespace lorvex::pll {

namespace {

// Locale strings can be several code units long (Arabic minus carries a mark,
// some digits lie outside the BMP), so matching is done on code points.
std::u32string codePoints(const QString &text)
{
    const QList<uint> list = text.toUcs4();
    return std::u32string(list.begin(), list.end());
}

bool takePrefix(std::u32string_view &body, std::u32string_view prefix)
{
    if (prefix.empty() || !body.starts_with(prefix))
        return false;
    body.remove_prefix(prefix.size());
    return true;
}

// Below this, a rounded double converts to a 64-bit integer exactly and safely.
constexpr double exactIntegerLimit = 9.0e15;

} // namespace

QString wholeNumberText(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    const double rounded = std::round(value);
    // The integer conversion also turns -0 into 0.
    if (std::fabs(rounded) < exactIntegerLimit)
        return locale.toString(static_cast<qlonglong>(rounded));
    return locale.toString(rounded, 'f', 0);
}

QString twoDecimalText(double value, const QLocale &locale) { return decimalText(value, 2, locale); }

QString decimalText(double value, int decimals, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    // Qt's own 'f' rounding sends exact ties away from zero; ties go to even here.
    const double scale = std::pow(10.0, decimals);
    const double scaled = value * scale;
    double rounded = std::isfinite(scaled) ? std::nearbyint(scaled) / scale : value;
    if (rounded == 0)
        rounded = 0.0;

    QLocale plain = locale;
    plain.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    QString text = plain.toString(rounded, 'f', decimals);
    const QString decimal = locale.decimalPoint();
    const QString zero = locale.zeroDigit();
    if (!decimal.isEmpty() && !zero.isEmpty() && text.contains(decimal)) {
        while (text.endsWith(zero))
            text.chop(zero.size());
        if (text.endsWith(decimal))
            text.chop(decimal.size());
    }
    return text;
}

QString plainIntegerText(int value) { return QString::number(value); }

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    const std::u32string all = codePoints(text);
    std::u32string_view body(all);
    while (!body.empty() && QChar::isSpace(body.front()))
        body.remove_prefix(1);
    while (!body.empty() && QChar::isSpace(body.back()))
        body.remove_suffix(1);

    bool negative = false;
    if (takePrefix(body, codePoints(locale.negativeSign())) || takePrefix(body, U"-"))
        negative = true;
    else if (!takePrefix(body, codePoints(locale.positiveSign())))
        takePrefix(body, U"+");

    const std::u32string decimal = codePoints(locale.decimalPoint());
    const std::u32string group = codePoints(locale.groupSeparator());
    const std::u32string zeroText = codePoints(locale.zeroDigit());
    const char32_t zero = zeroText.size() == 1 ? zeroText.front() : U'0';
    // Where grouping is a blank, users type an ordinary space for it.
    const bool blankGroups = group.size() == 1 && QChar::isSpace(group.front());

    std::string whole, fraction;
    bool seenDecimal = false;
    while (!body.empty()) {
        const char32_t c = body.front();
        int digit = -1;
        if (c >= U'0' && c <= U'9')
            digit = static_cast<int>(c - U'0');
        else if (c >= zero && c <= zero + 9)
            digit = static_cast<int>(c - zero);
        if (digit >= 0) {
            (seenDecimal ? fraction : whole).push_back(static_cast<char>('0' + digit));
            body.remove_prefix(1);
        } else if (takePrefix(body, decimal)) {
            if (seenDecimal)
                return std::nullopt;
            seenDecimal = true;
        } else if (blankGroups && QChar::isSpace(c)) {
            body.remove_prefix(1);
        } else if (!takePrefix(body, group)) {
            return std::nullopt;
        }
    }
    if (whole.empty() && fraction.empty())
        return std::nullopt;

    // from_chars, unlike strtod, ignores the C library's locale.
    std::string ascii = whole.empty() ? std::string("0") : whole;
    if (!fraction.empty())
        ascii += '.' + fraction;
    double value = 0;
    const char *end = ascii.data() + ascii.size();
    const auto [ptr, error] = std::from_chars(ascii.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is 0; too large has no value.
        if (whole.find_first_not_of('0') != std::string::npos)
            return std::nullopt;
        value = 0;
    } else if (error != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace lorvex::pll
