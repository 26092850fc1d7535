#include "plan/band.h"

#include "app/messages.h"
#include "plan/channel_plan.h"

namespace lorvex::plan {

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
    // Judged as a plan judges each channel: range first, then wholeness.
    const ChannelN n = judgeN(*exactN, 1.0);
    switch (n.status) {
    case ChannelStatus::Ok:
        return {static_cast<int>(n.rounded), 0};
    case ChannelStatus::NotWhole:
        return {std::nullopt, msg::RequiredNNotWhole};
    case ChannelStatus::OutOfRange:
        break;
    }
    return {std::nullopt, msg::RequiredNOutOfRange};
}

std::array<bool, pll::nBitCount> nCheckedFor(int n)
{
    std::array<bool, pll::nBitCount> checked{};
    for (int bit = 0; bit < pll::nBitCount; ++bit)
        checked[std::size_t(bit)] = (n & pll::nWeight(bit)) == 0;
    return checked;
}

std::optional<std::array<bool, pll::raBitCount>> raCheckedFor(int r)
{
    const std::optional<RaLevels> levels = pll::raLevelsFor(r);
    if (!levels)
        return std::nullopt;
    std::array<bool, pll::raBitCount> checked{};
    for (std::size_t i = 0; i < checked.size(); ++i)
        checked[i] = (*levels)[i] == 0;
    return checked;
}

} // namespace lorvex::plan
