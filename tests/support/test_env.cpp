#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lorvex::test {

TestHome::TestHome()
    : oldHome_(qgetenv("HOME")), oldConfig_(qgetenv("XDG_CONFIG_HOME")), oldCache_(qgetenv("XDG_CACHE_HOME")),
      oldData_(qgetenv("XDG_DATA_HOME")), oldRuntime_(qgetenv("XDG_RUNTIME_DIR"))
{
    const QString root = dir_.path();
    for (const char *sub : {"config", "cache", "data", "runtime"})
        QDir(root).mkpath(QString::fromLatin1(sub));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", QFile::encodeName(root));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QStringLiteral("/runtime")));
}

TestHome::~TestHome()
{
    qputenv("HOME", oldHome_);
    qputenv("XDG_CONFIG_HOME", oldConfig_);
    qputenv("XDG_CACHE_HOME", oldCache_);
    qputenv("XDG_DATA_HOME", oldData_);
    qputenv("XDG_RUNTIME_DIR", oldRuntime_);
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
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace lorvex::test
