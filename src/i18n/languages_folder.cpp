#include "i18n/languages_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lorvex {

QString resolveLanguagesFolder(const QString &applicationDir)
{
    const QString beside = applicationDir + QStringLiteral("/Languages/");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(applicationDir + QStringLiteral("/../share/lorvex/Languages")) + QLatin1Char('/');
}

QString resolveLanguagesFolder() { return resolveLanguagesFolder(QCoreApplication::applicationDirPath()); }

} // namespace lorvex
