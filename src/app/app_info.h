#pragma once
// Who and what the program is: names, version, addresses.

#include "version.h"

#include <QString>

namespace lorvex::app_info {

inline QString productName() { return QStringLiteral("Lorvex"); }
inline QString makerName() { return QStringLiteral("Tavoran"); }
inline QString applicationId() { return QStringLiteral("example.tavoran.Lorvex"); }
inline QString legalNotice() { return QStringLiteral("Copyright © Tavoran. All rights reserved."); }

inline QString versionFileUrl() { return QStringLiteral("https://tavoran.example/lorvex/version.txt"); }
inline QString installerUrl() { return QStringLiteral("https://tavoran.example/lorvex/setup"); }
inline QString webPageUrl() { return QStringLiteral("https://tavoran.example/lorvex/"); }
inline QString supportEmail() { return QStringLiteral("destek@tavoran.example"); }

// The product's line in the maker's version file.
inline constexpr int UrunNumarasi = 101;

// "1.02" for 1.0.2: minor and revision run together.
inline QString versionCaption()
{
    return QString::number(version::major) + QLatin1Char('.') + QString::number(version::minor)
           + QString::number(version::patch);
}

// "1.0.2", as the project names its version.
inline QString fullVersion()
{
    return QString::number(version::major) + QLatin1Char('.') + QString::number(version::minor) + QLatin1Char('.')
           + QString::number(version::patch);
}

// 102 for 1.0.2: each part contributes exactly its decimal digits.
inline int versionNumber() { return versionCaption().remove(QLatin1Char('.')).toInt(); }

// The main window's title. It changes with the language, so it names nothing else.
inline QString windowTitle(const QString &message101)
{
    return QStringLiteral("Tavoran - ") + message101 + QStringLiteral(" (MC 145151-2) ") + versionCaption();
}

} // namespace lorvex::app_info
