#include "cli/options.h"

#include "plan/plain_number.h"

#include <cmath>

namespace lorvex::cli {

namespace {
QString quoted(const QString &text) { return u'\'' + text + u'\''; }
// Larger whole numbers mean nothing to any option and would not convert exactly.
constexpr double wholeLimit = 1e15;
} // namespace

Options::Options(const QStringList &arguments, const QStringList &allowed)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(u"--") || argument.size() == 2)
            throw UsageError{QStringLiteral("unexpected argument ") + quoted(argument)};
        const qsizetype equals = argument.indexOf(u'=');
        const QString name = argument.mid(2, equals < 0 ? -1 : equals - 2);
        if (!allowed.contains(name))
            throw UsageError{QStringLiteral("unknown option --") + name};
        if (values_.contains(name))
            throw UsageError{QStringLiteral("option --") + name + QStringLiteral(" given twice")};
        if (equals >= 0) {
            values_.insert(name, argument.mid(equals + 1));
        } else if (i + 1 < arguments.size() && !arguments[i + 1].startsWith(u"--")) {
            values_.insert(name, arguments[++i]);
        } else {
            throw UsageError{QStringLiteral("option --") + name + QStringLiteral(" needs a value")};
        }
    }
}

QString Options::text(const QString &name, const std::optional<QString> &fallback) const
{
    if (values_.contains(name))
        return values_.value(name);
    if (fallback)
        return *fallback;
    throw UsageError{QStringLiteral("missing option --") + name};
}

double Options::number(const QString &name) const
{
    const QString given = text(name);
    const std::optional<double> value = plan::readPlainNumber(given);
    if (!value)
        throw UsageError{QStringLiteral("--") + name + QStringLiteral(": ") + quoted(given)
                         + QStringLiteral(" is not a number (digits with at most one '.')")};
    return *value;
}

long long Options::whole(const QString &name, const std::optional<long long> &fallback) const
{
    if (!has(name) && fallback)
        return *fallback;
    const double value = number(name);
    if (value != std::floor(value) || value > wholeLimit)
        throw UsageError{QStringLiteral("--") + name + QStringLiteral(": ") + quoted(text(name))
                         + QStringLiteral(" is not a whole number")};
    return static_cast<long long>(value);
}

} // namespace lorvex::cli
