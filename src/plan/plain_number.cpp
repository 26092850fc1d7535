#include "plan/plain_number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace lorvex::plan {

QString plainNumber(double value, int maxDecimals)
{
    if (!std::isfinite(value))
        return {};
    // QString::number always uses the C locale, never the user's.
    QString text = QString::number(value, 'f', maxDecimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    if (text == u"-0")
        text = QStringLiteral("0");
    return text;
}

std::optional<double> readPlainNumber(QStringView text)
{
    std::string ascii;
    bool seenPoint = false, seenDigit = false;
    for (const QChar c : text) {
        if (c >= u'0' && c <= u'9') {
            seenDigit = true;
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c.unicode()));
    }
    if (!seenDigit)
        return std::nullopt;
    double value = 0;
    const char *end = ascii.data() + ascii.size();
    // from_chars ignores the C library's locale; it also reads "12." and ".5".
    const auto [ptr, error] = std::from_chars(ascii.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace lorvex::plan
