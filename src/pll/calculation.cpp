#include "pll/calculation.h"

#include "pll/number_forms.h"

#include <cmath>

namespace lorvex::pll {

namespace {
// Lines and ratios are whole numbers; reading them as such ignores stray fractions.
std::optional<double> readWholeNumber(const std::optional<QString> &text, const QLocale &locale)
{
    if (!text)
        return std::nullopt;
    const std::optional<double> value = readNumber(*text, locale);
    if (!value)
        return std::nullopt;
    return std::round(*value);
}
} // namespace

CalculationDisplay Calculation::DeğerleriHesapla(const CalculationInputs &inputs, const QLocale &locale)
{
    ReferansBöleni = referenceDivider(inputs.raChecked);

    if (const std::optional<double> fOsc = readWholeNumber(inputs.referenceLine, locale)) {
        const double fR = referenceFrequency(*fOsc, ReferansBöleni);
        if (std::isfinite(fR))
            ReferansFrekansi = fR;
    }

    CalculationDisplay display;
    display.referenceValue = twoDecimalText(ReferansFrekansi, locale);
    display.raTotal = plainIntegerText(ReferansBöleni);

    if (inputs.inputLine) {
        const std::optional<double> fIn = readNumber(*inputs.inputLine, locale);
        const std::optional<double> p = readWholeNumber(inputs.ratioText, locale);
        if (fIn && p) {
            const double fD = *fIn / *p;
            if (std::isfinite(fD))
                BölünmüşGirişFrekansi = fD;
        }
    }

    if (const std::optional<double> n = requiredN(BölünmüşGirişFrekansi, ReferansFrekansi))
        display.requiredN = wholeNumberText(*n, locale);
    return display;
}

QString Calculation::nBoxChanged(const QString &caption, bool nowChecked, const QLocale &locale)
{
    // Only a real bit weight counts; anything else would corrupt the running total.
    const std::optional<double> weight = readWholeNumber(caption, locale);
    if (weight && *weight >= 0 && *weight <= maxN) {
        const int w = static_cast<int>(*weight);
        OnayliAğirlikToplami += nowChecked ? w : -w;
    }
    return selectedNText(locale);
}

QString Calculation::selectedNText(const QLocale &locale) const
{
    return wholeNumberText(maxN - OnayliAğirlikToplami, locale);
}

std::vector<int> boxesToChange(const std::array<bool, nBitCount> &nChecked, bool target)
{
    std::vector<int> boxes;
    for (int i = 0; i < nBitCount; ++i)
        if (nChecked[static_cast<std::size_t>(i)] != target)
            boxes.push_back(i);
    return boxes;
}

bool locks(const QString &requiredNText, const QString &selectedNText, const QLocale &locale)
{
    const std::optional<double> required = readNumber(requiredNText, locale);
    const std::optional<double> selected = readNumber(selectedNText, locale);
    if (!required || !selected || *required == 0 || *selected == 0)
        return false;
    return requiredNText == selectedNText;
}

} // namespace lorvex::pll
