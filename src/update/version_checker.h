#pragma once
// The update check as windows use it: SurumKontrolEt behind an interface, so
// tests can put a loopback server or a fixed answer in its place.

#include <QString>

namespace lorvex {

class VersionChecker {
public:
    virtual ~VersionChecker() = default;
    // 1 offline, 2 download failed, 0 no number, otherwise the published version.
    virtual int SurumKontrolEt(const QString &path, int product) = 0;
};

} // namespace lorvex
