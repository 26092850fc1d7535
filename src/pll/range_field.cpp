#include "pll/range_field.h"

#include "pll/number_forms.h"

namespace lorvex::pll {

KeyDecision filterKey(QChar character, const QLocale &locale)
{
    if (character.unicode() == 13)
        return KeyDecision::MoveToNext;
    if (character.unicode() == 8)
        return KeyDecision::Pass;
    return readNumber(QString(character), locale) ? KeyDecision::Pass : KeyDecision::Discard;
}

QString tidy(const QString &text, RangeBox role, const QLocale &locale)
{
    if (const std::optional<double> value = readNumber(text, locale))
        return wholeNumberText(*value, locale);
    return role == RangeBox::Step ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace lorvex::pll
