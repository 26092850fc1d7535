#include "plan/plan_text.h"

#include "plan/plain_number.h"
#include "plan/plan_csv.h"

#include <QList>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace lorvex::plan {

namespace {

struct Column {
    QString head;
    bool left = false; // text columns align left, numbers right
    int gap = 2;       // blanks before the column
};

// Every cell padded to its column's widest; trailing blanks cut.
QString alignedTable(const std::vector<Column> &columns, const QList<QStringList> &rows)
{
    std::vector<qsizetype> width(columns.size());
    QList<QStringList> all{QStringList()};
    for (const Column &c : columns)
        all.first() += c.head;
    all += rows;
    for (const QStringList &row : all)
        for (std::size_t i = 0; i < columns.size(); ++i)
            width[i] = std::max(width[i], row.value(static_cast<qsizetype>(i)).size());
    QString text;
    for (const QStringList &row : all) {
        QString line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const QString cell = row.value(static_cast<qsizetype>(i));
            if (i > 0)
                line += QString(columns[i].gap, u' ');
            line += columns[i].left ? cell.leftJustified(width[i]) : cell.rightJustified(width[i]);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
    }
    return text;
}

QString khz(double value) { return plainNumber(value, 6); }
QString whole(long long value) { return QString::number(value); }

QString raText(const RaLevels &levels)
{
    return QStringLiteral("%1 %2 %3").arg(levels[0]).arg(levels[1]).arg(levels[2]);
}

} // namespace

QString planText(const ChannelPlan &plan)
{
    int counts[3] = {0, 0, 0};
    for (const ChannelRow &row : plan.rows)
        ++counts[static_cast<int>(row.status)];
    const int fixed = nPinCount - plan.settableCount();

    QString text = QStringLiteral("fOsc %1 kHz   R %2 (pins 5 6 7 = %3)   P %4   fR %5 kHz\n")
                       .arg(khz(plan.oscKhz), whole(plan.r), raText(plan.raLevels), whole(plan.ratio), khz(plan.frKhz));
    text += QStringLiteral("%1 channels: %2 ok, %3 not whole, %4 out of range; %5 N pins fixed, %6 to set\n\n")
                .arg(plan.rows.size())
                .arg(counts[0])
                .arg(counts[1])
                .arg(counts[2])
                .arg(fixed)
                .arg(plan.settableCount());

    std::vector<Column> columns{{QStringLiteral("input kHz")},    {QStringLiteral("divided kHz")},
                                {QStringLiteral("N exact")},      {QStringLiteral("N")},
                                {QStringLiteral("achieved kHz")}, {QStringLiteral("error kHz")},
                                {QStringLiteral("error ppm")},    {QStringLiteral("status"), true}};
    const std::size_t firstPinColumn = columns.size();
    // Pin columns sit close together, as on a row of switches.
    for (const int pin : nPinNumbers())
        columns.push_back({whole(pin), false, columns.size() == firstPinColumn ? 2 : 1});

    QList<QStringList> rows;
    for (const ChannelRow &row : plan.rows) {
        QStringList cells{khz(row.inputKhz),
                          khz(row.dividedKhz),
                          khz(row.nExact),
                          whole(row.n),
                          khz(row.achievedKhz),
                          khz(row.errorKhz),
                          plainNumber(row.errorPpm, 3),
                          QString::fromLatin1(statusName(row.status))};
        for (const int level : row.pinLevels)
            cells += level < 0 ? QStringLiteral("-") : whole(level);
        rows += cells;
    }
    QStringList marks(8);
    marks[7] = QStringLiteral("fixed");
    for (const bool isFixed : plan.fixedPins)
        marks += isFixed ? QStringLiteral("*") : QString();
    rows += marks;

    text += alignedTable(columns, rows);
    text += QStringLiteral("\n* fixed: the same level on every ok channel. Level 1 = open, 0 = ground.\n");
    return text;
}

QString fitsText(const FitSearchResult &result, std::span<const Fit> shown)
{
    const qsizetype found = static_cast<qsizetype>(result.fits.size());
    QString text;
    if (result.fits.empty())
        text = QStringLiteral("No combination fits any channel.\n");
    else if (result.complete)
        text = QStringLiteral("%1 %2 all %3 channels")
                   .arg(found)
                   .arg(found == 1 ? QStringLiteral("combination fits") : QStringLiteral("combinations fit"))
                   .arg(result.fits.front().channels);
    else
        text = QStringLiteral("No combination fits all %1 channels; %2 %3 %4 of them")
                   .arg(result.fits.front().channels)
                   .arg(found)
                   .arg(found == 1 ? QStringLiteral("fits") : QStringLiteral("fit"))
                   .arg(result.fits.front().channelsFitted);
    if (result.fits.empty())
        return text;
    text += std::ssize(shown) < found ? QStringLiteral(" (best %1 shown):\n\n").arg(shown.size())
                                      : QStringLiteral(", best first:\n\n");

    const std::vector<Column> columns{{QStringLiteral("fOsc kHz")},   {QStringLiteral("R")},
                                      {QStringLiteral("pins 5 6 7")}, {QStringLiteral("P")},
                                      {QStringLiteral("fR kHz")},     {QStringLiteral("N min")},
                                      {QStringLiteral("N max")},      {QStringLiteral("fixed pins")},
                                      {QStringLiteral("channels")}};
    QList<QStringList> rows;
    for (const Fit &fit : shown)
        rows += QStringList{khz(fit.oscKhz),
                            whole(fit.r),
                            raText(fit.raLevels),
                            whole(fit.ratio),
                            khz(fit.frKhz),
                            whole(fit.nMin),
                            whole(fit.nMax),
                            whole(fit.fixedPins),
                            QStringLiteral("%1/%2").arg(fit.channelsFitted).arg(fit.channels)};
    return text + alignedTable(columns, rows);
}

} // namespace lorvex::plan
