#include "pll/band.h"

#include "app/messages.h"

#include <cmath>

namespace lorvex::pll {

int planRefusal(const BandInputs &band)
{
    if (!band.referenceRow)
        return msg::NoReferenceLine;
    if (band.inputKhz.empty())
        return msg::InputListEmpty;
    return 0;
}

int fitRefusal(const BandInputs &band)
{
    if (band.referenceKhz.empty())
        return msg::ReferenceListEmpty;
    if (band.inputKhz.empty())
        return msg::InputListEmpty;
    return 0;
}

NSetting requiredNSetting(std::optional<double> exactN)
{
    if (!exactN)
        return {std::nullopt, msg::RequiredNMissing};
    // Range first: 0.4 is "whole" to no one, but it is not settable either way.
    const double rounded = std::round(*exactN);
    if (rounded < 1 || rounded > maxN)
        return {std::nullopt, msg::RequiredNOutOfRange};
    if (!isWholeN(*exactN))
        return {std::nullopt, msg::RequiredNNotWhole};
    return {static_cast<int>(rounded), 0};
}

std::array<bool, nBitCount> nCheckedFor(int n)
{
    std::array<bool, nBitCount> checked{};
    for (int bit = 0; bit < nBitCount; ++bit)
        checked[std::size_t(bit)] = (n & nWeight(bit)) == 0;
    return checked;
}

std::optional<std::array<bool, raBitCount>> raCheckedFor(int r)
{
    for (int row = 0; row < 8; ++row) {
        const int ra2 = (row >> 2) & 1, ra1 = (row >> 1) & 1, ra0 = row & 1;
        if (referenceDivider(ra2, ra1, ra0) == r)
            return std::array<bool, raBitCount>{ra0 == 0, ra1 == 0, ra2 == 0};
    }
    return std::nullopt;
}

} // namespace lorvex::pll
