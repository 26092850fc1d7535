#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lorvex::test {

namespace {
// Each variable and the folder under the temporary home it points to.
const std::pair<const char *, const char *> folders[] = {{"HOME", ""},
                                                         {"XDG_CONFIG_HOME", "/config"},
                                                         {"XDG_CACHE_HOME", "/cache"},
                                                         {"XDG_DATA_HOME", "/data"},
                                                         {"XDG_RUNTIME_DIR", "/runtime"}};
} // namespace

TestHome::TestHome()
{
    for (const auto &[variable, folder] : folders) {
        const QString path = dir_.path() + QLatin1String(folder);
        QDir().mkpath(path);
        old_.append(qgetenv(variable));
        qputenv(variable, QFile::encodeName(path));
    }
    QFile::setPermissions(dir_.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TestHome::~TestHome()
{
    for (std::size_t i = 0; i < std::size(folders); ++i)
        qputenv(folders[i].first, old_[qsizetype(i)]);
}

QString TestHome::settingsPath() const { return dir_.path() + QStringLiteral("/config/Tavoran/Lorvex.ini"); }

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    f.write(bytes);
    return QFileInfo(path).absoluteFilePath();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace lorvex::test
