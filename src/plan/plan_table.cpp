#include "plan/plan_table.h"

#include "pll/number_forms.h"

namespace lorvex::plan {

namespace {

QString khz() { return QStringLiteral(" Khz"); }

QString levelsText(const RaLevels &levels)
{
    return QStringLiteral("%1 %2 %3").arg(levels[0]).arg(levels[1]).arg(levels[2]);
}

int statusMessage(ChannelStatus status)
{
    switch (status) {
    case ChannelStatus::Ok:
        return msg::StatusOk;
    case ChannelStatus::NotWhole:
        return msg::StatusNotWhole;
    case ChannelStatus::OutOfRange:
        break;
    }
    return msg::StatusOutOfRange;
}

} // namespace

QStringList planHeadings(const ChannelPlan &plan, const MessageTable &messages)
{
    QStringList headings;
    for (int n = msg::ColumnInput; n <= msg::ColumnStatus; ++n)
        headings.append(messages.text(n));
    for (int i = 0; i < nPinCount; ++i)
        headings.append(QStringLiteral("Pin ") + QString::number(nPinNumbers()[std::size_t(i)])
                        + (plan.fixedPins[std::size_t(i)] ? QStringLiteral(" *") : QString()));
    return headings;
}

QStringList planRowTexts(const ChannelRow &row, const QLocale &locale, const MessageTable &messages)
{
    // Input lines are whole kHz, shown as the list shows them.
    QStringList texts{pll::wholeNumberText(row.inputKhz, locale),
                      pll::decimalText(row.dividedKhz, 3, locale),
                      pll::decimalText(row.nExact, 4, locale),
                      pll::wholeNumberText(static_cast<double>(row.n), locale),
                      pll::decimalText(row.achievedKhz, 3, locale),
                      pll::decimalText(row.errorKhz, 3, locale),
                      pll::decimalText(row.errorPpm, 2, locale),
                      messages.text(statusMessage(row.status))};
    for (const int level : row.pinLevels)
        texts.append(level < 0 ? QString() : QString::number(level));
    return texts;
}

QString planSummary(const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages)
{
    const QString gap = QStringLiteral("     ");
    return messages.text(msg::ReferenceOscLabel) + QLatin1Char(' ') + pll::wholeNumberText(plan.oscKhz, locale) + khz()
           + gap + QStringLiteral("R ") + pll::plainIntegerText(plan.r) + QStringLiteral(" (Pin 5 6 7: ")
           + levelsText(plan.raLevels) + QLatin1Char(')') + gap + QStringLiteral("P ") + QString::number(plan.ratio)
           + gap + QStringLiteral("fR ") + pll::twoDecimalText(plan.frKhz, locale) + khz();
}

QString settableSummary(const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages)
{
    qsizetype ok = 0;
    for (const ChannelRow &row : plan.rows)
        ok += row.status == ChannelStatus::Ok ? 1 : 0;
    return messages.text(msg::SettableChannels) + QLatin1Char(' ') + locale.toString(ok) + QStringLiteral(" / ")
           + locale.toString(qsizetype(plan.rows.size()));
}

QString planTabSeparated(const ChannelPlan &plan, const QLocale &locale, const MessageTable &messages)
{
    const QString tab = QStringLiteral("\t");
    const QString crlf = QStringLiteral("\r\n");
    QString text = planHeadings(plan, messages).join(tab) + crlf;
    for (const ChannelRow &row : plan.rows)
        text += planRowTexts(row, locale, messages).join(tab) + crlf;
    return text;
}

QStringList fitHeadings(const MessageTable &messages)
{
    return {messages.text(msg::ReferenceOscLabel) + QStringLiteral(" (Khz)"),
            QStringLiteral("R"),
            QStringLiteral("Pin 5 6 7"),
            QStringLiteral("P"),
            QStringLiteral("fR (Khz)"),
            messages.text(msg::ColumnNRange),
            messages.text(msg::ColumnFixedPins),
            messages.text(msg::ColumnChannelsFitted)};
}

QStringList fitRowTexts(const Fit &fit, const QLocale &locale)
{
    return {pll::wholeNumberText(fit.oscKhz, locale),
            pll::plainIntegerText(fit.r),
            levelsText(fit.raLevels),
            QString::number(fit.ratio),
            pll::twoDecimalText(fit.frKhz, locale),
            pll::wholeNumberText(fit.nMin, locale) + QStringLiteral(" … ") + pll::wholeNumberText(fit.nMax, locale),
            QString::number(fit.fixedPins),
            locale.toString(fit.channelsFitted) + QStringLiteral(" / ") + locale.toString(fit.channels)};
}

} // namespace lorvex::plan
