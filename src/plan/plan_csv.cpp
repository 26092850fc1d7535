#include "plan/plan_csv.h"

#include "plan/plain_number.h"

#include <QStringList>

namespace lorvex::plan {

namespace {
constexpr int khzDecimals = 6;
constexpr int ppmDecimals = 3;

// No field can hold a comma, quote or line break, so none is quoted.
void appendRecord(QByteArray &csv, const QStringList &fields)
{
    csv += fields.join(u',').toUtf8();
    csv += "\r\n";
}

QString khz(double value) { return plainNumber(value, khzDecimals); }
QString whole(long long value) { return QString::number(value); }
} // namespace

const char *statusName(ChannelStatus status)
{
    switch (status) {
    case ChannelStatus::Ok:
        return "ok";
    case ChannelStatus::NotWhole:
        return "not_whole";
    case ChannelStatus::OutOfRange:
        break;
    }
    return "out_of_range";
}

QByteArray planCsv(const ChannelPlan &plan)
{
    QByteArray csv;
    QStringList header = QString::fromLatin1("osc_khz,r,ratio,fr_khz,input_khz,divided_khz,n_exact,n,achieved_khz,"
                                             "error_khz,error_ppm,status,pin5,pin6,pin7")
                             .split(u',');
    for (const int pin : nPinNumbers())
        header += QStringLiteral("pin") + whole(pin);
    appendRecord(csv, header);

    for (const ChannelRow &row : plan.rows) {
        QStringList fields{khz(plan.oscKhz),
                           whole(plan.r),
                           whole(plan.ratio),
                           khz(plan.frKhz),
                           khz(row.inputKhz),
                           khz(row.dividedKhz),
                           khz(row.nExact),
                           whole(row.n),
                           khz(row.achievedKhz),
                           khz(row.errorKhz),
                           plainNumber(row.errorPpm, ppmDecimals),
                           QString::fromLatin1(statusName(row.status))};
        for (const int level : plan.raLevels)
            fields += whole(level);
        for (const int level : row.pinLevels)
            fields += row.status == ChannelStatus::OutOfRange ? QString() : whole(level);
        appendRecord(csv, fields);
    }
    return csv;
}

QByteArray fitsCsv(std::span<const Fit> fits)
{
    QByteArray csv;
    appendRecord(csv, QString::fromLatin1("osc_khz,r,pin5,pin6,pin7,ratio,fr_khz,n_min,n_max,fixed_pins,"
                                          "channels_fitted,channels")
                          .split(u','));
    for (const Fit &fit : fits)
        appendRecord(csv, {khz(fit.oscKhz), whole(fit.r), whole(fit.raLevels[0]), whole(fit.raLevels[1]),
                           whole(fit.raLevels[2]), whole(fit.ratio), khz(fit.frKhz), whole(fit.nMin), whole(fit.nMax),
                           whole(fit.fixedPins), whole(fit.channelsFitted), whole(fit.channels)});
    return csv;
}

} // namespace lorvex::plan
