#pragma once
// The version check over HTTP: connectivity probe, a bounded download of the
// maker's version file into a temporary file, and the reading of that file.

#include "update/version_checker.h"

#include <QString>
#include <QUrl>
#include <functional>

namespace lorvex {

class HttpVersionChecker final : public VersionChecker {
public:
    using OnlineProbe = std::function<bool()>;

    static constexpr int defaultTimeoutMs = 15000;
    // A version file is a few lines; anything bigger is not one. Its reply's
    // status line and headers have a cap of their own.
    static constexpr qint64 sizeCap = 64 * 1024;
    static constexpr qint64 headCap = 16 * 1024;

    // timeoutMs bounds the whole check, however slowly the server answers:
    // it blocks the windows while it runs.
    HttpVersionChecker(QUrl versionFile, OnlineProbe online, int timeoutMs = defaultTimeoutMs);

    // 1 offline (nothing created), 2 download failed (nothing written, a file
    // already at path left alone), otherwise the number read from the file,
    // which is deleted again. Blocks with a wait cursor; user input waits.
    int SurumKontrolEt(const QString &path, int product) override;

private:
    QUrl url_;
    OnlineProbe online_;
    int timeoutMs_;
};

// The real probe: the system's reachability when a network-information
// backend loads, otherwise any interface that is up, running, not loopback
// and has an address.
bool isOnline();

// The user's cache folder followed by "~tmp.001" (the folder is made when first written):
// private and writable, unlike the program's languages folder.
QString updateTempPath();

} // namespace lorvex
