#pragma once
// The options of one lorvex-plan command: "--name VALUE" or "--name=VALUE", each
// at most once, values read strictly. Every misuse throws a UsageError.

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace lorvex::cli {

struct UsageError {
    QString message;
};

class Options {
public:
    // arguments: what follows the command; allowed: the option names without "--".
    Options(const QStringList &arguments, const QStringList &allowed);

    bool has(const QString &name) const { return values_.contains(name); }
    // The text given; a missing option is refused unless a fallback is given.
    QString text(const QString &name, const std::optional<QString> &fallback = std::nullopt) const;
    // Digits with at most one "." (plain_number's reader).
    double number(const QString &name) const;
    long long whole(const QString &name, const std::optional<long long> &fallback = std::nullopt) const;

private:
    QMap<QString, QString> values_;
};

} // namespace lorvex::cli
