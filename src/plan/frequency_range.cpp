#include "plan/frequency_range.h"

#include "plan/plain_number.h"

#include <cmath>

namespace lorvex::plan {

namespace {
// A step count within this of a whole number is that number: 0.1 kHz steps do not
// divide a range exactly in binary.
constexpr double stepSlack = 1e-9;

QString kHz(double value) { return plainNumber(value, 6) + QStringLiteral(" kHz"); }
} // namespace

QString frequencyRefusal(double value, const pll::ListParameters &bounds)
{
    if (value < bounds.lowerLimit)
        return kHz(value) + QStringLiteral(" is below the lowest allowed, ") + kHz(bounds.lowerLimit);
    if (value > bounds.upperLimit)
        return kHz(value) + QStringLiteral(" is above the highest allowed, ") + kHz(bounds.upperLimit);
    return {};
}

FrequencyRange frequencyRange(double start, double end, double step, const pll::ListParameters &bounds)
{
    FrequencyRange range;
    const int maxValues = static_cast<int>(bounds.maxSteps) + 1;
    if (start < bounds.lowerLimit)
        range.refusal = QStringLiteral("the start ") + frequencyRefusal(start, bounds);
    else if (end > bounds.upperLimit)
        range.refusal = QStringLiteral("the end ") + frequencyRefusal(end, bounds);
    else if (end < start)
        range.refusal = QStringLiteral("the end is below the start");
    else if (!(step > 0))
        range.refusal = QStringLiteral("the step must be above 0 kHz");
    else if ((end - start) / step < 1 - stepSlack)
        range.refusal = QStringLiteral("the range is narrower than one step");
    else if ((end - start) / step > bounds.maxSteps + stepSlack)
        range.refusal = QStringLiteral("the range has more than %1 frequencies (at most %2 steps)")
                            .arg(maxValues)
                            .arg(bounds.maxSteps);
    if (!range.refusal.isEmpty())
        return range;

    const int steps = static_cast<int>(std::floor((end - start) / step + stepSlack));
    range.values.reserve(static_cast<std::size_t>(steps) + 1);
    for (int i = 0; i <= steps; ++i)
        range.values.push_back(start + i * step);
    return range;
}

} // namespace lorvex::plan
