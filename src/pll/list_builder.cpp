#include "pll/list_builder.h"

#include "app/message_ids.h"
#include "app/settings.h"
#include "pll/number_forms.h"

namespace lorvex::pll {

namespace {
// However strange the texts (a step too small to move x, say), the list stops here.
constexpr int maxLines = 501;

ListBuildResult refuse(ListBuildResult result, int message, RangeBox focus)
{
    result.message = message;
    result.focus = focus;
    return result;
}
} // namespace

const ListParameters &referenceListParameters()
{
    static const ListParameters parameters{1000,
                                           20000,
                                           msg::BelowLowestValue,
                                           msg::ReferenceAboveHighest,
                                           msg::ReferenceEndBelowStart,
                                           msg::RangeNotAboveStep,
                                           500,
                                           msg::TooManyReferenceSteps,
                                           keys::ReferansBaslama,
                                           keys::ReferansBitis,
                                           keys::ReferansAdim};
    return parameters;
}

const ListParameters &inputListParameters()
{
    static const ListParameters parameters{1000,
                                           500000,
                                           msg::BelowLowestValue,
                                           msg::InputAboveHighest,
                                           msg::InputEndBelowStart,
                                           msg::RangeNotAboveStep,
                                           500,
                                           msg::TooManyInputSteps,
                                           keys::GirisBaslama,
                                           keys::GirisBitis,
                                           keys::GirisAdim};
    return parameters;
}

ListBuildResult buildList(const QString &start, const QString &end, const QString &step,
                          const ListParameters &parameters, const QLocale &locale)
{
    ListBuildResult result;
    result.start = start;
    result.end = end;
    result.step = step;
    if (!readNumber(result.start, locale))
        result.start = QStringLiteral("0");
    if (!readNumber(result.end, locale))
        result.end = QStringLiteral("0");
    if (!readNumber(result.step, locale))
        result.step = QStringLiteral("1");
    if (*readNumber(result.step, locale) == 0)
        result.step = QStringLiteral("1");

    const double b = *readNumber(result.start, locale);
    const double e = *readNumber(result.end, locale);
    const double s = *readNumber(result.step, locale);

    if (b < parameters.lowerLimit)
        return refuse(result, parameters.belowLowerMessage, RangeBox::Start);
    if (e > parameters.upperLimit)
        return refuse(result, parameters.aboveUpperMessage, RangeBox::End);
    if (b > e)
        return refuse(result, parameters.endBelowStartMessage, RangeBox::End);
    if (e - b < s)
        return refuse(result, parameters.differenceMessage, RangeBox::End);
    if ((e - b) / s > parameters.maxSteps)
        return refuse(result, parameters.tooManyStepsMessage, RangeBox::Start);

    result.built = true;
    // Repeated addition, not multiplication: the listed values follow the running sum.
    for (double x = b; (s > 0 ? x <= e : x >= e) && result.lines.size() < maxLines; x += s)
        result.lines.append(wholeNumberText(x, locale));
    return result;
}

} // namespace lorvex::pll
