#pragma once
// Every test runs in its own temporary home: no real settings or documents are touched.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>

namespace lorvex::test {

// The two regional settings every text test runs under.
inline const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
inline const QLocale english(QLocale::English, QLocale::UnitedStates);

// Short forms for tables: s("…") is the UTF-8 text, l("a|b|c") the texts a, b and c (empty parts stay).
inline QString s(const char *text) { return QString::fromUtf8(text); }
inline QStringList l(const char *texts) { return s(texts).split(QLatin1Char('|')); }

// Points HOME and the XDG folders at a fresh temporary folder while it lives.
class TestHome {
public:
    TestHome()
    {
        for (const auto &[variable, folder] : folders) {
            QDir().mkpath(dir_.path() + QLatin1String(folder));
            old_.append(qgetenv(variable));
            qputenv(variable, QFile::encodeName(dir_.path() + QLatin1String(folder)));
        }
        QFile::setPermissions(file(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    ~TestHome()
    {
        for (std::size_t i = 0; i < std::size(folders); ++i)
            qputenv(folders[i].first, old_[qsizetype(i)]);
    }
    QString path() const { return dir_.path(); }
    // Where the program's QSettings file lands.
    QString settingsPath() const { return file(QStringLiteral("config/Tavoran/Lorvex.ini")); }
    QString file(const QString &relative) const { return dir_.filePath(relative); }

private:
    static constexpr std::pair<const char *, const char *> folders[] = {{"HOME", ""},
                                                                        {"XDG_CONFIG_HOME", "/config"},
                                                                        {"XDG_CACHE_HOME", "/cache"},
                                                                        {"XDG_DATA_HOME", "/data"},
                                                                        {"XDG_RUNTIME_DIR", "/runtime"}};
    QTemporaryDir dir_;
    QList<QByteArray> old_;
};

// Writes bytes to a file, creating folders; returns the full path, or nothing when it cannot.
inline QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size()
               ? QFileInfo(path).absoluteFilePath()
               : QString();
}
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace lorvex::test
