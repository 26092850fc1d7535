#include "plan/channel_plan.h"

#include "result/report.h"

#include <stdexcept>

namespace lorvex::plan {

const std::array<int, nPinCount> &nPinNumbers()
{
    static const std::array<int, nPinCount> pins = [] {
        std::array<int, nPinCount> numbers{};
        for (int i = 0; i < nPinCount; ++i)
            numbers[i] = result::nPinOrder()[i].pin;
        return numbers;
    }();
    return pins;
}

PinLevels pinLevelsOf(int n)
{
    PinLevels levels{};
    for (int i = 0; i < nPinCount; ++i)
        levels[i] = n >> result::nPinOrder()[i].bit & 1;
    return levels;
}

int ChannelPlan::settableCount() const
{
    int count = 0;
    for (const bool fixed : fixedPins)
        count += fixed ? 0 : 1;
    return count;
}

ChannelPlan makePlan(double oscKhz, int r, int ratio, const std::vector<double> &inputsKhz)
{
    const std::optional<RaLevels> ra = pll::raLevelsFor(r);
    if (!ra || !pll::isDivisionRatio(ratio) || !(oscKhz > 0) || !std::isfinite(oscKhz))
        throw std::invalid_argument("no such oscillator, R or ratio");

    ChannelPlan plan;
    plan.oscKhz = oscKhz;
    plan.r = r;
    plan.raLevels = *ra;
    plan.ratio = ratio;
    plan.frKhz = pll::referenceFrequency(oscKhz, r);
    plan.rows.reserve(inputsKhz.size());

    int andOfN = pll::maxN, orOfN = 0;
    bool anyOk = false;
    for (const double input : inputsKhz) {
        ChannelRow row{};
        row.inputKhz = input;
        row.dividedKhz = pll::dividedInputFrequency(input, ratio);
        const ChannelN n = judgeN(row.dividedKhz, plan.frKhz);
        row.nExact = n.exact;
        row.n = n.rounded;
        row.status = n.status;
        row.achievedKhz = static_cast<double>(row.n) * oscKhz / r * ratio;
        row.errorKhz = row.achievedKhz - input;
        row.errorPpm = row.errorKhz / input * 1e6;
        if (row.status == ChannelStatus::OutOfRange) {
            row.pinLevels.fill(-1);
        } else {
            row.pinLevels = pinLevelsOf(static_cast<int>(row.n));
        }
        if (row.status == ChannelStatus::Ok) {
            anyOk = true;
            andOfN &= static_cast<int>(row.n);
            orOfN |= static_cast<int>(row.n);
        }
        plan.rows.push_back(row);
    }

    const int same = anyOk ? sameBits(andOfN, orOfN) : 0;
    const PinLevels levels = pinLevelsOf(andOfN);
    for (int i = 0; i < nPinCount; ++i) {
        plan.fixedPins[i] = (same >> result::nPinOrder()[i].bit & 1) != 0;
        plan.fixedLevels[i] = plan.fixedPins[i] ? levels[i] : -1;
    }
    return plan;
}

} // namespace lorvex::plan
