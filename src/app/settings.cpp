#include "app/settings.h"

#include "app/failure.h"

#include <QCoreApplication>
#include <QSettings>
#include <cmath>
#include <cstring>
#include <limits>

namespace lorvex {

namespace {

const QString group = QStringLiteral("Ayarlar");

std::optional<long long> readWhole(const QString &text)
{
    bool ok = false;
    const long long v = text.trimmed().toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    return v;
}

// A hand-edited value with a comma comes back as a list; join it again.
QString textOf(const QVariant &v)
{
    if (v.userType() == QMetaType::QStringList)
        return v.toStringList().join(QLatin1Char(','));
    return v.toString();
}

QString userIniPath()
{
    const QSettings probe(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tavoran"),
                          QStringLiteral("Lorvex"));
    return probe.fileName();
}

} // namespace

QString defaultText(const char *key)
{
    for (const auto &d : keyDefaults)
        if (std::strcmp(d.key, key) == 0)
            return QString::fromUtf8(d.text);
    return {};
}

QString dateText(QDate date, const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

QDate readDateText(const QString &text, const QLocale &locale)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return {};
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    QDate d = locale.toDate(t, format);
    if (!d.isValid())
        d = locale.toDate(t, QLocale::ShortFormat);
    return d;
}

Settings::Settings() : Settings(userIniPath()) {}

Settings::Settings(QString iniPath, QLocale locale) : path_(std::move(iniPath)), locale_(std::move(locale)) {}

QString Settings::read(const char *key, const QString &fallback) const
{
    // A fresh QSettings per call: nothing is cached on our side.
    QSettings s(path_, QSettings::IniFormat);
    s.beginGroup(group);
    const QVariant v = s.value(QString::fromUtf8(key));
    if (!v.isValid())
        return fallback;
    return textOf(v);
}

bool Settings::contains(const char *key) const
{
    QSettings s(path_, QSettings::IniFormat);
    s.beginGroup(group);
    return s.contains(QString::fromUtf8(key));
}

void Settings::write(const char *key, const QString &text) { write({{key, text}}); }

void Settings::write(const QList<std::pair<const char *, QString>> &values)
{
    QSettings s(path_, QSettings::IniFormat);
    s.beginGroup(group);
    for (const auto &[key, text] : values)
        s.setValue(QString::fromUtf8(key), text);
    s.endGroup();
    s.sync();
    // The status also describes what was read: an old file of zeros or random
    // bytes gives FormatError although the new contents were written over it.
    // So only a file that does not hold the new values is a failed write.
    if (s.status() != QSettings::NoError && !holds(values))
        throw Failure(failure_code::settingsWrite, QStringLiteral("The settings file could not be written: ") + path_);
}

bool Settings::holds(const QList<std::pair<const char *, QString>> &values) const
{
    // In this process a second QSettings shares the first one's unsaved
    // values, and retries saving them: its own status tells whether it could.
    QSettings s(path_, QSettings::IniFormat);
    s.beginGroup(group);
    for (const auto &[key, text] : values) {
        const QVariant v = s.value(QString::fromUtf8(key));
        if (!v.isValid() || textOf(v) != text)
            return false;
    }
    return s.status() == QSettings::NoError;
}

std::optional<double> Settings::readPosition(const char *key) const
{
    const QString text = read(key, QString());
    if (text.trimmed().isEmpty())
        return std::nullopt;
    bool ok = false;
    double v = locale_.toDouble(text.trimmed(), &ok);
    if (!ok)
        v = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(v) || std::abs(v) > std::numeric_limits<float>::max())
        return std::nullopt;
    return static_cast<double>(static_cast<float>(v));
}

std::optional<UpdateSchedule> Settings::readSchedule() const
{
    const auto v = readWhole(read(keys::GuncellemeZamani, QString()));
    if (!v || *v < 0 || *v > 2)
        return std::nullopt;
    return static_cast<UpdateSchedule>(*v);
}

UpdateResult Settings::readUpdateResult() const
{
    const auto v = readWhole(read(keys::GuncellemeSonucu, QStringLiteral("0")));
    if (!v || *v < 0 || *v > 255)
        return UpdateResult::none;
    return static_cast<UpdateResult>(*v);
}

int Settings::readPublishedVersion(int runningVersion) const
{
    const auto v = readWhole(read(keys::SurumBilgisi, QString::number(runningVersion)));
    if (!v || *v < std::numeric_limits<qint16>::min() || *v > std::numeric_limits<qint16>::max())
        return runningVersion;
    return static_cast<int>(*v);
}

QDate Settings::readDate(const char *key) const { return readDateText(read(key, QString()), locale_); }

void Settings::writeDate(const char *key, QDate date) { write(key, dateText(date, locale_)); }

QString Settings::positionText(double twips) const
{
    QLocale l = locale_;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l.toString(static_cast<double>(static_cast<float>(twips)), 'g', 7);
}

void Settings::writePosition(const char *key, double twips) { write(key, positionText(twips)); }

} // namespace lorvex
