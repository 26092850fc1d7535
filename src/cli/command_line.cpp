#include "cli/command_line.h"

#include "app/app_info.h"
#include "cli/options.h"
#include "plan/fit_search.h"
#include "plan/frequency_range.h"
#include "plan/plain_number.h"
#include "plan/plan_csv.h"
#include "plan/plan_text.h"

#include <algorithm>

namespace lorvex::cli {

namespace {

const QString programName = QStringLiteral("lorvex-plan");

template <std::size_t size> QString listed(const std::array<int, size> &values)
{
    QStringList texts;
    for (const int value : values)
        texts += QString::number(value);
    return texts.join(QStringLiteral(", "));
}

QString bounds(const pll::ListParameters &list)
{
    return QStringLiteral("%1..%2 kHz, at most %3 frequencies")
        .arg(plan::plainNumber(list.lowerLimit, 6), plan::plainNumber(list.upperLimit, 6))
        .arg(static_cast<int>(list.maxSteps) + 1);
}

QString usage()
{
    return QStringLiteral("Usage: lorvex-plan plan --osc KHZ --r R [--ratio P] --from KHZ --to KHZ --step KHZ\n"
                          "                        [--format text|csv]\n"
                          "       lorvex-plan fit --osc-from KHZ --osc-to KHZ --osc-step KHZ\n"
                          "                       --from KHZ --to KHZ --step KHZ [--format text|csv] [--limit N]\n"
                          "       lorvex-plan --help | --version\n"
                          "\n"
                          "Channel plans for the MC145151-2 PLL synthesizer: fR = fOsc / R, N = fIn / P / fR,\n"
                          "and a channel is tuned when N is whole and 1..16383.\n"
                          "\n"
                          "  plan  N, error and N pin levels of every channel of a band, and the pins that keep\n"
                          "        one level over the whole band (they can be wired fixed)\n"
                          "  fit   the oscillators, R and P that tune every channel, best first: highest fR,\n"
                          "        then most fixed pins, lowest fOsc, R, P; else those that tune the most\n"
                          "\n"
                          "  --osc KHZ                         the oscillator, %1..%2 kHz\n"
                          "  --r R                             reference divider: %3\n"
                          "  --ratio P                         input division ratio: %4 (default 1)\n"
                          "  --from KHZ --to KHZ --step KHZ    the band: %5\n"
                          "  --osc-from, --osc-to, --osc-step  the oscillators: %6\n"
                          "  --format text|csv                 an aligned table (default) or CSV (RFC 4180)\n"
                          "  --limit N                         fits shown, default 20, 0 for all\n"
                          "\n"
                          "Frequencies in kHz with '.' for decimals (12.5). --opt=VALUE works too.\n"
                          "Exit status: 0 done, 1 no combination fits every channel, 2 bad usage,\n"
                          "3 the output could not be written.\n")
        .arg(plan::plainNumber(pll::referenceListParameters().lowerLimit, 6),
             plan::plainNumber(pll::referenceListParameters().upperLimit, 6), listed(pll::referenceDividerTable()),
             listed(pll::divisionRatios()), bounds(pll::inputListParameters()), bounds(pll::referenceListParameters()));
}

std::vector<double> rangeOf(const Options &options, const QString &prefix, const pll::ListParameters &list)
{
    const QString from = prefix + QStringLiteral("from"), to = prefix + QStringLiteral("to"),
                  step = prefix + QStringLiteral("step");
    plan::FrequencyRange range = plan::frequencyRange(options.number(from), options.number(to), options.number(step),
                                                      list);
    if (!range.refusal.isEmpty())
        throw UsageError{QStringLiteral("--%1/--%2/--%3: ").arg(from, to, step) + range.refusal};
    return std::move(range.values);
}

bool wantsCsv(const Options &options)
{
    const QString format = options.text(QStringLiteral("format"), QStringLiteral("text"));
    if (format != u"text" && format != u"csv")
        throw UsageError{QStringLiteral("--format must be text or csv, not '") + format + u'\''};
    return format == u"csv";
}

Outcome planCommand(const QStringList &arguments)
{
    const Options options(arguments, QString::fromLatin1("osc r ratio from to step format").split(u' '));
    const double osc = options.number(QStringLiteral("osc"));
    const QString oscRefusal = plan::frequencyRefusal(osc, pll::referenceListParameters());
    if (!oscRefusal.isEmpty())
        throw UsageError{QStringLiteral("--osc: ") + oscRefusal};
    const long long r = options.whole(QStringLiteral("r"));
    if (!pll::raLevelsFor(static_cast<int>(std::clamp(r, 0LL, 1LL << 20))))
        throw UsageError{
            QStringLiteral("--r %1: R must be one of %2").arg(r).arg(listed(pll::referenceDividerTable()))};
    const long long ratio = options.whole(QStringLiteral("ratio"), 1);
    if (!pll::isDivisionRatio(static_cast<int>(std::clamp(ratio, 0LL, 1LL << 20))))
        throw UsageError{
            QStringLiteral("--ratio %1: P must be one of %2").arg(ratio).arg(listed(pll::divisionRatios()))};
    const std::vector<double> band = rangeOf(options, QString(), pll::inputListParameters());
    const bool csv = wantsCsv(options);

    const plan::ChannelPlan channels = plan::makePlan(osc, static_cast<int>(r), static_cast<int>(ratio), band);
    return {exitOk, csv ? plan::planCsv(channels) : plan::planText(channels).toUtf8(), {}};
}

Outcome fitCommand(const QStringList &arguments)
{
    const Options options(arguments,
                          QString::fromLatin1("osc-from osc-to osc-step from to step format limit").split(u' '));
    const std::vector<double> oscillators = rangeOf(options, QStringLiteral("osc-"), pll::referenceListParameters());
    const std::vector<double> band = rangeOf(options, QString(), pll::inputListParameters());
    const bool csv = wantsCsv(options);
    const long long limit = options.whole(QStringLiteral("limit"), 20);

    const plan::FitSearchResult result = plan::findFits(oscillators, band);
    const std::size_t count = limit == 0 ? result.fits.size()
                                         : std::min(result.fits.size(), static_cast<std::size_t>(limit));
    const std::span<const plan::Fit> shown(result.fits.data(), count);
    return {result.complete ? exitOk : exitNoFullFit,
            csv ? plan::fitsCsv(shown) : plan::fitsText(result, shown).toUtf8(),
            {}};
}

} // namespace

Outcome runCommandLine(const QStringList &arguments)
{
    if (arguments.contains(u"--help") || arguments.contains(u"-h"))
        return {exitOk, usage().toUtf8(), {}};
    if (arguments.contains(u"--version"))
        return {exitOk, (programName + u' ' + app_info::fullVersion() + u'\n').toUtf8(), {}};
    try {
        if (arguments.isEmpty())
            throw UsageError{QStringLiteral("missing command: plan or fit (see --help)")};
        const QString command = arguments.first();
        if (command == u"plan")
            return planCommand(arguments.mid(1));
        if (command == u"fit")
            return fitCommand(arguments.mid(1));
        throw UsageError{QStringLiteral("unknown command '") + command + QStringLiteral("': plan or fit (see --help)")};
    } catch (const UsageError &error) {
        return {exitUsage, {}, (programName + QStringLiteral(": ") + error.message + u'\n').toUtf8()};
    }
}

} // namespace lorvex::cli
