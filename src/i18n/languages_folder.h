#pragma once
// Where the language files live.

#include <QString>

namespace lorvex {

// "<program folder>/Languages/" when that folder exists (build tree, portable
// copy), else the installed "<prefix>/share/lorvex/Languages/" found from the
// program folder, so any install prefix works. Always ends in "/".
QString resolveLanguagesFolder(const QString &applicationDir);
QString resolveLanguagesFolder(); // from QCoreApplication::applicationDirPath()

} // namespace lorvex
